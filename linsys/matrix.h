// A square linear system as the console programs hold it, and its printing.
#pragma once

#include <string_view>

#include "platform/checked.h"
#include "platform/shortstring.h"

#ifndef LINSYS_MAXMERET
#error "each program sets its capacity LINSYS_MAXMERET (the build does)"
#endif

namespace linsys {

using rt::Integer;
using rt::Real;

inline constexpr Integer MAXMERET = LINSYS_MAXMERET;  // the capacity: 3, 9 or 12

using TVEKTOR = rt::Array<Real, 1, MAXMERET>;     // a right-hand side, a solution or one row
using TMATRIX = rt::Array<TVEKTOR, 1, MAXMERET>;  // row-major: A[i] is row i, A[i][j] entry (i, j)

extern Integer MERET;  // the size of the program's system, set by its main procedure

// Prints the augmented system A|b (rows and columns 1..n) under its title, then waits for a key.
void KIIR(const TMATRIX& A, const TVEKTOR& b, Integer n, std::string_view title);

// The decimal text of i in shortest form.
rt::ShortString SZOVEGGE(Integer i);

}  // namespace linsys
