#include "calc/reference/meter_range.h"

#include "common/fault.h"
#include "common/numbers.h"

namespace ondalab::meter_range {

double shunt(double meterOhms, double factor) {
    const double n = factor <= 1 ? kLeastShuntFactor : factor;
    return checkedDiv(meterOhms, n - 1);
}

double series(double meterOhms, double factor) {
    const double n = factor < 1 ? kLeastSeriesFactor : factor;
    return finite(toSingle(finite((n - 1) * meterOhms)));
}

}  // namespace ondalab::meter_range
