// The pictures the window test program draws, so that the test can draw the same ones headless
// and compare them with the window's contents.
#pragma once

namespace graph_test {

// Picture 1: a white frame, the 16 colours as bars, lines and text; picture 2 adds a yellow
// block to it; picture 3 is a new screen with a red block.
void draw_picture(int number);

}  // namespace graph_test
