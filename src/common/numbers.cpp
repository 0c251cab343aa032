#include "common/numbers.h"

#include <cfloat>
#include <cmath>
#include <limits>

#include "common/decimal.h"
#include "common/fault.h"

namespace ondalab {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

// Value of c as a digit in the given base (16 or 8), or -1.
int digitValue(char c, int base) {
    int v = -1;
    if (c >= '0' && c <= '9')
        v = c - '0';
    else if (c >= 'a' && c <= 'f')
        v = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        v = c - 'A' + 10;
    return v < base ? v : -1;
}

// "&H1F" / "&O17" after the '&' and the letter: the digits that follow, as an
// unsigned integer. Exact up to 64 bits, then carried on in double (which
// ends at infinity for absurdly long input).
double readRadix(std::string_view s, std::size_t i, int base) {
    std::uint64_t u = 0;
    double big = 0.0;
    bool inDouble = false;
    constexpr std::uint64_t maxU = std::numeric_limits<std::uint64_t>::max();
    for (; i < s.size(); ++i) {
        const int d = digitValue(s[i], base);
        if (d < 0) break;
        const auto ud = static_cast<std::uint64_t>(d);
        if (!inDouble && u <= (maxU - ud) / static_cast<std::uint64_t>(base)) {
            u = u * static_cast<std::uint64_t>(base) + ud;
        } else {
            if (!inDouble) {
                big = static_cast<double>(u);
                inDouble = true;
            }
            big = big * base + d;
        }
    }
    return inDouble ? big : static_cast<double>(u);
}

// Decimal text "digits[.digits][e[-]digits]" (no sign) to double. A value
// out of the double range comes back as infinity or zero, decided from the
// decimal magnitude; intDigits/fracDigits/exponent describe the same text.
double convertDecimal(const std::string& text, std::string_view intDigits, std::string_view fracDigits,
                      long exponent) {
    const DecimalReading r = readDecimal(text);
    if (r.outOfRange) {
        long magnitude = 0;
        const auto firstInt = intDigits.find_first_not_of('0');
        if (firstInt != std::string_view::npos) {
            magnitude = static_cast<long>(intDigits.size() - firstInt);
        } else {
            const auto firstFrac = fracDigits.find_first_not_of('0');
            if (firstFrac == std::string_view::npos) return 0.0;
            magnitude = -static_cast<long>(firstFrac);
        }
        return magnitude + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return r.value;
}

// Exponent digits to a bounded value: anything past nine digits is far
// beyond the double range either way.
long boundedExponent(std::string_view digits, bool negative) {
    const auto first = digits.find_first_not_of('0');
    if (first == std::string_view::npos) return 0;
    digits.remove_prefix(first);
    long e = 999999999;
    if (digits.size() <= 9) {
        e = 0;
        for (char c : digits) e = e * 10 + (c - '0');
    }
    return negative ? -e : e;
}

std::string buildDecimalText(std::string_view intDigits, std::string_view fracDigits, long exponent) {
    std::string t;
    t.reserve(intDigits.size() + fracDigits.size() + 16);
    t.append(intDigits.empty() ? std::string_view("0") : intDigits);
    t.push_back('.');
    t.append(fracDigits.empty() ? std::string_view("0") : fracDigits);
    if (exponent != 0) {
        t.push_back('e');
        t.append(std::to_string(exponent));
    }
    return t;
}

// Takes one unit from the last place of a digit string that is not all zeros.
void decrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '0') {
            --*it;
            return;
        }
        *it = '9';
    }
}

// |value| at the given number of significant digits (correctly rounded from
// the binary value). At the top of the double range rounding up would give a
// text that reads back beyond it (1,79769313486232E+308 for the largest
// double), so there the digits are cut toward zero instead.
Decimal decimalOf(double absValue, int significant) {
    Decimal d = scientificDigits(absValue, significant);
    const std::string_view g = d.digits;
    if (absValue > 1e308 && readDecimal(buildDecimalText(g.substr(0, 1), g.substr(1), d.exp10)).outOfRange) {
        decrementDigits(d.digits);
    }
    return d;
}

