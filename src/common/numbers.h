// Reading what the user types and rendering results, the same way on every
// form: the leading-number parse, general/short/masked text, single-precision
// holding and the 16-bit rounding. Toolkit-free.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "common/mask.h"

namespace ondalab {

// Regional separators used when rendering (and reading rendered text back).
struct NumberFormat {
    char decimal = ',';
    char grouping = '.';

    static NumberFormat italian() { return {',', '.'}; }
    static NumberFormat english() { return {'.', ','}; }
    bool operator==(const NumberFormat&) const = default;
};

// The leading-number parse: blanks, tabs and line feeds are dropped first,
// then an optional sign, digits with at most one point, an optional exponent;
// "&H"/"&O" read hexadecimal/octal integers. Anything else ends the number;
// no number at all reads as 0. Never throws. A value too large for a double
// comes back as +-infinity, which the fault policy catches downstream.
double parseLeading(std::string_view text);

// True when the leading-number parse reads the whole text: nothing after
// the number is ignored ("1.5", "1 000", "2e3"), or there is nothing but
// blanks. "1,5", "4k7", "abc", "-" and "1e" are not read whole.
bool readsWhole(std::string_view text);

// Rounds to the nearest single-precision value (a value "held in single
// precision"). Out of float range gives +-infinity.
double toSingle(double value);

// Rounds half to even and checks the signed 16-bit range; throws CalcFault
// when the value is not finite or does not fit.
std::int16_t toInt16(double value);

// General text: shortest form showing the value to 15 significant digits,
// exponent form below 1E-4 or from 1E15 (1E-05, 1,5E+20). Throws CalcFault
// for a non-finite value.
std::string generalText(double value, const NumberFormat& fmt);

// Short text: as general text with 7 significant digits, exponent form from
// 1E7, for values held in single precision: the exact single value rounded
// once to 7 significant digits (an exact tie goes to the even digit).
std::string shortText(double value, const NumberFormat& fmt);

// Masked text through a mask such as "#,##0.###": the decimal form of the
// value at 15 significant digits, rounded half away from zero to the mask's
// decimals. Throws CalcFault for a non-finite value.
std::string maskedText(double value, std::string_view mask, const NumberFormat& fmt);

// Reads a number rendered in the regional format back ("1.234,5" -> 1234.5
// on an Italian system). Text that is not a number (an empty text, say)
// throws CalcFault, as a conversion of such a text has no value.
double readRegional(std::string_view text, const NumberFormat& fmt);

// The value a number keeps when it is shown through a mask and read back:
// rounded as masked text rounds it. The regional separators do not change
// the value, so formulas that round this way need no number format.
double roundedThrough(double value, Mask mask);

}  // namespace ondalab
