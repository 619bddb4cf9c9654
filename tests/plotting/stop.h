// Running a piece of a program in a child process until a run-time error stops it.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <regex>
#include <string>

#include <gtest/gtest.h>

namespace plotting_tests {

struct Stop {
    int exit_code = -1;  // -1: the child did not exit normally
    std::string out;     // everything the child wrote to standard output
};

// Runs body in a forked child with its standard output captured; a body that returns ends the
// child with status 0.
template <class Body>
Stop run_in_child(Body body) {
    int pipe_ends[2];
    if (pipe(pipe_ends) != 0) return {};
    const pid_t pid = fork();
    if (pid == 0) {
        close(pipe_ends[0]);
        dup2(pipe_ends[1], STDOUT_FILENO);
        body();
        _exit(0);
    }
    close(pipe_ends[1]);
    Stop stop;
    char buffer[4096];
    for (ssize_t got; (got = read(pipe_ends[0], buffer, sizeof buffer)) > 0;) stop.out.append(buffer, std::size_t(got));
    close(pipe_ends[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    if (WIFEXITED(status)) stop.exit_code = WEXITSTATUS(status);
    return stop;
}

// The child exited with code and its last line of output is the run-time error report for it:
// "Runtime error <code> at $<hexadecimal address>: <explanation>".
inline testing::AssertionResult StoppedWith(const Stop& stop, int code) {
    const std::regex report("(^|\n)Runtime error " + std::to_string(code) + " at \\$[0-9A-F]+: [^\n]+\n$");
    if (stop.exit_code != code) return testing::AssertionFailure() << "exit code " << stop.exit_code << ", output: " << stop.out;
    if (!std::regex_search(stop.out, report)) return testing::AssertionFailure() << "no report for " << code << " in: " << stop.out;
    return testing::AssertionSuccess();
}

}  // namespace plotting_tests
