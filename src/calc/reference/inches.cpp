#include "calc/reference/inches.h"

#include "common/fault.h"
#include "common/numbers.h"

namespace ondalab::inches {

double centimetres(double inches) { return finite(kCmPerInch * inches); }

double inchesOf(double cm) { return finite(kInchesPerCm * cm); }

double feet(double cm) { return finite(toSingle(kFeetPerCm * cm)); }

}  // namespace ondalab::inches
