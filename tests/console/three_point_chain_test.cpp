// fittrace's chain: three parabolas through five points, the first through three of them.

#include <gtest/gtest.h>

#include "linsys/gauss.h"
#include "linsys/pass_through.h"

using namespace linsys;
using namespace linsys::three_point_start;

namespace {

const TPONTOK points = {{{0, 1}, {1, 4}, {2, 1}, {3, 4}, {4, 1}}};
const TVEKTOR exact = {{-3, 6, 1, 9, -42, 49, -15, 102, -167}};

TEST(ThreePointChain, BuildsTheSystemOfFivePoints) {
    const double expected[9][10] = {
        {0, 0, 1, 0, 0, 0, 0, 0, 0, 1},      {1, 1, 1, 0, 0, 0, 0, 0, 0, 4},
        {4, 2, 1, 0, 0, 0, 0, 0, 0, 1},      {0, 0, 0, 4, 2, 1, 0, 0, 0, 1},
        {0, 0, 0, 9, 3, 1, 0, 0, 0, 4},      {4, 1, 0, -4, -1, 0, 0, 0, 0, 0},
        {0, 0, 0, 0, 0, 0, 9, 3, 1, 4},      {0, 0, 0, 0, 0, 0, 16, 4, 1, 1},
        {0, 0, 0, 6, 1, 0, -6, -1, 0, 0},
    };
    const TMATRIX A = EGYUTTHATOMATRIX(points, 5);
    const TVEKTOR b = JOBBOLDAL(points, 5);
    for (int i = 1; i <= 9; ++i) {
        for (int j = 1; j <= 9; ++j) EXPECT_EQ(A[i][j], expected[i - 1][j - 1]) << i << "," << j;
        EXPECT_EQ(b[i], expected[i - 1][9]) << i;
    }
}

TEST(ThreePointChain, FillsOnlyTheRowsOfItsParabolas) {
    for (const int n : {3, 4}) {
        const int m = 3 * (n - 2);
        const TMATRIX A = EGYUTTHATOMATRIX(points, n);
        const TVEKTOR b = JOBBOLDAL(points, n);
        for (int i = 1; i <= 9; ++i) {
            bool row_used = b[i] != 0;
            for (int j = 1; j <= 9; ++j) {
                row_used = row_used || A[i][j] != 0;
                if (j > m) {
                    EXPECT_EQ(A[i][j], 0) << n << ": " << i << "," << j;
                }
            }
            EXPECT_EQ(row_used, i <= m) << n << ": row " << i;
        }
    }
}

TEST(ThreePointChain, SolvesToTheThreeParabolas) {
    MERET = 9;
    TMATRIX A = EGYUTTHATOMATRIX(points, 5);
    TVEKTOR b = JOBBOLDAL(points, 5);
    ASSERT_TRUE(GAUSS(A, b, 9, Trace::silent));
    for (int i = 1; i <= 9; ++i) EXPECT_NEAR(b[i], exact[i], 1e-9) << i;
}

TEST(ThreePointChain, PassThroughNamesTheFirstMissedPoint) {
    const auto changed = [](int index, double by) {
        TVEKTOR v = exact;
        v[index] += by;
        return v;
    };
    const struct {
        const char* what;
        TVEKTOR solution;
        int n;
        int code;
    } cases[] = {
        {"every parabola passes", exact, 5, 45},
        {"zeros miss point 1", TVEKTOR{}, 5, 11},
        {"3x + 1 passes points 1 and 2 only", {{0, 3, 1}}, 5, 13},
        {"c of parabola 2 raised", changed(6, 1), 5, 23},
        {"c of parabola 3 raised", changed(9, 1), 5, 34},
        {"three points, one parabola", exact, 3, 23},
    };
    for (const auto& c : cases) EXPECT_EQ(ATMENES(points, c.n, c.solution), c.code) << c.what;
}

}  // namespace
