// Keys pressed in the window, as the characters ReadKey gives.
#pragma once

#include <cstdint>

namespace graph::sdl_keys {

// A key that gives no text of its own (Enter, Esc, the arrows, F1 …): writes its one or two
// characters (a zero, then the PC scan code) into out and returns how many; 0 for a key that
// is no key by itself (a modifier) or whose character arrives as text.
int key_bytes(std::int32_t sdl_keycode, char out[2]);

// Typed text (UTF-8): writes each character's CP437 code, '?' where it has none, into out
// (at most room of them) and returns how many.
int text_bytes(const char* utf8, char* out, int room);

}  // namespace graph::sdl_keys
