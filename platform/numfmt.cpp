#include "platform/numfmt.h"

#include <charconv>
#include <cmath>
#include <cstring>

namespace numfmt {
namespace {

constexpr int kMaxWidth = 255;
constexpr int kMaxDecimals = 32;

// Moves the digits to the right end of a width-character field, blanks on the left.
Field right_aligned(Field field, int width) {
    if (width > kMaxWidth) width = kMaxWidth;
    if (width > 0 && std::size_t(width) > field.length) {
        const std::size_t pad = std::size_t(width) - field.length;
        std::memmove(field.text + pad, field.text, field.length);
        std::memset(field.text, ' ', pad);
        field.length += pad;
    }
    return field;
}

Field text_of(std::string_view text) {
    Field field;
    std::memcpy(field.text, text.data(), text.size());
    field.length = text.size();
    return field;
}

}  // namespace

Field fixed(rt::Real value, int width, int decimals) {
    if (std::isnan(value)) return right_aligned(text_of("Nan"), width);
    if (std::isinf(value)) return right_aligned(text_of(value > 0 ? "+Inf" : "-Inf"), width);
    if (decimals < 0) decimals = 0;
    if (decimals > kMaxDecimals) decimals = kMaxDecimals;
    // to_chars writes the exact binary value rounded to the requested digits, locale-free, and
    // keeps the sign of a negative value that rounds to zero.
    Field field;
    const auto result = std::to_chars(field.text, field.text + sizeof field.text, value,
                                      std::chars_format::fixed, decimals);
    field.length = std::size_t(result.ptr - field.text);
    return right_aligned(field, width);
}

Field integer(long long value, int width) {
    Field field;
    const auto result = std::to_chars(field.text, field.text + sizeof field.text, value);
    field.length = std::size_t(result.ptr - field.text);
    return right_aligned(field, width);
}

}  // namespace numfmt
