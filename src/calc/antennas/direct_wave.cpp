#include "calc/antennas/direct_wave.h"

#include "common/fault.h"
#include "common/numbers.h"

namespace ondalab::direct_wave {

std::int16_t distanceKm(double height) { return toInt16(checkedSqrt(height) * kKmPerRootMetre); }

}  // namespace ondalab::direct_wave
