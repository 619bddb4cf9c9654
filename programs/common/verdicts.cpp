#include "programs/common/verdicts.h"

#include "linsys/gauss.h"
#include "platform/cp437.h"
#include "platform/crt.h"

namespace verdicts {

void tolerance_question(std::string_view claim) {
    crt::Write(claim);
    crt::WriteReal(rt::Real(linsys::PONTOSSAG), 0, 9);
    crt::Write("-pontossággal? "_cp437);
}

void residual(rt::Integer result, rt::Integer size) {
    tolerance_question("Az \"Ax=b\" vektoregyenlet teljesül "_cp437);
    if (result > size) {
        crt::Write("OK.");
    } else {
        crt::Write("Nem OK:");
        crt::WriteInt(result);
        crt::Write(".");
    }
    crt::WriteLn();
}

void pass_through(rt::Integer code, rt::Integer parabolas) {
    tolerance_question("A \"parabolák a pontokon átmennek\" állítás teljesül "_cp437);
    if (code > 10 * (parabolas + 1)) {
        crt::Write("OK.");
    } else {
        crt::Write("Nem OK:");
        crt::WriteInt(code / 10);
        crt::Write(". parabola, ");
        crt::WriteInt(code % 10);
        crt::Write(". ponton.");
    }
    crt::WriteLn();
}

}  // namespace verdicts
