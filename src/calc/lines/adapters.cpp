#include "calc/lines/adapters.h"

#include "common/fault.h"

namespace ondalab::adapters {

double sectionImpedance(const coax_cable::Cable& cable, double antennaOhms) {
    return checkedSqrt(cable.impedance * antennaOhms);
}

double sectionLength(const coax_cable::Cable& cable, double frequency) {
    return finite(cable.velocity * checkedDiv(kQuarterWaveMetresMHz, frequency));
}

}  // namespace ondalab::adapters
