#include "calc/volts/db.h"

#include <cmath>

#include "common/fault.h"

namespace ondalab::db {

Ratios fromDecibels(double decibels) {
    const double voltage = finite(std::pow(10.0, decibels / 20));
    return {voltage, finite(voltage * voltage)};
}

Level between(Quantity quantity, double input, double output) {
    const bool gain = input <= output;
    const double ratio = gain ? checkedDiv(output, input) : checkedDiv(input, output);
    const double factor = quantity == Quantity::Voltage ? 20 : 10;  // 20 log for voltages, 10 log for powers
    return {factor * checkedLog10(ratio), gain};
}

}  // namespace ondalab::db
