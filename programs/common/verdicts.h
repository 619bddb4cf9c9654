// The verdict lines that end the console programs.
#pragma once

#include <string_view>

#include "platform/checked.h"

namespace verdicts {

// Writes claim, the tolerance and "-pontossággal? ", leaving the line open for the verdict.
void tolerance_question(std::string_view claim);

// The residual check's line: "OK." when result exceeds the system's size, else its first failing row.
void residual(rt::Integer result, rt::Integer size);

// The pass-through check's line: "OK." when code lies past the last of the chain's parabolas,
// else the parabola (code div 10) and the point (code mod 10) it missed.
void pass_through(rt::Integer code, rt::Integer parabolas);

}  // namespace verdicts
