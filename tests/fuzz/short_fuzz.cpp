// Short text of any double, held in single precision first: the exact
// single value rounded once to 7 significant digits, a tie to the even
// digit, as the C library's "%.7G" writes it; never "inf"/"nan", a fault
// only for a value that is not finite once held in single precision.
#include <cfloat>
#include <cstdint>
#include <cstring>
#include <string>

#include "check.h"
#include "common/fault.h"
#include "common/numbers.h"

using namespace ondalab;
using namespace ondalab::fuzz;

namespace {

// The nearest single to v, worked out apart from toSingle: beyond FLT_MAX
// the nearest is FLT_MAX up to the halfway point to 2^128, then infinity.
double nearestSingle(double v) {
    const double a = std::fabs(v);
    if (std::isnan(v) || a <= FLT_MAX) return static_cast<float>(v);
    return std::copysign(a < 0x1.ffffffp127 ? FLT_MAX : HUGE_VAL, v);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The first byte chooses how the rest is read: as a float's bits (so
    // that every single, ties included, is reached) or as a double's.
    if (size < 1) return 0;
    const NumberFormat fmt = formatFrom(data[0]);
    double x = doubleFrom(data + 1, size - 1);
    if (data[0] & 2) {
        float f = 0;
        std::memcpy(&f, data + 1, size - 1 < 4 ? size - 1 : 4);
        x = f;
    }
    const double held = nearestSingle(x);
    std::string text;
    try {
        text = shortText(x, fmt);
    } catch (const CalcFault&) {
        require(!std::isfinite(held), "short text faulted on a value finite in single precision");
        return 0;
    }
    require(std::isfinite(held), "short text rendered a value not finite in single precision: " + text);
    require(!looksNonFinite(text), "short text shows " + text);
    require(significantDigits(text) <= 7, "more than 7 digits: " + text);
    require(text.size() <= longestRendering(7), "too long: " + text);
    const std::string ref = printfG(held, 7, fmt);
    require(text == ref, "short text " + text + ", %.7G of the single gives " + ref);
    return 0;
}
