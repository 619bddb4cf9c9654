// Code page 437: the byte encoding of every text the programs show.
//
// Texts are written in the source as ordinary (UTF-8) literals with the suffix
// _cp437 and converted while compiling, so the binary holds CP437 bytes only:
//     Write("Az együtthatómátrix szinguláris."_cp437);
// A character that CP437 lacks is a compile-time error.
#pragma once

#include <cstddef>
#include <string_view>

namespace cp437 {

// Unicode code points of the bytes 0x80 to 0xFF. Bytes below 0x80 are ASCII.
inline constexpr char32_t upper_half[128] = {
    U'Ç', U'ü', U'é', U'â', U'ä', U'à', U'å', U'ç', U'ê', U'ë', U'è', U'ï', U'î', U'ì', U'Ä', U'Å',
    U'É', U'æ', U'Æ', U'ô', U'ö', U'ò', U'û', U'ù', U'ÿ', U'Ö', U'Ü', U'¢', U'£', U'¥', U'₧', U'ƒ',
    U'á', U'í', U'ó', U'ú', U'ñ', U'Ñ', U'ª', U'º', U'¿', U'⌐', U'¬', U'½', U'¼', U'¡', U'«', U'»',
    U'░', U'▒', U'▓', U'│', U'┤', U'╡', U'╢', U'╖', U'╕', U'╣', U'║', U'╗', U'╝', U'╜', U'╛', U'┐',
    U'└', U'┴', U'┬', U'├', U'─', U'┼', U'╞', U'╟', U'╚', U'╔', U'╩', U'╦', U'╠', U'═', U'╬', U'╧',
    U'╨', U'╤', U'╥', U'╙', U'╘', U'╒', U'╓', U'╫', U'╪', U'┘', U'┌', U'█', U'▄', U'▌', U'▐', U'▀',
    U'α', U'ß', U'Γ', U'π', U'Σ', U'σ', U'µ', U'τ', U'Φ', U'Θ', U'Ω', U'δ', U'∞', U'φ', U'ε', U'∩',
    U'≡', U'±', U'≥', U'≤', U'⌠', U'⌡', U'÷', U'≈', U'°', U'∙', U'·', U'√', U'ⁿ', U'²', U'■', U'\u00A0',
};

constexpr char32_t to_unicode(unsigned char byte) {
    return byte < 0x80 ? char32_t(byte) : upper_half[byte - 0x80];
}

// The CP437 byte of a code point, or -1 when code page 437 has none.
constexpr int from_unicode(char32_t code_point) {
    if (code_point < 0x80) return int(code_point);
    for (int i = 0; i < 128; ++i)
        if (upper_half[i] == code_point) return 0x80 + i;
    return -1;
}

// Writes the UTF-8 form of a CP437 byte into out (room for 3 bytes); returns its length.
constexpr std::size_t to_utf8(unsigned char byte, char* out) {
    const char32_t c = to_unicode(byte);
    if (c < 0x80) {
        out[0] = char(c);
        return 1;
    }
    if (c < 0x800) {
        out[0] = char(0xC0 | (c >> 6));
        out[1] = char(0x80 | (c & 0x3F));
        return 2;
    }
    out[0] = char(0xE0 | (c >> 12));
    out[1] = char(0x80 | ((c >> 6) & 0x3F));
    out[2] = char(0x80 | (c & 0x3F));
    return 3;
}

// A string literal as a template argument, so that its conversion happens at compile time.
template <std::size_t N>
struct Utf8Literal {
    char text[N];
    consteval Utf8Literal(const char (&s)[N]) {
        for (std::size_t i = 0; i < N; ++i) text[i] = s[i];
    }
};

template <std::size_t N>
struct Bytes {
    char data[N]{};
    std::size_t size = 0;
};

template <std::size_t N>
consteval Bytes<N> convert(const char (&utf8)[N]) {
    Bytes<N> out;
    for (std::size_t i = 0; i + 1 < N;) {
        const unsigned char lead = static_cast<unsigned char>(utf8[i]);
        char32_t c;
        std::size_t length;
        if (lead < 0x80) c = lead, length = 1;
        else if ((lead & 0xE0) == 0xC0) c = lead & 0x1F, length = 2;
        else if ((lead & 0xF0) == 0xE0) c = lead & 0x0F, length = 3;
        else c = lead & 0x07, length = 4;
        for (std::size_t k = 1; k < length; ++k) c = (c << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        const int byte = from_unicode(c);
        if (byte < 0) throw "character not in code page 437";
        out.data[out.size++] = char(byte);
        i += length;
    }
    return out;
}

template <Utf8Literal S>
inline constexpr auto converted = convert(S.text);

}  // namespace cp437

template <cp437::Utf8Literal S>
constexpr std::string_view operator""_cp437() {
    return {cp437::converted<S>.data, cp437::converted<S>.size};
}
