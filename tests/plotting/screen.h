// Test support for the plotting tests: the headless twin set up for one of the two programs,
// and the picture read in the coordinates of a panel's plot area.
#pragma once

#include <cstdint>
#include <vector>

#include <gtest/gtest.h>

#include "platform/graph/graph.h"
#include "platform/graph/headless.h"
#include "plotting/screen.h"
#include "programs/quadplot/settings.h"
#include "programs/quadsketch/settings.h"

namespace plotting_tests {

using graph::headless::pixel;

// A fresh headless picture for quadplot; a test that needs quadsketch sets plotting::program.
class OnScreen : public testing::Test {
protected:
    void SetUp() override {
        graph::headless::reset();
        plotting::program = quadplot_settings;
    }
};

struct Point {
    int x, y;
    bool operator==(const Point&) const = default;
    auto operator<=>(const Point&) const = default;
};

inline std::ostream& operator<<(std::ostream& out, const Point& p) { return out << '(' << p.x << ", " << p.y << ')'; }

// The plot area of panel A begins two columns right of its frame's left edge, ten rows below
// its top edge.
inline Point plot_origin(const plotting::TABLAK& A) { return {A.BF.X + 2, A.BF.Y + 10}; }

// The colour at column x, row y of panel A's plot area (either may lie outside the area).
inline int plot_pixel(const plotting::TABLAK& A, int x, int y) {
    const Point o = plot_origin(A);
    return pixel(o.x + x, o.y + y);
}

// Every pixel of the screen in the given colour, in the coordinates of panel A's plot area,
// row by row from the top.
inline std::vector<Point> pixels_of(const plotting::TABLAK& A, int colour) {
    const Point o = plot_origin(A);
    std::vector<Point> found;
    for (int y = 0; y < graph::headless::height; ++y) {
        for (int x = 0; x < graph::headless::width; ++x)
            if (pixel(x, y) == colour) found.push_back({x - o.x, y - o.y});
    }
    return found;
}

// The picture as it is now.
inline std::vector<std::uint8_t> picture() {
    const std::uint8_t* p = graph::headless::framebuffer();
    return {p, p + graph::headless::width * graph::headless::height};
}

}  // namespace plotting_tests
