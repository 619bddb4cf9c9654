#include "programs/plotting/stages.h"

#include "platform/cp437.h"
#include "platform/graph/graph.h"
#include "plotting/plots.h"
#include "plotting/table.h"

namespace stages {

using namespace plotting;

char C;  // each key read; nothing looks at it

namespace {

struct Stage {
    std::string_view title;
    const TEGYVALTOZOSFV& descriptor;
    Real step;
};

const Stage STAGES[] = {
    {"Sin fv", SINFV, 0.1},
    {"Cos fv", COSFV, 0.1},
    {"Négyzetgyök fv"_cp437, GYOKFV, 1},
    {"Konstans fv", KONSFV, 1},
};

}  // namespace

void run(const Settings& settings) {
    program = settings;
    for (const Stage& stage : STAGES) {
        INIC(stage.title);
        FELTOLT(stage.descriptor, stage.step, FT);
        KIRAJZOLP(A[1], FT);
        C = wincrt::ReadKey();
        KIRAJZOLSZ(A[2], FT);
        C = wincrt::ReadKey();
        KIRAJZOLT(A[3], FT);
        C = wincrt::ReadKey();
        graph::CloseGraph();
    }
}

}  // namespace stages
