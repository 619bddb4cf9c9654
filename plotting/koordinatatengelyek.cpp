#include "platform/graph/graph.h"
#include "plotting/screen.h"

namespace plotting {

void KOORDINATATENGELYEK(Integer OX, Integer OY, Integer XH, Integer YH) {
    const rt::Word C = graph::GetColor();
    graph::SetColor(15);
    graph::Line(0, OY, XH, OY);
    graph::Line(OX, 0, OX, YH);
    graph::SetColor(C);
}

}  // namespace plotting
