// Reading rendered text back over any text: only CalcFault escapes, a value
// read is finite, and it is what strtod reads from the same text once the
// grouping separators are dropped and the decimal separator is a point.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "check.h"
#include "common/fault.h"
#include "common/numbers.h"

using namespace ondalab;
using namespace ondalab::fuzz;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const NumberFormat fmt = formatFrom(data[0]);
    const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
    double v = 0;
    try {
        v = readRegional(text, fmt);
    } catch (const CalcFault&) {
        return 0;
    }
    require(std::isfinite(v), "read back a non-finite value");

    std::string c;
    for (char ch : text) {
        if (ch == fmt.grouping) continue;
        c += ch == fmt.decimal ? '.' : ch;
    }
    while (!c.empty() && (c.back() == ' ' || c.back() == '\t')) c.pop_back();
    char* end = nullptr;
    const double ref = std::strtod(c.c_str(), &end);
    require(end == c.c_str() + c.size(), "read " + c + " where strtod stops early");
    require(ref == v, "read " + c + " as another value than strtod");
    return 0;
}
