// Console number formats: fixed-point Reals and integers in fields that widen but never cut.

#include "platform/numfmt.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

struct RealCase {
    double value;
    int width;
    int decimals;
    std::string text;
};

class FixedFormat : public testing::TestWithParam<RealCase> {};

TEST_P(FixedFormat, RightAlignsAndWidensButNeverCuts) {
    const auto& c = GetParam();
    EXPECT_EQ(std::string_view(numfmt::fixed(c.value, c.width, c.decimals)), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FixedFormat,
    testing::Values(RealCase{2, 5, 2, " 2.00"}, RealCase{0.5, 5, 2, " 0.50"}, RealCase{-10.5, 5, 2, "-10.50"},
                    RealCase{100, 5, 2, "100.00"}, RealCase{-167, 5, 2, "-167.00"},
                    RealCase{-0.000001, 5, 2, "-0.00"},  // a negative value keeps its sign when it rounds to zero
                    RealCase{-0.0, 5, 2, "-0.00"}, RealCase{0.000001, 5, 2, " 0.00"}, RealCase{0.6, 5, 2, " 0.60"},
                    RealCase{1e-9, 0, 9, "0.000000001"}, RealCase{1.005, 0, 1, "1.0"}, RealCase{2.5, 8, 0, "       2"},
                    RealCase{1e20, 5, 2, "100000000000000000000.00"}, RealCase{-1.5, 1, 2, "-1.50"}));

TEST(FixedFormat, WritesTheLargestValueInFull) {
    const numfmt::Field field = numfmt::fixed(-std::numeric_limits<double>::max(), 5, 2);
    const std::string_view text = field;
    EXPECT_EQ(text.size(), 1 + 309 + 3u);
    EXPECT_EQ(text.substr(0, 4), "-179");
}

TEST(FixedFormat, NamesValuesThatAreNotNumbers) {
    EXPECT_EQ(std::string_view(numfmt::fixed(std::nan(""), 5, 2)), "  Nan");
    EXPECT_EQ(std::string_view(numfmt::fixed(-INFINITY, 5, 2)), " -Inf");
}

TEST(IntegerFormat, RightAlignsInItsFieldOrTakesWhatItNeeds) {
    const struct {
        long long value;
        int width;
        std::string text;
    } cases[] = {{1, 3, "  1"}, {12, 3, " 12"}, {1234, 3, "1234"}, {-5, 0, "-5"}, {45, 0, "45"}, {0, 0, "0"}};
    for (const auto& c : cases) EXPECT_EQ(std::string_view(numfmt::integer(c.value, c.width)), c.text) << c.value;
}

}  // namespace
