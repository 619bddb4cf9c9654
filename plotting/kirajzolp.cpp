#include "platform/graph/graph.h"
#include "plotting/plot_area.h"
#include "plotting/plots.h"

namespace plotting {

void KIRAJZOLP(const TABLAK& A, const TFUGGVENYTABLA& T) {
    const PlotArea P = prepare_plot(A, T, Fill::unchanged);

    // A sample is one pixel in the panel's colour, set over the axes.
    auto PONTRAJZOLAS = [&](Real X, Real Y) {
        const Integer O = P.column(X);
        const Integer S = P.row(Y);
        graph::PutPixel(O, S, A.SZIN);
    };

    if (!program.plots_samples) return;
    for (Integer I = 1; I <= T.N; ++I) PONTRAJZOLAS(T.X[I], T.Y[I]);
}

}  // namespace plotting
