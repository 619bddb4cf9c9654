// fittrace: three parabolas through five points, the first through three of them, each later one
// continuing the slope of its predecessor; the elimination is shown step by step.

#include "linsys/pass_through.h"
#include "programs/fitting/fitting.h"

using namespace linsys::three_point_start;

int main() {
    fitting::run({
        .PONTOK = {{{0, 1}, {1, 4}, {2, 1}, {3, 4}, {4, 1}}},
        .EGYUTTHATOMATRIX = EGYUTTHATOMATRIX,
        .JOBBOLDAL = JOBBOLDAL,
        .ATMENES = ATMENES,
        .parabolas_fewer_than_points = 2,
        .trace = linsys::Trace::shown,
    });
}
