// Function descriptors, the sampled table and its fill.
#pragma once

#include "platform/checked.h"

namespace plotting {

using rt::Integer;
using rt::Real;

inline constexpr int MAXN = 1024;  // the capacity of a table, in samples

using TKOORDINATAK = rt::Array<Real, 1, MAXN>;

// A one-variable function, the interval to sample it on and the y-range to draw it in.
struct TEGYVALTOZOSFV {
    Real TOL;             // the first abscissa
    Real IG;              // the end of the interval; an abscissa equal to it is still sampled
    Real (*FV)(Real X);   // the function
    Real MIN;             // the y-range to draw in
    Real MAX;
};

// Samples 1..N of a function and the y-range it is drawn in.
struct TFUGGVENYTABLA {
    Integer N;
    TKOORDINATAK X;
    TKOORDINATAK Y;
    Real MINY;
    Real MAXY;
};

// The four sample functions; reached only through a descriptor's FV.
Real SINX(Real X);
Real COSX(Real X);
Real GYOKX(Real X);  // a negative X stops the program: run-time error 207
Real KONS3(Real X);  // 3, whatever X is

// The four built-in descriptors (static data).
extern const TEGYVALTOZOSFV SINFV;   // −π..π, y in −1..1
extern const TEGYVALTOZOSFV COSFV;   // −π..π, y in −1..1
extern const TEGYVALTOZOSFV GYOKFV;  // 0..100, y in 0..10
extern const TEGYVALTOZOSFV KONSFV;  // −75..75, y in −1..10

extern TFUGGVENYTABLA FT;  // the one table, refilled for each function in turn

// Samples F.FV at F.TOL, F.TOL + LEP, … while the abscissa does not exceed F.IG, into
// FT.X[1..N] and FT.Y[1..N]; the y-range is the descriptor's. More than MAXN samples: error 201.
void FELTOLT(const TEGYVALTOZOSFV& F, Real LEP, TFUGGVENYTABLA& FT);

}  // namespace plotting
