#include "calc/lines/gamma_match.h"

#include "common/fault.h"
#include "common/numbers.h"

namespace ondalab::gamma_match {

Result solve(double frequency) {
    Result r{};
    r.wavelength = checkedDiv(kLightMetresMHz, frequency);
    r.stub = kStubCmPerMetre * r.wavelength;
    r.spacing = kSpacingCmPerMetre * r.wavelength;
    r.capacitance = toInt16(toSingle(checkedDiv(kCapacitancePfMHz, frequency)));
    r.cableCm = toInt16(r.capacitance / kCablePfPerCm + kCableExtraCm);
    return r;
}

}  // namespace ondalab::gamma_match
