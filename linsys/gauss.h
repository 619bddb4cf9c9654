// Gauss-Jordan elimination with partial pivoting, and the residual check of a solution.
#pragma once

#include "linsys/matrix.h"

namespace linsys {

inline constexpr rt::Extended PONTOSSAG = 1e-9L;  // the tolerance of every check

enum class Trace { silent, shown };  // shown: print every step and wait for a key after each system

// Reduces A·x = b (size n) in place; true when every column had a pivot, b then holding the
// solution; false when the matrix is singular, A and b as the finished columns left them.
bool GAUSS(TMATRIX& A, TVEKTOR& b, Integer n, Trace trace);

// Exchanges two Reals.
void CSERE(Real& u, Real& v);

// The scalar product of u and v over the indices 1..MERET.
Real SKALARIS(const TVEKTOR& u, const TVEKTOR& v);

// The first row i of 1..n whose residual (row i of M)·v − w[i] is not below PONTOSSAG, or n + 1.
Integer ELLENORZES(const TMATRIX& M, const TVEKTOR& v, const TVEKTOR& w, Integer n);

}  // namespace linsys
