#include "calc/volts/dbmicrovolt.h"

#include <cmath>

#include "common/fault.h"

namespace ondalab::dbmicrovolt {

double fromMicrovolts(double microvolts) { return 20 * checkedLog10(microvolts); }

double toMicrovolts(double decibels) { return finite(std::pow(10.0, decibels / 20)); }

}  // namespace ondalab::dbmicrovolt
