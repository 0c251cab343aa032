#include "calc/capacitors/plate.h"

#include "common/fault.h"
#include "common/numbers.h"

namespace ondalab::plate {

double capacitance(double k, double areaCm2, double spacingMm) {
    const double picofarad = finite(toSingle(checkedDiv(kPermittivity * k * areaCm2, spacingMm / kMmPerCm)));
    return finite(toSingle(roundedThrough(picofarad, kRoundingMask)));
}

}  // namespace ondalab::plate
