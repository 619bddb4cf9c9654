// The default 8 × 8 font, indexed by CP437 code.
#pragma once

#include <cstdint>

namespace graph::font {

constexpr int size = 8;  // every glyph is size × size pixels

// The glyph of a CP437 code: eight rows from the top, the leftmost column in the highest bit.
// Codes the font does not draw give a box, so that a missing letter is seen, not skipped.
const std::uint8_t* glyph(unsigned char code);

}  // namespace graph::font
