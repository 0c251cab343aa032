#include "calc/resistors/divider.h"

#include "common/fault.h"
#include "common/numbers.h"

namespace ondalab::divider {

Divider solve(double volts, double r1, double r2) {
    const double r2Single = finite(toSingle(r2));
    Divider d{};
    d.current = finite(toSingle(checkedDiv(volts, r1 + r2Single)));
    d.v1 = finite(d.current * r1);
    d.v2 = finite(toSingle(d.current * r2Single));
    d.shownCurrent = toSingle(roundedThrough(d.current, kCurrentMask));
    return d;
}

}  // namespace ondalab::divider
