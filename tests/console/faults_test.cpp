// What a keyboard, a terminal or a shell can do to a console program: floods of keys, held
// keys, signals while it waits and while it writes, a terminal that goes away, streams that are
// closed. Each ends promptly, with the status that says what happened, and gives the terminal back.

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <string>

#include "tests/support/process.h"
#include "tests/support/pty_session.h"

using testing_support::PtySession;
using testing_support::same_settings;

namespace {

const std::string elimtrace = ELIMTRACE_PATH;
const std::string fittrace = FITTRACE_PATH;

bool ended_by(int status, int signal_number) { return WIFSIGNALED(status) && WTERMSIG(status) == signal_number; }
bool exited_with(int status, int code) { return WIFEXITED(status) && WEXITSTATUS(status) == code; }

TEST(ConsoleFaults, TenThousandKeysTypedAheadEndTheRunNormally) {
    PtySession session(elimtrace);
    const auto before = session.initial_settings();
    ASSERT_TRUE(session.wait_until_reading());
    session.type(std::string(10000, 'k'));
    EXPECT_EQ(session.wait_for_exit(), 0);
    EXPECT_NE(session.output().find("OK."), std::string::npos);
    EXPECT_TRUE(same_settings(session.settings(), before));
}

TEST(ConsoleFaults, AKeyHeldDownEndsTheRunNormally) {
    PtySession session(fittrace);
    const auto before = session.initial_settings();
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (session.running() && std::chrono::steady_clock::now() < deadline) {
        session.type("x");  // faster than any keyboard repeats
        session.output();
        usleep(2000);
    }
    EXPECT_EQ(session.wait_for_exit(), 0);
    EXPECT_NE(session.output().find("átmennek\" állítás teljesül 0.000000001-pontossággal? OK."), std::string::npos);
    EXPECT_TRUE(same_settings(session.settings(), before));
}

// Ctrl-S stops the terminal's output, so the program is caught in the middle of a write.
TEST(ConsoleFaults, SignalsWhileTheProgramWritesGiveTheTerminalBack) {
    for (const int signal_number : {SIGINT, SIGQUIT, SIGTERM, SIGHUP}) {
        PtySession session(fittrace);
        const auto before = session.initial_settings();
        ASSERT_TRUE(session.wait_until_reading());
        session.type("\x13" + std::string(20, 'x'));
        ASSERT_TRUE(session.wait_until_writing_blocked()) << signal_number;
        kill(session.pid(), signal_number);
        EXPECT_TRUE(ended_by(session.wait_for_exit(), signal_number)) << signal_number;
        EXPECT_TRUE(same_settings(session.settings(), before)) << signal_number;
    }
}

TEST(ConsoleFaults, ATerminalClosedDuringAWaitHangsTheProgramUp) {
    PtySession session(elimtrace);
    ASSERT_TRUE(session.wait_until_reading());
    session.close_master();
    EXPECT_TRUE(ended_by(session.wait_for_exit(), SIGHUP));
}

// Started with hang-ups ignored (nohup): the wait ends at the end of input, and the next write
// to the terminal that is no longer there is run-time error 101.
TEST(ConsoleFaults, ATerminalThatWentAwayUnderNohupIsAFailedWrite) {
    PtySession session("/bin/sh", {"-c", "trap '' HUP; exec '" + elimtrace + "'"});
    ASSERT_TRUE(session.wait_until_reading());
    session.close_master();
    EXPECT_TRUE(exited_with(session.wait_for_exit(), 101));
}

TEST(ConsoleFaults, AClosedStandardInputEndsEveryWait) {
    const auto run = testing_support::run_program(elimtrace, testing_support::kClosedInput);
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("OK.\n"), std::string::npos);
    EXPECT_EQ(run.err, "");
}

TEST(ConsoleFaults, AClosedStandardOutputIsAFailedWrite) {
    const auto run = testing_support::run_program("/bin/sh", "/dev/null", "", {"-c", "exec '" + elimtrace + "' >&-"});
    EXPECT_TRUE(exited_with(run.status, 101)) << run.status;
    EXPECT_EQ(run.err.rfind("Runtime error 101 at $", 0), 0u) << run.err;
}

}  // namespace
