#include "platform/graph/sdl_keys.h"

#include <SDL.h>

#include "platform/cp437.h"

namespace graph::sdl_keys {
namespace {

struct Special {
    SDL_Keycode key;
    int code;    // the character, or the scan code after a zero
    bool extended;
};

constexpr Special specials[] = {
    {SDLK_RETURN, 13, false}, {SDLK_KP_ENTER, 13, false}, {SDLK_ESCAPE, 27, false},
    {SDLK_BACKSPACE, 8, false}, {SDLK_TAB, 9, false},
    {SDLK_F1, 59, true}, {SDLK_F2, 60, true}, {SDLK_F3, 61, true}, {SDLK_F4, 62, true},
    {SDLK_F5, 63, true}, {SDLK_F6, 64, true}, {SDLK_F7, 65, true}, {SDLK_F8, 66, true},
    {SDLK_F9, 67, true}, {SDLK_F10, 68, true}, {SDLK_F11, 133, true}, {SDLK_F12, 134, true},
    {SDLK_HOME, 71, true}, {SDLK_UP, 72, true}, {SDLK_PAGEUP, 73, true}, {SDLK_LEFT, 75, true},
    {SDLK_RIGHT, 77, true}, {SDLK_END, 79, true}, {SDLK_DOWN, 80, true}, {SDLK_PAGEDOWN, 81, true},
    {SDLK_INSERT, 82, true}, {SDLK_DELETE, 83, true},
};

// The next code point of UTF-8 text, advancing text past it; a broken sequence gives U+FFFD.
char32_t next_code_point(const unsigned char*& text) {
    const unsigned char lead = *text++;
    int length = lead < 0x80 ? 0 : (lead & 0xE0) == 0xC0 ? 1 : (lead & 0xF0) == 0xE0 ? 2 : (lead & 0xF8) == 0xF0 ? 3 : -1;
    if (length < 0) return U'\uFFFD';
    char32_t c = length == 0 ? lead : lead & (0x3F >> length);
    for (; length > 0; --length, ++text) {
        if ((*text & 0xC0) != 0x80) return U'\uFFFD';
        c = c << 6 | (*text & 0x3F);
    }
    return c;
}

}  // namespace

int key_bytes(std::int32_t sdl_keycode, char out[2]) {
    for (const Special& s : specials) {
        if (s.key != sdl_keycode) continue;
        if (!s.extended) {
            out[0] = char(s.code);
            return 1;
        }
        out[0] = 0;
        out[1] = char(s.code);
        return 2;
    }
    return 0;
}

int text_bytes(const char* utf8, char* out, int room) {
    const auto* text = reinterpret_cast<const unsigned char*>(utf8);
    int count = 0;
    while (*text && count < room) {
        const int byte = cp437::from_unicode(next_code_point(text));
        out[count++] = char(byte < 0 ? '?' : byte);
    }
    return count;
}

}  // namespace graph::sdl_keys
