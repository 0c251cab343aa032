#include "calc/lc/reactance.h"

#include "common/fault.h"

namespace ondalab::reactance {

double inductive(double mhz, double microhenry) { return finite(kTwoPi * finite(mhz * microhenry)); }

double capacitive(double mhz, double picofarad) { return checkedDiv(kMillionOverTwoPi, finite(mhz * picofarad)); }

}  // namespace ondalab::reactance
