#include "common/decimal.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <string>

namespace ondalab {
namespace {

// The library's conversions and the portable ones, side by side.
using Scientific = Decimal (*)(double, int);
using Reader = DecimalReading (*)(std::string_view);
struct Implementation {
    const char* name;
    Scientific scientific;
    Reader read;
};
const Implementation implementations[] = {
    {"library", scientificDigits, readDecimal},
    {"portable", portable::scientificDigits, portable::readDecimal},
};

struct DigitsCase {
    double value;
    int significant;
    std::string digits;
    int exp10;
};

TEST(Decimal, RoundsTheExactBinaryValue) {
    const DigitsCase cases[] = {
        {0.1, 15, "100000000000000", -1},
        {0.1, 17, "10000000000000001", -1},  // 0.1000000000000000055511...
        {1.00000047683715820312500, 7, "1000000", 0},
        {2.5, 1, "2", 0},  // an exact tie goes to the even digit
        {3.5, 1, "4", 0},
        {0.125, 2, "12", -1},
        {9.5, 1, "1", 1},  // and carries into a new first digit
        {1e23, 17, "99999999999999992", 22},
        {DBL_MAX, 15, "179769313486232", 308},
        {4.9406564584124654e-324, 17, "49406564584124654", -324},
    };
    for (const auto& impl : implementations) {
        for (const auto& c : cases) {
            const Decimal d = impl.scientific(c.value, c.significant);
            EXPECT_EQ(d.digits, c.digits) << impl.name << " " << c.value;
            EXPECT_EQ(d.exp10, c.exp10) << impl.name << " " << c.value;
        }
    }
}

struct ReadCase {
    std::string text;
    double value;
    bool outOfRange;
};

TEST(Decimal, ReadsTheNearestDouble) {
    const ReadCase cases[] = {
        {"0.1", 0.1, false},
        {"0.0", 0, false},
        {"123.456e2", 12345.6, false},
        {"5e-01", 0.5, false},
        {"1.7976931348623157e308", DBL_MAX, false},
        {"1.8e308", 0, true},
        {"4.9e-324", 4.9406564584124654e-324, false},
        {"2e-324", 0, true},
        {"1e-400", 0, true},
        {"9007199254740993", 9007199254740992.0, false},  // a tie, to the even neighbour
        {"1.00000000000000011102230246251565404236316680908203125", 1.0, false},
        {"1.00000000000000011102230246251565404236316680908203126", 1.0000000000000002, false},
    };
    for (const auto& impl : implementations) {
        for (const auto& c : cases) {
            const DecimalReading r = impl.read(c.text);
            EXPECT_EQ(r.outOfRange, c.outOfRange) << impl.name << " " << c.text;
            if (!c.outOfRange) {
                EXPECT_EQ(r.value, c.value) << impl.name << " " << c.text;
            }
        }
    }
}

}  // namespace
}  // namespace ondalab
