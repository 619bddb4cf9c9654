// The real programs in their window under a virtual X server: at each of the twelve waits the
// window shows the screen the headless twin draws there, and the program ends with status 0
// after twelve key presses, also when all twelve were typed ahead at once.
#include <signal.h>
#include <sys/wait.h>

#include <string>

#include "tests/graph/real_window.h"
#include "tests/plotting/screens.h"
#include "tests/support/named_program.h"

namespace {

using namespace graph_test;

using testing_support::Program;

const Program programs[] = {{"quadplot", QUADPLOT_PATH}, {"quadsketch", QUADSKETCH_PATH}};

class ProgramWindow : public RealWindow, public testing::WithParamInterface<Program> {
protected:
    // The program's visible window once it shows the picture, whichever window that is (each
    // stage has one of its own); 0 when none does within 5 s, why saying how the last one differed.
    XWindow showing(const char* title, const Picture& picture, std::string* why) {
        const auto deadline = Clock::now() + milliseconds(5000);
        do {
            const XWindow window = find_window(title);
            *why = window ? difference(window, picture) : "no window";
            if (why->empty()) return window;
        } while (Clock::now() < deadline);
        return 0;
    }
};

// A key ends each wait once its screen is there; every stage opens the window anew.
TEST_P(ProgramWindow, ShowsTheHeadlessScreenAtEachWaitAndEndsAfterTwelveKeys) {
    const Program& program = GetParam();
    const auto screens = plotting_tests::screens_at_waits(plotting_tests::settings_of(program.name));
    ASSERT_EQ(screens.size(), 12u);
    Child run({program.path});
    for (int wait = 1; wait <= 12; ++wait) {
        std::string why;
        const XWindow window = showing(program.name, screens[wait - 1], &why);
        ASSERT_NE(window, 0u) << "wait " << wait << ": " << why;
        if (wait % 3 == 1) xdotool({"windowfocus", "--sync", std::to_string(window)});
        if (wait == 12) {
            EXPECT_EQ(run.status(milliseconds(300)), -1) << "ended after eleven keys";
        }
        xdotool({"key", "space"});
    }
    const int status = run.status(milliseconds(10000));
    ASSERT_TRUE(WIFEXITED(status)) << "status " << status;
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

// Twelve keys typed into the first window while the program is busy (stopped, here, as soon as
// its window is there, before any picture need be): they are queued, survive the closing and
// reopening of the window, and end the twelve waits.
TEST_P(ProgramWindow, EndsAfterTwelveKeysTypedAhead) {
    const Program& program = GetParam();
    Child run({program.path});
    const XWindow window = find_window(program.name);
    ASSERT_NE(window, 0u);
    xdotool({"windowfocus", "--sync", std::to_string(window)});
    kill(run.pid(), SIGSTOP);
    xdotool({"key", "--delay", "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "0", "a", "b"});
    kill(run.pid(), SIGCONT);
    const int status = run.status(milliseconds(10000));
    ASSERT_TRUE(WIFEXITED(status)) << "status " << status;
    EXPECT_EQ(WEXITSTATUS(status), 0);
}

INSTANTIATE_TEST_SUITE_P(Plotting, ProgramWindow, testing::ValuesIn(programs),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
