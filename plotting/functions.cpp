// The four built-in functions, their descriptors and the global table.
#include <cmath>

#include "platform/fpcheck.h"
#include "plotting/table.h"

namespace plotting {

Real SINX(Real X) { return std::sin(X); }
Real COSX(Real X) { return std::cos(X); }
Real GYOKX(Real X) { return rt::sqrt(X); }
Real KONS3(Real) { return 3; }

namespace {
constexpr Real PI = 3.141592653589793;  // the Real nearest to π
}

constexpr TEGYVALTOZOSFV SINFV = {-PI, PI, SINX, -1, 1};
constexpr TEGYVALTOZOSFV COSFV = {-PI, PI, COSX, -1, 1};
constexpr TEGYVALTOZOSFV GYOKFV = {0, 100, GYOKX, 0, 10};
constexpr TEGYVALTOZOSFV KONSFV = {-75, 75, KONS3, -1, 10};

TFUGGVENYTABLA FT;

}  // namespace plotting
