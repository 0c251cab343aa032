#include "calc/resistors/zener.h"

#include "common/fault.h"
#include "common/numbers.h"

namespace ondalab::zener {

Dropper solve(double vcc, double vz, double loadMilliamps, std::int16_t zenerMilliamps) {
    const double current = loadMilliamps + zenerMilliamps;
    const double drop = vcc - vz;
    return {.ohms = toInt16(checkedDiv(drop, current) * kMilli),
            .watts = finite(toSingle(finite(current * drop) / kMilli))};
}

}  // namespace ondalab::zener
