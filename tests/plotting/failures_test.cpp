// Run-time errors of the plot procedures, each in a child process: the preparation's failures
// leave the viewport and colour set and nothing drawn; a sample that cannot be placed stops the
// program with the samples before it drawn and none after it.
#include <cstdio>
#include <string>

#include "platform/runtime.h"
#include "plotting/plots.h"
#include "tests/plotting/screen.h"
#include "tests/plotting/stop.h"

namespace {

using namespace plotting;
using namespace plotting_tests;

using PlotProcedure = void (*)(const TABLAK&, const TFUGGVENYTABLA&);

// What the child saw when the error stopped it, written by the error's clean-up before the
// report: colour and fill colour, where a one-pixel bar at (0, 0) lands (the viewport's corner),
// how many pixels changed since the plot procedure was called; and in the plot area of the
// panel, how many pixels of the panel's colour it holds above the frame's bottom line and the
// colours at the pixels of the first and the third sample.
std::vector<std::uint8_t> before;
const TABLAK* panel;
Point first_sample, third_sample;

void write_state() {
    const auto now = picture();
    int changed = 0;
    for (std::size_t i = 0; i < now.size(); ++i) changed += now[i] != before[i];
    int marks = 0;
    for (int y = 0; y <= 216; ++y)
        for (int x = 0; x <= 307; ++x) marks += plot_pixel(*panel, x, y) == panel->SZIN;
    const int first = plot_pixel(*panel, first_sample.x, first_sample.y);
    const int third = plot_pixel(*panel, third_sample.x, third_sample.y);
    const int colour = graph::GetColor();
    graph::Bar(0, 0, 0, 0);
    const auto probed = picture();
    int probe_x = -1, probe_y = -1, fill = -1;
    for (std::size_t i = 0; i < probed.size(); ++i)
        if (probed[i] != now[i]) probe_x = int(i % 640), probe_y = int(i / 640), fill = probed[i];
    char line[200];
    const int length = std::snprintf(line, sizeof line, "colour=%d fill=%d origin=(%d,%d) changed=%d marks=%d first=%d third=%d\n",
                                     colour, fill, probe_x, probe_y, changed, marks, first, third);
    rt::write_all(1, {line, std::size_t(length)});
}

// Runs procedure on the table in panel k of a freshly laid-out quadplot screen, in a child.
template <class Change>
Stop plot_in_child(PlotProcedure procedure, int k, const TFUGGVENYTABLA& T, Change change) {
    return run_in_child([&] {
        plotting::program = quadplot_settings;
        graph::headless::reset();
        INIC("Sin fv");
        change(A[k]);
        before = picture();
        panel = &A[k];
        rt::at_run_error(write_state);
        procedure(A[k], T);
    });
}

std::string state_line(const Stop& stop) { return stop.out.substr(0, stop.out.find('\n')); }

// The preparation -------------------------------------------------------------------------

struct PreparationFailure {
    const char* name;
    PlotProcedure procedure;
    int panel;
    int N;        // samples 1 and 2 are (0, 0) and (1, 1)
    Real MAXY;    // MINY is 0
    int SZIN;     // the panel's colour
    int code;
    const char* state;
};

const PreparationFailure preparation_failures[] = {
    // One sample: X[N] = X[1] is a zero divisor for NX.
    {"one_sample_points", KIRAJZOLP, 1, 1, 1, 14, 200, "colour=14 fill=15 origin=(6,22) changed=0"},
    {"one_sample_segments", KIRAJZOLSZ, 2, 1, 1, 2, 200, "colour=2 fill=15 origin=(326,22) changed=0"},
    {"one_sample_bars", KIRAJZOLT, 3, 1, 1, 11, 200, "colour=11 fill=11 origin=(6,257) changed=0"},
    // MAXY = MINY is a zero divisor for NY.
    {"flat_range", KIRAJZOLP, 1, 2, 0, 14, 200, "colour=14 fill=15 origin=(6,22) changed=0"},
    // N outside 1..1024: reading X[N] fails the index check.
    {"no_samples", KIRAJZOLSZ, 2, 0, 1, 2, 201, "colour=2 fill=15 origin=(326,22) changed=0"},
    {"too_many_samples", KIRAJZOLT, 3, 1025, 1, 11, 201, "colour=11 fill=11 origin=(6,257) changed=0"},
    // A negative colour fails its conversion at SetColor: the viewport is set, colour and fill
    // are still those INIC left (panel 4's brown, the initial white fill).
    {"negative_colour_points", KIRAJZOLP, 1, 2, 1, -1, 201, "colour=6 fill=15 origin=(6,22) changed=0"},
    {"negative_colour_bars", KIRAJZOLT, 3, 2, 1, -1, 201, "colour=6 fill=15 origin=(6,257) changed=0"},
};

class Preparation : public testing::TestWithParam<PreparationFailure> {};

TEST_P(Preparation, StopsBeforeAnythingIsDrawn) {
    const PreparationFailure& f = GetParam();
    TFUGGVENYTABLA T;
    T.X[1] = 0, T.Y[1] = 0;
    T.X[2] = 1, T.Y[2] = 1;
    T.N = f.N;
    T.MINY = 0;
    T.MAXY = f.MAXY;
    first_sample = third_sample = {0, 0};
    const auto stop = plot_in_child(f.procedure, f.panel, T, [&](TABLAK& A) { A.SZIN = f.SZIN; });
    EXPECT_TRUE(StoppedWith(stop, f.code));
    EXPECT_TRUE(state_line(stop).starts_with(std::string(f.state) + " ")) << state_line(stop);
}

INSTANTIATE_TEST_SUITE_P(Plotting, Preparation, testing::ValuesIn(preparation_failures),
                         [](const auto& info) { return std::string(info.param.name); });

// Samples ----------------------------------------------------------------------------------

// Four samples whose second cannot be placed. With abscissas 0, 1, 2, 4 (NX = 77) or 0, X, 154,
// 308 (NX = 1) and the range −1..1 (NY = 109, S0 = 109) the first sample, (0, 0), lands on
// (0, 109) and the third, (2 or 154, 0.5), on (154, 55).
struct SampleFailure {
    const char* name;
    PlotProcedure procedure;
    int panel;
    Real X2, Y2;
    int code;
    const char* marks;  // the first sample's mark only: one pixel, or a bar of 38 × 2 pixels
};

const SampleFailure sample_failures[] = {
    {"row_out_of_range_points", KIRAJZOLP, 1, 1, 1e6, 201, "marks=1 first=14 third=0"},
    {"row_out_of_range_segments", KIRAJZOLSZ, 2, 1, 1e6, 201, "marks=1 first=2 third=0"},
    {"row_out_of_range_bars", KIRAJZOLT, 3, 1, 1e6, 201, "marks=76 first=11 third=0"},
    {"column_out_of_range_points", KIRAJZOLP, 1, 1e6, 0.5, 201, "marks=1 first=14 third=0"},
    {"column_out_of_range_segments", KIRAJZOLSZ, 2, -1e6, 0.5, 201, "marks=1 first=2 third=0"},
    // 10³⁰⁰ · 109 has no 64-bit integer: the truncation is an invalid operation.
    {"no_64_bit_row_points", KIRAJZOLP, 1, 1, 1e300, 207, "marks=1 first=14 third=0"},
    {"no_64_bit_column_bars", KIRAJZOLT, 3, 1e300, 0.5, 207, "marks=76 first=11 third=0"},
    // Column 32767 fits, but its bar's right column 32767 + 38 − 1 does not.
    {"bar_corner_out_of_range", KIRAJZOLT, 3, 32767, 0.5, 201, "marks=76 first=11 third=0"},
};

class Sample : public testing::TestWithParam<SampleFailure> {};

TEST_P(Sample, StopsWithTheEarlierSamplesDrawnAndNoLaterOne) {
    const SampleFailure& f = GetParam();
    const bool wide = f.X2 == 32767;  // the table of NX = 1
    TFUGGVENYTABLA T;
    T.N = 4;
    T.X[1] = 0, T.Y[1] = 0;
    T.X[2] = f.X2, T.Y[2] = f.Y2;
    T.X[3] = wide ? 154 : 2, T.Y[3] = 0.5;
    T.X[4] = wide ? 308 : 4, T.Y[4] = 0;
    T.MINY = -1;
    T.MAXY = 1;
    first_sample = {0, 109};
    third_sample = {154, 55};
    const auto stop = plot_in_child(f.procedure, f.panel, T, [](TABLAK&) {});
    EXPECT_TRUE(StoppedWith(stop, f.code));
    const std::string state = state_line(stop);
    EXPECT_EQ(state.substr(state.find("marks=")), f.marks);
}

INSTANTIATE_TEST_SUITE_P(Plotting, Sample, testing::ValuesIn(sample_failures),
                         [](const auto& info) { return std::string(info.param.name); });

// The same table with the second sample in range is drawn whole: the third sample is there.
TEST(Sample, InRangeTheThirdSampleIsDrawn) {
    for (const PlotProcedure procedure : {KIRAJZOLP, KIRAJZOLSZ, KIRAJZOLT}) {
        plotting::program = quadplot_settings;
        graph::headless::reset();
        INIC("Sin fv");
        TFUGGVENYTABLA T;
        T.N = 4;
        T.X[1] = 0, T.Y[1] = 0;
        T.X[2] = 1, T.Y[2] = 0.2;
        T.X[3] = 2, T.Y[3] = 0.5;
        T.X[4] = 4, T.Y[4] = 0;
        T.MINY = -1;
        T.MAXY = 1;
        const int k = procedure == KIRAJZOLP ? 1 : procedure == KIRAJZOLSZ ? 2 : 3;
        procedure(A[k], T);
        EXPECT_EQ(plot_pixel(A[k], 154, 55), A[k].SZIN) << "panel " << k;
        graph::CloseGraph();
    }
}

}  // namespace
