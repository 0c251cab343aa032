#include "calc/lines/electrical_length.h"

#include "common/fault.h"
#include "common/numbers.h"

namespace ondalab::electrical_length {

double wavelength(double frequency) { return checkedDiv(kWavelengthMetresMHz, frequency); }

double cableWavelength(double velocity, double wavelength) { return finite(velocity * wavelength); }

double halfWave(double cableWavelength) { return finite(toSingle(cableWavelength / 2)); }

double threeHalfWaves(double cableWavelength) { return finite(toSingle(halfWave(cableWavelength) * 3)); }

}  // namespace ondalab::electrical_length
