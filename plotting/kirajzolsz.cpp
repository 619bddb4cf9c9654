#include "platform/graph/graph.h"
#include "plotting/plot_area.h"
#include "plotting/plots.h"

namespace plotting {

void KIRAJZOLSZ(const TABLAK& A, const TFUGGVENYTABLA& T) {
    const PlotArea P = prepare_plot(A, T, Fill::unchanged);
    Integer EO, ES;  // the pixel of the last sample reached: where the next segment starts

    // The first sample: its pixel, the start of the polyline.
    auto PONTRAJZOLAS = [&](Real X, Real Y) {
        const Integer O = P.column(X);
        const Integer S = P.row(Y);
        graph::PutPixel(O, S, A.SZIN);
        EO = O;
        ES = S;
    };
    // Every later sample: the segment from the last one reached, which starts on the pixel
    // where the previous segment ended, so the polyline has no gaps.
    auto SZAKASZRAJZOLAS = [&](Real X, Real Y) {
        const Integer O = P.column(X);
        const Integer S = P.row(Y);
        graph::Line(EO, ES, O, S);
        EO = O;
        ES = S;
    };

    if (!program.plots_samples) return;
    PONTRAJZOLAS(T.X[1], T.Y[1]);
    for (Integer I = 2; I <= T.N; ++I) SZAKASZRAJZOLAS(T.X[I], T.Y[I]);
}

}  // namespace plotting
