#include "linsys/parabola_chain.h"

namespace linsys {
namespace {

// Row r says that the parabola whose columns start at c passes through (x, ·): x², x, 1.
void passes_through(TMATRIX& A, Integer r, Integer c, Real x) {
    A[r][c] = x * x;
    A[r][c + 1] = x;
    A[r][c + 2] = 1;
}

// Row r gets the slope 2·a·x + b of the parabola whose columns start at c, times sign.
void slope(TMATRIX& A, Integer r, Integer c, Real x, Real sign) {
    A[r][c] = sign * 2 * x;
    A[r][c + 1] = sign;
    A[r][c + 2] = 0;
}

}  // namespace

namespace three_point_start {

TMATRIX EGYUTTHATOMATRIX(const TPONTOK& points, Integer n) {
    TMATRIX A{};
    for (Integer i = 1; i <= 3; ++i) passes_through(A, i, 1, points[i].X);
    for (Integer i = 4; i <= n; ++i) {
        const Integer k = 3 * i - 8;  // first column of parabola i − 2, and first of its rows
        passes_through(A, k, k, points[i - 1].X);
        passes_through(A, k + 1, k, points[i].X);
        slope(A, k + 2, k - 3, points[i - 1].X, 1);
        slope(A, k + 2, k, points[i - 1].X, -1);
    }
    return A;
}

TVEKTOR JOBBOLDAL(const TPONTOK& points, Integer n) {
    TVEKTOR b{};
    for (Integer i = 1; i <= 3; ++i) b[i] = points[i].Y;
    for (Integer i = 4; i <= n; ++i) {
        const Integer k = 3 * i - 8;
        b[k] = points[i - 1].Y;
        b[k + 1] = points[i].Y;
        b[k + 2] = 0;
    }
    return b;
}

}  // namespace three_point_start

namespace closed_chain {

TMATRIX EGYUTTHATOMATRIX(const TPONTOK& points, Integer n) {
    TMATRIX A{};
    for (Integer j = 1; j <= n - 1; ++j) {
        passes_through(A, 2 * j - 1, 3 * j - 2, points[j].X);
        passes_through(A, 2 * j, 3 * j - 2, points[j + 1].X);
    }
    for (Integer j = 1; j <= n - 2; ++j) {
        slope(A, 2 * n - 2 + j, 3 * j - 2, points[j + 1].X, 1);
        slope(A, 2 * n - 2 + j, 3 * j + 1, points[j + 1].X, -1);
    }
    const Real XE = points[n].X;  // the closing slope of the last parabola is taken at the last point
    slope(A, 3 * n - 3, 1, points[1].X, 1);
    slope(A, 3 * n - 3, 3 * n - 5, XE, 1);
    return A;
}

TVEKTOR JOBBOLDAL(const TPONTOK& points, Integer n) {
    TVEKTOR b{};
    for (Integer j = 1; j <= n - 1; ++j) {
        b[2 * j - 1] = points[j].Y;
        b[2 * j] = points[j + 1].Y;
    }
    return b;  // the slope rows and the closing row have 0 on the right
}

}  // namespace closed_chain

}  // namespace linsys
