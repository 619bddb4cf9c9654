// The plot area of a panel and the mapping of samples onto it, shared by the three plot styles.
#pragma once

#include "plotting/screen.h"
#include "plotting/table.h"

namespace plotting {

// The working values of one plot procedure's call.
struct PlotArea {
    Integer SZEL;  // the distance of the frame's left and right edges
    Integer MAG;   // the height of the ordinate range in rows: MINY on row MAG, MAXY on row 0
    Real NX;       // pixels per unit of abscissa
    Real NY;       // pixels per unit of ordinate
    Integer O0;    // the column of abscissa 0
    Integer S0;    // the row of ordinate 0

    Integer column(Real X) const;  // O = trunc(X·NX + O0)
    Integer row(Real Y) const;     // S = S0 − trunc(Y·NY)
};

enum class Fill { unchanged, solid };  // solid: a solid fill in the panel's colour, for bars

// Sets the viewport to panel A's plot area with clipping on, the colour (and the fill) to A.SZIN,
// scales T's abscissa range to the area's width and its declared y-range to its height, and
// draws the white axes through the origin. Reads no global.
PlotArea prepare_plot(const TABLAK& A, const TFUGGVENYTABLA& T, Fill fill);

}  // namespace plotting
