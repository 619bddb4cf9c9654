// The console: clearing it, waiting for keys, and writing texts and numbers.
//
// Texts are CP437 bytes; the console shows them as UTF-8. Output is flushed at every line end
// and before every wait. A write that fails stops the program with run-time error 101.
#pragma once

#include <string_view>

#include "platform/checked.h"

namespace crt {

// Screen and keyboard
void ClrScr();   // clears the screen and homes the cursor (on a terminal; elsewhere nothing)
char ReadKey();  // waits for one key press and returns its character (0 at end of input)

// Output
void Write(std::string_view text);                      // a CP437 text as it stands
void WriteChar(char c, int width = 0);                  // c after width - 1 blanks
void WriteInt(long long value, int width = 0);          // right-aligned in width characters
void WriteReal(rt::Real value, int width, int decimals);  // fixed-point, right-aligned
void WriteLn();                                         // ends the line

}  // namespace crt
