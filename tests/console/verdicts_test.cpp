// The verdict lines of the checks, passing and failing.

#include "programs/common/verdicts.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/console/capture.h"

namespace {

const std::string residual_claim = "Az \"Ax=b\" vektoregyenlet teljesül 0.000000001-pontossággal? ";
const std::string pass_through_claim = "A \"parabolák a pontokon átmennek\" állítás teljesül 0.000000001-pontossággal? ";

TEST(Verdicts, ResidualLineNamesTheFirstFailingRow) {
    const struct {
        int result, size;
        std::string verdict;
    } cases[] = {{4, 3, "OK."}, {13, 12, "OK."}, {3, 3, "Nem OK:3."}, {1, 9, "Nem OK:1."}, {12, 12, "Nem OK:12."}};
    for (const auto& c : cases)
        EXPECT_EQ(console_output_of([&] { verdicts::residual(c.result, c.size); }), residual_claim + c.verdict + "\n");
}

TEST(Verdicts, PassThroughLineNamesTheParabolaAndThePointMissed) {
    const struct {
        int code, parabolas;
        std::string verdict;
    } cases[] = {{45, 3, "OK."},
                 {55, 4, "OK."},
                 {23, 3, "Nem OK:2. parabola, 3. ponton."},
                 {44, 4, "Nem OK:4. parabola, 4. ponton."},
                 {45, 4, "Nem OK:4. parabola, 5. ponton."},  // past fittrace's last parabola, not fitsilent's
                 {11, 3, "Nem OK:1. parabola, 1. ponton."}};
    for (const auto& c : cases)
        EXPECT_EQ(console_output_of([&] { verdicts::pass_through(c.code, c.parabolas); }),
                  pass_through_claim + c.verdict + "\n");
}

}  // namespace
