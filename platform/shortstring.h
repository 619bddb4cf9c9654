// A text of at most 255 bytes held in place, as the system's texts are; longer results of a
// concatenation are cut at 255.
#pragma once

#include <cstring>
#include <string_view>

namespace rt {

class ShortString {
public:
    static constexpr std::size_t capacity = 255;

    constexpr ShortString() = default;
    constexpr ShortString(std::string_view text) { *this += text; }  // NOLINT: a text literal is a string

    constexpr ShortString& operator+=(std::string_view text) {
        for (std::size_t i = 0; i < text.size() && length_ < capacity; ++i) bytes_[length_++] = text[i];
        return *this;
    }
    constexpr std::string_view view() const { return {bytes_, length_}; }
    constexpr operator std::string_view() const { return view(); }

private:
    char bytes_[capacity]{};
    std::size_t length_ = 0;
};

constexpr ShortString operator+(ShortString left, std::string_view right) { return left += right; }

}  // namespace rt
