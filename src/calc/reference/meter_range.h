// Extending a moving-coil meter's range n times: the shunt of an ammeter
// and the series resistor of a voltmeter.
#pragma once

namespace ondalab::meter_range {

// A shunt factor of 1 or less is taken as 1.1; a voltmeter factor below 1 as 1.
inline constexpr double kLeastShuntFactor = 1.1;
inline constexpr double kLeastSeriesFactor = 1;

double shunt(double meterOhms, double factor);   // Rm / (n - 1)
double series(double meterOhms, double factor);  // (n - 1) Rm, held in single precision

}  // namespace ondalab::meter_range
