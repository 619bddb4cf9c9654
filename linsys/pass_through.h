// Whether every parabola of a solved chain passes through its points, to PONTOSSAG.
// The result is 10·parabola + point of the first miss; past the last parabola when all pass
// (45 for five points in the three-point start, 55 in the closed chain).
#pragma once

#include "linsys/parabola_chain.h"

namespace linsys {

namespace three_point_start {
Integer ATMENES(const TPONTOK& points, Integer n, const TVEKTOR& solution);
}

namespace closed_chain {
Integer ATMENES(const TPONTOK& points, Integer n, const TVEKTOR& solution);
}

}  // namespace linsys
