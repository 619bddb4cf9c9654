// The linear system of a chain of parabolas through five points. Parabola j is
// a[j]·x² + b[j]·x + c[j]; its unknowns stand at 3j−2, 3j−1 and 3j of the solution.
#pragma once

#include "linsys/matrix.h"

namespace linsys {

struct TADATPONT {
    Real X;
    Real Y;
};
using TPONTOK = rt::Array<TADATPONT, 1, 5>;

// Three-point start (n − 2 parabolas): the first through points 1, 2, 3, each later one through
// the next two points, with the slope of its predecessor at the point they share.
namespace three_point_start {
TMATRIX EGYUTTHATOMATRIX(const TPONTOK& points, Integer n);
TVEKTOR JOBBOLDAL(const TPONTOK& points, Integer n);
}  // namespace three_point_start

// Closed chain (n − 1 parabolas): each through two neighbouring points, equal slopes at the
// inner points, and the slope at the first point plus that of the last parabola at X[n] is 0.
namespace closed_chain {
TMATRIX EGYUTTHATOMATRIX(const TPONTOK& points, Integer n);
TVEKTOR JOBBOLDAL(const TPONTOK& points, Integer n);
}  // namespace closed_chain

}  // namespace linsys
