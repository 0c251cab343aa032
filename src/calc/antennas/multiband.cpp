#include "calc/antennas/multiband.h"

#include "common/fault.h"

namespace ondalab::multiband {

double otherComponent(double high, double known) { return checkedDiv(kTrap, high * high * known); }

}  // namespace ondalab::multiband
