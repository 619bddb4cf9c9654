// The floating-point checks of the run-time system: a division by zero stops the program with
// run-time error 200, the square root of a negative number with 207 (truncations: rt::trunc).
//
// They are explicit calls rather than hardware traps: the x87 unit reports an unmasked
// exception only at its next instruction, and a trap would also fire inside library code that
// relies on quiet infinities; a call stops at exactly the operation it guards and reports the
// address it was called from, as the range checks do.
#pragma once

#include "platform/checked.h"

namespace rt {

// dividend / divisor in extended precision; a zero divisor stops the program with error 200.
Extended divide(Extended dividend, Extended divisor);

// The square root of x; a negative x stops the program with error 207 (−0 gives −0, a NaN a NaN).
Real sqrt(Real x);

}  // namespace rt
