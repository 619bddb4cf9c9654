// quadplot in its window as a user meets it, under a virtual X server started here (1024 × 768,
// so that the window opens at scale 1). For each run the program is started, its window
// watched through the MIT shared-memory extension, and keys sent through the XTEST extension
// from this process, so that no helper's own start-up lands in a figure. Prints the medians as
// Markdown table rows: start to the first picture, a key press to the next picture (within a
// stage, and across a stage change, where the window is hidden and shown again), the CPU time
// of a 3-second wait, and the peak resident memory.
// Usage: measure_window BUILD_DIR [RUNS]
//
// A picture counts as on screen when the whole window shows, pixel for pixel, the screen that
// the headless twin draws at the same wait.

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/ipc.h>
#include <sys/prctl.h>
#include <sys/shm.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "platform/graph/headless.h"
#include "programs/plotting/stages.h"
#include "programs/quadplot/settings.h"
#include "tests/support/process_stats.h"

// After everything else: Xlib's macros (None, Bool, Status) would break the headers above.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XShm.h>
#include <X11/extensions/Xdamage.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;
using Picture = std::vector<std::uint8_t>;  // 640 × 480 colour numbers, row by row

constexpr int width = graph::headless::width, height = graph::headless::height;
constexpr int waits = 12;

[[noreturn]] void fail(const std::string& why) {
    std::fprintf(stderr, "measure_window: %s\n", why.c_str());
    std::exit(1);
}

