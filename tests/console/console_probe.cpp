// A small console program for the tests: it shows a line, waits, and then either stops with a
// run-time error (argument "range") or tells which key ended each wait (argument "keys N").

#include <cstdlib>
#include <cstring>

#include "platform/checked.h"
#include "platform/crt.h"

int main(int argc, char** argv) {
    crt::ClrScr();
    crt::Write("ready");
    crt::WriteLn();
    if (argc > 1 && std::strcmp(argv[1], "range") == 0) {
        crt::ReadKey();
        const int too_large = 40000 + argc;
        const rt::Integer stored = too_large;  // stops with run-time error 201
        return stored;
    }
    const int waits = argc > 2 ? std::atoi(argv[2]) : 1;
    for (int i = 0; i < waits; ++i) {
        crt::WriteInt(static_cast<unsigned char>(crt::ReadKey()), 0);
        crt::WriteLn();
    }
}
