// Inside the graphics library: the picture and drawing state that both backends share.
// The drawing calls of graph.h live in core.cpp; a backend adds opening, closing and keys.
#pragma once

#include <cstdint>

namespace graph::core {

constexpr int width = 640;
constexpr int height = 480;

// The state InitGraph starts from: a black picture, colour 15, solid fill in 15, the whole
// screen as viewport with clipping on, text left and top aligned.
void reset();

std::uint32_t rgb(int colour);  // 0xRRGGBB of colour number 0..15

// The picture for the program's own thread (the thread that draws).
const std::uint8_t* pixels();

// The picture for another thread: copies it (width × height bytes) under the picture's lock and
// returns its generation, a number that grows with every drawing call.
unsigned long snapshot(std::uint8_t* out);
unsigned long generation();

// The backend's hook, called after every drawing call, outside the picture's lock.
void on_change(void (*hook)());

}  // namespace graph::core
