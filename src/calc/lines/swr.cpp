#include "calc/lines/swr.h"

#include "common/fault.h"
#include "common/numbers.h"

namespace ondalab::swr {

double higherImpedance(double ratio) { return finite(ratio * kLineOhms); }

double lowerImpedance(double ratio) { return checkedDiv(kLineOhms, ratio); }

double reflectedPercent(double ratio) {
    const double g = checkedDiv(ratio - 1, ratio + 1);
    return finite(g * g * 100);
}

double radiatedPercent(double reflected) { return finite(toSingle(100 - reflected)); }

}  // namespace ondalab::swr