// Adds one unit in the last place of a digit string; true when it carried
// out of the first digit (the string is then all zeros).
bool incrementDigits(std::string& digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it == '9') {
            *it = '0';
        } else {
            ++*it;
            return false;
        }
    }
    return true;
}

// Rounds to `keep` significant digits, half away from zero, and drops the
// trailing zeros.
void roundSignificant(Decimal& d, std::size_t keep) {
    if (d.digits.size() > keep) {
        const bool up = d.digits[keep] >= '5';
        d.digits.resize(keep);
        if (up && incrementDigits(d.digits)) {
            d.digits.insert(d.digits.begin(), '1');
            d.digits.resize(keep);
            ++d.exp10;
        }
    }
    while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
}

// Plain or exponent layout of a rounded, non-zero decimal.
std::string layout(bool negative, const Decimal& d, int exponentFrom, char decimal) {
    std::string out;
    if (negative) out.push_back('-');
    const std::string& g = d.digits;
    if (d.exp10 < -4 || d.exp10 >= exponentFrom) {
        out.push_back(g[0]);
        if (g.size() > 1) {
            out.push_back(decimal);
            out.append(g, 1);
        }
        out.push_back('E');
        out.push_back(d.exp10 < 0 ? '-' : '+');
        const int e = d.exp10 < 0 ? -d.exp10 : d.exp10;
        if (e < 10) out.push_back('0');
        out.append(std::to_string(e));
    } else if (d.exp10 < 0) {
        out.push_back('0');
        out.push_back(decimal);
        out.append(static_cast<std::size_t>(-d.exp10 - 1), '0');
        out.append(g);
    } else {
        const auto intLen = static_cast<std::size_t>(d.exp10) + 1;
        if (g.size() <= intLen) {
            out.append(g);
            out.append(intLen - g.size(), '0');
        } else {
            out.append(g, 0, intLen);
            out.push_back(decimal);
            out.append(g, intLen);
        }
    }
    return out;
}

std::string groupThrees(const std::string& digits, char sep) {
    std::string out;
    out.reserve(digits.size() + digits.size() / 3);
    const std::size_t n = digits.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) out.push_back(sep);
        out.push_back(digits[i]);
    }
    return out;
}

}  // namespace

namespace {

// Where the leading number of blank-free text lies: its parts and the
// position where the reading stopped.
struct LeadingScan {
    int radix = 10;  // 16 or 8 for "&H"/"&O"
    bool negative = false;
    std::string_view intDigits, fracDigits;
    long exponent = 0;
    std::size_t end = 0;  // characters read
    bool number = false;  // some digit was read
};

LeadingScan scanLeading(std::string_view v) {
    LeadingScan r;
    if (v.size() >= 2 && v[0] == '&') {
        if (v[1] == 'H' || v[1] == 'h') r.radix = 16;
        if (v[1] == 'O' || v[1] == 'o') r.radix = 8;
        if (r.radix == 10) return r;
        std::size_t i = 2;
        while (i < v.size() && digitValue(v[i], r.radix) >= 0) ++i;
        r.number = i > 2;
        r.end = i;
        return r;
    }
    std::size_t i = 0;
    if (i < v.size() && (v[i] == '+' || v[i] == '-')) {
        r.negative = v[i] == '-';
        ++i;
    }
    const std::size_t intStart = i;
    while (i < v.size() && isDigit(v[i])) ++i;
    r.intDigits = v.substr(intStart, i - intStart);
    if (i < v.size() && v[i] == '.') {
        const std::size_t fracStart = ++i;
        while (i < v.size() && isDigit(v[i])) ++i;
        r.fracDigits = v.substr(fracStart, i - fracStart);
    }
    r.number = !r.intDigits.empty() || !r.fracDigits.empty();
    if (!r.number) return r;
    if (i < v.size() && (v[i] == 'E' || v[i] == 'e')) {
        std::size_t j = i + 1;
        bool expNegative = false;
        if (j < v.size() && (v[j] == '+' || v[j] == '-')) {
            expNegative = v[j] == '-';
            ++j;
        }
        const std::size_t expStart = j;
        while (j < v.size() && isDigit(v[j])) ++j;
        if (j > expStart) {
            r.exponent = boundedExponent(v.substr(expStart, j - expStart), expNegative);
            i = j;
        }
    }
    r.end = i;
    return r;
}

std::string withoutBlanks(std::string_view text) {
    std::string s;
    s.reserve(text.size());
    for (char c : text)
        if (!isBlank(c)) s.push_back(c);
    return s;
}

}  // namespace

