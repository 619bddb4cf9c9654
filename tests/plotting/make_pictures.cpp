// make_pictures: draws the golden screens of both programs (tests/plotting/golden/) and the
// README's pictures (docs/) with the headless twin, into the source tree. Run it after a change
// that is meant to alter what the programs show, look at every picture that changed, and commit
// them with the change.
#include <cstdio>
#include <string>

#include "platform/graph/headless.h"
#include "tests/plotting/screens.h"

namespace {

const char* current_program;
bool failed = false;

void write(const std::string& path) {
    if (graph::headless::write_png(path.c_str())) return;
    std::fprintf(stderr, "make_pictures: cannot write %s\n", path.c_str());
    failed = true;
}

void write_screen(int wait) {
    using namespace plotting_tests;
    write(golden_path(current_program, wait));
    for (const DocsPicture& picture : docs_pictures) {
        if (current_program == std::string(picture.program) && wait == picture.wait)
            write(std::string(PLOTTING_SOURCE_DIR) + "/" + picture.file);
    }
}

}  // namespace

int main() {
    for (const char* program : {"quadplot", "quadsketch"}) {
        current_program = program;
        plotting_tests::run_headless(plotting_tests::settings_of(program), write_screen);
    }
    return failed ? 1 : 0;
}
