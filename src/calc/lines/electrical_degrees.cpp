#include "calc/lines/electrical_degrees.h"

#include "common/fault.h"
#include "common/numbers.h"

namespace ondalab::electrical_degrees {

// A wavelength beyond the double range is still longer than any length.
bool exceedsWavelength(double metres, double frequency) { return metres > kWavelengthMetresMHz / frequency; }

double degrees(double metres, double frequency) {
    return finite(toSingle(frequency * (metres * kDegreesPerMetreMHz)));
}

double metres(double degrees, double frequency) {
    return checkedDiv(degrees, frequency * kDegreesPerMetreMHz);
}

}  // namespace ondalab::electrical_degrees
