// A program started on a fresh pseudo-terminal, as a student would run it in a terminal window:
// the test types keys into it, reads what it shows, and looks at the terminal's settings.
#pragma once

#include <sys/types.h>
#include <termios.h>

#include <chrono>
#include <string>
#include <vector>

namespace testing_support {

// direct: the program leads the terminal's session itself. job: it runs as a shell runs a
// command, a foreground job under a session leader, so that Ctrl-Z can stop it.
enum class Start { direct, job };

class PtySession {
public:
    explicit PtySession(const std::string& program, const std::vector<std::string>& arguments = {},
                        Start start = Start::direct);
    ~PtySession();
    PtySession(const PtySession&) = delete;
    PtySession& operator=(const PtySession&) = delete;

    void type(const std::string& keys);  // bytes as a keyboard sends them, as many as the program takes
    // Waits until the program sits in a read of its standard input; false if it ended first or
    // the time ran out.
    bool wait_until_reading(std::chrono::milliseconds limit = std::chrono::seconds(5));
    // Without reading what the program shows, waits until its output is stuck in a write to the
    // terminal (nobody reads the screen); false if it ended first or the time ran out.
    bool wait_until_writing_blocked(std::chrono::milliseconds limit = std::chrono::seconds(5));
    // Waits for the program to end; returns the raw wait status, or -1 if the time ran out.
    int wait_for_exit(std::chrono::milliseconds limit = std::chrono::seconds(5));
    bool running();
    pid_t pid() const { return program_; }  // the program's process
    char state() const;                      // as /proc shows it: S sleeping, T stopped, …

    const std::string& output();      // everything shown so far
    struct termios settings() const;  // the terminal's settings now
    const struct termios& initial_settings() const { return initial_; }  // as the program found them
    void close_master();              // the terminal window goes away

private:
    void drain(int timeout_millis);
    bool wait_for_call(const char* number, const char* descriptor, bool read_output, std::chrono::milliseconds limit);

    pid_t pid_ = -1;      // the child the test waits for: the program, or its session leader
    pid_t program_ = -1;
    int master_ = -1;
    int slave_ = -1;
    int status_ = -1;
    std::string output_;
    struct termios initial_ {};
};

// True when both settings agree in every flag and control character.
bool same_settings(const struct termios& a, const struct termios& b);

}  // namespace testing_support
