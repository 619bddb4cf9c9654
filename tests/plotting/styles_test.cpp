// The three plot styles on 640 × 480, each drawn on a cleared screen so that its plot area holds
// only the white axes and the style's own pixels in the panel's colour.
#include <algorithm>
#include <set>

#include "plotting/plot_area.h"
#include "plotting/plots.h"
#include "tests/plotting/screen.h"

namespace {

using namespace plotting;
using namespace plotting_tests;

constexpr int yellow = 14, green = 2, light_cyan = 11;  // panels 1, 2 and 3 in quadplot

class Style : public OnScreen {
protected:
    // Lays out the screen, fills FT and clears the picture.
    void fill(const TEGYVALTOZOSFV& descriptor, Real step) {
        INIC("Sin fv");
        FELTOLT(descriptor, step, FT);
        graph::ClearDevice();
    }
    // Lays out the screen and clears it, for a table of the test's own.
    void lay_out() {
        INIC("Sin fv");
        graph::ClearDevice();
    }
};

std::vector<int> columns_of(const std::vector<Point>& points) {
    std::set<int> columns;
    for (const Point p : points) columns.insert(p.x);
    return {columns.begin(), columns.end()};
}

// The runs of consecutive columns of a colour on one row of panel k's plot area, as (first, last).
std::vector<Point> runs_on_row(const TABLAK& A, int y, int colour) {
    std::vector<Point> runs;
    for (int x = -2; x <= 309; ++x) {
        if (plot_pixel(A, x, y) != colour) continue;
        if (!runs.empty() && runs.back().y == x - 1) runs.back().y = x;
        else runs.push_back({x, x});
    }
    return runs;
}

// The rows of a colour in one column of panel k's plot area.
std::vector<int> rows_in_column(const TABLAK& A, int x, int colour) {
    std::vector<int> rows;
    for (int y = -10; y <= 220; ++y)
        if (plot_pixel(A, x, y) == colour) rows.push_back(y);
    return rows;
}

std::vector<int> range(int first, int last) {
    std::vector<int> values;
    for (int v = first; v <= last; ++v) values.push_back(v);
    return values;
}

// A table of the test's own.
TFUGGVENYTABLA table(std::initializer_list<Point> samples_times_ten, Real MINY, Real MAXY) {
    TFUGGVENYTABLA T;
    T.N = 0;
    for (const Point s : samples_times_ten) {
        ++T.N;
        T.X[T.N] = s.x / 10.0;
        T.Y[T.N] = s.y / 10.0;
    }
    T.MINY = MINY;
    T.MAXY = MAXY;
    return T;
}

// Points -----------------------------------------------------------------------------------

// 63 distinct pixels, about five columns apart; the first lies on the axis row and covers it.
TEST_F(Style, SinePoints) {
    fill(SINFV, 0.1);
    KIRAJZOLP(A[1], FT);
    const auto points = pixels_of(A[1], yellow);
    EXPECT_EQ(points.size(), 63u);
    const auto columns = columns_of(points);
    ASSERT_EQ(columns.size(), 63u);
    EXPECT_EQ(std::vector<int>(columns.begin(), columns.begin() + 6), (std::vector<int>{0, 4, 9, 14, 19, 24}));
    EXPECT_EQ(columns.back(), 307);
    EXPECT_EQ(plot_pixel(A[1], 0, 109), yellow);
    EXPECT_EQ(plot_pixel(A[1], 307, 100), yellow);
}

TEST_F(Style, CosinesFirstPointIsOnThePlotAreasLastRow) {
    fill(COSFV, 0.1);
    KIRAJZOLP(A[1], FT);
    EXPECT_EQ(plot_pixel(A[1], 0, 218), yellow);
    EXPECT_EQ(A[1].JA.Y, plot_origin(A[1]).y + 217);  // one row below the frame's bottom line
}

// 101 samples, 100 points: the last, (100, 10), maps to column 308, right of the plot area.
TEST_F(Style, SquareRootsLastPointIsClipped) {
    fill(GYOKFV, 1);
    KIRAJZOLP(A[1], FT);
    const auto points = pixels_of(A[1], yellow);
    EXPECT_EQ(points.size(), 100u);
    EXPECT_EQ(plot_pixel(A[1], 308, 0), 0);
    EXPECT_LE(columns_of(points).back(), 307);
}

TEST_F(Style, ConstantPointsOnRow139) {
    fill(KONSFV, 1);
    KIRAJZOLP(A[1], FT);
    const auto points = pixels_of(A[1], yellow);
    ASSERT_EQ(points.size(), 151u);
    for (const Point p : points) EXPECT_EQ(p.y, 139);
    const auto columns = columns_of(points);
    EXPECT_EQ(std::vector<int>(columns.begin(), columns.begin() + 6), (std::vector<int>{0, 1, 3, 5, 7, 9}));
    EXPECT_EQ(columns.back(), 306);
}

// Segments ---------------------------------------------------------------------------------

// From (0, 109) through (4, 119) to (307, 100), with no gap: every column has a pixel.
TEST_F(Style, SinePolyline) {
    fill(SINFV, 0.1);
    KIRAJZOLSZ(A[2], FT);
    EXPECT_EQ(plot_pixel(A[2], 0, 109), green);
    EXPECT_EQ(plot_pixel(A[2], 4, 119), green);
    EXPECT_EQ(plot_pixel(A[2], 307, 100), green);
    EXPECT_EQ(columns_of(pixels_of(A[2], green)), range(0, 307));
}

TEST_F(Style, CosinesPolylineStartsOnThePlotAreasLastRow) {
    fill(COSFV, 0.1);
    KIRAJZOLSZ(A[2], FT);
    EXPECT_EQ(plot_pixel(A[2], 0, 218), green);
}

// The last segment runs from (304, 2) towards (308, 0) and is cut at column 307.
TEST_F(Style, SquareRootsLastSegmentIsCut) {
    fill(GYOKFV, 1);
    KIRAJZOLSZ(A[2], FT);
    EXPECT_EQ(plot_pixel(A[2], 304, 2), green);
    const auto columns = columns_of(pixels_of(A[2], green));
    EXPECT_EQ(columns, range(0, 307));
    EXPECT_FALSE(rows_in_column(A[2], 307, green).empty());
}

// 150 segments on one row make one line from column 0 to 306.
TEST_F(Style, ConstantPolylineIsOneLine) {
    fill(KONSFV, 1);
    KIRAJZOLSZ(A[2], FT);
    std::vector<Point> line;
    for (int x = 0; x <= 306; ++x) line.push_back({x, 139});
    EXPECT_EQ(pixels_of(A[2], green), line);
}

// Two samples, one segment: (0, 0.5) and (1, 0.5) in the range 0..1 give row 109 from column 0
// to 308, cut at 307.
TEST_F(Style, TwoSamplesGiveOneSegment) {
    lay_out();
    KIRAJZOLSZ(A[2], table({{0, 5}, {10, 5}}, 0, 1));
    std::vector<Point> line;
    for (int x = 0; x <= 307; ++x) line.push_back({x, 109});
    EXPECT_EQ(pixels_of(A[2], green), line);
}

// Bars -------------------------------------------------------------------------------------

// DX = 2: bars three columns wide, about five apart. Positive samples end on row 108, negative
// ones start on row 110, the axis row 109 between them stays white. The first sample, about
// −1.2·10⁻¹⁶ at column 0, gives a bar of rows 109 and 110 from column −1 (clipped) to 1; the
// last, at column 307, loses its right column 308.
TEST_F(Style, SineBars) {
    fill(SINFV, 0.1);
    KIRAJZOLT(A[3], FT);
    const auto above = runs_on_row(A[3], 108, light_cyan);
    const auto below = runs_on_row(A[3], 110, light_cyan);
    EXPECT_EQ(above.size() + below.size(), 63u);
    ASSERT_FALSE(below.empty());
    ASSERT_FALSE(above.empty());
    EXPECT_EQ(below.front(), (Point{0, 1}));
    EXPECT_EQ(above.back(), (Point{306, 307}));
    for (std::size_t i = 0; i + 1 < above.size(); ++i) EXPECT_EQ(above[i].y - above[i].x, 2) << "bar at " << above[i].x;
    for (std::size_t i = 1; i < below.size(); ++i) EXPECT_EQ(below[i].y - below[i].x, 2) << "bar at " << below[i].x;
    EXPECT_EQ(runs_on_row(A[3], 109, light_cyan), (std::vector<Point>{{0, 1}}));
    EXPECT_EQ(plot_pixel(A[3], -1, 109), 0);
    for (int x = 2; x <= 307; ++x) EXPECT_EQ(plot_pixel(A[3], x, 109), 15) << "column " << x;
}

// DX = 1: one-column bars down to row 217 above the axis on row 218. The first sample, (0, 0),
// gives a bar of rows 217 and 218 in column 0; the last, at column 308, is not drawn at all.
TEST_F(Style, SquareRootBars) {
    fill(GYOKFV, 1);
    KIRAJZOLT(A[3], FT);
    const auto bars = runs_on_row(A[3], 217, light_cyan);
    EXPECT_EQ(bars.size(), 100u);
    for (const Point run : bars) EXPECT_EQ(run.x, run.y) << "bar at " << run.x;
    EXPECT_EQ(rows_in_column(A[3], 0, light_cyan), (std::vector<int>{217, 218}));
    EXPECT_EQ(runs_on_row(A[3], 218, light_cyan), (std::vector<Point>{{0, 0}}));
    EXPECT_LE(columns_of(pixels_of(A[3], light_cyan)).back(), 307);
    EXPECT_TRUE(rows_in_column(A[3], 308, light_cyan).empty());
}

// DX = 1: 151 one-column bars from row 139 down to row 197, on the columns of the points.
TEST_F(Style, ConstantBars) {
    fill(KONSFV, 1);
    KIRAJZOLP(A[1], FT);
    KIRAJZOLT(A[3], FT);
    const auto columns = columns_of(pixels_of(A[3], light_cyan));
    EXPECT_EQ(columns, columns_of(pixels_of(A[1], yellow)));
    for (const int x : columns) EXPECT_EQ(rows_in_column(A[3], x, light_cyan), range(139, 197)) << "column " << x;
}

// Four samples: DX = trunc(311 / 4 / 2) = 38, bars of 75 columns. Ordinates that scale to less
// than a pixel give bars of two rows: the axis row 109 and its neighbour on the sample's side,
// 0 counting as positive.
TEST_F(Style, BarsOfOrdinatesThatScaleToZero) {
    lay_out();
    const TFUGGVENYTABLA T = table({{0, 0}, {10, 0}, {20, 0}, {30, 10}}, -1, 1);
    TFUGGVENYTABLA tiny = T;
    tiny.Y[2] = 1e-9;
    tiny.Y[3] = -1e-9;
    KIRAJZOLT(A[3], tiny);
    EXPECT_EQ(rows_in_column(A[3], 0, light_cyan), (std::vector<int>{108, 109}));    // 0
    EXPECT_EQ(rows_in_column(A[3], 102, light_cyan), (std::vector<int>{108, 109}));  // 10⁻⁹, column 308/3
    EXPECT_EQ(rows_in_column(A[3], 205, light_cyan), (std::vector<int>{109, 110}));  // −10⁻⁹
    EXPECT_EQ(runs_on_row(A[3], 108, light_cyan)[1], (Point{65, 139}));           // 2·38 − 1 columns
}

// 200 samples, more than half the panel width: DX = 0 gives bars of three columns, the
// same as DX = 2. Here one tall bar stands above a row of flat ones.
TEST_F(Style, ManySamplesGiveBarsOfThreeColumns) {
    lay_out();
    TFUGGVENYTABLA T;
    T.N = 200;
    for (int i = 1; i <= 200; ++i) {
        T.X[i] = i - 1;
        T.Y[i] = i == 100 ? 1 : 0;
    }
    T.MINY = -1;
    T.MAXY = 1;
    KIRAJZOLT(A[3], T);
    const int O = 99 * 308 / 199;  // the tall bar's column, 153
    EXPECT_EQ(runs_on_row(A[3], 50, light_cyan), (std::vector<Point>{{O - 1, O + 1}}));
    EXPECT_EQ(rows_in_column(A[3], O, light_cyan), range(0, 109));
}

// What every style leaves -------------------------------------------------------------------

using PlotProcedure = void (*)(const TABLAK&, const TFUGGVENYTABLA&);

struct StyleCase {
    const char* name;
    PlotProcedure procedure;
    int panel;
};

const StyleCase styles[] = {{"points", KIRAJZOLP, 1}, {"segments", KIRAJZOLSZ, 2}, {"bars", KIRAJZOLT, 3}};

class EveryStyle : public OnScreen, public testing::WithParamInterface<StyleCase> {};

// The viewport stays on the plot area and the colour is the panel's.
TEST_P(EveryStyle, LeavesThePlotAreaAndThePanelsColour) {
    const StyleCase& s = GetParam();
    INIC("Sin fv");
    FELTOLT(SINFV, 0.1, FT);
    s.procedure(A[s.panel], FT);
    EXPECT_EQ(graph::GetColor(), A[s.panel].SZIN);
    graph::PutPixel(0, 0, 13);
    EXPECT_EQ(pixel(A[s.panel].BF.X + 2, A[s.panel].BF.Y + 10), 13);
}

// In quadsketch each procedure draws the axes of its table, the same as quadplot's, and nothing
// else; the bar style leaves the fill solid in the panel's colour.
TEST_P(EveryStyle, DrawsOnlyTheAxesInQuadsketch) {
    const StyleCase& s = GetParam();
    program = quadsketch_settings;
    INIC("Sin fv");
    FELTOLT(GYOKFV, 1, FT);
    graph::ClearDevice();
    s.procedure(A[s.panel], FT);
    for (int colour = 1; colour < 15; ++colour) EXPECT_TRUE(pixels_of(A[s.panel], colour).empty()) << colour;
    const auto white = pixels_of(A[s.panel], 15);
    if (s.procedure == KIRAJZOLT) {
        graph::Bar(5, 5, 5, 5);
        EXPECT_EQ(plot_pixel(A[s.panel], 5, 5), A[s.panel].SZIN);
    }
    graph::ClearDevice();
    prepare_plot(A[s.panel], FT, Fill::unchanged);
    EXPECT_EQ(white, pixels_of(A[s.panel], 15));
}

INSTANTIATE_TEST_SUITE_P(Plotting, EveryStyle, testing::ValuesIn(styles),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
