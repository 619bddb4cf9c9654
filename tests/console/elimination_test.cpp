// Printing a system, Gauss-Jordan elimination with partial pivoting, and the residual check,
// on systems of up to three unknowns.

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "linsys/gauss.h"
#include "tests/console/capture.h"

using namespace linsys;

namespace {

const TMATRIX elimtrace_matrix = {{{{2, 1, 1}}, {{1, 3, 2}}, {{1, 2, 2}}}};
const TVEKTOR elimtrace_vector = {{4, 6, 5}};

int count_of(const std::string& text, const std::string& part) {
    int count = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++count;
    return count;
}

TEST(SZOVEGGE, GivesTheShortestDecimalText) {
    const struct {
        int value;
        std::string text;
    } cases[] = {{1, "1"}, {3, "3"}, {10, "10"}, {12, "12"}, {0, "0"}, {-7, "-7"}, {32767, "32767"}};
    for (const auto& c : cases) EXPECT_EQ(SZOVEGGE(c.value).view(), c.text);
}

TEST(KIIR, PrintsTheTitledAugmentedSystem) {
    const std::string shown = console_output_of([] { KIIR(elimtrace_matrix, elimtrace_vector, 3, "Kezdetben."); });
    EXPECT_EQ(shown,
              "**** Kezdetben. ****\n"
              "        A-mátrix       =b-vektor\n"
              "  1:  2.00  1.00  1.00 =  4.00\n"
              "  2:  1.00  3.00  2.00 =  6.00\n"
              "  3:  1.00  2.00  2.00 =  5.00\n");
}

TEST(KIIR, WidensAFieldForALongValueAndShiftsTheRestOfItsLine) {
    const TMATRIX A = {{{{-10.5, 0.5}}, {{100, -0.000001}}}};
    const TVEKTOR b = {{1, 2}};
    EXPECT_EQ(console_output_of([&] { KIIR(A, b, 2, "T"); }),
              "**** T ****\n"
              "     A-mátrix    =b-vektor\n"
              "  1: -10.50  0.50 =  1.00\n"
              "  2: 100.00 -0.00 =  2.00\n");
}

TEST(KIIR, WithNoRowsKeepsOneBlankBeforeEachHeading) {
    EXPECT_EQ(console_output_of([] { KIIR(elimtrace_matrix, elimtrace_vector, 0, "T"); }),
              "**** T ****\n A-mátrix =b-vektor\n");
}

// One elimination, traced, with what it printed.
struct Traced {
    TMATRIX A;
    TVEKTOR b;
    bool solved;
    std::string shown;
};

Traced traced(TMATRIX A, TVEKTOR b, int n) {
    Traced run{A, b, false, ""};
    run.shown = console_output_of([&] { run.solved = GAUSS(run.A, run.b, n, Trace::shown); });
    return run;
}

TEST(GAUSS, ShowsEveryStepOfTheFixedSystemAndSolvesIt) {
    const Traced run = traced(elimtrace_matrix, elimtrace_vector, 3);
    ASSERT_TRUE(run.solved);
    EXPECT_EQ(count_of(run.shown, "\n**** "), 3);  // three systems after the first: no exchange
    EXPECT_EQ(count_of(run.shown, "A sorcsere"), 0);
    EXPECT_NE(run.shown.find("****\n\rA(z) 1. oszlop legnagyobbja: 2.00 (1)\n\r****\n"), std::string::npos);
    EXPECT_NE(run.shown.find("A(z) 2. oszlop legnagyobbja: 2.50 (2)"), std::string::npos);
    EXPECT_NE(run.shown.find("A(z) 3. oszlop legnagyobbja: 0.60 (3)"), std::string::npos);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_DOUBLE_EQ(run.b[i], 1.0);
        for (int j = 1; j <= 3; ++j) EXPECT_NEAR(run.A[i][j], i == j ? 1.0 : 0.0, 1e-15);
    }
}

TEST(GAUSS, ExchangesRowsWhenTheLargestPivotLiesBelow) {
    const Traced run = traced({{{{0, 1}}, {{1, 0}}}}, {{2, 3}}, 2);
    ASSERT_TRUE(run.solved);
    EXPECT_NE(run.shown.find("A(z) 1. oszlop legnagyobbja: 1.00 (2)"), std::string::npos);
    EXPECT_NE(run.shown.find("**** A sorcsere után. ****\n"
                             "     A-mátrix    =b-vektor\n"
                             "  1:  1.00  0.00 =  3.00\n"
                             "  2:  0.00  1.00 =  2.00\n"),
              std::string::npos);
    EXPECT_EQ(run.b[1], 3);
    EXPECT_EQ(run.b[2], 2);
}

