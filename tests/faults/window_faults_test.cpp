// What a student's keyboard and desktop can do to quadplot and quadsketch, each under a virtual X
// server of the test's own: a thousand keys typed ahead, special keys and lone modifiers, the
// window closed at each wait and between stages, the X server killed under the program, no
// display and a display with no server. Each ends promptly with its status and no crash; every
// process has a time limit.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "tests/graph/real_window.h"
#include "tests/plotting/screens.h"
#include "tests/support/named_program.h"
#include "tests/support/process.h"

// After everything else: Xlib's macros (None, Bool, Status) would break the headers above.
#include <X11/Xlib.h>

namespace {

using namespace graph_test;

using testing_support::Program;
using testing_support::program_name;

const Program programs[] = {{"quadplot", QUADPLOT_PATH}, {"quadsketch", QUADSKETCH_PATH}};

// The screens at the twelve waits, drawn headless once for each program.
const std::vector<Picture>& screens_of(const Program& program) {
    static std::map<std::string, std::vector<Picture>> screens;
    auto& of = screens[program.name];
    if (of.empty()) of = plotting_tests::screens_at_waits(plotting_tests::settings_of(program.name));
    return of;
}

// Whether a wait status is a normal end with this code.
testing::AssertionResult exited_with(int status, int code) {
    if (status == -1) return testing::AssertionFailure() << "still running";
    if (WIFSIGNALED(status)) return testing::AssertionFailure() << "killed by signal " << WTERMSIG(status);
    if (WEXITSTATUS(status) != code) return testing::AssertionFailure() << "status " << WEXITSTATUS(status);
    return testing::AssertionSuccess();
}

// A program in its window, its standard error (where alone it writes) read as its output.
class ProgramFaults : public RealWindow, public testing::WithParamInterface<Program> {
protected:
    // Starts the program and waits for its first screen, the window having the keyboard.
    void start() {
        run_ = std::make_unique<Child>(std::vector<std::string>{"/bin/sh", "-c", "exec \"$0\" 2>&1", GetParam().path});
        window_ = find_window(GetParam().name);
        ASSERT_NE(window_, 0u) << "no window";
        xdotool({"windowfocus", "--sync", std::to_string(window_)});
        at_wait(1);
    }

    // The window shows the screen of this wait (numbered from 1).
    void at_wait(int wait) {
        std::string why;
        ASSERT_GE(wait_for(window_, screens_of(GetParam())[wait - 1], Clock::now(), &why), 0)
            << "wait " << wait << ": " << why;
    }

    // Ends waits with ordinary keys, one at a time, until the window shows this wait.
    void go_to_wait(int wait) {
        for (int at = 1; at < wait; ++at) {
            type({"space"});
            ASSERT_NO_FATAL_FAILURE(at_wait(at + 1));
        }
    }

    // The program ends within the limit with this status, having written nothing.
    void ends_with(int code, milliseconds limit) {
        EXPECT_TRUE(exited_with(run_->status(limit), code));
        EXPECT_EQ(run_->line(milliseconds(100)), "");
    }

