// The one fault mechanism. Formulas call these checked helpers where a
// value the user can type would divide by zero, take the log or root of a
// non-positive value or leave the double range; the helper throws CalcFault
// and the workbench, where it dispatches the event, turns it into the
// "CALCOLO IMPOSSIBILE CON I DATI INSERITI" warning (or keeps quiet for a
// handler that runs on every keystroke) with the results left untouched.
#pragma once

#include <cmath>
#include <stdexcept>

namespace ondalab {

struct CalcFault : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// The value itself, or a fault when it is infinite or not a number.
inline double finite(double x) {
    if (!std::isfinite(x)) throw CalcFault("non-finite result");
    return x;
}

inline double checkedDiv(double num, double den) {
    if (den == 0.0) throw CalcFault("division by zero");
    return finite(num / den);
}

inline double checkedLog(double x) {
    if (!(x > 0.0)) throw CalcFault("log of a non-positive value");
    return finite(std::log(x));
}

inline double checkedSqrt(double x) {
    if (!(x >= 0.0)) throw CalcFault("square root of a negative value");
    return finite(std::sqrt(x));
}

// Base-10 logarithm the way the program computes it: ln(x) / ln(10).
inline double checkedLog10(double x) { return checkedLog(x) / std::log(10.0); }

}  // namespace ondalab
