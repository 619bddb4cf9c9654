// The three plot styles. Each draws table T into the plot area of panel A over the white axes
// through the origin, and leaves that plot area's viewport and the colour A.SZIN current. When
// the program plots no samples (quadsketch) each draws the axes alone.
#pragma once

#include "plotting/screen.h"
#include "plotting/table.h"

namespace plotting {

void KIRAJZOLP(const TABLAK& A, const TFUGGVENYTABLA& T);   // one pixel per sample
void KIRAJZOLSZ(const TABLAK& A, const TFUGGVENYTABLA& T);  // a polyline through the samples
void KIRAJZOLT(const TABLAK& A, const TFUGGVENYTABLA& T);   // a bar from each sample to the axis

}  // namespace plotting
