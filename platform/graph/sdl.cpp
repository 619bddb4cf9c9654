// The window backend on SDL2. The process's main thread serves the window and sleeps in
// SDL_WaitEvent between events; the program's main procedure runs on a thread of its own and
// reaches the window only through events it pushes (open, close, show the picture, ended).
//
// The picture goes to the screen through the window's own surface with framebuffer
// acceleration off: the accelerated renderer would load the whole GL stack (about 100 MB
// resident) to show a 640 × 480 picture.
#include <SDL.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/graph/core.h"
#include "platform/graph/graph.h"
#include "platform/graph/sdl_keys.h"

// After everything else: Xlib's macros (None, Bool, Status) would break the headers above.
#include <X11/Xlib.h>

namespace graph {
namespace {

using core::height;
using core::width;

// Requests from the program's thread, as SDL user events from request_base on.
enum Request { kOpen, kClose, kShow, kEnded, kRequests };
Uint32 request_base = 0;

// The keys typed into the window, waiting for ReadKey. A full queue drops new keys, as a
// keyboard buffer does.
class KeyQueue {
public:
    void push(const char* bytes, int count) {
        std::lock_guard lock(mutex_);
        if (size_ + count > capacity) return;  // a special key goes in whole or not at all
        for (int i = 0; i < count; ++i) ring_[(first_ + size_++) % capacity] = bytes[i];
        arrived_.notify_one();
    }
    char pop() {
        std::unique_lock lock(mutex_);
        arrived_.wait(lock, [this] { return size_ > 0; });
        const char c = ring_[first_];
        first_ = (first_ + 1) % capacity;
        --size_;
        return c;
    }

private:
    static constexpr int capacity = 256;
    std::mutex mutex_;
    std::condition_variable arrived_;
    char ring_[capacity];
    int first_ = 0, size_ = 0;
};

// The objects that the program's thread waits on are never destroyed: a library that ends the
// process with exit (Xlib on a protocol error) runs the static destructors while that thread may
// still wait in ReadKey, and destroying a condition variable waits for its waiters, for ever.
KeyQueue& keys = *new KeyQueue;

// What the window thread tells the program's thread: the generation of the picture on screen.
std::mutex& reply_mutex = *new std::mutex;
std::condition_variable& replied = *new std::condition_variable;
unsigned long shown_generation = 0;  // guarded by reply_mutex
std::atomic<bool> show_pending{false};

// The program's thread only.
bool window_open = false;
bool serving = false;  // run_program has started the window thread

// The window thread only.
SDL_Window* window = nullptr;
bool had_focus = false;  // the keyboard went to the window when CloseGraph hid it
std::uint8_t shown[height * width];
std::vector<Uint32> row;  // one row of the window in ARGB8888, for a surface of another pixel size

// The window could not open, or could not stay: one line on standard error, status 1.
[[noreturn]] void window_failed(const char* what, const std::string& reason) {
    std::fprintf(stderr, "%s: a grafikus ablak %s: %s\n", program_invocation_short_name, what, reason.c_str());
    std::fflush(stderr);
    _exit(1);
}

[[noreturn]] void cannot_open(const std::string& reason) { window_failed("nem nyitható meg", reason); }

// The display gone under the program (the X server killed, the session ended). Xlib's own
// handler would say so in English and call exit, which cannot end a process whose other thread
// waits for a key.
int display_lost(Display* display) {
    window_failed("megszűnt", std::string("megszakadt a kapcsolat a kijelzővel (") + DisplayString(display) + ")");
}

[[noreturn]] void window_closed() {
    std::fflush(nullptr);
    _exit(0);
}

void push(Request request) {
    SDL_Event event{};
    event.type = request_base + request;
    SDL_PushEvent(&event);
}

// Runs after every drawing call: one show request at a time is enough, since it copies the
// picture as it is when the window thread comes to it. Opening and closing need no answer
// either: the window thread carries out the requests in order, and ReadKey waits for the picture
// to be on screen, so the program draws on while its window is being shown.
void picture_changed() {
    if (!show_pending.exchange(true)) push(kShow);
}

bool visible() { return window && !(SDL_GetWindowFlags(window) & SDL_WINDOW_HIDDEN); }

// The largest whole factor for which the picture fits 90 % of the display's usable area.
int opening_scale() {
    SDL_Rect usable{0, 0, width, height};
    SDL_GetDisplayUsableBounds(0, &usable);
    return std::max(1, std::min(usable.w * 9 / 10 / width, usable.h * 9 / 10 / height));
}

// The window's pixel values of the 16 colours, and of the black around the picture (at index
// 16): the surface's own format where it has four bytes a pixel, as X11's surfaces have,
// ARGB8888 otherwise.
struct Colours {
    Uint32 value[17];
};
constexpr int margin = 16;

Colours map_colours(const SDL_PixelFormat* format, bool direct) {
    Colours colours;
    for (int c = 0; c <= margin; ++c) {
        const Uint32 rgb = c < margin ? core::rgb(c) : 0;
        colours.value[c] = direct ? SDL_MapRGB(format, Uint8(rgb >> 16), Uint8(rgb >> 8), Uint8(rgb)) : 0xFF000000 | rgb;
    }
    return colours;
}

// One row of the window in its pixel values: the picture's row source at the given scale from
// column left on, black on either side; all black where source is null (above and below).
// The colours come by value, so that the compiler knows the row written cannot change them.
void build_row(Uint32* out, int window_width, const std::uint8_t* source, int scale, int left, Colours colours) {
    Uint32* const end = out + window_width;
    const Uint32 black = colours.value[margin];
    if (!source) {
        std::fill(out, end, black);
        return;
    }
    out = std::fill_n(out, left, black);
    if (scale == 1) {
        for (int x = 0; x < width; ++x) out[x] = colours.value[source[x]];
        out += width;
    } else {
        for (int x = 0; x < width; ++x) out = std::fill_n(out, scale, colours.value[source[x]]);
    }
    std::fill(out, end, black);
}

// Draws the last copy of the picture into the window at the largest whole factor that fits,
// centred, on black. Each distinct window row is built once, straight into the surface (or in
// ARGB8888 and converted, for a surface of another pixel size); the rows that repeat it at a
// larger scale are copies.
void draw_window() {
    if (!visible()) return;
    SDL_Surface* surface = SDL_GetWindowSurface(window);
    if (!surface) return;
    const int scale = std::max(1, std::min(surface->w / width, surface->h / height));
    const int left = (surface->w - width * scale) / 2, top = (surface->h - height * scale) / 2;
    const bool direct = surface->format->BytesPerPixel == 4;
    const Colours colours = map_colours(surface->format, direct);
    row.resize(std::size_t(surface->w));
    if (SDL_MUSTLOCK(surface)) SDL_LockSurface(surface);
    auto* const pixels = static_cast<Uint8*>(surface->pixels);
    const std::size_t row_bytes = std::size_t(surface->w) * surface->format->BytesPerPixel;
    int built = -2;  // the picture row that the window row above shows (-1: the black margin)
    for (int y = 0; y < surface->h; ++y) {
        Uint8* const target = pixels + y * surface->pitch;
        const int picture_row = y - top >= 0 && y - top < height * scale ? (y - top) / scale : -1;
        if (picture_row == built) {
            std::memcpy(target, target - surface->pitch, row_bytes);
            continue;
        }
        Uint32* const out = direct ? reinterpret_cast<Uint32*>(target) : row.data();
        build_row(out, surface->w, picture_row >= 0 ? shown + picture_row * width : nullptr, scale, left, colours);
        if (!direct) {
            SDL_ConvertPixels(surface->w, 1, SDL_PIXELFORMAT_ARGB8888, row.data(), surface->w * 4,
                              surface->format->format, target, surface->pitch);
        }
        built = picture_row;
    }
    if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
    SDL_UpdateWindowSurface(window);
}

// Copies the picture, puts it on screen and tells the program's thread which generation it is.
// While the window is hidden (before InitGraph has opened it, or after CloseGraph) nothing is
// on screen and nothing is told: showing the window shows the picture as it is by then.
void show() {
    show_pending = false;
    if (!visible()) return;
    const unsigned long generation = core::snapshot(shown);
    draw_window();
    std::lock_guard lock(reply_mutex);
    shown_generation = std::max(shown_generation, generation);
    replied.notify_all();
}

// CloseGraph hides the window and InitGraph shows it again: the one SDL window lives as long as
// the program. SDL 2.26 wakes this thread for an event pushed from the program's thread by
// sending a message to a window over a connection of its own; when the window has just been
// destroyed (the program closing the window as a key arrives), that message fails with BadWindow
// and Xlib ends the process with status 1. A window that is only hidden is always there to wake.
void open_window() {
    if (window) {
        SDL_ShowWindow(window);
        // Shown again, the window takes back the keyboard it had, so that keys typed on across
        // CloseGraph and InitGraph still reach it: SDL does so itself where there is no window
        // manager, and a window manager need not give focus to a window mapped again.
        if (had_focus) SDL_RaiseWindow(window), SDL_SetWindowInputFocus(window);
    } else {
        const int scale = opening_scale();
        window = SDL_CreateWindow(program_invocation_short_name, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                  width * scale, height * scale, SDL_WINDOW_RESIZABLE);
        if (!window) cannot_open(SDL_GetError());
        SDL_SetWindowMinimumSize(window, width, height);
    }
    show();
}

void close_window() {
    if (!window) return;
    had_focus = SDL_GetWindowFlags(window) & SDL_WINDOW_INPUT_FOCUS;
    SDL_HideWindow(window);
}

void typed(const SDL_Event& event) {
    char bytes[SDL_TEXTINPUTEVENT_TEXT_SIZE];
    int count = 0;
    if (event.type == SDL_KEYDOWN) count = sdl_keys::key_bytes(event.key.keysym.sym, bytes);
    else count = sdl_keys::text_bytes(event.text.text, bytes, int(sizeof bytes));
    keys.push(bytes, count);
}

// Carries out one request; false when the program has ended.
bool carry_out(Uint32 request) {
    switch (request) {
        case kOpen: open_window(); break;
        case kClose: close_window(); break;
        case kShow: show(); break;
        case kEnded: return false;
    }
    return true;
}

// The window thread's loop: it sleeps until the next event.
void serve() {
    SDL_Event event;
    while (SDL_WaitEvent(&event)) {
        switch (event.type) {
            case SDL_QUIT: window_closed();
            case SDL_WINDOWEVENT:
                if (event.window.event == SDL_WINDOWEVENT_CLOSE) window_closed();
                if (event.window.event == SDL_WINDOWEVENT_EXPOSED || event.window.event == SDL_WINDOWEVENT_SIZE_CHANGED)
                    draw_window();
                break;
            case SDL_KEYDOWN:
            case SDL_TEXTINPUT: typed(event); break;
            default:
                if (event.type >= request_base && event.type < request_base + kRequests &&
                    !carry_out(event.type - request_base))
                    return;
        }
    }
}

// Whether an environment variable is set to something.
bool named(const char* variable) {
    const char* value = std::getenv(variable);
    return value && *value;
}

// SDL's drivers for the displays named, in SDL's own order of preference.
std::string display_drivers() {
    std::string drivers = named("DISPLAY") ? "x11" : "";
    if (named("WAYLAND_DISPLAY")) drivers += drivers.empty() ? "wayland" : ",wayland";
    return drivers;
}

// The displays named, as the environment names them: "DISPLAY=:1, WAYLAND_DISPLAY=wayland-0".
std::string displays_named() {
    std::string names;
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY"})
        if (named(variable)) names += (names.empty() ? "" : ", ") + std::string(variable) + "=" + std::getenv(variable);
    return names;
}

}  // namespace

int run_program(void (*main_procedure)()) {
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");      // Ctrl-C in the terminal stops the program as usual
    SDL_SetHint(SDL_HINT_VIDEO_ALLOW_SCREENSAVER, "1");  // a program waiting for a key keeps no one awake
    XSetIOErrorHandler(display_lost);                    // SDL loads this same libX11
    // SDL tries only the drivers of the displays named: where none can be reached it would fall
    // back to its offscreen driver, and the program would wait for keys in a window no one sees.
    // Without a display SDL would give only a vague reason. A video driver named outright is
    // left to SDL to find.
    if (!named("SDL_VIDEODRIVER")) {
        const std::string drivers = display_drivers();
        if (drivers.empty()) cannot_open("nincs kijelző (sem a DISPLAY, sem a WAYLAND_DISPLAY nincs beállítva)");
        SDL_SetHint(SDL_HINT_VIDEODRIVER, drivers.c_str());
        if (SDL_Init(SDL_INIT_VIDEO) != 0) cannot_open("a kijelző nem érhető el (" + displays_named() + ")");
    } else if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        cannot_open(SDL_GetError());
    }
    request_base = SDL_RegisterEvents(kRequests);
    if (request_base == Uint32(-1)) cannot_open(SDL_GetError());
    core::on_change(picture_changed);
    serving = true;

    std::thread program([main_procedure] {
        main_procedure();
        push(kEnded);
    });
    serve();
    program.join();
    // The window and SDL go with the process, as when the window is closed: destroying the window
    // here could still meet the program thread's last wake-up message on its way.
    window_closed();
}

void InitGraph(Integer& driver, Integer& mode, std::string_view) {
    if (!serving) cannot_open("a program nem a graph::run_program alatt fut");
    driver = 9;  // VGA
    mode = 2;    // its 640 × 480 mode
    core::reset();
    if (!window_open) push(kOpen);
    window_open = true;
}

void CloseGraph() {
    if (window_open) push(kClose);
    window_open = false;
}

}  // namespace graph

namespace wincrt {

// The picture as drawn so far is on screen before the wait begins.
char ReadKey() {
    using namespace graph;
    if (window_open) {
        const unsigned long drawn = core::generation();
        std::unique_lock lock(reply_mutex);
        replied.wait(lock, [drawn] { return shown_generation >= drawn; });
    }
    return keys.pop();
}

}  // namespace wincrt
