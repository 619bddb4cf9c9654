#include "tests/console/capture.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>

std::string console_output_of(const std::function<void()>& code) {
    static const int no_input = [] {
        const int fd = open("/dev/null", O_RDONLY);
        dup2(fd, STDIN_FILENO);
        return fd;
    }();
    (void)no_input;
    std::fflush(stdout);
    FILE* file = std::tmpfile();
    const int saved = dup(STDOUT_FILENO);
    dup2(fileno(file), STDOUT_FILENO);
    code();
    dup2(saved, STDOUT_FILENO);
    close(saved);
    std::string text;
    std::rewind(file);
    for (int c; (c = std::fgetc(file)) != EOF;) text += char(c);
    std::fclose(file);
    return text;
}
