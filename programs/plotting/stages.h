// The run shared by the two plotting programs: four stages, one per built-in function, each on a
// freshly laid-out screen, drawing the function's table into panels 1 to 3 one after another and
// waiting for a key after each panel.
#pragma once

#include "plotting/screen.h"

namespace stages {

void run(const plotting::Settings& settings);

}  // namespace stages
