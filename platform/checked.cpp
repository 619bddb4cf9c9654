#include "platform/checked.h"

namespace rt {

long long trunc(Extended value) {
    // Every long double in [-2^63, 2^63) truncates to a 64-bit integer; NaN fails both tests.
    constexpr Extended two_to_63 = 9223372036854775808.0L;
    if (!(value >= -two_to_63 && value < two_to_63)) {
        run_error(kInvalidOperation, __builtin_return_address(0),
                  "érvénytelen lebegőpontos művelet: az érték nem csonkítható 64 bites egész számmá");
    }
    return static_cast<long long>(value);
}

}  // namespace rt
