#include "calc/antennas/loaded_dipole.h"

#include "calc/antennas/shortened_vertical.h"
#include "common/fault.h"
#include "common/numbers.h"

namespace ondalab::loaded_dipole {

double inductance(double distance, double length, double diameter, double frequency) {
    using namespace shortened_vertical;
    const double a = distance / kFoot;
    const double b = length / kFoot;
    const double d = diameter / kInch;
    const double arm = b / 2;
    const double above = arm - a;
    const double x2 = checkedLog(checkedDiv(24 * above, d)) - 1;
    // written over the arm as (l'F - A'F) / 234, as the dipole's own formula has it
    const double s = (arm * frequency - a * frequency) / kQuarterWaveFeet;
    const double t2 = checkedDiv((s * s - 1) * x2, above);
    return finite(toSingle(coilFactor(frequency) * (lowerTerm(a, d, frequency) - t2)));
}

}  // namespace ondalab::loaded_dipole
