// Lines, pixels, rectangles, bars and viewports against exact pixel sets, mostly in a 10 × 10
// viewport at (100, 50).
#include <gtest/gtest.h>

#include <vector>

#include "tests/graph/picture.h"

namespace {

using namespace graph;
using namespace graph_test;

constexpr int vx = 100, vy = 50;  // the small viewport's top-left corner
constexpr int vw = 10, vh = 10;

class Drawing : public ::testing::Test {
protected:
    void SetUp() override { open_screen(); }
};

void small_viewport() { SetViewPort(vx, vy, vx + vw - 1, vy + vh - 1, true); }

// Viewport-relative points in the small viewport, as absolute pixels.
Pixels in_viewport(std::initializer_list<Pixel> points) { return shifted(Pixels(points), vx, vy); }

// A figure given by two corners or end points, and the pixels it must light.
struct Figure {
    int x1, y1, x2, y2;
    Pixels expected;
};

// Draws each figure on a fresh screen in the small viewport and compares the lit pixels.
void expect_figures(void (*draw)(Integer, Integer, Integer, Integer), const std::vector<Figure>& figures) {
    for (const Figure& f : figures) {
        open_screen();
        small_viewport();
        draw(f.x1, f.y1, f.x2, f.y2);
        EXPECT_EQ(lit(), f.expected) << f.x1 << "," << f.y1 << " – " << f.x2 << "," << f.y2;
    }
}

// The line between two absolute points, drawn in the small viewport, lights exactly those of
// its pixels on the whole screen that lie in the viewport.
::testing::AssertionResult clipped_as_whole(int x1, int y1, int x2, int y2) {
    open_screen();
    Line(x1, y1, x2, y2);
    const Pixels whole = inside(lit(), vx, vy, vx + vw - 1, vy + vh - 1);
    open_screen();
    small_viewport();
    Line(x1 - vx, y1 - vy, x2 - vx, y2 - vy);
    if (lit() == whole) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << x1 << "," << y1 << " – " << x2 << "," << y2 << " differs from the whole line";
}

TEST_F(Drawing, LinesInEveryOctantAndBothDirections) {
    // A line of slope 1/3, with no pixel left to a tie, turned into each of the eight octants.
    const std::vector<Pixel> base = {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 1}, {5, 2}, {6, 2}};
    const int cx = 8, cy = 8;
    for (const bool steep : {false, true})
        for (const int sx : {1, -1})
            for (const int sy : {1, -1})
                for (const bool reversed : {false, true}) {
                    Pixels expected;
                    for (auto [u, v] : base) {
                        if (steep) std::swap(u, v);
                        expected.insert({vx + cx + sx * u, vy + cy + sy * v});
                    }
                    const int ex = cx + sx * (steep ? 2 : 6), ey = cy + sy * (steep ? 6 : 2);
                    open_screen();
                    SetViewPort(vx, vy, vx + 16, vy + 16, true);
                    if (reversed) Line(ex, ey, cx, cy);
                    else Line(cx, cy, ex, ey);
                    EXPECT_EQ(lit(), expected) << "steep " << steep << ", sx " << sx << ", sy " << sy << ", reversed " << reversed;
                }
}

TEST_F(Drawing, TiesGoAwayFromTheLeftEndWhicheverEndComesFirst) {
    const Pixels expected = in_viewport({{0, 0}, {1, 1}, {2, 1}, {3, 2}, {4, 2}});
    expect_figures(Line, {{0, 0, 4, 2, expected}, {4, 2, 0, 0, expected}});
}

TEST_F(Drawing, OnePixelHorizontalAndVerticalLines) {
    expect_figures(Line, {
        {3, 3, 3, 3, in_viewport({{3, 3}})},
        {2, 4, 6, 4, in_viewport({{2, 4}, {3, 4}, {4, 4}, {5, 4}, {6, 4}})},
        {6, 4, 2, 4, in_viewport({{2, 4}, {3, 4}, {4, 4}, {5, 4}, {6, 4}})},
        {7, 1, 7, 3, in_viewport({{7, 1}, {7, 2}, {7, 3}})},
        {7, 3, 7, 1, in_viewport({{7, 1}, {7, 2}, {7, 3}})},
    });
}

TEST_F(Drawing, ClippedLinesKeepExactlyTheUnclippedPixelsInsideTheViewport) {
    struct Case {
        int x1, y1, x2, y2;  // absolute
    };
    const Case cases[] = {
        {95, 52, 105, 57},   // across the left edge
        {104, 51, 117, 55},  // across the right edge
        {103, 44, 106, 55},  // across the top
        {102, 53, 108, 66},  // across the bottom
        {92, 45, 118, 63},   // in at the top left, out at the bottom right
        {104, 40, 107, 70},  // steep, across top and bottom
        {90, 54, 120, 57},   // shallow, across both sides
        {112, 45, 96, 61},   // falling to the left
        {99, 49, 110, 60},   // the diagonal from corner to corner and beyond
        {100, 40, 100, 70},  // along the left column
        {90, 59, 120, 59},   // along the bottom row
        {95, 64, 111, 48},   // past the bottom right corner
        {90, 49, 120, 49},   // one row above: nothing
    };
    for (const Case& c : cases) EXPECT_TRUE(clipped_as_whole(c.x1, c.y1, c.x2, c.y2));
}

