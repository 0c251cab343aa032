#include "common/decimal.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <system_error>

namespace ondalab {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Scientific text ("1.2345e+07", "5e-01", the point in any locale's form)
// split into its digits and exponent.
Decimal splitScientific(std::string_view text) {
    Decimal d;
    std::size_t i = 0;
    for (; i < text.size() && text[i] != 'e'; ++i) {
        if (isDigit(text[i])) d.digits.push_back(text[i]);
    }
    if (i < text.size()) {
        ++i;
        bool negative = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
        int e = 0;
        for (; i < text.size() && isDigit(text[i]); ++i) e = e * 10 + (text[i] - '0');
        d.exp10 = negative ? -e : e;
    }
    return d;
}

}  // namespace

namespace portable {

Decimal scientificDigits(double positive, int significant) {
    char buf[64];
    const int n = std::snprintf(buf, sizeof buf, "%.*e", significant - 1, positive);
    return splitScientific(std::string_view(buf, static_cast<std::size_t>(n)));
}

DecimalReading readDecimal(std::string_view text) {
    // The point goes into the exponent ("12.5e3" is read as "125e2"), so
    // that the locale's decimal point (a comma under Qt) plays no part.
    std::string digits;
    long long exponent = 0;
    std::size_t i = 0;
    bool fraction = false;
    for (; i < text.size() && (isDigit(text[i]) || text[i] == '.'); ++i) {
        if (text[i] == '.') {
            fraction = true;
        } else {
            digits.push_back(text[i]);
            if (fraction) --exponent;
        }
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        // Far beyond the double range either way, and no overflow below.
        constexpr long long bound = 999999999;
        const std::string rest(text.substr(i + 1));
        exponent += std::clamp(std::strtoll(rest.c_str(), nullptr, 10), -bound, bound);
    }
    const std::string plain = digits + "e" + std::to_string(exponent);
    const double v = std::strtod(plain.c_str(), nullptr);
    const bool zeroDigits = digits.find_first_not_of('0') == std::string::npos;
    if (std::isinf(v) || (v == 0.0 && !zeroDigits)) return {0.0, true};
    return {v, false};
}

}  // namespace portable

#if defined(__cpp_lib_to_chars)

Decimal scientificDigits(double positive, int significant) {
    char buf[64];
    const auto res =
        std::to_chars(buf, buf + sizeof buf, positive, std::chars_format::scientific, significant - 1);
    return splitScientific(std::string_view(buf, static_cast<std::size_t>(res.ptr - buf)));
}

DecimalReading readDecimal(std::string_view text) {
    double v = 0.0;
    const auto res = std::from_chars(text.data(), text.data() + text.size(), v, std::chars_format::general);
    if (res.ec == std::errc::result_out_of_range) return {0.0, true};
    return {v, false};
}

#else

Decimal scientificDigits(double positive, int significant) {
    return portable::scientificDigits(positive, significant);
}

DecimalReading readDecimal(std::string_view text) { return portable::readDecimal(text); }

#endif

}  // namespace ondalab
