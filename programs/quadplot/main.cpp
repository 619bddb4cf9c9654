// quadplot: the sine, the cosine, the square root and the constant 3, each sampled into a table
// and drawn as points, as a polyline and as bars.

#include "platform/graph/graph.h"
#include "programs/plotting/stages.h"
#include "programs/quadplot/settings.h"

int main() {
    return graph::run_program([] { stages::run(quadplot_settings); });
}
