#include "linsys/pass_through.h"

#include <cmath>

#include "linsys/gauss.h"

namespace linsys {
namespace {

// a·x² + b·x + c, evaluated in extended precision and rounded once.
Real PARABOLA(Real a, Real b, Real c, Real x) {
    const rt::Extended xe = x;
    return Real((xe * xe) * a + xe * b + c);
}

// Parabola j of the solution passes point k when it misses it by less than the tolerance.
bool passes(const TPONTOK& points, const TVEKTOR& solution, Integer j, Integer k) {
    const Real value = PARABOLA(solution[3 * j - 2], solution[3 * j - 1], solution[3 * j], points[k].X);
    return PONTOSSAG > std::fabs(rt::Extended(value) - points[k].Y);
}

// Walks the chain from parabola j to parabola last, testing parabola j at its points j + shift
// and j + shift + 1, and stops at the first miss. Returns 10·j + k of the point k where it
// stopped, or, when every test passed, 10·(last + 1) + k of the last point tested (k as given
// when there was nothing to test).
Integer walk_chain(const TPONTOK& points, const TVEKTOR& solution, Integer j, Integer last, Integer shift, Integer k) {
    bool passing = true;
    while (j <= last && passing) {
        k = j + shift;
        passing = passes(points, solution, j, k);
        if (passing) {
            k = j + shift + 1;
            passing = passes(points, solution, j, k);
        }
        if (passing) ++j;
    }
    return 10 * j + k;
}

}  // namespace

namespace three_point_start {

// Parabola 1 at points 1, 2, 3; parabola j ≥ 2 at points j + 1 and j + 2.
Integer ATMENES(const TPONTOK& points, Integer n, const TVEKTOR& solution) {
    for (Integer k = 1; k <= 3; ++k)
        if (!passes(points, solution, 1, k)) return 10 + k;
    return walk_chain(points, solution, 2, n - 2, 1, 3);
}

}  // namespace three_point_start

namespace closed_chain {

// Parabola j at points j and j + 1.
Integer ATMENES(const TPONTOK& points, Integer n, const TVEKTOR& solution) {
    return walk_chain(points, solution, 1, n - 1, 0, 1);
}

}  // namespace closed_chain

}  // namespace linsys
