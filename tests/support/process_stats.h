// What /proc tells of a running process: its CPU time and its memory. Header only, without the
// test framework, so that the measuring programs in bench/ use it too.
#pragma once

#include <sys/types.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace testing_support {

// CPU time of a process so far, all its threads, in nanoseconds (the scheduler's own count).
inline long long cpu_ns(pid_t pid) {
    long long total = 0;
    for (const auto& task : std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task")) {
        std::ifstream stat(task.path() / "schedstat");
        long long running = 0;
        stat >> running;
        total += running;
    }
    return total;
}

// A memory figure of /proc/PID/status in kB: "VmRSS" resident now, "VmHWM" the peak so far;
// -1 when there is none.
inline long status_kb(pid_t pid, const std::string& field) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(field + ":", 0) == 0) return std::atol(line.c_str() + field.size() + 1);
    return -1;
}

}  // namespace testing_support
