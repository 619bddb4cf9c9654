// Filling the sampled table: the built-in functions, the interval's ends, the capacity.
#include <cmath>
#include <cstdio>

#include <gtest/gtest.h>

#include "platform/runtime.h"
#include "plotting/table.h"
#include "tests/plotting/stop.h"

namespace {

using namespace plotting;
using plotting_tests::run_in_child;
using plotting_tests::StoppedWith;

struct BuiltInFill {
    const char* name;
    const TEGYVALTOZOSFV& descriptor;
    Real step;
    int N;
    Real first_X;
    Real last_X;
    Real MINY;
    Real MAXY;
};

const BuiltInFill built_in_fills[] = {
    // π itself is never reached: the accumulated abscissa after 3.0584… is about 3.1584.
    {"sine", SINFV, 0.1, 63, -3.141592653589793, 3.05840734641021, -1, 1},
    {"cosine", COSFV, 0.1, 63, -3.141592653589793, 3.05840734641021, -1, 1},
    // Whole steps are exact: the end of the interval is sampled.
    {"square_root", GYOKFV, 1, 101, 0, 100, 0, 10},
    {"constant", KONSFV, 1, 151, -75, 75, -1, 10},
};

class BuiltInTable : public testing::TestWithParam<BuiltInFill> {};

TEST_P(BuiltInTable, HasItsSamplesAndTheDescriptorsRange) {
    const BuiltInFill& fill = GetParam();
    FELTOLT(fill.descriptor, fill.step, FT);
    EXPECT_EQ(FT.N, fill.N);
    EXPECT_EQ(FT.X[1], fill.first_X);
    EXPECT_NEAR(FT.X[fill.N], fill.last_X, 5e-15);
    EXPECT_GT(Real(FT.X[fill.N] + fill.step), fill.descriptor.IG);  // the next one would be past the end
    EXPECT_EQ(FT.MINY, fill.MINY);
    EXPECT_EQ(FT.MAXY, fill.MAXY);
    for (int i = 1; i <= fill.N; ++i) EXPECT_EQ(FT.Y[i], fill.descriptor.FV(FT.X[i])) << "sample " << i;
}

INSTANTIATE_TEST_SUITE_P(Plotting, BuiltInTable, testing::ValuesIn(built_in_fills),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Feltolt, TheConstantsRangeComesFromTheDescriptorNotTheSamples) {
    FELTOLT(KONSFV, 1, FT);
    for (int i = 1; i <= FT.N; ++i) ASSERT_EQ(FT.Y[i], 3) << "sample " << i;
    EXPECT_EQ(FT.MINY, -1);
    EXPECT_EQ(FT.MAXY, 10);
}

Real identity(Real X) { return X; }

TEST(Feltolt, AnEmptyIntervalSamplesNothingAndStillTakesTheRange) {
    FELTOLT(SINFV, 0.1, FT);
    FELTOLT({5, 4, identity, -7, 7}, 1, FT);
    EXPECT_EQ(FT.N, 0);
    EXPECT_EQ(FT.X[1], -3.141592653589793);  // untouched
    EXPECT_EQ(FT.MINY, -7);
    EXPECT_EQ(FT.MAXY, 7);
}

TEST(Feltolt, AnIntervalOfOnePointGivesOneSample) {
    FELTOLT({2.5, 2.5, identity, 0, 1}, 1, FT);
    EXPECT_EQ(FT.N, 1);
    EXPECT_EQ(FT.X[1], 2.5);
}

TEST(Feltolt, ExactlyMaxnSamplesFit) {
    FELTOLT({1, MAXN, identity, 0, 1}, 1, FT);
    EXPECT_EQ(FT.N, MAXN);
    EXPECT_EQ(FT.X[MAXN], MAXN);
    EXPECT_EQ(FT.Y[MAXN], MAXN);
}

TEST(Feltolt, AShorterFillLeavesTheOlderEntriesAboveN) {
    FELTOLT(KONSFV, 1, FT);
    FELTOLT(SINFV, 0.1, FT);
    EXPECT_EQ(FT.N, 63);
    EXPECT_EQ(FT.X[64], -75 + 63);
    EXPECT_EQ(FT.X[151], 75);
    EXPECT_EQ(FT.Y[151], 3);
}

// The function sees each abscissa once, in ascending order, after it has been stored.
int calls;
Real stored_before_call(Real X) {
    ++calls;
    return FT.X[calls] == X ? 1 : 0;
}

TEST(Feltolt, CallsTheFunctionOncePerSampleAfterStoringItsAbscissa) {
    calls = 0;
    FELTOLT({0, 9, stored_before_call, 0, 1}, 1, FT);
    EXPECT_EQ(calls, 10);
    for (int i = 1; i <= 10; ++i) EXPECT_EQ(FT.Y[i], 1) << "sample " << i;
}

// What the table holds when a run-time error stops the fill, written by the error's clean-up.
void write_table_state() {
    char line[160];
    const int length = std::snprintf(line, sizeof line, "N=%d X[1]=%g X[1024]=%g Y[1024]=%g MINY=%g MAXY=%g\n",
                                     int(FT.N), FT.X[1], FT.X[MAXN], FT.Y[MAXN], FT.MINY, FT.MAXY);
    rt::write_all(1, {line, std::size_t(length)});
}

struct OverfullFill {
    const char* name;
    TEGYVALTOZOSFV descriptor;
    Real step;
    const char* state;  // after 1024 samples; N and the range are still the sine's
};

const OverfullFill overfull_fills[] = {
    {"one_sample_too_many", {1, 1025, identity, 5, 6}, 1, "N=63 X[1]=1 X[1024]=1024 Y[1024]=1024 MINY=-1 MAXY=1\n"},
    {"zero_step", {0.5, 1, identity, 5, 6}, 0, "N=63 X[1]=0.5 X[1024]=0.5 Y[1024]=0.5 MINY=-1 MAXY=1\n"},
    {"negative_step", {0, 1, identity, 5, 6}, -1, "N=63 X[1]=0 X[1024]=-1023 Y[1024]=-1023 MINY=-1 MAXY=1\n"},
};

class OverfullTable : public testing::TestWithParam<OverfullFill> {};

TEST_P(OverfullTable, StopsWithARangeErrorAtThe1025thSample) {
    const OverfullFill& fill = GetParam();
    const auto stop = run_in_child([&] {
        FELTOLT(SINFV, 0.1, FT);
        rt::at_run_error(write_table_state);
        FELTOLT(fill.descriptor, fill.step, FT);
    });
    EXPECT_TRUE(StoppedWith(stop, 201));
    EXPECT_EQ(stop.out.substr(0, stop.out.find('\n') + 1), fill.state);
}

INSTANTIATE_TEST_SUITE_P(Plotting, OverfullTable, testing::ValuesIn(overfull_fills),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Gyokx, TheSquareRootOfANegativeAbscissaIsAnInvalidOperation) {
    const auto stop = run_in_child([] {
        FELTOLT(SINFV, 0.1, FT);
        rt::at_run_error(write_table_state);
        FELTOLT({-1, 1, GYOKX, 0, 1}, 1, FT);
    });
    EXPECT_TRUE(StoppedWith(stop, 207));
    EXPECT_TRUE(stop.out.starts_with("N=63 X[1]=-1 ")) << stop.out;  // its abscissa was stored first
}

TEST(Gyokx, TakesTheRootOfZeroAndAbove) {
    EXPECT_EQ(GYOKX(0), 0);
    EXPECT_EQ(GYOKX(2.25), 1.5);
    EXPECT_EQ(GYOKX(100), 10);
}

}  // namespace
