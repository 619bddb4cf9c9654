#include "platform/cp437.h"
#include "platform/graph/graph.h"
#include "plotting/screen.h"

namespace plotting {

using namespace graph;

Settings program;
Integer XMIN, YMIN, XMAX, YMAX;
Integer SZEL;
Integer MAG;
rt::Array<TABLAK, 1, 4> A;

namespace {

constexpr std::string_view HOL_A_MEGHAJTO;  // the driver path: empty, the library is built in

// Panel I: its frame from (left, top) to (right, top + MAG − 4), its label and the program's
// colour for it, each field in the order of the record.
void set_panel(Integer I, Integer left, Integer top, Integer right, std::string_view label) {
    A[I].BF.X = left;
    A[I].BF.Y = top;
    A[I].JA.X = right;
    A[I].JA.Y = A[I].BF.Y + MAG - 4;
    A[I].CIMKE = label;
    A[I].SZIN = program.SZIN[I];
}

// The four panels in a 2 × 2 grid below the title; the lower row takes its top edge from the
// bottom edge of the upper one, 8 rows further down.
void lay_out_panels(Integer TH) {
    set_panel(1, 4, TH + 4, SZEL, "1.ábra"_cp437);
    set_panel(2, XMAX - SZEL, TH + 4, XMAX - 4, "2.ábra"_cp437);
    set_panel(3, 4, A[1].JA.Y + 8, SZEL, "3.ábra"_cp437);
    set_panel(4, XMAX - SZEL, A[2].JA.Y + 8, XMAX - 4, "Fejlesztési lehetöség"_cp437);
}

}  // namespace

void INIC(std::string_view CIM) {
    Integer GD = 0;  // automatic detection
    Integer GM;
    InitGraph(GD, GM, HOL_A_MEGHAJTO);
    SetBkColor(0);
    ClearDevice();  // the viewport is the whole screen until the panels are drawn

    XMAX = GetMaxX();
    YMAX = GetMaxY();
    XMIN = 0;
    YMIN = 0;
    SetColor(15);
    Rectangle(XMIN, YMIN, XMAX, YMAX);

    const Integer TH = TextHeight(" ");
    SZEL = (XMAX - XMIN) / 2 - 4;
    MAG = (YMAX - YMIN) / 2 - TH;
    SetTextJustify(1, 2);  // centred on the column, the row is the text's top: for every text
    OutTextXY(SZEL + 1, 2, program.fixed_title.empty() ? CIM : program.fixed_title);

    lay_out_panels(TH);
    for (Integer I = 1; I <= 4; ++I) {
        SetColor(A[I].SZIN);
        SetViewPort(A[I].BF.X, A[I].BF.Y, A[I].JA.X, A[I].JA.Y, true);
        Rectangle(0, 0, SZEL - 4, MAG - 4);  // on the viewport's outermost pixels: clipping keeps it whole
        OutTextXY(SZEL / 2, 1, A[I].CIMKE);
    }
}

}  // namespace plotting
