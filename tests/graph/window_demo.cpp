// A small program on the real window, for the window test: it draws known pictures and writes
// each key it reads to standard output, one line a key.
//   picture 1, key; picture 2, key, key; key, "busy" and a pause of 1.5 s in which the test types
//   ahead; CloseGraph, InitGraph, picture 3, three keys; "idle", a key; "last wait", a key;
//   "ended".
#include <chrono>
#include <cstdio>
#include <thread>

#include "platform/graph/graph.h"
#include "tests/graph/demo_picture.h"

namespace {

void say(const char* text) {
    std::printf("%s\n", text);
    std::fflush(stdout);
}

void read_keys(int count) {
    for (int i = 0; i < count; ++i) {
        std::printf("key %d\n", static_cast<unsigned char>(wincrt::ReadKey()));
        std::fflush(stdout);
    }
}

void open_window() {
    rt::Integer driver = 0, mode = 0;
    graph::InitGraph(driver, mode, "");
}

void demo() {
    open_window();
    graph_test::draw_picture(1);
    read_keys(1);
    graph_test::draw_picture(2);
    read_keys(3);
    say("busy");
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    graph::CloseGraph();
    open_window();
    graph_test::draw_picture(3);
    read_keys(3);
    say("idle");
    read_keys(1);
    say("last wait");
    read_keys(1);
    say("ended");
}

}  // namespace

int main() { return graph::run_program(demo); }
