// Whole console programs as a user meets them: input from /dev/null, output to a file. Prints,
// for each program, the median wall time and peak resident memory over several runs, next to
// those of a trivial program that prints one line (the floor of process start-up here).
// Usage: measure_console BUILD_DIR [RUNS]
//
// The programs are started from this small process rather than from a script, because a child's
// peak memory counts what it had before exec too, and this process holds little.

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Sample {
    double millis;
    double megabytes;
};

Sample run_once(const std::string& path) {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, "/tmp/measure_console.out", O_WRONLY | O_CREAT | O_TRUNC, 0644);
    char* argv[] = {const_cast<char*>(path.c_str()), nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t pid;
    if (posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, environ) != 0) {
        std::fprintf(stderr, "cannot start %s\n", path.c_str());
        std::exit(1);
    }
    int status;
    struct rusage usage {};
    wait4(pid, &status, 0, &usage);
    const auto end = std::chrono::steady_clock::now();
    posix_spawn_file_actions_destroy(&actions);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed: status %d\n", path.c_str(), status);
        std::exit(1);
    }
    return {std::chrono::duration<double, std::milli>(end - start).count(), usage.ru_maxrss / 1024.0};
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Runs the programs in turn, one run of each a round, so that whatever else the machine does
// weighs on all of them alike; returns each one's medians.
std::vector<Sample> measure(const std::vector<std::string>& paths, int runs) {
    std::vector<std::vector<double>> times(paths.size()), memories(paths.size());
    for (int round = 0; round < runs; ++round) {
        for (std::size_t i = 0; i < paths.size(); ++i) {
            const Sample sample = run_once(paths[i]);
            times[i].push_back(sample.millis);
            memories[i].push_back(sample.megabytes);
        }
    }
    std::vector<Sample> medians;
    for (std::size_t i = 0; i < paths.size(); ++i) medians.push_back({median(times[i]), median(memories[i])});
    return medians;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s BUILD_DIR [RUNS]\n", argv[0]);
        return 2;
    }
    const std::string build = argv[1];
    const int runs = argc > 2 ? std::atoi(argv[2]) : 31;
    const char* names[] = {"elimtrace", "fittrace", "fitsilent"};
    std::vector<std::string> paths = {build + "/bench/trivial"};
    for (const char* name : names) paths.push_back(build + "/programs/" + name);
    const std::vector<Sample> medians = measure(paths, runs);
    const Sample& floor = medians[0];
    std::printf("| program | wall time (median of %d) | × trivial program | peak memory |\n|---|---|---|---|\n", runs);
    std::printf("| trivial C++ program | %.2f ms | 1.00 | %.1f MB |\n", floor.millis, floor.megabytes);
    for (std::size_t i = 1; i < medians.size(); ++i) {
        std::printf("| %s | %.2f ms | %.2f | %.1f MB |\n", names[i - 1], medians[i].millis,
                    medians[i].millis / floor.millis, medians[i].megabytes);
    }
}
