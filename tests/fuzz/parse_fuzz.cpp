// The leading-number parse over any text: it never throws, never gives NaN,
// ignores blanks wherever they stand, and reads a decimal number exactly as
// the C library's strtod reads the same characters.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "check.h"
#include "common/numbers.h"

using namespace ondalab;
using namespace ondalab::fuzz;

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

// "&H..." with at most 16 hexadecimal digits: its value, exactly.
bool smallHex(const std::string& s, double& out) {
    if (s.size() < 2 || s[0] != '&' || (s[1] != 'H' && s[1] != 'h')) return false;
    std::uint64_t u = 0;
    int digits = 0;
    for (std::size_t i = 2; i < s.size(); ++i) {
        const char c = s[i];
        int d = -1;
        if (c >= '0' && c <= '9') d = c - '0';
        if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
        if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
        if (d < 0) break;
        if (u != 0 || d != 0) ++digits;
        if (digits > 16) return false;
        u = u * 16 + static_cast<std::uint64_t>(d);
    }
    out = static_cast<double>(u);
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    double v = 0;
    try {
        v = parseLeading(text);
    } catch (...) {
        broken("the parse threw");
    }
    require(!std::isnan(v), "the parse gave NaN");

    std::string packed;
    for (char c : text)
        if (!isBlank(c)) packed += c;
    const double again = parseLeading(packed);
    require(again == v && std::signbit(again) == std::signbit(v), "blanks changed the value read");

    double hex = 0;
    if (smallHex(packed, hex)) require(v == hex, "&H text read as another value");

    // A text that starts as a decimal number (not "0x", not "inf"/"nan",
    // which strtod reads and we do not): strtod is the reference.
    std::size_t i = packed[0] == '+' || packed[0] == '-' ? 1 : 0;
    const bool decimal =
        i < packed.size() && ((packed[i] >= '0' && packed[i] <= '9') || packed[i] == '.') &&
        !(packed[i] == '0' && i + 1 < packed.size() && (packed[i + 1] == 'x' || packed[i + 1] == 'X'));
    if (decimal) {
        const double ref = std::strtod(packed.c_str(), nullptr);
        require(ref == v,
                "decimal text read as " + std::to_string(v) + ", strtod reads " + std::to_string(ref));
    }
    return 0;
}
