// The three console programs as a student meets them: whole transcripts, key presses on a
// terminal, interruptions, and output that cannot be written.

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>

#include <cstdio>
#include <string>
#include <vector>

#include "tests/support/process.h"
#include "tests/support/pty_session.h"

using testing_support::Finished;
using testing_support::PtySession;
using testing_support::run_program;

namespace {

const std::string elimtrace = ELIMTRACE_PATH;
const std::string fittrace = FITTRACE_PATH;
const std::string fitsilent = FITSILENT_PATH;
const std::string probe = CONSOLE_PROBE_PATH;

const std::string residual_ok = "Az \"Ax=b\" vektoregyenlet teljesül 0.000000001-pontossággal? OK.\n";
const std::string pass_through_ok =
    "A \"parabolák a pontokon átmennek\" állítás teljesül 0.000000001-pontossággal? OK.\n";

std::string pivot(const std::string& middle) { return "****\n\r" + middle + "\n\r****\n"; }

TEST(Elimtrace, PrintsTheWholeEliminationOfItsSystem) {
    const std::string expected =
        "**** Kezdetben. ****\n"
        "        A-mátrix       =b-vektor\n"
        "  1:  2.00  1.00  1.00 =  4.00\n"
        "  2:  1.00  3.00  2.00 =  6.00\n"
        "  3:  1.00  2.00  2.00 =  5.00\n" +
        pivot("A(z) 1. oszlop legnagyobbja: 2.00 (1)") +
        "**** A(z) 1 transzformáció után. ****\n"
        "        A-mátrix       =b-vektor\n"
        "  1:  1.00  0.50  0.50 =  2.00\n"
        "  2:  0.00  2.50  1.50 =  4.00\n"
        "  3:  0.00  1.50  1.50 =  3.00\n" +
        pivot("A(z) 2. oszlop legnagyobbja: 2.50 (2)") +
        "**** A(z) 2 transzformáció után. ****\n"
        "        A-mátrix       =b-vektor\n"
        "  1:  1.00  0.00  0.20 =  1.20\n"
        "  2:  0.00  1.00  0.60 =  1.60\n"
        "  3:  0.00  0.00  0.60 =  0.60\n" +
        pivot("A(z) 3. oszlop legnagyobbja: 0.60 (3)") +
        "**** A(z) 3 transzformáció után. ****\n"
        "        A-mátrix       =b-vektor\n"
        "  1:  1.00  0.00  0.00 =  1.00\n"
        "  2:  0.00  1.00  0.00 =  1.00\n"
        "  3:  0.00  0.00  1.00 =  1.00\n"
        "x-vektor:\n"
        "  1.: 1.00\n"
        "  2.: 1.00\n"
        "  3.: 1.00\n" +
        residual_ok;
    const Finished run = run_program(elimtrace);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, expected);
    EXPECT_EQ(run.err, "");
}

TEST(Fitsilent, ListsTheMirrorSymmetricChainAndBothVerdicts) {
    const Finished run = run_program(fitsilent);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out,
              "x-vektor:\n"
              "  1.=-15.00\n  2.=18.00\n  3.= 1.00\n  4.= 6.00\n  5.=-24.00\n  6.=22.00\n"
              "  7.= 6.00\n  8.=-24.00\n  9.=22.00\n 10.=-15.00\n 11.=102.00\n 12.=-167.00\n" +
                  residual_ok + pass_through_ok);
}

// The trace that Gauss-Jordan elimination with partial pivoting gives for a system, each
// printed system as a titled table of 2-decimal fields, each pivot as a three-line message.
std::string expected_trace(std::vector<std::vector<double>> A, std::vector<double> b) {
    const int n = int(b.size());
    std::string text;
    const auto field = [](double v) {
        char s[64];
        std::snprintf(s, sizeof s, "%5.2f", v);
        return std::string(s);
    };
    const auto system = [&](const std::string& title) {
        text += "**** " + title + " ****\n" + std::string(3 * n - 1, ' ') + "A-mátrix" + std::string(3 * n - 2, ' ') +
                "=b-vektor\n";
        for (int i = 0; i < n; ++i) {
            char number[16];
            std::snprintf(number, sizeof number, "%3d: ", i + 1);
            text += number;
            for (int j = 0; j < n; ++j) text += field(A[i][j]) + " ";
            text += "= " + field(b[i]) + "\n";
        }
    };
    system("Kezdetben.");
    for (int k = 0; k < n; ++k) {
        int p = k;
        for (int i = k + 1; i < n; ++i)
            if (std::abs(A[i][k]) > std::abs(A[p][k])) p = i;
        text += pivot("A(z) " + std::to_string(k + 1) + ". oszlop legnagyobbja:" + field(A[p][k]) + " (" +
                      std::to_string(p + 1) + ")");
        if (p != k) {
            std::swap(A[p], A[k]);
            std::swap(b[p], b[k]);
            system("A sorcsere után.");
        }
        const double r = 1 / A[k][k];
        for (auto& a : A[k]) a = r * a;
        b[k] = r * b[k];
        for (int i = 0; i < n; ++i) {
            if (i == k) continue;
            const double m = A[i][k];
            for (int j = 0; j < n; ++j) A[i][j] = double(A[i][j] - (long double)m * A[k][j]);
            b[i] = double(b[i] - (long double)m * b[k]);
        }
        system("A(z) " + std::to_string(k + 1) + " transzformáció után.");
    }
    return text;
}

