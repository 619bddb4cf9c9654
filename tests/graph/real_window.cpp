#include "tests/graph/real_window.h"

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "platform/graph/headless.h"
#include "tests/support/process.h"

// After everything else: Xlib's macros (None, Bool, Status) would break the headers above.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

namespace graph_test {
namespace {

int ignore_x_errors(Display*, XErrorEvent*) { return 0; }  // a window may go while it is read

// Where the picture should lie in the window: at the largest whole factor that fits the
// window's size, centred on black.
struct Placement {
    int width = 0, height = 0, scale = 1, left = 0, top = 0;
};

bool placement(Display* x, XWindow window, Placement* p) {
    XWindowAttributes a;
    if (!XGetWindowAttributes(x, window, &a)) return false;
    p->width = a.width, p->height = a.height;
    p->scale = std::max(1, std::min(a.width / 640, a.height / 480));
    p->left = (a.width - 640 * p->scale) / 2, p->top = (a.height - 480 * p->scale) / 2;
    return true;
}

std::uint32_t rgb_at(XImage* image, int x, int y) {
    if (image->bits_per_pixel == 32)
        return reinterpret_cast<const std::uint32_t*>(image->data + y * image->bytes_per_line)[x] & 0xFFFFFF;
    return std::uint32_t(XGetPixel(image, x, y)) & 0xFFFFFF;
}

}  // namespace

double ms_since(Clock::time_point start) { return std::chrono::duration<double, std::milli>(Clock::now() - start).count(); }

Child::Child(std::vector<std::string> argv) {
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

Child::~Child() {
    if (pid_ > 0 && status_ < 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
    }
    if (out_ >= 0) close(out_);
}

std::string Child::line(milliseconds limit) {
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

int Child::status(milliseconds limit) {
    const auto deadline = Clock::now() + limit;
    while (status_ < 0 && Clock::now() < deadline) {
        int s;
        if (waitpid(pid_, &s, WNOHANG) == pid_) status_ = s;
        else std::this_thread::sleep_for(milliseconds(5));
    }
    return status_;
}

std::string xdotool(const std::vector<std::string>& arguments) {
    const auto finished = testing_support::run_program("/usr/bin/xdotool", "/dev/null", "", arguments, 10);
    return finished.out;
}

void RealWindow::SetUpTestSuite() {
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

void RealWindow::TearDownTestSuite() {
    if (xvfb_ > 0) kill(xvfb_, SIGTERM), waitpid(xvfb_, nullptr, 0);
}

void RealWindow::SetUp() {
    XSetErrorHandler(ignore_x_errors);
    x_ = XOpenDisplay(display_.c_str());
    ASSERT_NE(x_, nullptr) << "cannot open display " << display_;
}

void RealWindow::TearDown() {
    if (x_) XCloseDisplay(x_);
}

XWindow RealWindow::find_window(const std::string& title, XWindow other) {
    const auto deadline = Clock::now() + milliseconds(10000);
    while (Clock::now() < deadline) {
        XWindow root, parent, *children = nullptr;
        unsigned count = 0;
        XWindow found = 0;
        if (XQueryTree(x_, DefaultRootWindow(x_), &root, &parent, &children, &count)) {
            for (unsigned i = 0; i < count && !found; ++i) {
                char* name = nullptr;
                XWindowAttributes a;
                if (children[i] != other && XFetchName(x_, children[i], &name) && name && std::string(name) == title &&
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

std::string RealWindow::difference(XWindow window, const Picture& picture) {
    Placement p;
    if (!placement(x_, window, &p)) return "no window";
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

bool RealWindow::shows_pixel(XWindow window, const Picture& picture, int x, int y) {
    Placement p;
    if (!placement(x_, window, &p)) return false;
    XImage* image = XGetImage(x_, window, p.left + x * p.scale, p.top + y * p.scale, 1, 1, AllPlanes, ZPixmap);
    if (!image) return false;
    const bool same = rgb_at(image, 0, 0) == graph::headless::rgb(picture[y * 640 + x]);
    XDestroyImage(image);
    return same;
}

double RealWindow::wait_for(XWindow window, const Picture& picture, Clock::time_point start, std::string* why, int x, int y) {
    const auto deadline = Clock::now() + milliseconds(5000);
    while (!shows_pixel(window, picture, x, y) && Clock::now() < deadline) continue;
    const double arrived = ms_since(start);
    do {
        *why = difference(window, picture);
        if (why->empty()) return arrived;
    } while (Clock::now() < deadline);
    return -1;
}

void RealWindow::send_close(XWindow window) {
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

void RealWindow::type(const std::vector<std::string>& keys) {
    for (const auto& key : keys) {
        const KeyCode code = XKeysymToKeycode(x_, XStringToKeysym(key.c_str()));
        if (!code) {
            ADD_FAILURE() << "no key for " << key;
            continue;
        }
        XTestFakeKeyEvent(x_, code, True, CurrentTime);
        XTestFakeKeyEvent(x_, code, False, CurrentTime);
    }
    XSync(x_, False);
}

}  // namespace graph_test
