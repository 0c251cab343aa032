// What the fuzz targets share: how a broken property is reported (it
// aborts, so libFuzzer keeps the input), the fuzzed input read as numbers
// and formats, and an independent rendering by the C library to compare
// ours with.
#pragma once

#include <cfenv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "common/numbers.h"

namespace ondalab::fuzz {

[[noreturn]] inline void broken(const std::string& what) {
    std::fprintf(stderr, "property broken: %s\n", what.c_str());
    std::abort();
}

inline void require(bool ok, const std::string& what) {
    if (!ok) broken(what);
}

// No rendering of a finite value may show these, in any letter case.
inline bool looksNonFinite(const std::string& text) {
    std::string lower;
    for (char c : text) lower += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    return lower.find("inf") != std::string::npos || lower.find("nan") != std::string::npos ||
           lower.find("1.#") != std::string::npos;
}

// The first eight bytes as a double (missing bytes are zero).
inline double doubleFrom(const std::uint8_t* data, std::size_t size) {
    std::uint8_t bytes[8] = {};
    std::memcpy(bytes, data, size < 8 ? size : 8);
    double v = 0;
    std::memcpy(&v, bytes, 8);
    return v;
}

inline NumberFormat formatFrom(std::uint8_t byte) {
    return byte & 1 ? NumberFormat::english() : NumberFormat::italian();
}

// "%.NG" by the C library (exact decimal rounding, a tie to even), or cut
// toward zero where rounding would leave the double range; "0" for zeros of
// either sign; the point replaced by the regional decimal separator.
inline std::string printfG(double v, int digits, const NumberFormat& fmt) {
    if (v == 0) return "0";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*G", digits, v);
    if (std::isinf(std::strtod(buf, nullptr))) {
        std::fesetround(FE_TOWARDZERO);
        std::snprintf(buf, sizeof buf, "%.*G", digits, v);
        std::fesetround(FE_TONEAREST);
    }
    std::string out(buf);
    for (char& c : out)
        if (c == '.') c = fmt.decimal;
    return out;
}

// Digits shown, leading and trailing zeros left out, the exponent not counted.
inline int significantDigits(const std::string& text) {
    const std::string mantissa = text.substr(0, text.find('E'));
    std::string digits;
    for (char c : mantissa)
        if (c >= '0' && c <= '9') digits += c;
    const auto first = digits.find_first_not_of('0');
    if (first == std::string::npos) return 0;
    const auto last = digits.find_last_not_of('0');
    return static_cast<int>(last - first + 1);
}

// A rendering with `digits` significant digits is at most this long: a sign,
// the digits, a separator and an exponent "E+308" (the "0,000" before the
// digits of a value down to 1E-4 is shorter than an exponent).
inline std::size_t longestRendering(int digits) { return static_cast<std::size_t>(digits) + 1 + 1 + 5; }

}  // namespace ondalab::fuzz
