#include "calc/shared/parallel.h"

#include "common/fault.h"
#include "common/numbers.h"

namespace ondalab::parallel {

double combine(double a, double b) { return finite(toSingle(checkedDiv(finite(a * b), a + b))); }

}  // namespace ondalab::parallel
