// Console number formats: fixed-point Reals and integers, right-aligned in a field that widens
// and is never cut.
#pragma once

#include <cstddef>
#include <string_view>

#include "platform/checked.h"

namespace numfmt {

// A formatted number; no allocation. Wide enough for the largest double in full (309 digits)
// with its decimals, or for a field width up to 255.
struct Field {
    char text[400];
    std::size_t length = 0;
    operator std::string_view() const { return {text, length}; }
};

// value rounded to decimals places with "." as separator, right-aligned in width characters;
// a negative value (a negative zero included) keeps its "-" even when it rounds to zero.
Field fixed(rt::Real value, int width, int decimals);

// value in decimal, right-aligned in width characters (0: as many as it has).
Field integer(long long value, int width = 0);

}  // namespace numfmt
