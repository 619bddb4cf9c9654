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

constexpr std::string_view HOL_A_MEGHAJTO = "";  // the driver path: none, the library is built in

// The four panels in a 2 × 2 grid below the title; the lower row takes its top edge from the
// bottom edge of the upper one, 8 rows further down.
void lay_out_panels(Integer TH) {
    A[1].BF.X = 4;
    A[1].BF.Y = TH + 4;
    A[1].JA.X = SZEL;
    A[1].JA.Y = A[1].BF.Y + MAG - 4;
    A[1].CIMKE = "1.ábra"_cp437;
    A[1].SZIN = program.SZIN[1];

    A[2].BF.X = XMAX - SZEL;
    A[2].BF.Y = TH + 4;
    A[2].JA.X = XMAX - 4;
    A[2].JA.Y = A[2].BF.Y + MAG - 4;
    A[2].CIMKE = "2.ábra"_cp437;
    A[2].SZIN = program.SZIN[2];

    A[3].BF.X = 4;
    A[3].BF.Y = A[1].JA.Y + 8;
    A[3].JA.X = SZEL;
    A[3].JA.Y = A[3].BF.Y + MAG - 4;
    A[3].CIMKE = "3.ábra"_cp437;
    A[3].SZIN = program.SZIN[3];

    A[4].BF.X = XMAX - SZEL;
    A[4].BF.Y = A[2].JA.Y + 8;
    A[4].JA.X = XMAX - 4;
    A[4].JA.Y = A[4].BF.Y + MAG - 4;
    A[4].CIMKE = "Fejlesztési lehetöség"_cp437;
    A[4].SZIN = program.SZIN[4];
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
