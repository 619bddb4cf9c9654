// The run shared by the two fitting programs: build the parabola chain's system from the
// program's points, solve it, list the coefficients and print both verdicts.
#pragma once

#include "linsys/gauss.h"
#include "linsys/parabola_chain.h"

namespace fitting {

using linsys::Integer;
using linsys::TMATRIX;
using linsys::TPONTOK;
using linsys::TVEKTOR;

// What makes one fitting program differ from the other.
struct Settings {
    TPONTOK PONTOK;
    TMATRIX (*EGYUTTHATOMATRIX)(const TPONTOK& points, Integer n);
    TVEKTOR (*JOBBOLDAL)(const TPONTOK& points, Integer n);
    Integer (*ATMENES)(const TPONTOK& points, Integer n, const TVEKTOR& solution);
    int parabolas_fewer_than_points;  // q = n − this: 2 in the three-point start, 1 in the closed chain
    linsys::Trace trace;
};

void run(const Settings& program);

}  // namespace fitting
