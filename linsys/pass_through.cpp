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

}  // namespace

namespace three_point_start {

Integer ATMENES(const TPONTOK& points, Integer n, const TVEKTOR& solution) {
    for (Integer k = 1; k <= 3; ++k)
        if (!passes(points, solution, 1, k)) return 10 + k;
    Integer j = 2;
    Integer k = 3;
    bool passing = true;
    while (j <= n - 2 && passing) {
        k = j + 1;
        passing = passes(points, solution, j, k);
        if (passing) {
            k = j + 2;
            passing = passes(points, solution, j, k);
        }
        if (passing) ++j;
    }
    return 10 * j + k;
}

}  // namespace three_point_start

namespace closed_chain {

Integer ATMENES(const TPONTOK& points, Integer n, const TVEKTOR& solution) {
    Integer j = 1;
    Integer k = 1;
    bool passing = true;
    while (j <= n - 1 && passing) {
        k = j;
        passing = passes(points, solution, j, k);
        if (passing) {
            k = j + 1;
            passing = passes(points, solution, j, k);
        }
        if (passing) ++j;
    }
    return 10 * j + k;
}

}  // namespace closed_chain

}  // namespace linsys
