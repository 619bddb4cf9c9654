// The headless backend: no window, keys from a script, the picture kept in memory. Everything
// runs on the program's thread.
#include "platform/graph/headless.h"

#include <png.h>

#include <string>

#include "platform/graph/core.h"
#include "platform/graph/graph.h"

namespace graph {
namespace {

std::string script;            // the keys still to come
std::size_t next_key = 0;      // index into script
int waits = 0;                 // ReadKey calls so far
void (*wait_hook)(int) = nullptr;

}  // namespace

int run_program(void (*main_procedure)()) {
    main_procedure();
    return 0;
}

void InitGraph(Integer& driver, Integer& mode, std::string_view) {
    driver = 9;  // VGA
    mode = 2;    // its 640 × 480 mode
    core::reset();
}

void CloseGraph() {}

namespace headless {

void queue_keys(std::string_view keys) { script.append(keys); }
void on_wait(void (*hook)(int)) { wait_hook = hook; }
int wait_count() { return waits; }

void reset() {
    script.clear();
    next_key = 0;
    waits = 0;
    wait_hook = nullptr;
}

const std::uint8_t* framebuffer() { return core::pixels(); }
std::uint8_t pixel(int x, int y) { return core::pixels()[y * width + x]; }
std::uint32_t rgb(int colour) { return core::rgb(colour); }

bool write_png(const char* path) {
    png_color colours[16];
    for (int i = 0; i < 16; ++i) {
        const std::uint32_t c = core::rgb(i);
        colours[i] = {png_byte(c >> 16), png_byte(c >> 8), png_byte(c)};
    }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = width;
    image.height = height;
    image.format = PNG_FORMAT_RGB_COLORMAP;
    image.colormap_entries = 16;
    return png_image_write_to_file(&image, path, 0, core::pixels(), width, colours) != 0;
}

std::vector<std::uint8_t> read_png(const char* path) {
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path)) return {};
    if (image.width != width || image.height != height) {
        png_image_free(&image);
        return {};
    }
    image.format = PNG_FORMAT_RGB;
    std::vector<std::uint8_t> rgb_bytes(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgb_bytes.data(), 0, nullptr)) return {};
    std::vector<std::uint8_t> colours(width * height);
    for (std::size_t i = 0; i < colours.size(); ++i) {
        const std::uint32_t c = std::uint32_t(rgb_bytes[3 * i]) << 16 | rgb_bytes[3 * i + 1] << 8 | rgb_bytes[3 * i + 2];
        int number = 0;
        while (number < 16 && core::rgb(number) != c) ++number;
        if (number == 16) return {};
        colours[i] = std::uint8_t(number);
    }
    return colours;
}

}  // namespace headless
}  // namespace graph

namespace wincrt {

char ReadKey() {
    using namespace graph;
    ++waits;
    if (wait_hook) wait_hook(waits);
    if (next_key == script.size()) return 13;
    return script[next_key++];
}

}  // namespace wincrt
