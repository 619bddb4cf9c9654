// Reading the headless picture in tests: the set of lit pixels, in absolute coordinates.
#pragma once

#include <algorithm>
#include <cstdint>
#include <set>
#include <utility>

#include "platform/graph/graph.h"
#include "platform/graph/headless.h"

namespace graph_test {

using Pixel = std::pair<int, int>;  // absolute column, row
using Pixels = std::set<Pixel>;

// Every pixel of the picture that is not black.
inline Pixels lit() {
    Pixels pixels;
    const std::uint8_t* const first = graph::headless::framebuffer();
    const std::uint8_t* const end = first + graph::headless::width * graph::headless::height;
    for (auto p = std::find_if(first, end, [](std::uint8_t c) { return c != 0; }); p != end;
         p = std::find_if(p + 1, end, [](std::uint8_t c) { return c != 0; }))
        pixels.insert({int(p - first) % graph::headless::width, int(p - first) / graph::headless::width});
    return pixels;
}

// Pixels moved by (dx, dy).
inline Pixels shifted(const Pixels& pixels, int dx, int dy) {
    Pixels out;
    for (const auto& [x, y] : pixels) out.insert({x + dx, y + dy});
    return out;
}

// The pixels of a set that lie in the rectangle (x1, y1)–(x2, y2), corners included.
inline Pixels inside(const Pixels& pixels, int x1, int y1, int x2, int y2) {
    Pixels out;
    for (const auto& [x, y] : pixels)
        if (x >= x1 && x <= x2 && y >= y1 && y <= y2) out.insert({x, y});
    return out;
}

// A freshly opened, black screen with the key script and wait count forgotten.
inline void open_screen() {
    graph::headless::reset();
    rt::Integer driver = 0, mode = 0;
    graph::InitGraph(driver, mode, "");
}

}  // namespace graph_test
