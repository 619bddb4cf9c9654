// The one owner of the console's terminal settings.
#pragma once

namespace terminal {

// Once: when standard input is a terminal, saves its settings and turns off echo and line
// buffering (signals and output processing stay on). From then on the saved settings come back
// on every way out: normal end, run-time error, and SIGINT, SIGTERM, SIGHUP, SIGQUIT, which are
// then raised again so that the exit status names them. Ctrl-Z gives the terminal back while the
// program is stopped and takes it again when it continues.
void take();

// True when take() found a terminal on standard input.
bool input_is_terminal();

// Puts the saved settings back; safe to call from a signal handler and more than once.
void restore();

}  // namespace terminal
