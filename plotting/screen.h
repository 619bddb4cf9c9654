// The plot screen: a white frame, a title line and four framed, labelled panels in a 2 × 2 grid.
#pragma once

#include <string_view>

#include "platform/checked.h"
#include "platform/shortstring.h"

namespace plotting {

using rt::Integer;

// A screen point.
struct TPONT {
    Integer X;
    Integer Y;
};

// One panel: its frame's corners in absolute screen pixels, its label and its colour, which
// the plot procedures draw their data in too.
struct TABLAK {
    TPONT BF;  // top left
    TPONT JA;  // bottom right
    rt::ShortString CIMKE;
    Integer SZIN;
};

// What tells the two plotting programs apart. Each program's main procedure sets it once,
// before the first stage.
struct Settings {
    std::string_view fixed_title;  // the title of every stage; empty: each stage shows its own
    rt::Array<Integer, 1, 4> SZIN;  // the colours of panels 1 to 4
    bool plots_samples;            // false: the plot procedures draw the axes of a table only
};
extern Settings program;

// The layout, computed by INIC from the screen size.
extern Integer XMIN, YMIN, XMAX, YMAX;
extern Integer SZEL;  // panel width term: (XMAX − XMIN) div 2 − 4
extern Integer MAG;   // panel height term: (YMAX − YMIN) div 2 − the text height
extern rt::Array<TABLAK, 1, 4> A;

// Opens the graphics window, clears it, lays out the panels in A and draws the screen frame, the
// title CIM and the four empty panels. Leaves panel 4's viewport and colour current.
void INIC(std::string_view CIM);

// The white axes through the current viewport: row OY from column 0 to XH, column OX from row 0
// to YH. The current colour is kept.
void KOORDINATATENGELYEK(Integer OX, Integer OY, Integer XH, Integer YH);

}  // namespace plotting
