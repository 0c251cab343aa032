// General text of any double: finite values render without a fault, never
// as "inf"/"nan", with at most 15 significant digits, exactly as the C
// library's "%.15G" (cut toward zero at the top of the double range), and
// read back, both regionally and by the leading-number parse, as the same
// value to 15 significant digits.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "check.h"
#include "common/fault.h"
#include "common/numbers.h"

using namespace ondalab;
using namespace ondalab::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const double x = doubleFrom(data, size);
    const NumberFormat fmt = formatFrom(size > 8 ? data[8] : 0);
    std::string text;
    try {
        text = generalText(x, fmt);
    } catch (const CalcFault&) {
        require(!std::isfinite(x), "general text faulted on a finite value");
        return 0;
    }
    require(std::isfinite(x), "general text rendered a non-finite value: " + text);
    require(!looksNonFinite(text), "general text shows " + text);
    require(significantDigits(text) <= 15, "more than 15 digits: " + text);
    require(text.size() <= longestRendering(15), "too long: " + text);
    const std::string ref = printfG(x, 15, fmt);
    require(text == ref, "general text " + text + ", %.15G gives " + ref);

    double back = 0;
    try {
        back = readRegional(text, fmt);
    } catch (const CalcFault&) {
        broken("general text " + text + " does not read back");
    }
    std::string c = ref;
    for (char& ch : c)
        if (ch == fmt.decimal) ch = '.';
    require(back == std::strtod(c.c_str(), nullptr), "general text " + text + " reads back as another value");
    if (fmt.decimal == '.')
        require(parseLeading(text) == back, "the parse reads " + text + " as another value");
    return 0;
}
