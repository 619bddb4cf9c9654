// Running a program to its end with its standard streams redirected, for transcript tests.
#pragma once

#include <string>
#include <vector>

namespace testing_support {

struct Finished {
    int status = -1;  // raw wait status; -1 when it had to be killed after the time limit
    std::string out;
    std::string err;
};

// Standard input closed, not merely empty.
inline const std::string kClosedInput = "(closed)";

// Standard output into a pipe whose reading end is already closed, as when the reader has quit.
inline const std::string kClosedPipe = "(closed pipe)";

// Runs program with standard input from input_path (a file or device, or kClosedInput), standard output to a
// pipe or, when output_path is given, to that file or device (or kClosedPipe); collects what
// reaches the pipes.
Finished run_program(const std::string& program, const std::string& input_path = "/dev/null",
                     const std::string& output_path = "", const std::vector<std::string>& arguments = {},
                     int timeout_seconds = 10);

}  // namespace testing_support
