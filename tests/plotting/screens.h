// The screens a plotting program shows, drawn by the headless twin: one at each of its twelve
// waits, and the files they are kept in.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "plotting/screen.h"

namespace plotting_tests {

using Picture = std::vector<std::uint8_t>;  // 640 × 480 colour numbers, row by row

// Runs the program with these settings on the headless twin; at the start of each wait (numbered
// from 1) look sees the picture through graph::headless.
void run_headless(const plotting::Settings& settings, void (*look)(int wait));

// The picture at the start of each wait, in order.
std::vector<Picture> screens_at_waits(const plotting::Settings& settings);

// tests/plotting/golden/<program>-<wait, two digits>.png
std::string golden_path(const std::string& program, int wait);

// The README's pictures: docs/quadplot-<stage>.png, each stage at its last wait, and
// docs/quadsketch.png, the first stage at its last wait.
struct DocsPicture {
    const char* file;
    const char* program;
    int wait;
};
inline constexpr DocsPicture docs_pictures[] = {
    {"docs/quadplot-1.png", "quadplot", 3},
    {"docs/quadplot-2.png", "quadplot", 6},
    {"docs/quadplot-3.png", "quadplot", 9},
    {"docs/quadplot-4.png", "quadplot", 12},
    {"docs/quadsketch.png", "quadsketch", 3},
};

const plotting::Settings& settings_of(const std::string& program);

}  // namespace plotting_tests