TEST(GAUSS, ChoosesByMagnitudeAndLeavesTiesToTheUpperRow) {
    const struct {
        double lower;  // entry below the diagonal in column 1; the diagonal holds 1
        std::string message;
        int exchanges;
    } cases[] = {{-3, "A(z) 1. oszlop legnagyobbja:-3.00 (2)", 1}, {-1, "A(z) 1. oszlop legnagyobbja: 1.00 (1)", 0}};
    for (const auto& c : cases) {
        const Traced run = traced({{{{1, 1}}, {{c.lower, 2}}}}, {{1, 1}}, 2);
        EXPECT_TRUE(run.solved);
        EXPECT_NE(run.shown.find(c.message), std::string::npos) << c.lower;
        EXPECT_EQ(count_of(run.shown, "A sorcsere"), c.exchanges) << c.lower;
    }
}

TEST(GAUSS, StopsSilentlyAtTheColumnWithoutPivot) {
    const Traced run = traced({{{{1, 2}}, {{2, 4}}}}, {{3, 6}}, 2);
    EXPECT_FALSE(run.solved);
    EXPECT_EQ(run.shown,
              "**** Kezdetben. ****\n"
              "     A-mátrix    =b-vektor\n"
              "  1:  1.00  2.00 =  3.00\n"
              "  2:  2.00  4.00 =  6.00\n"
              "****\n\rA(z) 1. oszlop legnagyobbja: 2.00 (2)\n\r****\n"
              "**** A sorcsere után. ****\n"
              "     A-mátrix    =b-vektor\n"
              "  1:  2.00  4.00 =  6.00\n"
              "  2:  1.00  2.00 =  3.00\n"
              "**** A(z) 1 transzformáció után. ****\n"
              "     A-mátrix    =b-vektor\n"
              "  1:  1.00  2.00 =  3.00\n"
              "  2:  0.00  0.00 =  0.00\n");
}

TEST(GAUSS, FindsASingleZeroSingularRightAfterTheFirstPrintout) {
    const Traced run = traced({{{{0}}}}, {{5}}, 1);
    EXPECT_FALSE(run.solved);
    EXPECT_EQ(run.shown, "**** Kezdetben. ****\n  A-mátrix =b-vektor\n  1:  0.00 =  5.00\n");
}

TEST(GAUSS, SilentVariantPrintsNothingAndComputesTheSame) {
    const struct {
        TMATRIX A;
        TVEKTOR b;
        int n;
    } systems[] = {{elimtrace_matrix, elimtrace_vector, 3}, {{{{{0, 1}}, {{1, 0}}}}, {{2, 3}}, 2},
                   {{{{{1, 2}}, {{2, 4}}}}, {{3, 6}}, 2}, {{{{{1e-300, 1}}, {{1, 1}}}}, {{1, 2}}, 2}};
    for (const auto& s : systems) {
        const Traced shown = traced(s.A, s.b, s.n);
        TMATRIX A = s.A;
        TVEKTOR b = s.b;
        bool solved = false;
        EXPECT_EQ(console_output_of([&] { solved = GAUSS(A, b, s.n, Trace::silent); }), "");
        EXPECT_EQ(solved, shown.solved);
        for (int i = 1; i <= s.n; ++i) {
            EXPECT_EQ(b[i], shown.b[i]);
            for (int j = 1; j <= s.n; ++j) EXPECT_EQ(A[i][j], shown.A[i][j]);
        }
    }
}

TEST(ELLENORZES, ReturnsTheFirstFailingRowOrOneMoreThanTheRows) {
    MERET = 3;
    const TVEKTOR exact = {{1, 1, 1}};
    const struct {
        TVEKTOR w;
        int expected;
    } cases[] = {
        {elimtrace_vector, 4},                   // every row holds
        {{{4, 6, 5 + 1e-6}}, 3},                 // only the last row misses
        {{{4 + 1e-6, 6 + 1, 5 + 1}}, 1},         // the first failing row, whatever the later ones give
        {{{4, 6 + 1.1e-9, 5}}, 2},               // a miss just beyond the tolerance fails
        {{{4, std::nan(""), 5}}, 2},             // so does a residual that is not a number
        {{{4, 6 + 0.9e-9, 5}}, 4},               // just inside the tolerance
    };
    for (const auto& c : cases) EXPECT_EQ(ELLENORZES(elimtrace_matrix, exact, c.w, 3), c.expected) << c.w[1];
}

// The check is handed the system as it was given. Handed the reduced system instead, it would
// pass any solution at all, since the reduced matrix times the solution is the solution.
TEST(ELLENORZES, CatchesAWrongSolutionOnlyAgainstTheOriginalSystem) {
    MERET = 3;
    TMATRIX A = elimtrace_matrix;
    TVEKTOR b = elimtrace_vector;
    ASSERT_TRUE(GAUSS(A, b, 3, Trace::silent));
    b[2] += 1e-6;  // a corrupted solution
    const TVEKTOR x = b;
    EXPECT_EQ(ELLENORZES(A, b, x, 3), 4);
    EXPECT_EQ(ELLENORZES(elimtrace_matrix, x, elimtrace_vector, 3), 1);
}

}  // namespace
