// Keys pressed in the window and the characters ReadKey gives for them.
#include <SDL.h>
#include <gtest/gtest.h>

#include <string>

#include "platform/graph/sdl_keys.h"

namespace {

using graph::sdl_keys::key_bytes;
using graph::sdl_keys::text_bytes;

std::string bytes_of_key(SDL_Keycode key) {
    char out[2];
    return std::string(out, std::size_t(key_bytes(key, out)));
}

std::string zero_then(int code) { return std::string(1, '\0') + char(code); }

TEST(WindowKeys, ControlKeysGiveOneCharacterAndSpecialKeysAZeroAndTheirScanCode) {
    const std::pair<SDL_Keycode, std::string> cases[] = {
        {SDLK_RETURN, "\r"}, {SDLK_KP_ENTER, "\r"}, {SDLK_ESCAPE, "\x1b"}, {SDLK_BACKSPACE, "\b"}, {SDLK_TAB, "\t"},
        {SDLK_F1, zero_then(59)}, {SDLK_F10, zero_then(68)}, {SDLK_F11, zero_then(133)}, {SDLK_F12, zero_then(134)},
        {SDLK_HOME, zero_then(71)}, {SDLK_UP, zero_then(72)}, {SDLK_PAGEUP, zero_then(73)}, {SDLK_LEFT, zero_then(75)},
        {SDLK_RIGHT, zero_then(77)}, {SDLK_END, zero_then(79)}, {SDLK_DOWN, zero_then(80)},
        {SDLK_PAGEDOWN, zero_then(81)}, {SDLK_INSERT, zero_then(82)}, {SDLK_DELETE, zero_then(83)},
        // No key by themselves, or keys whose character arrives as text.
        {SDLK_LSHIFT, ""}, {SDLK_RCTRL, ""}, {SDLK_LALT, ""}, {SDLK_CAPSLOCK, ""}, {SDLK_a, ""}, {SDLK_SPACE, ""},
    };
    for (const auto& [key, expected] : cases) EXPECT_EQ(bytes_of_key(key), expected) << SDL_GetKeyName(key);
}

TEST(WindowKeys, TypedTextGivesItsCp437CodesAndAQuestionMarkWhereThereIsNone) {
    const std::pair<const char*, std::string> cases[] = {
        {"a", "a"},
        {"Z", "Z"},
        {" ", " "},
        {"á", "\xA0"},
        {"éíóúöüÉÖÜ", "\x82\xA1\xA2\xA3\x94\x81\x90\x99\x9A"},
        {"ő", "?"},  // Hungarian, but not in code page 437
        {"€x", "?x"},
        {"\xC3", "?"},  // a sequence cut short
    };
    for (const auto& [utf8, expected] : cases) {
        char out[32];
        EXPECT_EQ(std::string(out, std::size_t(text_bytes(utf8, out, 32))), expected) << utf8;
    }
}

}  // namespace
