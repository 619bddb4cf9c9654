// The graphics library without a window, for tests and for pictures of the programs: the same
// calls as graph.h, keys taken from a script, and the picture readable at any time.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

namespace graph::headless {

constexpr int width = 640;   // columns of the picture
constexpr int height = 480;  // rows of the picture

// run_program calls the main procedure on the calling thread and returns 0.

// Keys: each byte of keys is one character that ReadKey returns, in order (a special key is
// written as its two characters, "\0H" for Up). Once the script is used up, every further wait
// ends at once with 13, as if Enter had been pressed, so a program always runs to its end.
void queue_keys(std::string_view keys);

// Waits: each call of ReadKey is one wait, numbered from 1. The hook runs at its start, before
// the key is taken, on the program's thread; it may read the picture or write it to a file.
void on_wait(void (*hook)(int wait_number));
int wait_count();  // the waits so far

// Forgets the key script, the wait count and the hook (one test must not leak into the next).
void reset();

// The picture: width × height colour numbers 0..15, row by row from the top left.
const std::uint8_t* framebuffer();
std::uint8_t pixel(int x, int y);  // the colour number at absolute column x, row y
std::uint32_t rgb(int colour);     // the palette: 0xRRGGBB of colour number 0..15

// PNG files of the picture (8-bit, the 16 colours as its palette). read_png gives the colour
// numbers of a picture of this size whose every pixel is one of the 16 colours, or nothing.
bool write_png(const char* path);
std::vector<std::uint8_t> read_png(const char* path);

}  // namespace graph::headless