double ms_between(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The screen at each wait, as the headless twin draws it, in 0xRRGGBB.
std::vector<std::vector<std::uint32_t>> screens;

void keep_screen(int) {
    const std::uint8_t* picture = graph::headless::framebuffer();
    std::vector<std::uint32_t> rgb(width * height);
    for (int i = 0; i < width * height; ++i) rgb[i] = graph::headless::rgb(picture[i]);
    screens.push_back(std::move(rgb));
}

// A virtual X server on a display number it picks itself; it goes when this process goes.
std::string start_xvfb(pid_t* server) {
    int fd[2];
    if (pipe(fd) != 0) fail("no pipe");
    *server = fork();
    if (*server == 0) {
        prctl(PR_SET_PDEATHSIG, SIGTERM);
        close(fd[0]);
        const std::string displayfd = std::to_string(fd[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", displayfd.c_str(), "-screen", "0", "1024x768x24", "-nolisten", "tcp",
               "-noreset", static_cast<char*>(nullptr));
        _exit(127);
    }
    close(fd[1]);
    std::string number;
    char c;
    while (number.find('\n') == std::string::npos && read(fd[0], &c, 1) == 1) number += c;
    close(fd[0]);
    if (number.find('\n') == std::string::npos) fail("Xvfb gave no display number");
    return ":" + number.substr(0, number.find('\n'));
}

int ignore_x_errors(Display*, XErrorEvent*) { return 0; }  // the window goes as the program ends

// The connection to the X server: the program's window is watched through the DAMAGE
// extension, which tells when its contents change, and read back into one shared-memory image
// the size of the picture; keys go through XTEST, as from the keyboard. Between changes this
// process sleeps, so that it takes no CPU from the program it times.
class Server {
public:
    explicit Server(const std::string& display) {
        x_ = XOpenDisplay(display.c_str());
        if (!x_) fail("cannot open display " + display);
        XSetErrorHandler(ignore_x_errors);
        int event_base, error_base, major, minor;
        if (!XShmQueryExtension(x_) || !XTestQueryExtension(x_, &event_base, &error_base, &major, &minor) ||
            !XDamageQueryExtension(x_, &damage_event_, &error_base))
            fail("the server lacks MIT-SHM, XTEST or DAMAGE");
        image_ = XShmCreateImage(x_, DefaultVisual(x_, 0), unsigned(DefaultDepth(x_, 0)), ZPixmap, nullptr, &shm_,
                                 width, height);
        shm_.shmid = shmget(IPC_PRIVATE, std::size_t(image_->bytes_per_line) * height, IPC_CREAT | 0600);
        shm_.shmaddr = image_->data = static_cast<char*>(shmat(shm_.shmid, nullptr, 0));
        shm_.readOnly = False;
        XShmAttach(x_, &shm_);
        XSync(x_, False);
        shmctl(shm_.shmid, IPC_RMID, nullptr);  // freed once both sides have let it go
        XSelectInput(x_, DefaultRootWindow(x_), SubstructureNotifyMask);
        space_ = XKeysymToKeycode(x_, XK_space);
        XWarpPointer(x_, 0, DefaultRootWindow(x_), 0, 0, 0, 0, 0, 0);  // off the window: only focus takes keys
        XSync(x_, False);
    }
    ~Server() {
        XShmDetach(x_, &shm_);
        XDestroyImage(image_);
        shmdt(shm_.shmaddr);
        XCloseDisplay(x_);
    }
    Server(const Server&) = delete;
    Server& operator=(const Server&) = delete;

    // The next top-level window mapped, given the keyboard and watched for changes; 0 when none
    // is within the limit.
    Window mapped(Clock::time_point deadline) {
        XEvent event;
        while (next_event(deadline, &event))
            if (event.type == MapNotify) {
                const Window window = event.xmap.window;
                XWindowAttributes a;
                if (!XGetWindowAttributes(x_, window, &a) || a.width != width || a.height != height)
                    fail("the window did not open at scale 1");
                XSetInputFocus(x_, window, RevertToParent, CurrentTime);
                damage_ = XDamageCreate(x_, window, XDamageReportNonEmpty);
                XSync(x_, False);
                return window;
            }
        return 0;
    }

    // Waits until the window shows the screen; the time of the change that brought it, or the
    // deadline when none did.
    Clock::time_point shown(Window window, const std::vector<std::uint32_t>& screen, Clock::time_point deadline) {
        auto changed = Clock::now();
        for (;;) {
            if (shows(window, screen)) return changed;
            XEvent event;
            do {
                if (!next_event(deadline, &event)) return deadline;
            } while (event.type != damage_event_ + XDamageNotify);
            changed = Clock::now();
            XDamageSubtract(x_, damage_, 0, 0);  // the next change is reported again
        }
    }

    // Forgets the changes so far: the window is still, waiting for a key.
    void settle() {
        XDamageSubtract(x_, damage_, 0, 0);
        XSync(x_, True);
    }

    void press_space() {
        XTestFakeKeyEvent(x_, space_, True, CurrentTime);
        XTestFakeKeyEvent(x_, space_, False, CurrentTime);
        XFlush(x_);
    }

    void forget_window() {
        if (damage_) XDamageDestroy(x_, damage_);
        damage_ = 0;
        XSync(x_, True);
    }

private:
    // The next event, sleeping until it comes; false at the deadline.
    bool next_event(Clock::time_point deadline, XEvent* event) {
        while (!XPending(x_)) {
            const auto left = std::chrono::duration_cast<milliseconds>(deadline - Clock::now()).count();
            if (left <= 0) return false;
            pollfd connection{ConnectionNumber(x_), POLLIN, 0};
            poll(&connection, 1, int(left) + 1);
        }
        XNextEvent(x_, event);
        return true;
    }

    bool shows(Window window, const std::vector<std::uint32_t>& screen) {
        if (!XShmGetImage(x_, window, image_, 0, 0, AllPlanes)) return false;
        for (int y = 0; y < height; ++y) {
            const auto* row = reinterpret_cast<const std::uint32_t*>(image_->data + y * image_->bytes_per_line);
            for (int x = 0; x < width; ++x)
                if ((row[x] & 0xFFFFFF) != screen[y * width + x]) return false;
        }
        return true;
    }

    Display* x_ = nullptr;
    XShmSegmentInfo shm_{};
    XImage* image_ = nullptr;
    KeyCode space_ = 0;
    int damage_event_ = 0;
    Damage damage_ = 0;
};

struct Run {
    double first_picture_ms = 0;
    std::vector<double> within_stage_ms, across_stages_ms;
    double wait_cpu_ms = 0;
    double peak_mb = 0;
};

// One run of quadplot, its twelve waits each ended by a space once its screen is there.
Run run_once(Server& server, const std::string& program) {
    Run run;
    char* argv[] = {const_cast<char*>(program.c_str()), nullptr};
    const auto start = Clock::now();
    pid_t pid;
    if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, environ) != 0) fail("cannot start " + program);
    const auto give_up = [pid](const std::string& why) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        fail(why);
    };
    const Window window = server.mapped(start + milliseconds(5000));
    if (!window) give_up("no window within 5 s");
    auto at = server.shown(window, screens[0], start + milliseconds(5000));
    if (at == start + milliseconds(5000)) give_up("no first picture within 5 s");
    run.first_picture_ms = ms_between(start, at);

    // A wait takes no CPU: measured once the first picture has settled.
    std::this_thread::sleep_for(milliseconds(200));
    const long long cpu_before = testing_support::cpu_ns(pid);
    std::this_thread::sleep_for(milliseconds(3000));
    run.wait_cpu_ms = double(testing_support::cpu_ns(pid) - cpu_before) / 1e6;

    for (int wait = 1; wait < waits; ++wait) {
        server.settle();
        const auto pressed = Clock::now();
        server.press_space();
        at = server.shown(window, screens[wait], pressed + milliseconds(5000));
        if (at == pressed + milliseconds(5000)) give_up("no picture of wait " + std::to_string(wait + 1) + " within 5 s");
        (wait % 3 == 0 ? run.across_stages_ms : run.within_stage_ms).push_back(ms_between(pressed, at));
        std::this_thread::sleep_for(milliseconds(20));  // a pause, as between a student's key presses
    }
    // The running process's own peak: wait4's figure for a child started with vfork would count
    // its parent's memory too.
    run.peak_mb = double(testing_support::status_kb(pid, "VmHWM")) / 1024.0;
    server.press_space();
    int status = -1;
    for (const auto deadline = Clock::now() + milliseconds(5000); Clock::now() < deadline;) {
        if (waitpid(pid, &status, WNOHANG) == pid) break;
        status = -1;
        std::this_thread::sleep_for(milliseconds(1));
    }
    if (status == -1) give_up("quadplot still running 5 s after its last key");
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) fail("quadplot ended with status " + std::to_string(status));
    server.forget_window();
    return run;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s BUILD_DIR [RUNS]\n", argv[0]);
        return 2;
    }
    const std::string program = std::string(argv[1]) + "/programs/quadplot";
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 7;
    graph::headless::on_wait(keep_screen);
    stages::run(quadplot_settings);
    if (screens.size() != waits) fail("the headless run did not wait twelve times");

    pid_t xvfb;
    const std::string display = start_xvfb(&xvfb);
    setenv("DISPLAY", display.c_str(), 1);
    unsetenv("WAYLAND_DISPLAY");
    unsetenv("SDL_VIDEODRIVER");
    std::vector<double> first, within, across, cpu, peak;
    {
        Server server(display);
        for (int i = 0; i < runs; ++i) {
            const Run run = run_once(server, program);
            first.push_back(run.first_picture_ms);
            within.insert(within.end(), run.within_stage_ms.begin(), run.within_stage_ms.end());
            across.insert(across.end(), run.across_stages_ms.begin(), run.across_stages_ms.end());
            cpu.push_back(run.wait_cpu_ms);
            peak.push_back(run.peak_mb);
        }
    }
    kill(xvfb, SIGTERM);
    waitpid(xvfb, nullptr, 0);

    std::printf("| what (median of %d runs; window at scale 1) | figure | target |\n|---|---|---|\n", runs);
    std::printf("| start to first picture | %.1f ms | ≤ 150 ms |\n", median(first));
    std::printf("| key press to next picture, within a stage (%zu presses) | %.2f ms | ≤ 5 ms |\n", within.size(),
                median(within));
    std::printf("| key press to next picture, across a stage change (%zu presses) | %.2f ms | ≤ 5 ms |\n",
                across.size(), median(across));
    std::printf("| CPU during a 3 s wait | %.3f ms | ≤ 5 ms |\n", median(cpu));
    std::printf("| peak memory | %.1f MB | < 20 MB |\n", median(peak));
    return 0;
}
