#include "calc/volts/ohm.h"

#include "common/fault.h"

namespace ondalab::ohm {

Results solve(Known known, double a, double b) {
    switch (known) {
        case Known::VoltAmpere:  // R = V / I, W = V x I
            return {checkedDiv(a, b), finite(a * b)};
        case Known::VoltOhm:  // I = V / R, W = V x V / R
            return {checkedDiv(a, b), checkedDiv(a * a, b)};
        case Known::VoltWatt:  // I = W / V, R = V x V / W
            return {checkedDiv(b, a), checkedDiv(a * a, b)};
        case Known::AmpereOhm:  // V = I x R, W = I x I x R
            return {finite(a * b), finite(a * a * b)};
        case Known::AmpereWatt:  // V = W / I, R = W / (I x I)
            return {checkedDiv(b, a), checkedDiv(b, a * a)};
        case Known::OhmWatt:  // V = sqrt(R x W), I = sqrt(W / R)
            return {checkedSqrt(a * b), checkedSqrt(checkedDiv(b, a))};
    }
    throw CalcFault("unknown pair");
}

}  // namespace ondalab::ohm
