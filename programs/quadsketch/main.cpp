// quadsketch: quadplot's screens under one fixed title and in other colours, each panel with the
// axes of its table and no samples.

#include "platform/graph/graph.h"
#include "programs/plotting/stages.h"
#include "programs/quadsketch/settings.h"

int main() {
    return graph::run_program([] { stages::run(quadsketch_settings); });
}
