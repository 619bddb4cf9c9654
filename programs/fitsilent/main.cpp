// fitsilent: a closed chain of four parabolas through five points, solved without a trace.

#include "linsys/pass_through.h"
#include "programs/fitting/fitting.h"

using namespace linsys::closed_chain;

int main() {
    fitting::run({
        .PONTOK = {{{0, 1}, {1, 4}, {2, -2}, {3, 4}, {4, 1}}},
        .EGYUTTHATOMATRIX = EGYUTTHATOMATRIX,
        .JOBBOLDAL = JOBBOLDAL,
        .ATMENES = ATMENES,
        .parabolas_fewer_than_points = 1,
        .trace = linsys::Trace::silent,
    });
}
