// The two exact conversions the number rules rest on, between a double and
// its decimal digits. The C++ library's <charconv> does them where it
// converts floating point; where it does not (the libc++ that emscripten
// ships), the portable versions do the same through the C library, whose
// printf and strtod round exactly on glibc and musl alike. The portable
// versions are always built, so they are checked natively against
// <charconv>.
#pragma once

#include <string>
#include <string_view>

namespace ondalab {

// A positive value as decimal digits d[0].d[1]d[2]... times 10^exp10.
struct Decimal {
    std::string digits;
    int exp10 = 0;
};

// A positive finite value correctly rounded to `significant` digits (1 to
// 17; an exact tie goes to the even digit), trailing zeros kept.
Decimal scientificDigits(double positive, int significant);

// Unsigned decimal text "digits[.digits][e[+-]digits]" read as the nearest
// double. Text beyond the double range, either way, is out of range and its
// value left at zero.
struct DecimalReading {
    double value = 0.0;
    bool outOfRange = false;
};
DecimalReading readDecimal(std::string_view text);

namespace portable {
Decimal scientificDigits(double positive, int significant);
DecimalReading readDecimal(std::string_view text);
}  // namespace portable

}  // namespace ondalab
