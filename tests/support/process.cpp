#include "tests/support/process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>

namespace testing_support {

Finished run_program(const std::string& program, const std::string& input_path, const std::string& output_path,
                     const std::vector<std::string>& arguments, int timeout_seconds) {
    int out[2], err[2], closed[2];
    if (pipe(out) != 0 || pipe(err) != 0 || pipe(closed) != 0) return {};
    close(closed[0]);
    const pid_t pid = fork();
    if (pid == 0) {
        if (input_path == kClosedInput) close(0);
        else dup2(open(input_path.c_str(), O_RDONLY), 0);
        if (output_path.empty()) dup2(out[1], 1);
        else if (output_path == kClosedPipe) dup2(closed[1], 1);
        else dup2(open(output_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), 1);
        dup2(err[1], 2);
        close(out[0]);
        close(err[0]);
        std::vector<char*> argv{const_cast<char*>(program.c_str())};
        for (const auto& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
        argv.push_back(nullptr);
        execv(program.c_str(), argv.data());
        _exit(127);
    }
    close(out[1]);
    close(err[1]);
    close(closed[1]);
    Finished finished;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(timeout_seconds);
    struct pollfd streams[2] = {{out[0], POLLIN, 0}, {err[0], POLLIN, 0}};
    std::string* texts[2] = {&finished.out, &finished.err};
    int open_streams = 2;
    while (open_streams > 0 && std::chrono::steady_clock::now() < deadline) {
        if (poll(streams, 2, 100) <= 0) continue;
        for (int i = 0; i < 2; ++i) {
            if (!(streams[i].revents & (POLLIN | POLLHUP))) continue;
            char buffer[4096];
            const ssize_t got = read(streams[i].fd, buffer, sizeof buffer);
            if (got > 0) {
                texts[i]->append(buffer, std::size_t(got));
            } else {
                close(streams[i].fd);
                streams[i].fd = -1;
                --open_streams;
            }
        }
    }
    if (open_streams > 0) kill(pid, SIGKILL);
    for (auto& stream : streams)
        if (stream.fd >= 0) close(stream.fd);
    int status;
    waitpid(pid, &status, 0);
    finished.status = open_streams > 0 ? -1 : status;
    return finished;
}

}  // namespace testing_support
