// What makes quadsketch itself: one fixed title, its panel colours, the axes of each table alone.
#pragma once

#include "platform/cp437.h"
#include "plotting/screen.h"

inline const plotting::Settings quadsketch_settings = {
    .fixed_title = "Rajzoló program"_cp437,
    .SZIN = {{4, 1, 2, 14}},  // red, blue, green, yellow
    .plots_samples = false,
};
