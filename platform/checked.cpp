#include "platform/checked.h"

namespace rt {

long long trunc(Extended value) {
    // Every long double in [-2^63, 2^63) truncates to a 64-bit integer; NaN fails both tests.
    if (!(value >= -0x1p63L && value < 0x1p63L))
        run_error(kInvalidOperation, __builtin_return_address(0),
                  "érvénytelen lebegőpontos művelet: az érték nem csonkítható 64 bites egész számmá");
    return static_cast<long long>(value);
}

}  // namespace rt
