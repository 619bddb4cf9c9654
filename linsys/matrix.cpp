#include "linsys/matrix.h"

#include "platform/cp437.h"
#include "platform/crt.h"
#include "platform/numfmt.h"

namespace linsys {

Integer MERET;

namespace {

void blanks(int count) {
    for (int i = 0; i < count; ++i) crt::Write(" ");
}

}  // namespace

void KIIR(const TMATRIX& A, const TVEKTOR& b, Integer n, std::string_view title) {
    crt::Write("**** ");
    crt::Write(title);
    crt::Write(" ****");
    crt::WriteLn();
    // The runs put "=b-vektor" above the "=" of the rows, which stands in column 6n + 6.
    blanks(n >= 1 ? 3 * n - 1 : 1);
    crt::Write("A-mátrix"_cp437);
    blanks(n >= 1 ? 3 * n - 2 : 1);
    crt::Write("=b-vektor");
    crt::WriteLn();
    for (Integer i = 1; i <= n; ++i) {
        crt::WriteInt(i, 3);
        crt::Write(": ");
        for (Integer j = 1; j <= n; ++j) {
            crt::WriteReal(A[i][j], 5, 2);
            crt::Write(" ");
        }
        crt::Write("= ");
        crt::WriteReal(b[i], 5, 2);
        crt::WriteLn();
    }
    crt::ReadKey();
}

rt::ShortString SZOVEGGE(Integer i) { return rt::ShortString(numfmt::integer(i)); }

}  // namespace linsys
