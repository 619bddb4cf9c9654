#include "linsys/gauss.h"

#include <cmath>

#include "platform/cp437.h"
#include "platform/crt.h"

namespace linsys {
namespace {

// The row of the largest |A[i, k]| for i = k..n, the uppermost among equals; 0 when all are zero.
Integer pivot_row(const TMATRIX& A, Integer n, Integer k) {
    Integer p = 0;
    Real largest = 0;
    for (Integer i = k; i <= n; ++i) {
        if (largest < std::fabs(A[i][k])) {
            p = i;
            largest = std::fabs(A[i][k]);
        }
    }
    return p;
}

// Three lines on the console: "****", the pivot of column k found in row p, "****". The line
// breaks inside are a line feed followed by a carriage return.
void pivot_message(const TMATRIX& A, Integer k, Integer p) {
    crt::Write("****\n\rA(z) ");
    crt::Write(SZOVEGGE(k));
    crt::Write(". oszlop legnagyobbja:");
    crt::WriteReal(A[p][k], 5, 2);
    crt::Write(" (");
    crt::Write(SZOVEGGE(p));
    crt::Write(")\n\r****");
    crt::WriteLn();
}

void exchange_rows(TMATRIX& A, TVEKTOR& b, Integer n, Integer k, Integer p) {
    for (Integer j = 1; j <= n; ++j) CSERE(A[k][j], A[p][j]);
    CSERE(b[k], b[p]);
}

// Row k times the stored reciprocal of its pivot, so the pivot becomes 1 (or next to it).
void normalise_row(TMATRIX& A, TVEKTOR& b, Integer n, Integer k) {
    const Real r = 1 / A[k][k];
    for (Integer j = 1; j <= n; ++j) A[k][j] = r * A[k][j];
    b[k] = r * b[k];
}

// Subtracts multiples of row k from every other row, above and below, clearing column k.
// Each update is evaluated in extended precision and rounded once, where it is stored.
void eliminate_column(TMATRIX& A, TVEKTOR& b, Integer n, Integer k) {
    for (Integer i = 1; i <= n; ++i) {
        if (i == k) continue;
        const Real m = A[i][k];
        for (Integer j = 1; j <= n; ++j) A[i][j] = Real(A[i][j] - rt::Extended(m) * A[k][j]);
        b[i] = Real(b[i] - rt::Extended(m) * b[k]);
    }
}

}  // namespace

bool GAUSS(TMATRIX& A, TVEKTOR& b, Integer n, Trace trace) {
    const bool shown = trace == Trace::shown;
    if (shown) KIIR(A, b, n, "Kezdetben.");
    for (Integer k = 1; k <= n; ++k) {
        const Integer p = pivot_row(A, n, k);
        if (p == 0) return false;
        if (shown) pivot_message(A, k, p);
        if (p != k) {
            exchange_rows(A, b, n, k, p);
            if (shown) KIIR(A, b, n, "A sorcsere után."_cp437);
        }
        normalise_row(A, b, n, k);
        eliminate_column(A, b, n, k);
        if (shown) KIIR(A, b, n, rt::ShortString("A(z) ") + SZOVEGGE(k) + " transzformáció után."_cp437);
    }
    return true;
}

void CSERE(Real& u, Real& v) {
    const Real w = u;
    u = v;
    v = w;
}

Real SKALARIS(const TVEKTOR& u, const TVEKTOR& v) {
    Real s = 0;
    for (Integer j = 1; j <= MERET; ++j) s = Real(s + rt::Extended(u[j]) * v[j]);
    return s;
}

Integer ELLENORZES(const TMATRIX& M, const TVEKTOR& v, const TVEKTOR& w, Integer n) {
    for (Integer i = 1; i <= n; ++i) {
        const rt::Extended d = rt::Extended(SKALARIS(M[i], v)) - w[i];
        if (!(std::fabs(d) < PONTOSSAG)) return i;  // a NaN residual fails too
    }
    return n + 1;
}

}  // namespace linsys
