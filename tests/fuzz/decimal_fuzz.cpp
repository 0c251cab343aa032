// The portable decimal conversions against the C++ library's own, which the
// general and short targets hold to their properties: the first eight bytes
// as a double rendered to 1 to 17 digits (the ninth byte says how many),
// and the input's characters, when they make decimal text as the number
// code writes it, read back. Equal results on every input keep the number
// rules where the portable ones stand in (the WebAssembly build).
#include <cmath>
#include <cstdint>
#include <string>

#include "check.h"
#include "common/decimal.h"

using namespace ondalab;
using namespace ondalab::fuzz;

namespace {

// digits[.digits][e[+-]digits]
bool decimalText(const std::string& s) {
    std::size_t i = 0;
    auto digits = [&] {
        const std::size_t from = i;
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') ++i;
        return i > from;
    };
    if (!digits()) return false;
    if (i < s.size() && s[i] == '.' && (++i, !digits())) return false;
    if (i < s.size() && s[i] == 'e') {
        ++i;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) ++i;
        if (!digits()) return false;
    }
    return i == s.size();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const double x = std::fabs(doubleFrom(data, size));
    if (std::isfinite(x) && x != 0) {
        const int significant = 1 + (size > 8 ? data[8] % 17 : 14);
        const Decimal lib = scientificDigits(x, significant);
        const Decimal port = portable::scientificDigits(x, significant);
        require(lib.digits == port.digits && lib.exp10 == port.exp10,
                "digits " + port.digits + "e" + std::to_string(port.exp10) + ", the library's " + lib.digits +
                    "e" + std::to_string(lib.exp10));
    }
    const std::string text(reinterpret_cast<const char*>(data), size);
    if (decimalText(text)) {
        const DecimalReading lib = readDecimal(text);
        const DecimalReading port = portable::readDecimal(text);
        require(lib.outOfRange == port.outOfRange, "out of range differs for " + text);
        require(lib.value == port.value, "reads " + text + " as another value than the library");
    }
    return 0;
}
