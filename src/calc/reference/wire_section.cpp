#include "calc/reference/wire_section.h"

#include "common/fault.h"

namespace ondalab::wire_section {

double minimumDiameter(double amperes) { return kMinimumPerRootAmpere * checkedSqrt(amperes); }

double normalDiameter(double amperes) { return kNormalPerRootAmpere * checkedSqrt(amperes); }

double section(double diameter) {
    const double radius = diameter / 2;
    return finite(kPi * (radius * radius));
}

}  // namespace ondalab::wire_section
