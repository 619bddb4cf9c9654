#include "platform/runtime.h"

#include <dlfcn.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdint>

namespace rt {
namespace {

void (*hooks[4])() = {};
int hook_count = 0;

// Code addresses are reported relative to the executable's load address, so that the same
// check gives the same address in every run and addr2line finds its source line.
std::uintptr_t image_offset(const void* where) {
    Dl_info info{};
    const auto address = reinterpret_cast<std::uintptr_t>(where) - 1;
    if (dladdr(where, &info) && info.dli_fbase) return address - reinterpret_cast<std::uintptr_t>(info.dli_fbase);
    return address;
}

}  // namespace

void at_run_error(void (*hook)()) {
    if (hook_count < int(sizeof hooks / sizeof hooks[0])) hooks[hook_count++] = hook;
}

bool write_all(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t written = ::write(fd, text.data(), text.size());
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return false;
        text.remove_prefix(std::size_t(written));
    }
    return true;
}

void run_error(int code, const void* where, std::string_view explanation) {
    static bool stopping = false;  // a hook that fails must not start a second report
    if (!stopping) {
        stopping = true;
        for (int i = 0; i < hook_count; ++i) hooks[i]();
    }
    char head[64];
    const int length = std::snprintf(head, sizeof head, "Runtime error %d at $%016llX: ", code,
                                     static_cast<unsigned long long>(image_offset(where)));
    const std::string_view parts[] = {{head, std::size_t(length)}, explanation, "\n"};
    bool to_stdout = true;
    for (const auto part : parts) to_stdout = to_stdout && write_all(STDOUT_FILENO, part);
    if (!to_stdout)
        for (const auto part : parts) write_all(STDERR_FILENO, part);
    _exit(code);
}

void range_error(long long value, long long low, long long high) {
    char text[128];
    const int length = std::snprintf(text, sizeof text, "tartományhiba: a(z) %lld érték kívül esik a(z) %lld..%lld tartományon",
                                     value, low, high);
    run_error(kRangeCheck, __builtin_return_address(0), {text, std::size_t(length)});
}

}  // namespace rt
