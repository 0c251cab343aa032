#include "calc/lines/coax_impedance.h"

#include "common/fault.h"

namespace ondalab::coax_impedance {

double impedance(double outer, double inner, float dielectric) {
    return finite(checkedDiv(kImpedanceConstant, dielectric) * checkedLog10(checkedDiv(outer, inner)));
}

}  // namespace ondalab::coax_impedance
