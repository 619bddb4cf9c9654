#include "tests/graph/demo_picture.h"

#include "platform/cp437.h"
#include "platform/graph/graph.h"

namespace graph_test {

using namespace graph;

void draw_picture(int number) {
    if (number == 3) {
        ClearDevice();
        SetFillStyle(1, 4);
        Bar(200, 100, 439, 379);
        return;
    }
    if (number == 2) {
        SetFillStyle(1, 14);
        Bar(500, 400, 600, 460);
        return;
    }
    SetColor(15);
    Rectangle(0, 0, GetMaxX(), GetMaxY());
    for (int colour = 0; colour < 16; ++colour) {
        SetFillStyle(1, colour);
        Bar(20 + colour * 30, 40, 20 + colour * 30 + 19, 200);
    }
    SetViewPort(20, 220, 619, 379, true);
    SetColor(10);
    Line(-50, -50, 700, 300);
    Line(0, 159, 599, 0);
    SetColor(11);
    SetTextJustify(1, 2);
    OutTextXY(300, 60, "Négyzetgyök fv, ablakteszt"_cp437);
}

}  // namespace graph_test
