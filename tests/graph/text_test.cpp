// Text: sizes, justification, clipping of glyphs, and the font's coverage.
#include <gtest/gtest.h>

#include <array>
#include <map>
#include <string>

#include "platform/cp437.h"
#include "platform/graph/font.h"
#include "tests/graph/picture.h"

namespace {

using namespace graph;
using namespace graph_test;

class Text : public ::testing::Test {
protected:
    void SetUp() override { open_screen(); }
};

// Two glyphs of a code the font does not draw: boxes lit on columns 1 to 5 and rows 0 to 6 of
// their cells, so the lit pixels show exactly where the cells went.
constexpr std::string_view two_boxes = "\x01\x01";

struct Box {
    int x1, y1, x2, y2;
    bool operator==(const Box&) const = default;
};

Box bounding_box(const Pixels& pixels) {
    Box box{9999, 9999, -1, -1};
    for (const auto& [x, y] : pixels) box = {std::min(box.x1, x), std::min(box.y1, y), std::max(box.x2, x), std::max(box.y2, y)};
    return box;
}

std::ostream& operator<<(std::ostream& out, const Box& b) {
    return out << "(" << b.x1 << "," << b.y1 << ")–(" << b.x2 << "," << b.y2 << ")";
}

TEST_F(Text, HeightIsEightAndWidthEightACharacter) {
    EXPECT_EQ(int(TextHeight(" ")), 8);
    EXPECT_EQ(int(TextHeight("Fejlesztési lehetöség"_cp437)), 8);
    EXPECT_EQ(int(TextWidth("")), 0);
    EXPECT_EQ(int(TextWidth("1.ábra"_cp437)), 48);
    EXPECT_EQ(int(TextWidth(std::string(255, 'x'))), 2040);
}

TEST_F(Text, JustificationPlacesTheTextAroundThePoint) {
    struct Case {
        int horizontal, vertical;
        int left, top;  // of the first cell, for the text given at (50, 60)
    };
    // Left: starts on the column; right: ends on it; centre: the column is the first one right
    // of the middle of the 16 columns. Top: starts on the row; bottom: ends on it; centre: the
    // row is the first one below the middle of the 8 rows.
    const Case cases[] = {
        {0, 2, 50, 60}, {1, 2, 42, 60}, {2, 2, 35, 60},
        {0, 1, 50, 56}, {1, 1, 42, 56}, {2, 1, 35, 56},
        {0, 0, 50, 53}, {1, 0, 42, 53}, {2, 0, 35, 53},
    };
    for (const Case& c : cases) {
        open_screen();
        SetTextJustify(c.horizontal, c.vertical);
        OutTextXY(50, 60, two_boxes);
        EXPECT_EQ(bounding_box(lit()), (Box{c.left + 1, c.top, c.left + 13, c.top + 6}))
            << "justify " << c.horizontal << ", " << c.vertical;
    }
}

TEST_F(Text, CentredLabelKeepsItsMiddleOnTheColumnWhateverItsLength) {
    SetTextJustify(1, 2);
    SetViewPort(4, 12, 315, 239, true);
    OutTextXY(157, 1, "\x01\x01\x01\x01\x01\x01");  // six cells, like "1.ábra"
    EXPECT_EQ(bounding_box(lit()), (Box{4 + 157 - 24 + 1, 13, 4 + 157 + 23 - 2, 19}));
}

TEST_F(Text, AnInvalidJustificationLeavesTheCurrentOne) {
    SetTextJustify(2, 0);
    SetTextJustify(3, 1);
    SetTextJustify(1, 3);
    OutTextXY(50, 60, two_boxes);
    EXPECT_EQ(bounding_box(lit()), (Box{36, 53, 48, 59}));
}

TEST_F(Text, GlyphsAreClippedPixelByPixel) {
    struct Case {
        int x, y;  // absolute top-left corner of the text
    };
    const Case cases[] = {{96, 52}, {105, 51}, {101, 46}, {102, 55}, {94, 45}, {92, 70}};
    const std::string_view text = "Mgüö"_cp437;
    for (const Case& c : cases) {
        open_screen();
        OutTextXY(c.x, c.y, text);
        const Pixels whole = lit();
        open_screen();
        SetViewPort(100, 50, 109, 59, true);
        OutTextXY(c.x - 100, c.y - 50, text);
        EXPECT_EQ(lit(), inside(whole, 100, 50, 109, 59)) << c.x << "," << c.y;
    }
}

TEST_F(Text, OnlyTheGlyphsPixelsAreDrawnInTheCurrentColour) {
    SetFillStyle(1, 4);
    Bar(0, 0, 15, 7);
    SetColor(14 + 16);
    OutTextXY(0, 0, "\x01\x01");
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x) {
            const int column = x % 8;
            const bool edge = (y == 0 || y == 6) ? column >= 1 && column <= 5 : y < 6 && (column == 1 || column == 5);
            EXPECT_EQ(headless::pixel(x, y), edge ? 14 : 4) << x << "," << y;
        }
}

using Glyph = std::array<std::uint8_t, 8>;

Glyph glyph_of(unsigned char code) {
    Glyph g;
    std::copy_n(font::glyph(code), 8, g.begin());
    return g;
}

TEST(Font, DrawsPrintableAsciiAndTheHungarianLettersEachItsOwnWay) {
    std::string codes;
    for (int c = 0x21; c < 0x7F; ++c) codes += char(c);
    codes += "áéíóúöüÉÖÜ"_cp437;
    const Glyph box = glyph_of(0x01), blank{};
    std::map<Glyph, unsigned char> seen;
    for (const char code : codes) {
        const auto c = static_cast<unsigned char>(code);
        const Glyph g = glyph_of(c);
        EXPECT_NE(g, box) << "code " << int(c);
        EXPECT_NE(g, blank) << "code " << int(c);
        const auto [it, fresh] = seen.emplace(g, c);
        EXPECT_TRUE(fresh) << "codes " << int(it->second) << " and " << int(c) << " look the same";
    }
    EXPECT_EQ(glyph_of(' '), blank);
}

TEST(Font, AnyOtherCodeIsAVisibleBox) {
    const Glyph box = glyph_of(0x01);
    EXPECT_EQ(box, (Glyph{0x7C, 0x44, 0x44, 0x44, 0x44, 0x44, 0x7C, 0x00}));
    for (const int code : {0x00, 0x1F, 0x7F, 0x80, 0x84, 0xB0, 0xE3, 0xFF}) EXPECT_EQ(glyph_of(code), box) << code;
}

}  // namespace
