#include "platform/fpcheck.h"

#include <cmath>

namespace rt {

Extended divide(Extended dividend, Extended divisor) {
    if (divisor == 0)
        run_error(kDivisionByZero, __builtin_return_address(0), "lebegőpontos osztás nullával");
    return dividend / divisor;
}

Real sqrt(Real x) {
    if (x < 0) {
        run_error(kInvalidOperation, __builtin_return_address(0),
                  "érvénytelen lebegőpontos művelet: negatív szám négyzetgyöke");
    }
    return std::sqrt(x);
}

}  // namespace rt
