#include "platform/graph/graph.h"
#include "plotting/plot_area.h"
#include "plotting/plots.h"

namespace plotting {

void KIRAJZOLT(const TABLAK& A, const TFUGGVENYTABLA& T) {
    const PlotArea P = prepare_plot(A, T, Fill::solid);

    auto SGN = [](Real X) -> Integer { return X < 0 ? -1 : 1; };  // 0 counts as positive

    // A bar of 2·OSZLOPSZEL − 1 columns centred on the sample (three when OSZLOPSZEL is 0:
    // the library orders the corners), from the sample's row to the row next to the axis on
    // the sample's side. An ordinate that scales to less than a pixel gives a bar of two rows,
    // the axis row and its neighbour.
    auto TEGLARAJZOLAS = [&](Real X, Real Y, Integer OSZLOPSZEL) {
        const Integer O = P.column(X);
        const Integer S = P.row(Y);
        graph::Bar(O - OSZLOPSZEL + 1, S, O + OSZLOPSZEL - 1, P.S0 - SGN(Y));
    };

    if (!program.plots_samples) return;
    const Integer DX = rt::trunc(rt::Extended(P.SZEL) / T.N / 2);  // N is 1 to MAXN by now
    for (Integer I = 1; I <= T.N; ++I) TEGLARAJZOLAS(T.X[I], T.Y[I], DX);
}

}  // namespace plotting
