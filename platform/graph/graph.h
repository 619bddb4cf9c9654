// The graphics library: a 640 × 480 picture of the standard 16 colours, viewports with
// clipping, an 8 × 8 font indexed by CP437 code, shown in a window served by a thread of its own.
// Coordinates are relative to the current viewport. Every figure is clipped to the viewport
// (with clipping on) or to the screen (with it off): it draws exactly those of its pixels that
// lie inside, for any 16-bit coordinates. Lines are always solid and one pixel wide.
#pragma once

#include <string_view>

#include "platform/checked.h"

namespace graph {

using rt::Integer;
using rt::Word;

// Running a program that draws: its main procedure runs on a thread of its own while the
// calling thread (the process's main thread) serves the window. Returns the exit status.
// Closing the window ends the process at once with status 0; no display, a display that cannot
// be reached or is lost while the program runs, or a window that cannot open, ends it with one
// line on standard error and status 1.
int run_program(void (*main_procedure)());

// Opening and closing
void InitGraph(Integer& driver, Integer& mode, std::string_view driver_path);  // driver 0: detect (640 × 480)
void CloseGraph();
Integer GetMaxX();  // the last column, 639
Integer GetMaxY();  // the last row, 479

// Colours, fill, viewport
void SetBkColor(Word colour);  // the colour ClearDevice and the empty fill use; drawn pixels keep theirs
void SetColor(Word colour);  // colour mod 16 from here on
Word GetColor();
void SetFillStyle(Word pattern, Word colour);  // pattern 0 fills with the background, any other solid
// Absolute corners, inclusive. A request that is not inside the screen with x1 <= x2 and
// y1 <= y2 is ignored: the viewport stays as it was, so it is always inside the screen.
void SetViewPort(Integer x1, Integer y1, Integer x2, Integer y2, bool clip);
void ClearDevice();  // the whole screen in the background colour; viewport back to the screen

// Drawing
void PutPixel(Integer x, Integer y, Word colour);
// Both end points included; the same pixels whichever end comes first (halfway cases go to the
// pixel farther from the left end, or the top end of a steep line).
void Line(Integer x1, Integer y1, Integer x2, Integer y2);
void Rectangle(Integer x1, Integer y1, Integer x2, Integer y2);  // outline, current colour
void Bar(Integer x1, Integer y1, Integer x2, Integer y2);        // filled in the fill style, corners in any order, no outline

// Text
// 0 left, 1 centre, 2 right; 0 bottom, 1 centre, 2 top. Left and top put the text's first
// column and row on the given point, right and bottom its last; centred, the given column is
// the first right of the text's middle (the given row the first below it). Any other value
// leaves the justification as it was.
void SetTextJustify(Word horizontal, Word vertical);
Word TextHeight(std::string_view text);
Word TextWidth(std::string_view text);
void OutTextXY(Integer x, Integer y, std::string_view text);  // text: CP437 bytes, in the current colour

}  // namespace graph

namespace wincrt {

char ReadKey();  // the next character typed into the window; a special key gives 0, then its code

}  // namespace wincrt
