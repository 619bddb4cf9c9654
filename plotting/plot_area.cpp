#include "plotting/plot_area.h"

#include <climits>

#include "platform/fpcheck.h"
#include "platform/graph/graph.h"

namespace plotting {

using rt::Extended;

// Every formula is evaluated in extended precision and rounded to Real only where it is stored
// in NX or NY; each truncation takes the unrounded value. This decides pixels: for the constant's
// table 75·NX is 153.99999999999999…, so O0 is 153 where a rounded product would give 154.

PlotArea prepare_plot(const TABLAK& A, const TFUGGVENYTABLA& T, Fill fill) {
    PlotArea P;
    const Integer TH = graph::TextHeight(" ");
    P.SZEL = A.JA.X - A.BF.X;
    P.MAG = A.JA.Y - A.BF.Y - TH - 1;
    // One free column inside the frame on either side, below the label, down to one row
    // below the frame's bottom line.
    graph::SetViewPort(A.BF.X + 2, A.BF.Y + 10, A.JA.X - 2, A.JA.Y + 1, true);
    graph::SetColor(A.SZIN);
    if (fill == Fill::solid) graph::SetFillStyle(1, A.SZIN);

    // The numerator is the plot area's width SZEL − 3, not its last column SZEL − 4: the last
    // sample can land one column right of the area.
    P.NX = Real(rt::divide(P.SZEL - 3, Extended(T.X[T.N]) - T.X[1]));
    P.NY = Real(rt::divide(P.MAG, Extended(T.MAXY) - T.MINY));
    P.O0 = rt::trunc(-Extended(T.X[1]) * P.NX);
    P.S0 = rt::trunc(Extended(T.MINY) * P.NY + P.MAG);
    KOORDINATATENGELYEK(P.O0, P.S0, A.JA.X - A.BF.X - 4, A.JA.Y - A.BF.Y - TH - 4);
    return P;
}

Integer PlotArea::column(Real X) const { return rt::trunc(Extended(X) * NX + O0); }

Integer PlotArea::row(Real Y) const {
    // The distance from the axis is truncated toward the axis on either side of it.
    const long long distance = rt::trunc(Extended(Y) * NY);
    long long S;
    // A distance near the 64-bit limits is far outside any row; only the subtraction could
    // overflow, so it is reported as the range error it is.
    if (__builtin_sub_overflow(static_cast<long long>(S0), distance, &S))
        rt::range_error(distance < 0 ? LLONG_MAX : LLONG_MIN, -32768, 32767);
    return S;
}

}  // namespace plotting
