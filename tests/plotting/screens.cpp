#include "tests/plotting/screens.h"

#include <cstdio>

#include "platform/graph/graph.h"
#include "platform/graph/headless.h"
#include "programs/plotting/stages.h"
#include "programs/quadplot/settings.h"
#include "programs/quadsketch/settings.h"

namespace plotting_tests {
namespace {

std::vector<Picture>* collected = nullptr;

void keep_picture(int) {
    const std::uint8_t* p = graph::headless::framebuffer();
    collected->emplace_back(p, p + graph::headless::width * graph::headless::height);
}

}  // namespace

void run_headless(const plotting::Settings& settings, void (*look)(int wait)) {
    graph::headless::reset();
    graph::headless::on_wait(look);
    stages::run(settings);
    graph::headless::reset();
}

std::vector<Picture> screens_at_waits(const plotting::Settings& settings) {
    std::vector<Picture> screens;
    collected = &screens;
    run_headless(settings, keep_picture);
    collected = nullptr;
    return screens;
}

std::string golden_path(const std::string& program, int wait) {
    char name[32];
    std::snprintf(name, sizeof name, "-%02d.png", wait);
    return std::string(PLOTTING_SOURCE_DIR) + "/tests/plotting/golden/" + program + name;
}

const plotting::Settings& settings_of(const std::string& program) {
    return program == "quadsketch" ? quadsketch_settings : quadplot_settings;
}

}  // namespace plotting_tests
