#include "calc/lines/two_wire.h"

#include "common/fault.h"
#include "common/numbers.h"

namespace ondalab::two_wire {

double impedance(double distance, double diameter) {
    const double radius = diameter / 2;
    return finite(toSingle(kImpedanceConstant * checkedLog(checkedDiv(distance, radius))));
}

}  // namespace ondalab::two_wire