    std::unique_ptr<Child> run_;
    XWindow window_ = 0;
};

// Typed ahead, while the program is stopped before its first wait's key, or while it runs: the
// first twelve end the twelve waits, the rest are dropped or left in the queue at the end.
TEST_P(ProgramFaults, EndsAfterItsTwelveWaitsWhenAThousandKeysAreTypedAhead) {
    for (const bool stopped : {true, false}) {
        SCOPED_TRACE(stopped ? "typed while stopped" : "typed while it runs");
        ASSERT_NO_FATAL_FAILURE(start());
        std::vector<std::string> keys;
        for (int i = 0; i < 1000; ++i) keys.push_back(std::string(1, "abcdefghijklmnopqrstuvwxyz0123456789"[i % 36]));
        if (stopped) kill(run_->pid(), SIGSTOP);
        type(keys);
        if (stopped) kill(run_->pid(), SIGCONT);
        ends_with(0, milliseconds(10000));
    }
}

// A special key gives a zero and its scan code, so each ends two waits; a modifier alone ends
// none. Six special keys end the twelve waits.
struct SpecialKeys {
    const char* group;
    std::vector<std::string> keys;  // six
};

class SpecialKeyFaults : public ProgramFaults {};

TEST_P(SpecialKeyFaults, EachSpecialKeyEndsTwoWaitsAndAModifierAloneNone) {
    const SpecialKeys groups[] = {
        {"function keys", {"F1", "F2", "F5", "F10", "F11", "F12"}},
        {"arrows, Home, End", {"Up", "Down", "Left", "Right", "Home", "End"}},
        {"page keys, Insert, Delete", {"Prior", "Next", "Insert", "Delete", "F3", "F9"}},
    };
    for (const auto& group : groups) {
        SCOPED_TRACE(group.group);
        ASSERT_NO_FATAL_FAILURE(start());
        type({"Shift_L", "Control_L", "Alt_L", "Shift_R", "Control_R"});
        std::this_thread::sleep_for(milliseconds(300));
        EXPECT_EQ(difference(window_, screens_of(GetParam())[0]), "") << "a modifier ended a wait";
        for (int i = 0; i < 5; ++i) {
            SCOPED_TRACE(group.keys[i]);
            type({group.keys[i]});
            ASSERT_NO_FATAL_FAILURE(at_wait(2 * i + 3));
        }
        EXPECT_EQ(run_->status(milliseconds(300)), -1) << "ended before its last wait";
        type({group.keys[5]});
        ends_with(0, milliseconds(3000));
    }
}

// Closing the window at a wait ends the program at once with status 0, as at any other time.
class ClosedAtWait : public ProgramFaults {};

TEST_P(ClosedAtWait, EndsWithZeroAtOnceWhenTheWindowIsClosedAtEachWaitOfAStage) {
    for (const int wait : {1, 2, 3, 4, 5, 6, 12}) {
        SCOPED_TRACE("wait " + std::to_string(wait));
        ASSERT_NO_FATAL_FAILURE(start());
        ASSERT_NO_FATAL_FAILURE(go_to_wait(wait));
        send_close(window_);
        ends_with(0, milliseconds(2000));
    }
}

// The key that ends a stage's last wait, and the close a moment later: the window is hidden and
// shown again between stages, and a close that comes meanwhile ends the program just the same.
TEST_P(ClosedAtWait, EndsWithZeroAtOnceWhenTheWindowIsClosedBetweenStages) {
    for (const int delay_us : {0, 500, 1000, 2000, 3000, 5000}) {
        SCOPED_TRACE("closed " + std::to_string(delay_us) + " µs after the key");
        ASSERT_NO_FATAL_FAILURE(start());
        ASSERT_NO_FATAL_FAILURE(go_to_wait(3));
        type({"space"});
        std::this_thread::sleep_for(std::chrono::microseconds(delay_us));
        send_close(window_);
        ends_with(0, milliseconds(2000));
    }
}

// The X server killed under the program (at a wait, or while a stage is drawn and the window
// shown again): there is no window any more to show the picture in or take keys from, so the
// program ends at once as one whose window cannot open does, with one line and status 1; not
// 0, since the run did not finish and no one closed the window.
class ServerKilled : public ProgramFaults {
protected:
    // Each kill needs a server of its own: a new one, and a connection to it, once the last is gone.
    void SetUp() override { server_up(); }
    void server_up() {
        if (xvfb_ < 0) SetUpTestSuite();
        if (!x_) ProgramFaults::SetUp();
    }
};

TEST_P(ServerKilled, EndsWithOneHungarianLineAndStatusOne) {
    for (const bool at_a_wait : {true, false}) {
        SCOPED_TRACE(at_a_wait ? "killed at a wait" : "killed as a stage is drawn");
        ASSERT_NO_FATAL_FAILURE(server_up());
        ASSERT_NO_FATAL_FAILURE(start());
        ASSERT_NO_FATAL_FAILURE(go_to_wait(3));
        if (!at_a_wait) type({"space"});
        XCloseDisplay(x_);  // this test's own connection would end the test with the server
        x_ = nullptr;
        kill(xvfb_, SIGKILL);
        waitpid(xvfb_, nullptr, 0);
        xvfb_ = -1;
        EXPECT_TRUE(exited_with(run_->status(milliseconds(2000)), 1));
        EXPECT_EQ(run_->line(), std::string(GetParam().name) +
                                    ": a grafikus ablak megszűnt: megszakadt a kapcsolat a kijelzővel (" + display_ +
                                    ")");
        EXPECT_EQ(run_->line(milliseconds(100)), "");
    }
}

// No display, or one that names no server: one Hungarian line with the reason, status 1, before
// any window.
class NoDisplay : public testing::TestWithParam<Program> {};

TEST_P(NoDisplay, SaysWhyInOneHungarianLineAndExitsWithOne) {
    const std::string nowhere = ":4093";  // a display number that no server here takes
    ASSERT_EQ(XOpenDisplay(nowhere.c_str()), nullptr) << "a server answers on " << nowhere;
    const struct {
        const char* display;  // nullptr: not set
        std::string reason;
    } cases[] = {
        {nullptr, "nincs kijelző (sem a DISPLAY, sem a WAYLAND_DISPLAY nincs beállítva)"},
        {"", "nincs kijelző (sem a DISPLAY, sem a WAYLAND_DISPLAY nincs beállítva)"},
        {nowhere.c_str(), "a kijelző nem érhető el (DISPLAY=" + nowhere + ")"},
        {"nonsense", "a kijelző nem érhető el (DISPLAY=nonsense)"},
    };
    unsetenv("WAYLAND_DISPLAY");
    unsetenv("SDL_VIDEODRIVER");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.display ? std::string("DISPLAY=") + c.display : "no DISPLAY");
        if (c.display) setenv("DISPLAY", c.display, 1);
        else unsetenv("DISPLAY");
        const auto finished = testing_support::run_program(GetParam().path, "/dev/null", "", {}, 10);
        EXPECT_TRUE(exited_with(finished.status, 1));
        EXPECT_EQ(finished.out, "");
        EXPECT_EQ(finished.err, std::string(GetParam().name) + ": a grafikus ablak nem nyitható meg: " + c.reason + "\n");
    }
}

INSTANTIATE_TEST_SUITE_P(Plotting, ProgramFaults, testing::ValuesIn(programs), program_name);
INSTANTIATE_TEST_SUITE_P(Plotting, SpecialKeyFaults, testing::ValuesIn(programs), program_name);
INSTANTIATE_TEST_SUITE_P(Plotting, ClosedAtWait, testing::ValuesIn(programs), program_name);
INSTANTIATE_TEST_SUITE_P(Plotting, ServerKilled, testing::ValuesIn(programs), program_name);
INSTANTIATE_TEST_SUITE_P(Plotting, NoDisplay, testing::ValuesIn(programs), program_name);

}  // namespace
