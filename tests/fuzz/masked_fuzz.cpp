// Masked text of any double through every mask in use and through fuzzed
// masks made of the mask characters. Finite values render without a fault,
// never as "inf"/"nan", with at most 15 significant digits; through a mask
// in use the text is grouped by threes exactly when the mask groups, and it
// reads back inside the double range as the value rounded to the mask's
// decimals (within one unit of the 15th significant digit).
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "check.h"
#include "common/fault.h"
#include "common/mask.h"
#include "common/numbers.h"

using namespace ondalab;
using namespace ondalab::fuzz;

namespace {

// Decimal places of a mask: its digit positions after the point.
int decimalsOf(std::string_view mask) {
    const auto point = mask.find('.');
    if (point == std::string_view::npos) return 0;
    int n = 0;
    for (char c : mask.substr(point + 1)) n += c == '#' || c == '0';
    return n;
}

// The integer digits of a rendering are grouped by threes with the grouping
// separator (grouped) or written in one run (not grouped).
void checkGrouping(const std::string& text, bool grouped, const NumberFormat& fmt) {
    std::string integer = text.substr(text[0] == '-' ? 1 : 0);
    integer = integer.substr(0, integer.find(fmt.decimal));
    std::vector<std::size_t> runs{0};
    for (char c : integer) {
        if (c == fmt.grouping)
            runs.push_back(0);
        else
            ++runs.back();
    }
    if (!grouped) return require(runs.size() == 1, "grouping in " + text);
    require(runs[0] >= 1 && runs[0] <= 3, "bad first group in " + text);
    for (std::size_t i = 1; i < runs.size(); ++i) require(runs[i] == 3, "bad group in " + text);
}

void checkReadBack(double x, std::string_view mask, const std::string& text, const NumberFormat& fmt) {
    double back = 0;
    try {
        back = readRegional(text, fmt);
    } catch (const CalcFault&) {
        broken("masked text " + text + " does not read back");
    }
    const double unit = std::pow(10.0, -decimalsOf(mask));
    const double digit15 = x == 0 ? 0 : std::pow(10.0, std::floor(std::log10(std::fabs(x))) - 14);
    const double slack = unit / 2 + digit15 + std::fabs(x) * 0x1p-51;
    require(std::fabs(back - x) <= slack * (1 + 1e-9), "masked text " + text + " is not the value rounded");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 9) return 0;
    const double x = doubleFrom(data, size);
    const std::uint8_t choice = data[8];
    const NumberFormat fmt = formatFrom(choice);
    const bool inUse = !(choice & 2);
    std::string mask;
    if (inUse) {
        mask = kMasks[(choice >> 2) % kMasks.size()];
    } else {
        static const char alphabet[] = "#0., ";
        for (std::size_t i = 9; i < size && mask.size() < 40; ++i) mask += alphabet[data[i] % 5];
    }

    std::string text;
    try {
        text = maskedText(x, mask, fmt);
    } catch (const CalcFault&) {
        require(!std::isfinite(x), "masked text faulted on a finite value");
        return 0;
    }
    require(std::isfinite(x), "masked text rendered a non-finite value: " + text);
    require(!looksNonFinite(text), "masked text shows " + text);
    require(significantDigits(text) <= 15, "more than 15 digits: " + text);
    if (inUse) {
        while (!text.empty() && text.back() == ' ') text.pop_back();  // the trailing blank of "####,### "
        if (text.empty()) {
            require(mask.find('0') == std::string::npos && std::fabs(x) <= 0.5,
                    "empty text for a value that is not 0 once rounded");
            return 0;
        }
        checkGrouping(text, mask.substr(0, mask.find('.')).find(',') != std::string::npos, fmt);
        checkReadBack(x, mask, text, fmt);
    }
    return 0;
}