TEST_F(Drawing, ClippingAgreesWithTheWholeLineAtTiesOnEveryEdge) {
    // Slopes of 1/2 and 2 leave a tie at every other step; started from a grid of points in and
    // around the viewport, some of those ties fall exactly on an edge, in every direction.
    const Pixel extents[] = {{10, 5}, {10, -5}, {-10, 5}, {5, 10}, {-5, 10}, {5, -10}, {7, 3}, {-3, 7}};
    for (const auto& [dx, dy] : extents)
        for (int y = vy - 7; y <= vy + vh + 1; y += 2)
            for (int x = vx - 7; x <= vx + vw + 1; x += 2) ASSERT_TRUE(clipped_as_whole(x, y, x + dx, y + dy));
}

TEST_F(Drawing, LinesFromTheExtremesOfTheSixteenBitRange) {
    Pixels diagonal, row6, column4, antidiagonal, row0;
    for (int i = 0; i < 10; ++i) {
        diagonal.insert({vx + i, vy + i});
        row6.insert({vx + i, vy + 6});
        row0.insert({vx + i, vy});
        column4.insert({vx + 4, vy + i});
        if (i < 9) antidiagonal.insert({vx + i, vy + 8 - i});
    }
    expect_figures(Line, {
        {-32768, -32768, 32767, 32767, diagonal},
        {32767, 32767, -32768, -32768, diagonal},
        {-32768, 0, 32767, 0, row0},
        // One row of rise over 65535 columns: the rise comes half way, at column 0.
        {-32768, 5, 32767, 6, row6},
        {32767, 6, -32768, 5, row6},
        {3, -32768, 4, 32767, column4},
        {-32759, 32767, 32767, -32759, antidiagonal},
        {-32768, 32767, 32767, -32768, {}},  // passes one pixel beyond the top left corner
        {-32768, -32768, -32768, 32767, {}},
        {32767, -32768, 32767, 32767, {}},
    });
}

TEST_F(Drawing, EndsBeyondTheSixteenBitRangeInAbsoluteCoordinates) {
    // The viewport's offset pushes the far end past 32767: still the exact diagonal.
    SetViewPort(630, 470, 639, 479, true);
    Line(0, 0, 32767, 32767);
    Pixels expected;
    for (int i = 0; i < 10; ++i) expected.insert({630 + i, 470 + i});
    EXPECT_EQ(lit(), expected);
}

TEST_F(Drawing, PixelsOnAndBeyondEachViewportEdge) {
    small_viewport();
    const Pixel points[] = {{0, 0}, {9, 9}, {9, 0}, {0, 9}, {-1, 0}, {10, 0}, {0, -1}, {0, 10},
                            {-32768, -32768}, {32767, 32767}, {5, 32767}};
    for (const auto& [x, y] : points) PutPixel(x, y, 4);
    EXPECT_EQ(lit(), in_viewport({{0, 0}, {9, 9}, {9, 0}, {0, 9}}));
}

TEST_F(Drawing, WithClippingOffTheViewportOnlyMovesTheOrigin) {
    SetViewPort(vx, vy, vx + vw - 1, vy + vh - 1, false);
    Line(-5, 0, 14, 0);
    PutPixel(-100, -50, 2);  // the screen's corner
    PutPixel(-101, 0, 2);    // off the screen
    Pixels expected = {{0, 0}};
    for (int x = vx - 5; x <= vx + 14; ++x) expected.insert({x, vy});
    EXPECT_EQ(lit(), expected);
}

TEST_F(Drawing, RectanglesOnTheViewportEdgeSurviveWhole) {
    Pixels border;
    for (int i = 0; i < 10; ++i) {
        border.insert({vx + i, vy});
        border.insert({vx + i, vy + 9});
        border.insert({vx, vy + i});
        border.insert({vx + 9, vy + i});
    }
    expect_figures(Rectangle, {
        {0, 0, 9, 9, border},
        {9, 9, 0, 0, border},
        {9, 0, 0, 9, border},
        {-1, -1, 10, 10, {}},  // every side just outside
        {2, 3, 2, 3, in_viewport({{2, 3}})},
    });
}

Pixels block(int x1, int y1, int x2, int y2) {
    Pixels pixels;
    for (int y = y1; y <= y2; ++y)
        for (int x = x1; x <= x2; ++x) pixels.insert({vx + x, vy + y});
    return pixels;
}

