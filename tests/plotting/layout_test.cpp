// The plot screen on 640 × 480: the layout globals, the panels, the frame, the title and the
// labels, and the axes procedure.
#include <algorithm>
#include <string>

#include "platform/cp437.h"
#include "plotting/screen.h"
#include "tests/plotting/screen.h"

namespace {

using namespace plotting;
using namespace plotting_tests;

struct PanelLayout {
    Point BF, JA;
    std::string_view CIMKE;
    int quadplot_colour, quadsketch_colour;
};

const PanelLayout panels[4] = {
    {{4, 12}, {315, 239}, "1.ábra"_cp437, 14, 4},
    {{324, 12}, {635, 239}, "2.ábra"_cp437, 2, 1},
    {{4, 247}, {315, 474}, "3.ábra"_cp437, 11, 2},
    {{324, 247}, {635, 474}, "Fejlesztési lehetöség"_cp437, 6, 14},
};

// The columns of a text of n characters centred on column c: 8 columns a character.
bool inside_centred_text(int x, int c, std::size_t n) { return x >= c - 4 * int(n) && x < c + 4 * int(n); }

class Layout : public OnScreen {};

TEST_F(Layout, GlobalsOf640x480) {
    INIC("Sin fv");
    EXPECT_EQ(XMIN, 0);
    EXPECT_EQ(YMIN, 0);
    EXPECT_EQ(XMAX, 639);
    EXPECT_EQ(YMAX, 479);
    EXPECT_EQ(SZEL, 315);
    EXPECT_EQ(MAG, 231);
}

TEST_F(Layout, PanelsInBothPrograms) {
    for (const bool sketch : {false, true}) {
        program = sketch ? quadsketch_settings : quadplot_settings;
        INIC("Sin fv");
        for (int i = 1; i <= 4; ++i) {
            const PanelLayout& p = panels[i - 1];
            SCOPED_TRACE(testing::Message() << (sketch ? "quadsketch" : "quadplot") << " panel " << i);
            EXPECT_EQ((Point{A[i].BF.X, A[i].BF.Y}), p.BF);
            EXPECT_EQ((Point{A[i].JA.X, A[i].JA.Y}), p.JA);
            EXPECT_EQ(A[i].CIMKE.view(), p.CIMKE);
            EXPECT_EQ(A[i].SZIN, sketch ? p.quadsketch_colour : p.quadplot_colour);
        }
        graph::CloseGraph();
    }
}

TEST_F(Layout, FramesAreWhole) {
    INIC("Sin fv");
    for (int x = 0; x <= 639; ++x) ASSERT_TRUE(pixel(x, 0) == 15 && pixel(x, 479) == 15) << "column " << x;
    for (int y = 0; y <= 479; ++y) ASSERT_TRUE(pixel(0, y) == 15 && pixel(639, y) == 15) << "row " << y;
    for (const PanelLayout& p : panels) {
        for (int x = p.BF.x; x <= p.JA.x; ++x)
            ASSERT_TRUE(pixel(x, p.BF.y) == p.quadplot_colour && pixel(x, p.JA.y) == p.quadplot_colour) << "column " << x;
        for (int y = p.BF.y; y <= p.JA.y; ++y)
            ASSERT_TRUE(pixel(p.BF.x, y) == p.quadplot_colour && pixel(p.JA.x, y) == p.quadplot_colour) << "row " << y;
    }
}

// Inside the screen frame there is the title, centred on column 316 with its top on row 2, and
// the four frames with their labels, each centred on column 157 of its panel with its top on
// the panel's row 1; every other pixel is black.
TEST_F(Layout, TitleAndLabelsAreCentredAndNothingElseIsDrawn) {
    const std::string_view title = "Négyzetgyök fv"_cp437;
    INIC(title);
    auto on_frame = [](const PanelLayout& p, int x, int y) {
        return ((x == p.BF.x || x == p.JA.x) && y >= p.BF.y && y <= p.JA.y) ||
               ((y == p.BF.y || y == p.JA.y) && x >= p.BF.x && x <= p.JA.x);
    };
    int title_pixels = 0, label_pixels[4] = {};
    for (int y = 1; y < 479; ++y) {
        for (int x = 1; x < 639; ++x) {
            const int colour = pixel(x, y);
            if (colour == 0) continue;
            if (y >= 2 && y <= 9 && inside_centred_text(x, 316, title.size()) && colour == 15) {
                ++title_pixels;
                continue;
            }
            bool explained = false;
            for (int i = 0; i < 4 && !explained; ++i) {
                const PanelLayout& p = panels[i];
                if (colour != p.quadplot_colour) continue;
                const bool in_label = y >= p.BF.y + 1 && y <= p.BF.y + 8 && inside_centred_text(x, p.BF.x + 157, p.CIMKE.size());
                if (in_label) ++label_pixels[i];
                explained = in_label || on_frame(p, x, y);
            }
            ASSERT_TRUE(explained) << "colour " << colour << " at (" << x << ", " << y << ")";
        }
    }
    EXPECT_GT(title_pixels, 0);
    for (int count : label_pixels) EXPECT_GT(count, 0);
}

TEST_F(Layout, LeavesPanel4sViewportAndColourCurrent) {
    INIC("Sin fv");
    EXPECT_EQ(graph::GetColor(), 6);
    graph::PutPixel(1, 2, 13);
    EXPECT_EQ(pixel(325, 249), 13);
}

TEST_F(Layout, ReopeningGivesTheSameScreenOnAClearedOne) {
    INIC("Sin fv");
    const auto first = picture();
    graph::Bar(-1000, -1000, 1000, 1000);  // something over panel 4
    graph::CloseGraph();
    INIC("Sin fv");
    EXPECT_TRUE(picture() == first);
}

TEST_F(Layout, QuadsketchShowsItsOwnTitleWhateverItIsGiven) {
    INIC("Rajzoló program"_cp437);
    const auto quadplot_screen = picture();
    graph::CloseGraph();
    program = quadsketch_settings;
    INIC("Sin fv");
    const auto sine_screen = picture();
    graph::CloseGraph();
    INIC("Konstans fv");
    EXPECT_TRUE(picture() == sine_screen);
    // The title rows are those of quadplot given that title.
    EXPECT_TRUE(std::equal(sine_screen.begin(), sine_screen.begin() + 640 * 12, quadplot_screen.begin()));
}

// KOORDINATATENGELYEK in a viewport of 100 × 50 at (100, 100).
struct AxesCase {
    const char* name;
    int OX, OY, XH, YH;
    bool vertical_shown, horizontal_shown;
};

const AxesCase axes_cases[] = {
    {"both_inside", 10, 20, 99, 49, true, true},
    {"shorter_than_the_viewport", 10, 20, 50, 30, true, true},
    {"vertical_left_of_the_viewport", -5, 20, 99, 49, false, true},
    {"vertical_right_of_the_viewport", 100, 20, 99, 49, false, true},
    {"horizontal_above_the_viewport", 10, -1, 99, 49, true, false},
    {"horizontal_below_the_viewport", 10, 50, 99, 49, true, false},
};

class Axes : public OnScreen, public testing::WithParamInterface<AxesCase> {};

TEST_P(Axes, AreWhiteLinesThroughTheOriginKeepingTheColour) {
    const AxesCase& c = GetParam();
    Integer driver = 0, mode = 0;
    graph::InitGraph(driver, mode, "");
    graph::SetViewPort(100, 100, 199, 149, true);
    graph::SetColor(14);
    KOORDINATATENGELYEK(c.OX, c.OY, c.XH, c.YH);
    EXPECT_EQ(graph::GetColor(), 14);
    for (int y = 0; y < 480; ++y) {
        for (int x = 0; x < 640; ++x) {
            const int vx = x - 100, vy = y - 100;
            const bool on_vertical = c.vertical_shown && vx == c.OX && vy >= 0 && vy <= c.YH;
            const bool on_horizontal = c.horizontal_shown && vy == c.OY && vx >= 0 && vx <= c.XH;
            ASSERT_EQ(pixel(x, y), on_vertical || on_horizontal ? 15 : 0) << "at (" << x << ", " << y << ")";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Plotting, Axes, testing::ValuesIn(axes_cases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