double parseLeading(std::string_view text) {
    const std::string s = withoutBlanks(text);
    const LeadingScan r = scanLeading(s);
    if (r.radix != 10) return readRadix(s, 2, r.radix);
    if (!r.number) return 0.0;
    const double magnitude = convertDecimal(buildDecimalText(r.intDigits, r.fracDigits, r.exponent),
                                            r.intDigits, r.fracDigits, r.exponent);
    return r.negative ? -magnitude : magnitude;
}

bool readsWhole(std::string_view text) {
    const std::string s = withoutBlanks(text);
    if (s.empty()) return true;
    const LeadingScan r = scanLeading(s);
    return r.number && r.end == s.size();
}

double toSingle(double value) {
    if (std::isnan(value)) return value;
    // Halfway between FLT_MAX and the next power of two: from here on the
    // nearest single is infinity (the tie goes to the even candidate, inf).
    constexpr double overflowAt = 0x1.ffffffp127;
    const double a = std::fabs(value);
    if (a >= overflowAt) return std::copysign(std::numeric_limits<double>::infinity(), value);
    if (a > FLT_MAX) return std::copysign(static_cast<double>(FLT_MAX), value);
    return static_cast<double>(static_cast<float>(value));
}

std::int16_t toInt16(double value) {
    if (!std::isfinite(value) || !(value >= -32768.5 && value < 32767.5)) {
        throw CalcFault("value out of the 16-bit range");
    }
    double r = std::floor(value);
    const double diff = value - r;
    if (diff > 0.5 || (diff == 0.5 && std::fmod(r, 2.0) != 0.0)) r += 1.0;
    return static_cast<std::int16_t>(r);
}

std::string generalText(double value, const NumberFormat& fmt) {
    if (!std::isfinite(value)) throw CalcFault("non-finite value");
    if (value == 0.0) return "0";
    Decimal d = decimalOf(std::fabs(value), 15);
    roundSignificant(d, 15);
    return layout(value < 0.0, d, 15, fmt.decimal);
}

std::string shortText(double value, const NumberFormat& fmt) {
    if (!std::isfinite(value)) throw CalcFault("non-finite value");
    const double held = toSingle(value);
    if (!std::isfinite(held)) throw CalcFault("value out of the single-precision range");
    if (held == 0.0) return "0";
    // The exact single value rounded once to 7 digits: rounding its shortest
    // decimal form again would be off by one in the last digit now and then
    // (1.0000005 is held as 1.00000047683716 and shows 1).
    Decimal d = decimalOf(std::fabs(held), 7);
    roundSignificant(d, 7);  // drops the trailing zeros
    return layout(held < 0.0, d, 7, fmt.decimal);
}