TEST(Fittrace, TracesTheChainSystemListsItsParabolasAndBothVerdicts) {
    const std::vector<std::vector<double>> A = {
        {0, 0, 1, 0, 0, 0, 0, 0, 0}, {1, 1, 1, 0, 0, 0, 0, 0, 0},   {4, 2, 1, 0, 0, 0, 0, 0, 0},
        {0, 0, 0, 4, 2, 1, 0, 0, 0}, {0, 0, 0, 9, 3, 1, 0, 0, 0},   {4, 1, 0, -4, -1, 0, 0, 0, 0},
        {0, 0, 0, 0, 0, 0, 9, 3, 1}, {0, 0, 0, 0, 0, 0, 16, 4, 1},  {0, 0, 0, 6, 1, 0, -6, -1, 0},
    };
    const std::vector<double> b = {1, 4, 1, 1, 4, 0, 4, 1, 0};
    const Finished run = run_program(fittrace);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, expected_trace(A, b) +
                           "x-vektor:\n"
                           "  1.=-3.00\n  2.= 6.00\n  3.= 1.00\n  4.= 9.00\n  5.=-42.00\n  6.=49.00\n"
                           "  7.=-15.00\n  8.=102.00\n  9.=-167.00\n" +
                           residual_ok + pass_through_ok);
}

// Presses one key at every wait until the program ends; returns the number of presses.
int presses_until_end(PtySession& session, const std::vector<std::string>& keys = {"x"}) {
    int presses = 0;
    while (session.wait_until_reading()) {
        session.type(keys[std::size_t(presses) % keys.size()]);
        ++presses;
    }
    return presses;
}

int exchanges_in(const std::string& trace) {
    int count = 0;
    for (auto at = trace.find("A sorcsere"); at != std::string::npos; at = trace.find("A sorcsere", at + 1)) ++count;
    return count;
}

TEST(ConsoleKeys, EachProgramEndsAfterItsPausesAndGivesTheTerminalBack) {
    const int fittrace_exchanges = exchanges_in(run_program(fittrace).out);
    EXPECT_EQ(fittrace_exchanges, 5);
    const struct {
        std::string program;
        int presses;
    } cases[] = {{elimtrace, 6}, {fitsilent, 2}, {fittrace, 1 + 9 + fittrace_exchanges + 2}};
    for (const auto& c : cases) {
        PtySession session(c.program);
        const auto before = session.initial_settings();
        EXPECT_EQ(presses_until_end(session), c.presses) << c.program;
        EXPECT_EQ(session.wait_for_exit(), 0) << c.program;
        EXPECT_TRUE(testing_support::same_settings(session.settings(), before)) << c.program;
        EXPECT_EQ(session.output().substr(0, 7), "\x1b[H\x1b[2J") << "the screen is cleared first";
    }
}

TEST(ConsoleKeys, AKeyThatSendsSeveralBytesEndsOneWait) {
    // Up arrow, F5, é in UTF-8, Esc alone, Alt-x, F1 as an SS3 key, F1 on the Linux console.
    const std::vector<std::string> keys = {"\x1b[A", "\x1b[15~", "\xc3\xa9", "\x1b", "\x1bx", "\x1bOP", "\x1b[[A"};
    PtySession session(probe, {"keys", "7"});
    EXPECT_EQ(presses_until_end(session, keys), 7);
    EXPECT_EQ(session.wait_for_exit(), 0);
    // Each wait reports the character of its key: Esc for the sequences, é as CP437 130.
    EXPECT_NE(session.output().find("ready\r\n27\r\n27\r\n130\r\n27\r\n27\r\n27\r\n27\r\n"), std::string::npos);
}

