#include "programs/fitting/fitting.h"

#include "platform/cp437.h"
#include "platform/crt.h"
#include "programs/common/verdicts.h"

namespace fitting {

using namespace linsys;

Integer PONTSZAM;
TMATRIX AKEZDETI;  // the system as built, kept for the residual check
TVEKTOR BKEZDETI;
TMATRIX AMATRIX;
TVEKTOR BVEKTOR;
TVEKTOR XVEKTOR;
Integer EREDMENY;

namespace {

void list_solution() {
    crt::Write("x-vektor:");
    crt::WriteLn();
    for (Integer i = 1; i <= MERET; ++i) {
        crt::WriteInt(i, 3);
        crt::Write(".=");
        crt::WriteReal(XVEKTOR[i], 5, 2);
        crt::WriteLn();
    }
}

void residual_verdict() {
    // Checked against the system as built: the reduced system holds by construction.
    EREDMENY = ELLENORZES(AKEZDETI, XVEKTOR, BKEZDETI, MERET);
    verdicts::residual(EREDMENY, MERET);
}

}  // namespace

void run(const Settings& program) {
    crt::ClrScr();
    PONTSZAM = 5;
    const Integer parabolas = PONTSZAM - program.parabolas_fewer_than_points;
    MERET = 3 * parabolas;
    AKEZDETI = program.EGYUTTHATOMATRIX(program.PONTOK, PONTSZAM);
    BKEZDETI = program.JOBBOLDAL(program.PONTOK, PONTSZAM);
    AMATRIX = AKEZDETI;
    BVEKTOR = BKEZDETI;
    if (GAUSS(AMATRIX, BVEKTOR, MERET, program.trace)) {
        XVEKTOR = BVEKTOR;
        list_solution();
        crt::ReadKey();
        residual_verdict();
        EREDMENY = program.ATMENES(program.PONTOK, PONTSZAM, XVEKTOR);
        verdicts::pass_through(EREDMENY, parabolas);
    } else {
        crt::Write("Az együtthatómátrix szinguláris."_cp437);
        crt::WriteLn();
    }
    crt::ReadKey();
}

}  // namespace fitting
