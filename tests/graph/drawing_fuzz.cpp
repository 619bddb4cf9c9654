// Fuzz target: a stream of drawing calls with arbitrary 16-bit arguments. After each call every
// pixel that changed lies inside the clip rectangle that was current (the viewport with clipping
// on, the screen with it off) and has the colour the call draws in. The viewport is followed by
// a model of its own: a request inside the screen with ordered corners replaces it, any other
// leaves it, and InitGraph and ClearDevice give the whole screen back. Writes outside the
// picture are caught by AddressSanitizer and by the drawing core's own assertion.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/graph/graph.h"
#include "platform/graph/headless.h"

namespace {

using namespace graph;

constexpr int width = headless::width, height = headless::height;

// Reads the input as the arguments of the calls; past its end every value is 0.
class Arguments {
public:
    Arguments(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool more() const { return at_ < size_; }
    std::uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }
    int word() { return byte() | byte() << 8; }
    // Mostly coordinates near the screen, sometimes anything that 16 bits hold.
    int coordinate() {
        const std::uint8_t how = byte();
        const int raw = word();
        return how % 4 == 0 ? int(std::int16_t(raw)) : raw % 720 - 40;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

struct Model {
    int x1 = 0, y1 = 0, x2 = width - 1, y2 = height - 1;
    bool clip = true;
    int colour = 15, background = 0, fill_colour = 15, fill_pattern = 1;
};

std::uint8_t before[width * height];

[[noreturn]] void fail(const char* what, int x, int y) {
    std::fprintf(stderr, "%s at %d,%d\n", what, x, y);
    std::abort();
}

// Every pixel that the last call changed is inside the model's clip and has the given colour.
void check_changes(const Model& m, int colour) {
    const std::uint8_t* now = headless::framebuffer();
    const int cx1 = m.clip ? m.x1 : 0, cy1 = m.clip ? m.y1 : 0;
    const int cx2 = m.clip ? m.x2 : width - 1, cy2 = m.clip ? m.y2 : height - 1;
    for (int y = 0; y < height; ++y) {
        const int row = y * width;
        if (std::memcmp(now + row, before + row, width) == 0) continue;
        for (int x = 0; x < width; ++x) {
            if (now[row + x] == before[row + x]) continue;
            if (x < cx1 || x > cx2 || y < cy1 || y > cy2) fail("a pixel outside the clip rectangle", x, y);
            if (now[row + x] != colour) fail("a pixel in a colour the call does not draw in", x, y);
        }
    }
}

void one_call(Arguments& in, Model& m) {
    std::memcpy(before, headless::framebuffer(), sizeof before);
    switch (in.byte() % 12) {
        case 0: {
            Integer driver = 0, mode = 0;
            InitGraph(driver, mode, "");
            m = Model{};
            break;
        }
        case 1: {
            const int x1 = in.coordinate(), y1 = in.coordinate(), x2 = in.coordinate(), y2 = in.coordinate();
            const bool clip = in.byte() & 1;
            SetViewPort(x1, y1, x2, y2, clip);
            if (x1 >= 0 && y1 >= 0 && x2 < width && y2 < height && x1 <= x2 && y1 <= y2) m.x1 = x1, m.y1 = y1, m.x2 = x2, m.y2 = y2, m.clip = clip;
            break;
        }
        case 2: Line(in.coordinate(), in.coordinate(), in.coordinate(), in.coordinate()), check_changes(m, m.colour); break;
        case 3: Rectangle(in.coordinate(), in.coordinate(), in.coordinate(), in.coordinate()), check_changes(m, m.colour); break;
        case 4:
            Bar(in.coordinate(), in.coordinate(), in.coordinate(), in.coordinate());
            check_changes(m, m.fill_pattern == 0 ? m.background : m.fill_colour);
            break;
        case 5: {
            const int x = in.coordinate(), y = in.coordinate(), colour = in.word();
            PutPixel(x, y, colour);
            check_changes(m, colour % 16);
            break;
        }
        case 6: {
            const int x = in.coordinate(), y = in.coordinate();
            std::string text(in.byte() % 12, ' ');
            for (char& c : text) c = char(in.byte());
            OutTextXY(x, y, text);
            check_changes(m, m.colour);
            break;
        }
        case 7: m.colour = in.word(), SetColor(m.colour), m.colour %= 16; break;
        case 8: m.fill_pattern = in.word(), m.fill_colour = in.word(), SetFillStyle(m.fill_pattern, m.fill_colour), m.fill_colour %= 16; break;
        case 9: SetTextJustify(in.byte() % 4, in.byte() % 4); break;
        case 10: {
            ClearDevice();
            m.x1 = 0, m.y1 = 0, m.x2 = width - 1, m.y2 = height - 1;
            const std::uint8_t* now = headless::framebuffer();
            for (int i = 0; i < width * height; ++i)
                if (now[i] != m.background) fail("ClearDevice left a pixel", i % width, i / width);
            break;
        }
        case 11: m.background = in.word(), SetBkColor(m.background), m.background %= 16; break;
    }
    if (int(GetColor()) != m.colour) fail("GetColor differs from the colour set", m.colour, int(GetColor()));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Integer driver = 0, mode = 0;
    InitGraph(driver, mode, "");
    Model model;
    Arguments in(data, size);
    while (in.more()) one_call(in, model);
    return 0;
}