TEST(ConsoleKeys, KeysTypedAheadEndTheFollowingWaitsUnechoed) {
    PtySession session(elimtrace);
    ASSERT_TRUE(session.wait_until_reading());
    session.type("#%#%#%");  // the first wait has begun: six keys for the six waits
    EXPECT_EQ(session.wait_for_exit(), 0);
    EXPECT_NE(session.output().find("OK."), std::string::npos);
    EXPECT_EQ(session.output().find_first_of("#%"), std::string::npos) << "a typed key was echoed";
}

TEST(ConsoleKeys, EndOfInputEndsEveryWait) {
    const Finished run = run_program(probe, "/dev/null", "", {"keys", "3"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "ready\n0\n0\n0\n");
}

TEST(ConsoleInterruptions, EndingSignalsGiveTheTerminalBackAndEndTheProgramByThatSignal) {
    const struct {
        const char* how;
        std::string keys;  // typed at the second wait, or empty: the signal is sent
        int signal;
    } cases[] = {{"Ctrl-C", "\x03", SIGINT}, {"Ctrl-\\", "\x1c", SIGQUIT}, {"kill", "", SIGTERM}, {"hang-up", "", SIGHUP}};
    for (const auto& c : cases) {
        PtySession session(elimtrace);
        const auto before = session.initial_settings();
        ASSERT_TRUE(session.wait_until_reading());
        session.type("x");
        ASSERT_TRUE(session.wait_until_reading());
        if (c.keys.empty()) kill(session.pid(), c.signal);
        else session.type(c.keys);
        const int status = session.wait_for_exit();
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == c.signal) << c.how << ": status " << status;
        // Everything written before the wait was on the screen: the last row of the second system.
        EXPECT_NE(session.output().find("  3:  0.00  1.50  1.50 =  3.00\r\n"), std::string::npos) << c.how;
        EXPECT_TRUE(testing_support::same_settings(session.settings(), before)) << c.how;
    }
}

TEST(ConsoleInterruptions, CtrlZGivesTheTerminalBackUntilTheProgramContinues) {
    PtySession session(elimtrace, {}, testing_support::Start::job);
    const auto before = session.initial_settings();
    ASSERT_TRUE(session.wait_until_reading());
    EXPECT_FALSE(testing_support::same_settings(session.settings(), before));
    session.type("\x1a");
    for (int i = 0; i < 300 && session.state() != 'T'; ++i) usleep(10000);
    ASSERT_EQ(session.state(), 'T');
    EXPECT_TRUE(testing_support::same_settings(session.settings(), before)) << "stopped, the shell has its terminal";
    kill(session.pid(), SIGCONT);
    ASSERT_TRUE(session.wait_until_reading());
    EXPECT_FALSE(testing_support::same_settings(session.settings(), before)) << "continued, the program has it again";
    EXPECT_EQ(presses_until_end(session), 6);
    EXPECT_EQ(session.wait_for_exit(), 0);
    EXPECT_TRUE(testing_support::same_settings(session.settings(), before));
}

TEST(ConsoleInterruptions, ARunTimeErrorGivesTheTerminalBackAndReportsItself) {
    PtySession session(probe, {"range"});
    const auto before = session.initial_settings();
    ASSERT_TRUE(session.wait_until_reading());
    session.type("x");
    const int status = session.wait_for_exit();
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 201) << status;
    EXPECT_NE(session.output().find("Runtime error 201 at $"), std::string::npos);
    EXPECT_NE(session.output().find("40002"), std::string::npos) << "the report names the value";
    EXPECT_TRUE(testing_support::same_settings(session.settings(), before));
}

TEST(ConsoleOutput, AFailedWriteIsRunTimeError101ReportedOnStandardError) {
    for (const std::string& output : {std::string("/dev/full"), testing_support::kClosedPipe}) {
        const Finished run = run_program(elimtrace, "/dev/null", output);
        EXPECT_TRUE(WIFEXITED(run.status) && WEXITSTATUS(run.status) == 101) << output << ": " << run.status;
        EXPECT_EQ(run.err.rfind("Runtime error 101 at $", 0), 0u) << output << ": " << run.err;
    }
}

TEST(ConsoleOutput, AReaderThatQuitsEarlyEndsTheProgramPromptly) {
    const std::string command = "'" + elimtrace + "' </dev/null | head -c 10";
    const Finished run = run_program("/bin/sh", "/dev/null", "", {"-c", command}, 5);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "**** Kezde");
}

}  // namespace
