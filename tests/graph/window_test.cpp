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
#include "tests/graph/real_window.h"
#include "tests/support/process.h"
#include "tests/support/process_stats.h"

// After everything else: Xlib's macros (None, Bool, Status) would break the headers above.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

namespace {

using namespace graph_test;

constexpr const char* demo_name = "graph_window_demo";

// The pictures of the demo program, drawn headless: 1, 1 with 2 over it, and 3.
Picture expected_picture(int number) {
    rt::Integer driver = 0, mode = 0;
    graph::InitGraph(driver, mode, "");
    graph_test::draw_picture(number == 3 ? 3 : 1);
    if (number == 2) graph_test::draw_picture(2);
    return Picture(graph::headless::framebuffer(), graph::headless::framebuffer() + 640 * 480);
}

TEST_F(RealWindow, ShowsThePicturesQueuesTheKeysAndEndsWhenClosed) {
    const Picture first = expected_picture(1), second = expected_picture(2), third = expected_picture(3);
    const auto started = Clock::now();
    Child demo({DEMO_PATH});
    const XWindow window = find_window(demo_name);
    ASSERT_NE(window, 0u) << "no window titled " << demo_name;
    XWindowAttributes a;
    XGetWindowAttributes(x_, window, &a);
    EXPECT_EQ(a.width, 1280) << "twice 640 is the largest that fits 90 % of 1600 × 1200";
    EXPECT_EQ(a.height, 960);
    std::string why;
    const double first_picture_ms = wait_for(window, first, started, &why, 0, 0);  // the white frame
    ASSERT_GE(first_picture_ms, 0) << why;

    // An ordinary key ends the first wait, and the next picture follows it.
    // The pointer off the window, so that only the keyboard focus takes keys to it.
    xdotool({"mousemove", "5", "5"});
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
    const XWindow reopened = find_window(demo_name);  // the same window, hidden and shown again
    ASSERT_NE(reopened, 0u);
    EXPECT_GE(wait_for(reopened, third, Clock::now(), &why), 0) << why;
    EXPECT_EQ(demo.line(), "key 98");
    EXPECT_EQ(demo.line(), "key 99");
    EXPECT_EQ(demo.line(), "key 100");
    ASSERT_EQ(demo.line(), "idle");

    // Waiting for a key takes no CPU, and the wait does not end by itself.
    std::this_thread::sleep_for(milliseconds(200));
    const long long cpu_before = testing_support::cpu_ns(demo.pid());
    ASSERT_GT(cpu_before, 0) << "no CPU count for the program";
    EXPECT_EQ(demo.line(milliseconds(3000)), "");
    const double wait_cpu_ms = double(testing_support::cpu_ns(demo.pid()) - cpu_before) / 1e6;
    const long rss_kb = testing_support::status_kb(demo.pid(), "VmRSS");
    EXPECT_LT(wait_cpu_ms, 20.0);
    std::printf("start to first picture %.1f ms; key press to next picture %.1f ms, of which a run of xdotool "
                "takes %.1f ms; CPU over a 3 s wait %.3f ms; resident %ld kB\n",
                first_picture_ms, key_to_picture_ms, xdotool_ms, wait_cpu_ms, rss_kb);
    RecordProperty("first_picture_ms", std::to_string(first_picture_ms));
    RecordProperty("key_to_picture_ms", std::to_string(key_to_picture_ms));
    RecordProperty("wait_cpu_ms", std::to_string(wait_cpu_ms));
    RecordProperty("resident_kb", std::to_string(rss_kb));

    // The window shown again has the keyboard back, with no one to give it focus.
    xdotool({"key", "z"});
    EXPECT_EQ(demo.line(), "key 122");
    ASSERT_EQ(demo.line(), "last wait");

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
