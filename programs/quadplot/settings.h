// What makes quadplot itself: each stage's own title, its panel colours, the samples drawn.
#pragma once

#include "plotting/screen.h"

inline const plotting::Settings quadplot_settings = {
    .fixed_title = "",         // each stage shows its function's title
    .SZIN = {{14, 2, 11, 6}},  // yellow, green, light cyan, brown
    .plots_samples = true,
};
