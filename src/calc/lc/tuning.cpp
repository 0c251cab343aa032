#include "calc/lc/tuning.h"

#include "common/fault.h"

namespace ondalab::tuning {

double frequencyMHz(double microhenry, double picofarad) {
    return checkedDiv(kFrequencyConstant, checkedSqrt(finite(microhenry * picofarad)));
}

double tuningPart(double megahertz, double other) {
    return checkedDiv(kTuningConstant, finite((megahertz * megahertz) * other));
}

}  // namespace ondalab::tuning
