// The graphics library: a 640 × 480 picture of the standard 16 colours, viewports with
// clipping, an 8 × 8 font indexed by CP437 code, shown in a window served by a thread of its own.
// Coordinates are relative to the current viewport.
#pragma once

#include <string_view>

#include "platform/checked.h"

namespace graph {

using rt::Integer;
using rt::Word;

// Running a program that draws: its main procedure runs on a thread of its own while the
// calling thread (the process's main thread) serves the window. Returns the exit status.
int run_program(void (*main_procedure)());

// Opening and closing
void InitGraph(Integer& driver, Integer& mode, std::string_view driver_path);  // driver 0: detect (640 × 480)
void CloseGraph();
Integer GetMaxX();  // the last column, 639
Integer GetMaxY();  // the last row, 479

// Colours, fill, viewport
void SetBkColor(Word colour);
void SetColor(Word colour);  // colour mod 16 from here on
Word GetColor();
void SetFillStyle(Word pattern, Word colour);
void SetViewPort(Integer x1, Integer y1, Integer x2, Integer y2, bool clip);  // absolute corners, inclusive
void ClearDevice();  // the whole screen in the background colour; viewport back to the screen

// Drawing
void PutPixel(Integer x, Integer y, Word colour);
void Line(Integer x1, Integer y1, Integer x2, Integer y2);       // both end points included
void Rectangle(Integer x1, Integer y1, Integer x2, Integer y2);  // outline, current colour
void Bar(Integer x1, Integer y1, Integer x2, Integer y2);        // filled, corners in any order, no outline

// Text
void SetTextJustify(Word horizontal, Word vertical);  // 0 left, 1 centre, 2 right; 0 bottom, 1 centre, 2 top
Word TextHeight(std::string_view text);
Word TextWidth(std::string_view text);
void OutTextXY(Integer x, Integer y, std::string_view text);  // text: CP437 bytes

}  // namespace graph

namespace wincrt {

char ReadKey();  // the next character typed into the window; a special key gives 0, then its code

}  // namespace wincrt
