#include "plotting/table.h"

namespace plotting {

void FELTOLT(const TEGYVALTOZOSFV& F, Real LEP, TFUGGVENYTABLA& FT) {
    // The abscissa accumulates: each sum is rounded to Real as it is stored, so the rounding
    // error of the step adds up and decides whether the end of the interval is reached.
    Real X = F.TOL;
    Integer I = 1;
    while (X <= F.IG) {
        FT.X[I] = X;  // the index check stops the 1025th sample before anything is stored
        FT.Y[I] = F.FV(X);
        X = Real(rt::Extended(X) + LEP);
        ++I;
    }
    FT.N = I - 1;
    FT.MINY = F.MIN;
    FT.MAXY = F.MAX;
}

}  // namespace plotting
