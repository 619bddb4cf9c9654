// fitsilent's chain: four parabolas through five points, closed by a slope condition.

#include <gtest/gtest.h>

#include "linsys/gauss.h"
#include "linsys/pass_through.h"

using namespace linsys;
using namespace linsys::closed_chain;

namespace {

const TPONTOK points = {{{0, 1}, {1, 4}, {2, -2}, {3, 4}, {4, 1}}};
const TVEKTOR mirror_symmetric = {{-15, 18, 1, 6, -24, 22, 6, -24, 22, -15, 102, -167}};

TEST(ClosedChain, BuildsTheSystemOfFivePointsClosingAtTheLastPoint) {
    const double expected[12][13] = {
        {0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1},     {1, 1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 4},
        {0, 0, 0, 1, 1, 1, 0, 0, 0, 0, 0, 0, 4},     {0, 0, 0, 4, 2, 1, 0, 0, 0, 0, 0, 0, -2},
        {0, 0, 0, 0, 0, 0, 4, 2, 1, 0, 0, 0, -2},    {0, 0, 0, 0, 0, 0, 9, 3, 1, 0, 0, 0, 4},
        {0, 0, 0, 0, 0, 0, 0, 0, 0, 9, 3, 1, 4},     {0, 0, 0, 0, 0, 0, 0, 0, 0, 16, 4, 1, 1},
        {2, 1, 0, -2, -1, 0, 0, 0, 0, 0, 0, 0, 0},   {0, 0, 0, 4, 1, 0, -4, -1, 0, 0, 0, 0, 0},
        {0, 0, 0, 0, 0, 0, 6, 1, 0, -6, -1, 0, 0},   {0, 1, 0, 0, 0, 0, 0, 0, 0, 8, 1, 0, 0},
    };
    const TMATRIX A = EGYUTTHATOMATRIX(points, 5);
    const TVEKTOR b = JOBBOLDAL(points, 5);
    for (int i = 1; i <= 12; ++i) {
        for (int j = 1; j <= 12; ++j) EXPECT_EQ(A[i][j], expected[i - 1][j - 1]) << i << "," << j;
        EXPECT_EQ(b[i], expected[i - 1][12]) << i;
    }
}

TEST(ClosedChain, SolvesToTheMirrorSymmetricChain) {
    MERET = 12;
    TMATRIX A = EGYUTTHATOMATRIX(points, 5);
    TVEKTOR b = JOBBOLDAL(points, 5);
    ASSERT_TRUE(GAUSS(A, b, 12, Trace::silent));
    for (int i = 1; i <= 12; ++i) EXPECT_NEAR(b[i], mirror_symmetric[i], 1e-9) << i;
}

TEST(ClosedChain, PassThroughNamesTheFirstMissedPoint) {
    TVEKTOR c4_raised = mirror_symmetric;
    c4_raised[12] += 1;
    TVEKTOR still_through_point_4 = mirror_symmetric;  // b + 1 and c − 3 keep p(3), move p(4)
    still_through_point_4[11] += 1;
    still_through_point_4[12] -= 3;
    const struct {
        const char* what;
        TVEKTOR solution;
        int code;
    } cases[] = {
        {"every parabola passes", mirror_symmetric, 55},
        {"zeros miss point 1", TVEKTOR{}, 11},
        {"c of parabola 4 raised", c4_raised, 44},
        {"parabola 4 misses only point 5", still_through_point_4, 45},
    };
    for (const auto& c : cases) EXPECT_EQ(ATMENES(points, 5, c.solution), c.code) << c.what;
}

}  // namespace
