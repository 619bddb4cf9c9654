// Runs console code inside the test process with its output going to a file instead of the
// screen, and its input at end of file, so that every wait ends at once.
#pragma once

#include <functional>
#include <string>

std::string console_output_of(const std::function<void()>& code);