TEST_F(Drawing, BarsOrderTheirCornersAndClip) {
    expect_figures(Bar, {
        {2, 3, 5, 7, block(2, 3, 5, 7)},
        {5, 7, 2, 3, block(2, 3, 5, 7)},
        {2, 7, 5, 3, block(2, 3, 5, 7)},
        {5, 3, 2, 7, block(2, 3, 5, 7)},
        // The bar plot's width term 0 at column 4: right column first, three columns wide.
        {4 + 1, 2, 4 - 1, 8 - 1, block(3, 2, 5, 7)},
        {-5, -5, 3, 3, block(0, 0, 3, 3)},
        {6, 6, 20, 20, block(6, 6, 9, 9)},
        {-32768, -32768, 32767, 32767, block(0, 0, 9, 9)},
        {10, 0, 12, 9, {}},
        {4, 4, 4, 4, block(4, 4, 4, 4)},
    });
}

TEST_F(Drawing, BarsFillWithTheFillStyleAndDrawNoOutline) {
    struct Case {
        int pattern;
        int expected_colour;
    };
    // The background is 3 and the line colour 14 throughout.
    const Case cases[] = {{1, 2}, {0, 3}, {5, 2}, {12, 2}, {65535, 2}};
    for (const Case& c : cases) {
        open_screen();
        SetBkColor(3);
        SetColor(14);
        SetFillStyle(c.pattern, 2 + 16);
        small_viewport();
        Bar(1, 1, 3, 3);
        for (int y = vy; y < vy + 5; ++y)
            for (int x = vx; x < vx + 5; ++x) {
                const bool in_bar = x >= vx + 1 && x <= vx + 3 && y >= vy + 1 && y <= vy + 3;
                EXPECT_EQ(headless::pixel(x, y), in_bar ? c.expected_colour : 0) << "pattern " << c.pattern << " at " << x << "," << y;
            }
    }
}

TEST_F(Drawing, AnInvalidViewportLeavesTheCurrentOne) {
    struct Case {
        int x1, y1, x2, y2;
    };
    const Case invalid[] = {{-1, 0, 10, 10}, {0, -1, 10, 10}, {0, 0, 640, 10}, {0, 0, 10, 480}, {5, 0, 4, 10}, {0, 5, 10, 4}};
    for (const Case& c : invalid) {
        open_screen();
        small_viewport();
        SetViewPort(c.x1, c.y1, c.x2, c.y2, true);
        PutPixel(0, 0, 15);
        PutPixel(10, 0, 15);
        EXPECT_EQ(lit(), in_viewport({{0, 0}})) << c.x1 << "," << c.y1 << " – " << c.x2 << "," << c.y2;
    }
}

TEST_F(Drawing, ClearDeviceFillsTheBackgroundAndReturnsToTheWholeScreen) {
    small_viewport();
    SetBkColor(4 + 32);
    ClearDevice();
    PutPixel(0, 0, 9);
    PutPixel(639, 479, 9);
    for (int y = 0; y < headless::height; ++y)
        for (int x = 0; x < headless::width; ++x) {
            const bool corner = (x == 0 && y == 0) || (x == 639 && y == 479);
            ASSERT_EQ(headless::pixel(x, y), corner ? 9 : 4) << x << "," << y;
        }
}

TEST_F(Drawing, InitGraphStartsAfreshOnTheWholeScreen) {
    small_viewport();
    SetColor(3);
    SetFillStyle(0, 4);
    Bar(0, 0, 9, 9);
    Integer driver = 0, mode = 0;
    InitGraph(driver, mode, "");
    EXPECT_EQ(int(GetMaxX()), 639);
    EXPECT_EQ(int(GetMaxY()), 479);
    EXPECT_EQ(int(GetColor()), 15);
    EXPECT_TRUE(lit().empty());
    Line(0, 0, 2, 0);
    Bar(0, 2, 1, 2);  // solid in 15
    EXPECT_EQ(lit(), (Pixels{{0, 0}, {1, 0}, {2, 0}, {0, 2}, {1, 2}}));
    EXPECT_EQ(headless::pixel(0, 2), 15);
}

TEST_F(Drawing, ColoursAreTakenModSixteenAndShownInTheStandardPalette) {
    const std::uint32_t standard[16] = {0x000000, 0x0000AA, 0x00AA00, 0x00AAAA, 0xAA0000, 0xAA00AA, 0xAA5500, 0xAAAAAA,
                                        0x555555, 0x5555FF, 0x55FF55, 0x55FFFF, 0xFF5555, 0xFF55FF, 0xFFFF55, 0xFFFFFF};
    for (int c = 0; c < 16; ++c) EXPECT_EQ(headless::rgb(c), standard[c]) << c;
    for (const int colour : {0, 7, 15, 16, 31, 255, 65535}) {
        SetColor(colour);
        EXPECT_EQ(int(GetColor()), colour % 16) << colour;
        Line(0, 1, 0, 1);
        PutPixel(1, 1, colour);
        EXPECT_EQ(headless::pixel(0, 1), colour % 16) << colour;
        EXPECT_EQ(headless::pixel(1, 1), colour % 16) << colour;
    }
}

}  // namespace
