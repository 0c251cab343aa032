#include "calc/volts/dbw.h"

#include <cmath>

#include "common/fault.h"

namespace ondalab::dbw {

double wattsFromDbw(double dbw) { return finite(std::pow(10.0, dbw / 10)); }

double dbwFromWatts(double watts) { return 10 * checkedLog10(watts); }

double volts(double watts, double ohms) { return checkedSqrt(finite(watts * ohms)); }

}  // namespace ondalab::dbw
