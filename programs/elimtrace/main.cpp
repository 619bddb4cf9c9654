// elimtrace: Gauss-Jordan elimination of one fixed 3 × 3 system, shown step by step.

#include "linsys/gauss.h"
#include "platform/cp437.h"
#include "platform/crt.h"
#include "programs/common/verdicts.h"

using namespace linsys;

const TMATRIX AKEZDETI = {{{{2, 1, 1}}, {{1, 3, 2}}, {{1, 2, 2}}}};  // its solution is (1, 1, 1)
const TVEKTOR BKEZDETI = {{4, 6, 5}};

TMATRIX AMATRIX;
TVEKTOR BVEKTOR;
TVEKTOR XVEKTOR;
Integer EREDMENY;

int main() {
    crt::ClrScr();
    MERET = 3;
    AMATRIX = AKEZDETI;
    BVEKTOR = BKEZDETI;
    if (GAUSS(AMATRIX, BVEKTOR, MERET, Trace::shown)) {
        XVEKTOR = BVEKTOR;
        crt::Write("x-vektor:");
        crt::WriteLn();
        for (Integer i = 1; i <= MERET; ++i) {
            crt::WriteInt(i, 3);
            crt::Write(".:");
            crt::WriteReal(XVEKTOR[i], 5, 2);
            crt::WriteLn();
        }
        crt::ReadKey();
        // The solution is checked against the system as it was given, not as it was reduced:
        // the reduced system holds by construction and would prove nothing.
        EREDMENY = ELLENORZES(AKEZDETI, XVEKTOR, BKEZDETI, MERET);
        verdicts::residual(EREDMENY, MERET);
    } else {
        crt::Write("Az együtthatómátrix szinguláris."_cp437);
        crt::WriteLn();
    }
    crt::ReadKey();
}
