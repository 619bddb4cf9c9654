#include "platform/terminal.h"

#include <cerrno>
#include <csignal>
#include <cstdlib>

#include <termios.h>
#include <unistd.h>

#include "platform/runtime.h"

namespace terminal {
namespace {

struct termios saved;                       // the settings found at start, given back at the end
volatile std::sig_atomic_t changed = 0;     // 1 while our settings are in force
bool taken = false;
bool is_terminal = false;

constexpr int kEndingSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

void apply_our_settings() {
    struct termios ours = saved;
    ours.c_lflag &= ~tcflag_t(ECHO);    // keys, typed ahead or not, never appear on the screen
    ours.c_lflag &= ~tcflag_t(ICANON);  // a key is delivered when pressed, not at Enter
    ours.c_cc[VMIN] = 1;                // a read waits for at least one byte ...
    ours.c_cc[VTIME] = 0;               // ... however long that takes
    // ISIG stays on, so Ctrl-C and Ctrl-\ still interrupt; OPOST stays on, so "\n" ends a line.
    if (tcsetattr(STDIN_FILENO, TCSANOW, &ours) == 0) changed = 1;
}

void unblock(int signal_number) {
    sigset_t set;
    sigemptyset(&set);
    sigaddset(&set, signal_number);
    sigprocmask(SIG_UNBLOCK, &set, nullptr);
}

// Gives the terminal back, then lets the signal do what it would have done without us.
void on_ending_signal(int signal_number) {
    restore();
    std::signal(signal_number, SIG_DFL);
    unblock(signal_number);
    raise(signal_number);
}

// Ctrl-Z: the shell gets its terminal back while we are stopped; ours again after SIGCONT.
void on_stop_signal(int signal_number) {
    const int saved_errno = errno;
    restore();
    std::signal(signal_number, SIG_DFL);
    unblock(signal_number);
    raise(signal_number);  // stops here until continued
    std::signal(signal_number, on_stop_signal);
    apply_our_settings();
    errno = saved_errno;
}

// A signal that was ignored when the program started (nohup, a background job) stays ignored.
void install(int signal_number, void (*handler)(int)) {
    struct sigaction found {};
    sigaction(signal_number, nullptr, &found);
    if (found.sa_handler == SIG_IGN) return;
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(signal_number, &action, nullptr);
}

}  // namespace

void take() {
    if (taken) return;
    taken = true;
    is_terminal = isatty(STDIN_FILENO) && tcgetattr(STDIN_FILENO, &saved) == 0;
    if (!is_terminal) return;
    std::atexit(restore);
    rt::at_run_error(restore);
    for (const int signal_number : kEndingSignals) install(signal_number, on_ending_signal);
    install(SIGTSTP, on_stop_signal);
    apply_our_settings();
}

bool input_is_terminal() { return is_terminal; }

void restore() {
    if (!changed) return;
    changed = 0;
    tcsetattr(STDIN_FILENO, TCSANOW, &saved);
}

}  // namespace terminal
