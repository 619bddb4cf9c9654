#include "tests/support/pty_session.h"

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <stdexcept>
#include <thread>

namespace testing_support {

using Clock = std::chrono::steady_clock;

namespace {

[[noreturn]] void exec_program(const std::string& program, const std::vector<std::string>& arguments) {
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const auto& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    execv(program.c_str(), argv.data());
    _exit(127);
}

// What a shell does for a foreground command: a process group of its own that owns the terminal.
// The leader ends as the program ended, so the test sees the program's status.
[[noreturn]] void lead_foreground_job(int slave, int report_pid, const std::string& program,
                                      const std::vector<std::string>& arguments) {
    signal(SIGTTOU, SIG_IGN);
    const pid_t job = fork();
    if (job == 0) {
        setpgid(0, 0);
        tcsetpgrp(slave, getpid());
        signal(SIGTTOU, SIG_DFL);
        exec_program(program, arguments);
    }
    setpgid(job, job);
    if (::write(report_pid, &job, sizeof job) != sizeof job) _exit(126);
    int status;
    while (waitpid(job, &status, 0) != job) {
    }
    if (WIFSIGNALED(status)) {
        signal(WTERMSIG(status), SIG_DFL);
        kill(getpid(), WTERMSIG(status));
    }
    _exit(WIFEXITED(status) ? WEXITSTATUS(status) : 126);
}

}  // namespace

PtySession::PtySession(const std::string& program, const std::vector<std::string>& arguments, Start start) {
    if (openpty(&master_, &slave_, nullptr, nullptr, nullptr) != 0) throw std::runtime_error("openpty failed");
    // The settings a terminal starts with: echo, line editing, signals, output processing.
    struct termios fresh {};
    tcgetattr(slave_, &fresh);
    fresh.c_lflag |= ECHO | ICANON | ISIG;
    fresh.c_iflag |= IXON;  // Ctrl-S stops the output, Ctrl-Q lets it go on
    fresh.c_oflag |= OPOST | ONLCR;
    tcsetattr(slave_, TCSANOW, &fresh);
    tcgetattr(slave_, &initial_);
    int job_pid[2];
    if (pipe(job_pid) != 0) throw std::runtime_error("pipe failed");
    pid_ = fork();
    if (pid_ == 0) {
        setsid();
        ioctl(slave_, TIOCSCTTY, 0);
        dup2(slave_, 0);
        dup2(slave_, 1);
        dup2(slave_, 2);
        close(master_);
        close(job_pid[0]);
        if (start == Start::job) lead_foreground_job(slave_, job_pid[1], program, arguments);
        close(slave_);
        exec_program(program, arguments);
    }
    close(job_pid[1]);
    program_ = pid_;
    if (start == Start::job && ::read(job_pid[0], &program_, sizeof program_) != sizeof program_)
        throw std::runtime_error("the job did not start");
    close(job_pid[0]);
    // The test keeps the slave open too, so that the terminal and its settings outlive the program.
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
}

PtySession::~PtySession() {
    if (running()) {
        kill(program_, SIGKILL);
        kill(pid_, SIGKILL);
        wait_for_exit(std::chrono::seconds(2));
    }
    if (master_ >= 0) close(master_);
    close(slave_);
}

void PtySession::type(const std::string& keys) {
    std::size_t typed = 0;
    while (typed < keys.size()) {
        const ssize_t written = ::write(master_, keys.data() + typed, keys.size() - typed);
        if (written > 0) {
            typed += std::size_t(written);
        } else if (errno == EAGAIN) {  // the terminal's input queue is full until the program reads
            drain(5);
            if (!running()) return;
        } else {
            throw std::runtime_error("typing failed");
        }
    }
}

void PtySession::drain(int timeout_millis) {
    if (master_ < 0) return;
    struct pollfd ready = {master_, POLLIN, 0};
    if (poll(&ready, 1, timeout_millis) <= 0) return;
    char buffer[4096];
    for (ssize_t got; (got = ::read(master_, buffer, sizeof buffer)) > 0;) output_.append(buffer, std::size_t(got));
}

const std::string& PtySession::output() {
    drain(0);
    return output_;
}

bool PtySession::running() {
    if (status_ != -1) return false;
    int status;
    if (waitpid(pid_, &status, WNOHANG) == pid_) {
        status_ = status;
        return false;
    }
    return true;
}

char PtySession::state() const {
    std::ifstream stat("/proc/" + std::to_string(program_) + "/stat");
    std::string field;
    for (int i = 0; i < 3 && stat >> field; ++i) {
    }
    return field.empty() ? '?' : field[0];
}

// A process asleep in a system call: /proc shows the call's number and its first argument.
static bool blocked_in(pid_t pid, const char* number, const char* descriptor) {
    std::ifstream syscall("/proc/" + std::to_string(pid) + "/syscall");
    std::string call, first_argument;
    syscall >> call >> first_argument;
    return call == number && first_argument == descriptor;
}

bool PtySession::wait_for_call(const char* number, const char* descriptor, bool read_output,
                               std::chrono::milliseconds limit) {
    const auto deadline = Clock::now() + limit;
    int settled = 0;
    while (Clock::now() < deadline) {
        if (read_output) drain(5);
        else std::this_thread::sleep_for(std::chrono::milliseconds(5));
        if (!running()) return false;
        // Seen twice in a row, so that a call that is about to return is not taken for a wait.
        settled = state() == 'S' && blocked_in(program_, number, descriptor) ? settled + 1 : 0;
        if (settled >= 2) return true;
    }
    return false;
}

bool PtySession::wait_until_reading(std::chrono::milliseconds limit) { return wait_for_call("0", "0x0", true, limit); }

bool PtySession::wait_until_writing_blocked(std::chrono::milliseconds limit) {
    return wait_for_call("1", "0x1", false, limit);
}

int PtySession::wait_for_exit(std::chrono::milliseconds limit) {
    const auto deadline = Clock::now() + limit;
    while (Clock::now() < deadline) {
        drain(5);
        if (!running()) {
            drain(0);
            return status_;
        }
    }
    return -1;
}

struct termios PtySession::settings() const {
    struct termios now {};
    tcgetattr(slave_, &now);
    return now;
}

void PtySession::close_master() {
    close(master_);
    master_ = -1;
}

bool same_settings(const struct termios& a, const struct termios& b) {
    return a.c_iflag == b.c_iflag && a.c_oflag == b.c_oflag && a.c_cflag == b.c_cflag && a.c_lflag == b.c_lflag &&
           std::memcmp(a.c_cc, b.c_cc, sizeof a.c_cc) == 0;
}

}  // namespace testing_support
