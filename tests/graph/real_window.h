// Test support for programs in the real window: one virtual X server for a test suite, the
// program as a child process, keys through xdotool, and the window's contents read back and
// compared with a picture drawn headless.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

#include <gtest/gtest.h>

struct _XDisplay;  // Xlib's Display; its header's macros (None, Bool, Status) stay out of here

namespace graph_test {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;
using Picture = std::vector<std::uint8_t>;  // 640 × 480 colour numbers, row by row
using XWindow = unsigned long;              // an X window id

double ms_since(Clock::time_point start);

// A child process with its standard output in a pipe; killed when it goes out of scope.
class Child {
public:
    explicit Child(std::vector<std::string> argv);
    ~Child();
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    pid_t pid() const { return pid_; }
    std::string line(milliseconds limit = milliseconds(5000));  // the next line of its output, "" when none came in time
    int status(milliseconds limit = milliseconds(5000));        // its wait status once ended, or -1 when still running

private:
    pid_t pid_ = -1;
    int out_ = -1;
    int status_ = -1;
    std::string buffer_;
};

// xdotool with the test's display; its output.
std::string xdotool(const std::vector<std::string>& arguments);

// A fixture whose suite shares one virtual X server (1600 × 1200, on a display number it picks
// itself, set in DISPLAY) and whose every test has a connection to it.
class RealWindow : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;
    void TearDown() override;

    // The visible window titled title (a child of the root, there being no window manager),
    // other than the one given; 0 when none appears in time.
    XWindow find_window(const std::string& title, XWindow other = 0);

    // Whether the window shows the picture at the largest whole factor that fits its size,
    // centred on black; otherwise why not.
    std::string difference(XWindow window, const Picture& picture);

    // Whether the window shows the picture's pixel (x, y) in its colour: a cheap look, to time
    // the picture's arrival finely.
    bool shows_pixel(XWindow window, const Picture& picture, int x, int y);

    // Waits until the window shows the picture; the milliseconds from start until its pixel
    // (x, y) appeared, or -1 when the whole picture did not appear in time (why says how not).
    double wait_for(XWindow window, const Picture& picture, Clock::time_point start, std::string* why, int x = 0, int y = 0);

    // Asks the window to close, as a window manager's close button does.
    void send_close(XWindow window);

    // Presses and releases each key (an X keysym name: "space", "a", "F1", "Up", "Shift_L") in
    // turn through the XTEST extension, as from the keyboard, to the window with the focus; all
    // at once, with no process started for them. Returns once the server has taken them.
    void type(const std::vector<std::string>& keys);

    static inline pid_t xvfb_ = -1;
    static inline std::string display_;
    _XDisplay* x_ = nullptr;
};

}  // namespace graph_test
