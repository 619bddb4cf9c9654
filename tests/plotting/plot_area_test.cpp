// The plot area of a panel: the working values of the four built-in tables on 640 × 480, the
// viewport, the axes, and where the first sample lands.
#include <string>

#include "platform/cp437.h"
#include "plotting/plot_area.h"
#include "tests/plotting/screen.h"

namespace {

using namespace plotting;
using namespace plotting_tests;

struct WorkedFigure {
    const char* name;
    const TEGYVALTOZOSFV& descriptor;
    Real step;
    Real NX;  // to within NX_tolerance
    Real NX_tolerance;
    Real NY;
    int O0, S0;
    Point first, last;  // the first and last sample's column and row
};

const WorkedFigure worked_figures[] = {
    {"sine", SINFV, 0.1, 49.677, 5e-4, 109, 156, 109, {0, 109}, {307, 100}},
    {"cosine", COSFV, 0.1, 49.677, 5e-4, 109, 156, 109, {0, 218}, {307, 217}},
    {"square_root", GYOKFV, 1, 3.08, 0, 21.8, 0, 218, {0, 218}, {308, 0}},
    // 75·NX is 153.99999999999999… in extended precision: O0 is 153, not 154.
    {"constant", KONSFV, 1, 308.0 / 150, 0, 218.0 / 11, 153, 198, {0, 139}, {306, 139}},
};

class WorkedFigureOf : public OnScreen, public testing::WithParamInterface<WorkedFigure> {};

TEST_P(WorkedFigureOf, EachOfPanels1To3) {
    const WorkedFigure& f = GetParam();
    INIC("Sin fv");
    FELTOLT(f.descriptor, f.step, FT);
    for (int k = 1; k <= 3; ++k) {
        SCOPED_TRACE(testing::Message() << "panel " << k);
        const PlotArea P = prepare_plot(A[k], FT, Fill::unchanged);
        EXPECT_EQ(P.SZEL, 311);
        EXPECT_EQ(P.MAG, 218);
        if (f.NX_tolerance > 0) EXPECT_NEAR(P.NX, f.NX, f.NX_tolerance);
        else EXPECT_DOUBLE_EQ(P.NX, f.NX);
        EXPECT_DOUBLE_EQ(P.NY, f.NY);
        EXPECT_EQ(P.O0, f.O0);
        EXPECT_EQ(P.S0, f.S0);
        EXPECT_EQ((Point{P.column(FT.X[1]), P.row(FT.Y[1])}), f.first);
        EXPECT_EQ((Point{P.column(FT.X[FT.N]), P.row(FT.Y[FT.N])}), f.last);
    }
}

// On a cleared screen the axes are all there is: row S0 across the whole plot area (columns 0
// to 307), column O0 from row 0 down to row 215, three rows short of MINY's row 218.
TEST_P(WorkedFigureOf, AxesThroughTheOrigin) {
    const WorkedFigure& f = GetParam();
    INIC("Sin fv");
    FELTOLT(f.descriptor, f.step, FT);
    graph::ClearDevice();
    prepare_plot(A[1], FT, Fill::unchanged);
    std::vector<Point> axes;
    for (int x = 0; x <= 307; ++x) axes.push_back({x, f.S0});
    for (int y = 0; y <= 215; ++y)
        if (y != f.S0) axes.push_back({f.O0, y});
    std::sort(axes.begin(), axes.end(), [](Point a, Point b) { return a.y != b.y ? a.y < b.y : a.x < b.x; });
    EXPECT_EQ(pixels_of(A[1], 15), axes);
    EXPECT_EQ(graph::GetColor(), 14);
}

INSTANTIATE_TEST_SUITE_P(Plotting, WorkedFigureOf, testing::ValuesIn(worked_figures),
                         [](const auto& info) { return std::string(info.param.name); });

// The plot areas: one free column inside the frame on either side, from ten rows below the
// frame's top down to one row below its bottom line.
TEST_F(OnScreen, PlotAreasOf640x480) {
    const Point corners[3][2] = {{{6, 22}, {313, 240}}, {{326, 22}, {633, 240}}, {{6, 257}, {313, 475}}};
    INIC("Sin fv");
    FELTOLT(SINFV, 0.1, FT);
    for (int k = 1; k <= 3; ++k) {
        SCOPED_TRACE(testing::Message() << "panel " << k);
        graph::ClearDevice();
        prepare_plot(A[k], FT, Fill::unchanged);
        for (const Point p : {Point{-1, -1}, Point{308, 0}, Point{0, 219}, Point{0, 0}, Point{307, 218}})
            graph::PutPixel(p.x, p.y, 13);
        EXPECT_EQ(pixels_of(A[k], 13), (std::vector<Point>{{0, 0}, {307, 218}}));
        EXPECT_EQ(pixel(corners[k - 1][0].x, corners[k - 1][0].y), 13);
        EXPECT_EQ(pixel(corners[k - 1][1].x, corners[k - 1][1].y), 13);
    }
}

// Whatever the first abscissa, it lands on column 0: X[1]·NX + trunc(−X[1]·NX) lies strictly
// between −1 and 1.
TEST_F(OnScreen, TheFirstSampleLandsOnColumn0) {
    INIC("Sin fv");
    for (const Real first : {-0.3, 0.7, 1e-3, -123.456, 5.5, 150.0, -3.141592653589793}) {
        TFUGGVENYTABLA T;
        T.N = 2;
        T.X[1] = first;
        T.X[2] = first + 1.7;
        T.MINY = -1;
        T.MAXY = 1;
        const PlotArea P = prepare_plot(A[1], T, Fill::unchanged);
        EXPECT_EQ(P.column(first), 0) << "X[1] = " << first;
    }
}

// An origin outside the plot area: its axis is clipped away, the other one is drawn as usual.
TEST_F(OnScreen, AnAxisOutsideThePlotAreaIsClippedAway) {
    INIC("Sin fv");
    graph::ClearDevice();
    TFUGGVENYTABLA T;
    T.N = 2;
    T.X[1] = 10;  // abscissas well right of 0: O0 = −308
    T.X[2] = 20;
    T.MINY = 5;  // ordinates well above 0: S0 = 436
    T.MAXY = 10;
    const PlotArea P = prepare_plot(A[1], T, Fill::unchanged);
    EXPECT_EQ(P.O0, -308);
    EXPECT_EQ(P.S0, 436);
    EXPECT_TRUE(pixels_of(A[1], 15).empty());

    graph::ClearDevice();
    T.MINY = -1;  // now the horizontal axis is inside
    const PlotArea Q = prepare_plot(A[1], T, Fill::unchanged);
    const auto white = pixels_of(A[1], 15);
    ASSERT_EQ(white.size(), 308u);
    for (const Point p : white) EXPECT_EQ(p.y, Q.S0);
}

}  // namespace
