// The drawing calls: a 640 × 480 picture of colour numbers, drawn under one lock so that the
// window thread can copy it while the program's thread draws.
//
// Every primitive clips once, on entry, against the clip rectangle (the viewport with clipping
// on, the screen with it off), which is always inside the screen; after that it writes pixels
// through put(), which checks nothing.
#include <algorithm>
#include <cassert>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <utility>

#include "platform/graph/core.h"
#include "platform/graph/font.h"
#include "platform/graph/graph.h"

namespace graph {
namespace {

using core::height;
using core::width;

// The standard 16 colours.
constexpr std::uint32_t palette[16] = {
    0x000000, 0x0000AA, 0x00AA00, 0x00AAAA, 0xAA0000, 0xAA00AA, 0xAA5500, 0xAAAAAA,
    0x555555, 0x5555FF, 0x55FF55, 0x55FFFF, 0xFF5555, 0xFF55FF, 0xFFFF55, 0xFFFFFF,
};

struct Rect {
    int x1, y1, x2, y2;  // inclusive corners, x1 <= x2 and y1 <= y2
};

constexpr Rect screen = {0, 0, width - 1, height - 1};

struct State {
    std::uint8_t colour, background, fill_colour;
    int fill_pattern;
    Rect viewport;
    bool clip;
    int horizontal, vertical;  // text justification: 0 left/bottom, 1 centre, 2 right/top
};

constexpr State initial = {15, 0, 15, 1, screen, true, 0, 2};

std::mutex picture_lock;
std::uint8_t picture[height][width];  // guarded by picture_lock
unsigned long picture_generation = 0;  // guarded by picture_lock
State state = initial;                // the program's thread only
void (*change_hook)() = nullptr;

// While one exists the picture is locked; when it goes, the picture has a new generation and
// the backend hears of it.
class Drawing {
public:
    Drawing() { picture_lock.lock(); }
    ~Drawing() {
        ++picture_generation;
        picture_lock.unlock();
        if (change_hook) change_hook();
    }
    Drawing(const Drawing&) = delete;
    Drawing& operator=(const Drawing&) = delete;
};

// The unchecked layer. Callers have clipped (x, y) to the screen.
void put(int x, int y, std::uint8_t colour) {
    assert(x >= 0 && x < width && y >= 0 && y < height);
    picture[y][x] = colour;
}

std::uint8_t colour_number(Word colour) { return std::uint8_t(int(colour) % 16); }

Rect clip_rect() { return state.clip ? state.viewport : screen; }

// Absolute coordinates of a viewport-relative point; the sums leave 16 bits, so they are int.
int absolute_x(Integer x) { return state.viewport.x1 + int(x); }
int absolute_y(Integer y) { return state.viewport.y1 + int(y); }

long long floor_div(long long a, long long b) {  // b > 0
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}
long long ceil_div(long long a, long long b) { return -floor_div(-a, b); }

// A line in absolute coordinates: Bresenham's pixels of the whole line that lie in clip.
//
// Along the major axis step i = 0 … d lights the cell a1 + i, and across it the cell b1 ± q(i),
// q(i) = floor((2·i·e + d) / (2·d)) with e the minor extent: the cell nearest the ideal line,
// halves rounded away from the start. The clip bounds i directly along the major axis, and
// through q (which never decreases) across it; only the steps in between are walked.
void line(int x1, int y1, int x2, int y2, Rect clip, std::uint8_t colour) {
    // If the line is steep, transpose: walk along y, with the clip transposed too.
    const bool steep = std::abs(y2 - y1) > std::abs(x2 - x1);
    if (steep) {
        std::swap(x1, y1);
        std::swap(x2, y2);
        clip = {clip.y1, clip.x1, clip.y2, clip.x2};
    }
    // Always from the left end, so that a line is the same set of pixels in both directions.
    if (x1 > x2) {
        std::swap(x1, x2);
        std::swap(y1, y2);
    }
    const long long d = x2 - x1, e = std::abs(y2 - y1);
    const int step = y2 >= y1 ? 1 : -1;
    long long first = std::max(0LL, (long long)clip.x1 - x1);
    long long last = std::min(d, (long long)clip.x2 - x1);
    // The rows of the clip as distances q from y1 in the direction of travel.
    const long long q_low = step > 0 ? clip.y1 - y1 : y1 - clip.y2;
    const long long q_high = step > 0 ? clip.y2 - y1 : y1 - clip.y1;
    if (e == 0) {
        if (q_low > 0 || q_high < 0) return;
    } else {
        first = std::max(first, ceil_div(2 * d * q_low - d, 2 * e));         // q(i) >= q_low
        last = std::min(last, floor_div(2 * d * (q_high + 1) - d - 1, 2 * e));  // q(i) <= q_high
    }
    if (first > last) return;

    const long long denominator = std::max(2 * d, 1LL);  // a one-pixel line has d = 0
    const long long numerator = 2 * first * e + d;
    long long q = numerator / denominator, remainder = numerator % denominator;
    for (long long i = first; i <= last; ++i) {
        const int a = int(x1 + i), b = int(y1 + step * q);
        if (steep) put(b, a, colour);
        else put(a, b, colour);
        remainder += 2 * e;
        if (remainder >= denominator) remainder -= denominator, ++q;
    }
}

// A filled rectangle in absolute coordinates, corners ordered, as rows of the clipped span.
void fill(int x1, int y1, int x2, int y2, Rect clip, std::uint8_t colour) {
    x1 = std::max(x1, clip.x1), x2 = std::min(x2, clip.x2);
    y1 = std::max(y1, clip.y1), y2 = std::min(y2, clip.y2);
    if (x1 > x2 || y1 > y2) return;
    assert(x1 >= 0 && x2 < width && y1 >= 0 && y2 < height);
    const std::size_t span = static_cast<std::size_t>(x2 - x1) + 1;
    for (int y = y1; y <= y2; ++y) std::memset(&picture[y][x1], colour, span);
}

// One line of text in absolute coordinates, its top-left corner at (left, top): the glyphs'
// lit pixels inside clip.
void text(int left, int top, std::string_view bytes, Rect clip, std::uint8_t colour) {
    const int right = left + int(bytes.size()) * font::size - 1, bottom = top + font::size - 1;
    const int x1 = std::max(left, clip.x1), x2 = std::min(right, clip.x2);
    const int y1 = std::max(top, clip.y1), y2 = std::min(bottom, clip.y2);
    for (int y = y1; y <= y2; ++y) {
        for (int x = x1; x <= x2; ++x) {
            const int column = x - left;
            const std::uint8_t row = font::glyph(std::uint8_t(bytes[column / font::size]))[y - top];
            if (row & (0x80 >> (column % font::size))) put(x, y, colour);
        }
    }
}

}  // namespace

namespace core {

void reset() {
    {
        Drawing drawing;
        std::memset(picture, 0, sizeof picture);
    }
    state = initial;
}

std::uint32_t rgb(int colour) { return palette[colour & 15]; }

const std::uint8_t* pixels() { return &picture[0][0]; }

unsigned long snapshot(std::uint8_t* out) {
    std::lock_guard lock(picture_lock);
    std::memcpy(out, picture, sizeof picture);
    return picture_generation;
}

unsigned long generation() {
    std::lock_guard lock(picture_lock);
    return picture_generation;
}

void on_change(void (*hook)()) { change_hook = hook; }

}  // namespace core

Integer GetMaxX() { return width - 1; }
Integer GetMaxY() { return height - 1; }

void SetBkColor(Word colour) { state.background = colour_number(colour); }
void SetColor(Word colour) { state.colour = colour_number(colour); }
Word GetColor() { return state.colour; }

void SetFillStyle(Word pattern, Word colour) {
    state.fill_pattern = pattern;
    state.fill_colour = colour_number(colour);
}

void SetViewPort(Integer x1, Integer y1, Integer x2, Integer y2, bool clip) {
    if (x1 < 0 || y1 < 0 || x2 >= width || y2 >= height || x1 > x2 || y1 > y2) return;
    state.viewport = {x1, y1, x2, y2};
    state.clip = clip;
}

void ClearDevice() {
    Drawing drawing;
    std::memset(picture, state.background, sizeof picture);
    state.viewport = screen;
}

void PutPixel(Integer x, Integer y, Word colour) {
    const Rect clip = clip_rect();
    const int ax = absolute_x(x), ay = absolute_y(y);
    if (ax < clip.x1 || ax > clip.x2 || ay < clip.y1 || ay > clip.y2) return;
    Drawing drawing;
    put(ax, ay, colour_number(colour));
}

void Line(Integer x1, Integer y1, Integer x2, Integer y2) {
    Drawing drawing;
    line(absolute_x(x1), absolute_y(y1), absolute_x(x2), absolute_y(y2), clip_rect(), state.colour);
}

void Rectangle(Integer x1, Integer y1, Integer x2, Integer y2) {
    const int left = absolute_x(x1), top = absolute_y(y1), right = absolute_x(x2), bottom = absolute_y(y2);
    const Rect clip = clip_rect();
    Drawing drawing;
    line(left, top, right, top, clip, state.colour);
    line(right, top, right, bottom, clip, state.colour);
    line(right, bottom, left, bottom, clip, state.colour);
    line(left, bottom, left, top, clip, state.colour);
}

void Bar(Integer x1, Integer y1, Integer x2, Integer y2) {
    const int ax1 = absolute_x(x1), ax2 = absolute_x(x2), ay1 = absolute_y(y1), ay2 = absolute_y(y2);
    const int left = std::min(ax1, ax2), right = std::max(ax1, ax2);
    const int top = std::min(ay1, ay2), bottom = std::max(ay1, ay2);
    // The empty pattern fills with the background; every other pattern fills solid.
    const std::uint8_t colour = state.fill_pattern == 0 ? state.background : state.fill_colour;
    Drawing drawing;
    fill(left, top, right, bottom, clip_rect(), colour);
}

void SetTextJustify(Word horizontal, Word vertical) {
    if (horizontal > 2 || vertical > 2) return;
    state.horizontal = horizontal;
    state.vertical = vertical;
}

Word TextHeight(std::string_view) { return font::size; }
Word TextWidth(std::string_view text) { return int(text.size()) * font::size; }

void OutTextXY(Integer x, Integer y, std::string_view text_bytes) {
    // Centring puts the middle of the text on (x, y): of its even width, the given column is the
    // first one right of the middle, and likewise the given row the first one below it.
    const int text_width = int(text_bytes.size()) * font::size;
    const int shift_x[3] = {0, text_width / 2, text_width - 1};    // left, centre, right
    const int shift_y[3] = {font::size - 1, font::size / 2, 0};  // bottom, centre, top
    const int left = absolute_x(x) - shift_x[state.horizontal];
    const int top = absolute_y(y) - shift_y[state.vertical];
    Drawing drawing;
    text(left, top, text_bytes, clip_rect(), state.colour);
}

}  // namespace graph
