// valgrind's memcheck on each of the five programs run to its end: the console programs with
// their input from /dev/null, the plotting programs in their window under a virtual X server with
// their twelve keys typed ahead. No error, and no block definitely lost, outside what the
// suppressions file puts down to SDL, X11 and D-Bus themselves.
//
// valgrind computes long double in double precision, so the figures differ in their last bits:
// a residual printed as -0.00 comes out 0.00, and the constant function's table, whose abscissa
// accumulates in long double, gets another sample count. The runs are compared by their shape and
// their verdicts, not digit for digit or pixel for pixel.
#include <sys/wait.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "tests/graph/real_window.h"
#include "tests/support/named_program.h"
#include "tests/support/process.h"

namespace {

using namespace graph_test;

constexpr int memcheck_error = 99;  // valgrind's status when it found an error

// The arguments of valgrind for the program, with its report (only errors are in it) on the
// given descriptor.
std::vector<std::string> memcheck(const std::string& program, int report_fd) {
    return {"-q",
            "--log-fd=" + std::to_string(report_fd),
            "--error-exitcode=" + std::to_string(memcheck_error),
            "--leak-check=full",
            "--show-leak-kinds=definite",
            "--errors-for-leak-kinds=definite",
            "--child-silent-after-fork=yes",
            "--suppressions=" MEMCHECK_SUPPRESSIONS,
            program};
}

using testing_support::Program;
using testing_support::program_name;

class ConsoleMemcheck : public testing::TestWithParam<Program> {};

// The number of lines of a transcript, and its last line.
std::pair<long, std::string> lines(const std::string& transcript) {
    const auto last_start = transcript.rfind('\n', transcript.size() - 2);
    return {std::count(transcript.begin(), transcript.end(), '\n'),
            transcript.substr(last_start == std::string::npos ? 0 : last_start + 1)};
}

// The whole run under memcheck: as many lines as without it, and the same verdict at the end.
TEST_P(ConsoleMemcheck, RunsToItsEndWithNoErrorAndNoLeak) {
    const Program& program = GetParam();
    const auto plain = testing_support::run_program(program.path, "/dev/null", "", {}, 10);
    ASSERT_TRUE(WIFEXITED(plain.status) && WEXITSTATUS(plain.status) == 0) << "status " << plain.status;
    const auto checked = testing_support::run_program(VALGRIND_PATH, "/dev/null", "", memcheck(program.path, 2), 120);
    ASSERT_NE(checked.status, -1) << "still running after 120 s";
    EXPECT_TRUE(WIFEXITED(checked.status) && WEXITSTATUS(checked.status) == 0)
        << "status " << checked.status << "\n" << checked.err;
    EXPECT_EQ(checked.err, "");
    EXPECT_EQ(lines(checked.out), lines(plain.out));
}

const Program console_programs[] = {
    {"elimtrace", ELIMTRACE_PATH}, {"fittrace", FITTRACE_PATH}, {"fitsilent", FITSILENT_PATH}};

INSTANTIATE_TEST_SUITE_P(Console, ConsoleMemcheck, testing::ValuesIn(console_programs), program_name);

class PlottingMemcheck : public RealWindow, public testing::WithParamInterface<Program> {};

// Twelve keys typed into the window as soon as it is there; ReadKey shows each wait's picture
// before it takes the next. The report is the program's only output.
TEST_P(PlottingMemcheck, RunsToItsEndWithNoErrorAndNoLeak) {
    const Program& program = GetParam();
    auto arguments = memcheck(program.path, 1);
    arguments.insert(arguments.begin(), VALGRIND_PATH);
    Child run(arguments);
    XWindow window = 0;
    for (int tries = 0; tries < 6 && !window; ++tries) window = find_window(program.name);  // SDL starts slowly here
    ASSERT_NE(window, 0u) << "no window within a minute";
    xdotool({"windowfocus", "--sync", std::to_string(window)});
    type(std::vector<std::string>(12, "space"));
    const int status = run.status(milliseconds(60000));
    std::string report;
    for (std::string line; !(line = run.line(milliseconds(1000))).empty();) report += line + "\n";
    ASSERT_NE(status, -1) << "still running a minute after its last key";
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "status " << status << "\n" << report;
    EXPECT_EQ(report, "");
}

const Program plotting_programs[] = {{"quadplot", QUADPLOT_PATH}, {"quadsketch", QUADSKETCH_PATH}};

INSTANTIATE_TEST_SUITE_P(Plotting, PlottingMemcheck, testing::ValuesIn(plotting_programs), program_name);

}  // namespace
