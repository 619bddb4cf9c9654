// Run-time errors: a failed check stops the program at once with a report
// "Runtime error <code> at $<address>: <explanation>" and the code as exit status.
#pragma once

#include <string_view>

namespace rt {

enum ErrorCode : int {
    kConsoleWrite = 101,      // a console write failed
    kDivisionByZero = 200,    // floating-point division by zero
    kRangeCheck = 201,        // index or 16-bit value out of its range
    kInvalidOperation = 207,  // square root of a negative number, truncation with no 64-bit result
};

// Stops the program: runs the clean-up hooks, writes the report (standard output, or standard
// error when standard output cannot take it) and exits with the code. where is the return address
// of the call that failed its check (__builtin_return_address(0) in the called function): the
// report names the byte before it, inside the call, which addr2line maps to the failing line.
// explanation is Hungarian UTF-8 text.
[[noreturn]] void run_error(int code, const void* where, std::string_view explanation);

// The range-check stop for a value that left low..high, reported at the caller's address.
[[noreturn, gnu::noinline]] void range_error(long long value, long long low, long long high);

// Registers a clean-up step that every run-time error performs before its report (the console
// flushes what it holds and gives the terminal back). At most a few; no allocation.
void at_run_error(void (*hook)());

// Writes all of text to a file descriptor, retrying interrupted writes; false when it failed.
bool write_all(int fd, std::string_view text);

}  // namespace rt