std::string maskedText(double value, std::string_view mask, const NumberFormat& fmt) {
    if (!std::isfinite(value)) throw CalcFault("non-finite value");

    // Literal blanks around the mask are copied as they are.
    const auto coreStart = mask.find_first_not_of(' ');
    std::string_view prefix = mask;
    std::string_view core;
    std::string_view suffix;
    if (coreStart != std::string_view::npos) {
        const auto coreEnd = mask.find_last_not_of(' ') + 1;
        prefix = mask.substr(0, coreStart);
        core = mask.substr(coreStart, coreEnd - coreStart);
        suffix = mask.substr(coreEnd);
    }
    const auto point = core.find('.');
    const bool hasPoint = point != std::string_view::npos;
    const std::string_view intMask = core.substr(0, point);
    const std::string_view fracMask = hasPoint ? core.substr(point + 1) : std::string_view();
    std::size_t minInt = 0;
    for (char c : intMask) minInt += c == '0';
    const bool grouped = intMask.find(',') != std::string_view::npos;
    std::size_t decimals = 0;
    std::size_t minFrac = 0;
    for (char c : fracMask) {
        decimals += c == '#' || c == '0';
        minFrac += c == '0';
    }

    // Fixed-point digits of the value at 15 significant digits.
    std::string intDigits;
    std::string fracDigits;
    if (value != 0.0) {
        const Decimal d = decimalOf(std::fabs(value), 15);
        const long pointPos = d.exp10 + 1;  // digits before the decimal point
        const auto nd = static_cast<long>(d.digits.size());
        if (pointPos <= 0) {
            fracDigits.assign(static_cast<std::size_t>(-pointPos), '0');
            fracDigits += d.digits;
        } else if (pointPos >= nd) {
            intDigits = d.digits;
            intDigits.append(static_cast<std::size_t>(pointPos - nd), '0');
        } else {
            intDigits = d.digits.substr(0, static_cast<std::size_t>(pointPos));
            fracDigits = d.digits.substr(static_cast<std::size_t>(pointPos));
        }
    }

    // Half away from zero to the mask's decimals, carrying into the integer.
    if (fracDigits.size() < decimals) fracDigits.append(decimals - fracDigits.size(), '0');
    const bool up = fracDigits.size() > decimals && fracDigits[decimals] >= '5';
    std::string all = intDigits + fracDigits.substr(0, decimals);
    if (up && incrementDigits(all)) all.insert(all.begin(), '1');
    intDigits = all.substr(0, all.size() - decimals);
    fracDigits = all.substr(all.size() - decimals);

    const auto firstInt = intDigits.find_first_not_of('0');
    intDigits = firstInt == std::string::npos ? std::string() : intDigits.substr(firstInt);
    const bool isZero = intDigits.empty() && fracDigits.find_first_not_of('0') == std::string::npos;
    if (intDigits.size() < minInt) intDigits.insert(0, minInt - intDigits.size(), '0');
    while (fracDigits.size() > minFrac && fracDigits.back() == '0') fracDigits.pop_back();

    std::string out(prefix);
    if (value < 0.0 && !isZero) out.push_back('-');
    out += grouped ? groupThrees(intDigits, fmt.grouping) : intDigits;
    if (hasPoint) {
        out.push_back(fmt.decimal);
        out += fracDigits;
    }
    out.append(suffix);
    return out;
}

double readRegional(std::string_view text, const NumberFormat& fmt) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) throw CalcFault("empty number text");
    const auto last = text.find_last_not_of(" \t");
    const std::string_view t = text.substr(first, last - first + 1);

    std::string s;
    s.reserve(t.size());
    for (char c : t) {
        if (c != fmt.grouping) s.push_back(c);
    }

    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && s[i] == '-') {
        negative = true;
        ++i;
    }
    const std::size_t intStart = i;
    while (i < s.size() && isDigit(s[i])) ++i;
    const std::string intDigits = s.substr(intStart, i - intStart);
    std::string fracDigits;
    if (i < s.size() && s[i] == fmt.decimal) {
        const std::size_t fracStart = ++i;
        while (i < s.size() && isDigit(s[i])) ++i;
        fracDigits = s.substr(fracStart, i - fracStart);
    }
    if (intDigits.empty() && fracDigits.empty()) throw CalcFault("not a number");
    long exponent = 0;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        ++i;
        bool expNegative = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            expNegative = s[i] == '-';
            ++i;
        }
        const std::size_t expStart = i;
        while (i < s.size() && isDigit(s[i])) ++i;
        if (i == expStart) throw CalcFault("not a number");
        exponent = boundedExponent(std::string_view(s).substr(expStart, i - expStart), expNegative);
    }
    if (i != s.size()) throw CalcFault("not a number");

    const double magnitude =
        convertDecimal(buildDecimalText(intDigits, fracDigits, exponent), intDigits, fracDigits, exponent);
    if (!std::isfinite(magnitude)) throw CalcFault("number out of range");
    return negative ? -magnitude : magnitude;
}

double roundedThrough(double value, Mask mask) {
    const NumberFormat fmt = NumberFormat::italian();
    return readRegional(maskedText(value, mask.text(), fmt), fmt);
}

}  // namespace ondalab
