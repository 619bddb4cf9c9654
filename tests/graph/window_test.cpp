// The real window under a virtual X server: keys sent with xdotool, the window's contents read
// back from the server and compared with the same pictures drawn headless, the waits, resizing,
// closing, and a run with no display. Every process here has a time limit.
#include <gtest/gtest.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/graph/graph.h"
#include "platform/graph/headless.h"
#include "tests/graph/demo_picture.h"
#include "tests/support/process.h"

// After everything else: Xlib's macros (None, Bool, Status) would break the headers above.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;
using Picture = std::vector<std::uint8_t>;
using XWindow = ::Window;

constexpr const char* demo_name = "graph_window_demo";

double ms_since(Clock::time_point start) { return std::chrono::duration<double, std::milli>(Clock::now() - start).count(); }

// A child process with its standard output in a pipe; killed when it goes out of scope.
class Child {
public:
    explicit Child(std::vector<std::string> argv) {
        int out[2];
        if (pipe(out) != 0) return;
        pid_ = fork();
        if (pid_ == 0) {
            dup2(out[1], 1);
            close(out[0]);
            std::vector<char*> args;
            for (auto& a : argv) args.push_back(a.data());
            args.push_back(nullptr);
            execvp(args[0], args.data());
            _exit(127);
        }
        close(out[1]);
        out_ = out[0];
    }
    ~Child() {
        if (pid_ > 0 && status_ < 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        if (out_ >= 0) close(out_);
    }
    Child(const Child&) = delete;
    Child& operator=(const Child&) = delete;

    pid_t pid() const { return pid_; }

    // The next line of its output without the line end; empty when none came in time.
    std::string line(milliseconds limit = milliseconds(5000)) {
        const auto deadline = Clock::now() + limit;
        for (;;) {
            const auto end = buffer_.find('\n');
            if (end != std::string::npos) {
                std::string line = buffer_.substr(0, end);
                buffer_.erase(0, end + 1);
                return line;
            }
            const auto left = std::chrono::duration_cast<milliseconds>(deadline - Clock::now()).count();
            pollfd p{out_, POLLIN, 0};
            if (left <= 0 || poll(&p, 1, int(left)) <= 0) return "";
            char chunk[256];
            const ssize_t got = read(out_, chunk, sizeof chunk);
            if (got <= 0) return "";
            buffer_.append(chunk, std::size_t(got));
        }
    }

    // Its wait status once it has ended, or -1 when it is still running after the limit.
    int status(milliseconds limit = milliseconds(5000)) {
        const auto deadline = Clock::now() + limit;
        while (status_ < 0 && Clock::now() < deadline) {
            int s;
            if (waitpid(pid_, &s, WNOHANG) == pid_) status_ = s;
            else std::this_thread::sleep_for(milliseconds(5));
        }
        return status_;
    }

private:
    pid_t pid_ = -1;
    int out_ = -1;
    int status_ = -1;
    std::string buffer_;
};

// CPU time of a process so far, all its threads, in nanoseconds (the scheduler's own count).
long long cpu_ns(pid_t pid) {
    long long total = 0;
    for (const auto& task : std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task")) {
        std::ifstream stat(task.path() / "schedstat");
        long long running = 0;
        stat >> running;
        total += running;
    }
    return total;
}

// Resident memory of a process in kB.
long resident_kb(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
    return -1;
}

// xdotool with the test's display; its output.
std::string xdotool(const std::vector<std::string>& arguments) {
    const auto finished = testing_support::run_program("/usr/bin/xdotool", "/dev/null", "", arguments, 10);
    return finished.out;
}

// The pictures of the demo program, drawn headless: 1, 1 with 2 over it, and 3.
Picture expected_picture(int number) {
    rt::Integer driver = 0, mode = 0;
    graph::InitGraph(driver, mode, "");
    graph_test::draw_picture(number == 3 ? 3 : 1);
    if (number == 2) graph_test::draw_picture(2);
    return Picture(graph::headless::framebuffer(), graph::headless::framebuffer() + 640 * 480);
}

int ignore_x_errors(Display*, XErrorEvent*) { return 0; }  // a window may go while it is read

class RealWindow : public ::testing::Test {
protected:
    // One virtual X server for the whole suite, on a display number it picks itself.
    static void SetUpTestSuite() {
        int fd[2];
        ASSERT_EQ(pipe(fd), 0);
        xvfb_ = fork();
        if (xvfb_ == 0) {
            close(fd[0]);
            const std::string displayfd = std::to_string(fd[1]);
            execlp("Xvfb", "Xvfb", "-displayfd", displayfd.c_str(), "-screen", "0", "1600x1200x24", "-nolisten", "tcp",
                   "-noreset", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(fd[1]);
        // The number comes with a line end, in a write of its own: the pipe stays open until it
        // has come too, or the server would fail on writing it.
        std::string number;
        pollfd p{fd[0], POLLIN, 0};
        char c;
        while (number.find('\n') == std::string::npos && poll(&p, 1, 10000) > 0 && read(fd[0], &c, 1) == 1) number += c;
        close(fd[0]);
        ASSERT_NE(number.find('\n'), std::string::npos) << "Xvfb gave no display number";
        display_ = ":" + number.substr(0, number.find('\n'));
        setenv("DISPLAY", display_.c_str(), 1);
        setenv("TSAN_OPTIONS", "halt_on_error=1", 0);  // a race in the program stops it, and so fails the test
        unsetenv("WAYLAND_DISPLAY");
    }
    static void TearDownTestSuite() {
        if (xvfb_ > 0) kill(xvfb_, SIGTERM), waitpid(xvfb_, nullptr, 0);
    }

    void SetUp() override {
        XSetErrorHandler(ignore_x_errors);
        x_ = XOpenDisplay(display_.c_str());
        ASSERT_NE(x_, nullptr) << "cannot open display " << display_;
    }
    void TearDown() override {
        if (x_) XCloseDisplay(x_);
    }

    // The demo's window (a child of the root, there being no window manager), other than the
    // one given; 0 when none appears in time.
    XWindow find_window(XWindow other = 0) {
        const auto deadline = Clock::now() + milliseconds(10000);
        while (Clock::now() < deadline) {
            XWindow root, parent, *children = nullptr;
            unsigned count = 0;
            XWindow found = 0;
            if (XQueryTree(x_, DefaultRootWindow(x_), &root, &parent, &children, &count)) {
                for (unsigned i = 0; i < count && !found; ++i) {
                    char* name = nullptr;
                    XWindowAttributes a;
                    if (children[i] != other && XFetchName(x_, children[i], &name) && name && std::string(name) == demo_name &&
                        XGetWindowAttributes(x_, children[i], &a) && a.map_state == IsViewable)
                        found = children[i];
                    if (name) XFree(name);
                }
                if (children) XFree(children);
            }
            if (found) return found;
            std::this_thread::sleep_for(milliseconds(2));
        }
        return 0;
    }

    // Where the picture should lie in the window: at the largest whole factor that fits the
    // window's size, centred on black.
    struct Placement {
        int width = 0, height = 0, scale = 1, left = 0, top = 0;
    };
    bool placement(XWindow window, Placement* p) {
        XWindowAttributes a;
        if (!XGetWindowAttributes(x_, window, &a)) return false;
        p->width = a.width, p->height = a.height;
        p->scale = std::max(1, std::min(a.width / 640, a.height / 480));
        p->left = (a.width - 640 * p->scale) / 2, p->top = (a.height - 480 * p->scale) / 2;
        return true;
    }

    static std::uint32_t rgb_at(XImage* image, int x, int y) {
        if (image->bits_per_pixel == 32)
            return reinterpret_cast<const std::uint32_t*>(image->data + y * image->bytes_per_line)[x] & 0xFFFFFF;
        return std::uint32_t(XGetPixel(image, x, y)) & 0xFFFFFF;
    }

    // Whether the window shows the picture where its placement says; otherwise why not.
    std::string difference(XWindow window, const Picture& picture) {
        Placement p;
        if (!placement(window, &p)) return "no window";
        XImage* image = XGetImage(x_, window, 0, 0, unsigned(p.width), unsigned(p.height), AllPlanes, ZPixmap);
        if (!image) return "no image";
        std::string why;
        for (int y = 0; y < p.height && why.empty(); ++y)
            for (int x = 0; x < p.width && why.empty(); ++x) {
                const int px = x - p.left, py = y - p.top;
                const bool inside = px >= 0 && py >= 0 && px < 640 * p.scale && py < 480 * p.scale;
                const std::uint32_t expected = inside ? graph::headless::rgb(picture[py / p.scale * 640 + px / p.scale]) : 0;
                const std::uint32_t actual = rgb_at(image, x, y);
                if (actual != expected) {
                    char text[128];
                    std::snprintf(text, sizeof text, "window %dx%d, pixel %d,%d is %06X, not %06X", p.width, p.height, x, y,
                                  actual, expected);
                    why = text;
                }
            }
        XDestroyImage(image);
        return why;
    }

    // Whether the window shows the picture's pixel (x, y) in its colour: a cheap look, to time
    // the picture's arrival finely.
    bool shows_pixel(XWindow window, const Picture& picture, int x, int y) {
        Placement p;
        if (!placement(window, &p)) return false;
        XImage* image = XGetImage(x_, window, p.left + x * p.scale, p.top + y * p.scale, 1, 1, AllPlanes, ZPixmap);
        if (!image) return false;
        const bool same = rgb_at(image, 0, 0) == graph::headless::rgb(picture[y * 640 + x]);
        XDestroyImage(image);
        return same;
    }

    // Waits until the window shows the picture; the milliseconds from start until its pixel
    // (x, y) appeared, or -1 when the whole picture did not appear in time.
    double wait_for(XWindow window, const Picture& picture, Clock::time_point start, std::string* why, int x = 0, int y = 0) {
        const auto deadline = Clock::now() + milliseconds(5000);
        while (!shows_pixel(window, picture, x, y) && Clock::now() < deadline) continue;
        const double arrived = ms_since(start);
        do {
            *why = difference(window, picture);
            if (why->empty()) return arrived;
        } while (Clock::now() < deadline);
        return -1;
    }

    void send_close(XWindow window) {
        XEvent event{};
        event.xclient.type = ClientMessage;
        event.xclient.window = window;
        event.xclient.message_type = XInternAtom(x_, "WM_PROTOCOLS", False);
        event.xclient.format = 32;
        event.xclient.data.l[0] = long(XInternAtom(x_, "WM_DELETE_WINDOW", False));
        event.xclient.data.l[1] = CurrentTime;
        XSendEvent(x_, window, False, NoEventMask, &event);
        XFlush(x_);
    }

    static inline pid_t xvfb_ = -1;
    static inline std::string display_;
    Display* x_ = nullptr;
};

TEST_F(RealWindow, ShowsThePicturesQueuesTheKeysAndEndsWhenClosed) {
    const Picture first = expected_picture(1), second = expected_picture(2), third = expected_picture(3);
    const auto started = Clock::now();
    Child demo({DEMO_PATH});
    const XWindow window = find_window();
    ASSERT_NE(window, 0u) << "no window titled " << demo_name;
    XWindowAttributes a;
    XGetWindowAttributes(x_, window, &a);
    EXPECT_EQ(a.width, 1280) << "twice 640 is the largest that fits 90 % of 1600 × 1200";
    EXPECT_EQ(a.height, 960);
    std::string why;
    const double first_picture_ms = wait_for(window, first, started, &why, 0, 0);  // the white frame
    ASSERT_GE(first_picture_ms, 0) << why;

    // An ordinary key ends the first wait, and the next picture follows it.
    xdotool({"windowfocus", "--sync", std::to_string(window)});
    const auto pressed = Clock::now();
    xdotool({"key", "a"});
    const double key_to_picture_ms = wait_for(window, second, pressed, &why, 550, 430);  // the yellow block
    const auto idle_run = Clock::now();
    xdotool({"getmouselocation"});
    const double xdotool_ms = ms_since(idle_run);
    ASSERT_GE(key_to_picture_ms, 0) << why;
    EXPECT_EQ(demo.line(), "key 97");

    // An arrow key gives two characters and so ends two waits.
    xdotool({"key", "Up"});
    EXPECT_EQ(demo.line(), "key 0");
    EXPECT_EQ(demo.line(), "key 72");

    // Keys typed while the program is busy wait for it, through CloseGraph and InitGraph.
    xdotool({"key", "x"});
    EXPECT_EQ(demo.line(), "key 120");
    ASSERT_EQ(demo.line(), "busy");
    xdotool({"key", "b", "c", "d"});
    const XWindow reopened = find_window(window);
    ASSERT_NE(reopened, 0u);
    EXPECT_GE(wait_for(reopened, third, Clock::now(), &why), 0) << why;
    EXPECT_EQ(demo.line(), "key 98");
    EXPECT_EQ(demo.line(), "key 99");
    EXPECT_EQ(demo.line(), "key 100");
    ASSERT_EQ(demo.line(), "last wait");

    // Waiting for a key takes no CPU, and the wait does not end by itself.
    std::this_thread::sleep_for(milliseconds(200));
    const long long cpu_before = cpu_ns(demo.pid());
    ASSERT_GT(cpu_before, 0) << "no CPU count for the program";
    EXPECT_EQ(demo.line(milliseconds(3000)), "");
    const double wait_cpu_ms = double(cpu_ns(demo.pid()) - cpu_before) / 1e6;
    const long rss_kb = resident_kb(demo.pid());
    EXPECT_LT(wait_cpu_ms, 20.0);
    std::printf("start to first picture %.1f ms; key press to next picture %.1f ms, of which a run of xdotool "
                "takes %.1f ms; CPU over a 3 s wait %.3f ms; resident %ld kB\n",
                first_picture_ms, key_to_picture_ms, xdotool_ms, wait_cpu_ms, rss_kb);
    RecordProperty("first_picture_ms", std::to_string(first_picture_ms));
    RecordProperty("key_to_picture_ms", std::to_string(key_to_picture_ms));
    RecordProperty("wait_cpu_ms", std::to_string(wait_cpu_ms));
    RecordProperty("resident_kb", std::to_string(rss_kb));

    // Resized, the picture keeps the largest whole factor that fits, centred on black.
    // (At the screen's corner, so that the whole window can be read back.)
    for (const auto& [w, h] : {std::pair{1500, 1100}, std::pair{700, 1000}, std::pair{1280, 960}}) {
        XMoveResizeWindow(x_, reopened, 0, 0, unsigned(w), unsigned(h));
        XSync(x_, False);
        EXPECT_GE(wait_for(reopened, third, Clock::now(), &why), 0) << w << "x" << h << ": " << why;
    }

    // Closing the window ends the program at once, with status 0.
    send_close(reopened);
    const int status = demo.status();
    ASSERT_TRUE(WIFEXITED(status)) << "status " << status;
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(demo.line(milliseconds(100)), "");  // it did not run on to "ended"
}

TEST(WindowWithoutDisplay, SaysWhyInOneHungarianLineAndExitsWithOne) {
    unsetenv("DISPLAY");
    unsetenv("WAYLAND_DISPLAY");
    const auto finished = testing_support::run_program(DEMO_PATH);
    ASSERT_TRUE(WIFEXITED(finished.status));
    EXPECT_EQ(WEXITSTATUS(finished.status), 1);
    EXPECT_EQ(finished.out, "");
    EXPECT_EQ(finished.err,
              std::string(demo_name) + ": a grafikus ablak nem nyitható meg: nincs kijelző (sem a DISPLAY, sem a "
                                       "WAYLAND_DISPLAY nincs beállítva)\n");
}

}  // namespace
