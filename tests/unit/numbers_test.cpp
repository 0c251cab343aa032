#include "common/numbers.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "common/fault.h"

namespace ondalab {
namespace {

const NumberFormat it = NumberFormat::italian();
const NumberFormat en = NumberFormat::english();
constexpr double inf = std::numeric_limits<double>::infinity();

struct ParseCase {
    std::string text;
    double expected;
};

TEST(ParseLeading, ReadsTheLeadingNumber) {
    const ParseCase cases[] = {
        {"12", 12},
        {"1 2", 12},
        {"1 000", 1000},
        {" \t\n7\n", 7},
        {"+3", 3},
        {"-3", -3},
        {"- 4", -4},
        {".5", 0.5},
        {"5.", 5},
        {"-.25", -0.25},
        {"1.2.3", 1.2},
        {"3,5", 3},
        {"1.5E3", 1500},
        {"2e3", 2000},
        {"2E-2", 0.02},
        {"1 e 3", 1000},
        {"1e", 1},
        {"1e+", 1},
        {"1e-x", 1},
        {"12abc", 12},
        {"5 MHz", 5},
        {"5MHz", 5},
        {"007", 7},
        {"0.1", 0.1},
        {"", 0},
        {"abc", 0},
        {"-", 0},
        {"+", 0},
        {".", 0},
        {"-.", 0},
        {"E5", 0},
        {",5", 0},
        {"&H10", 16},
        {"&hff", 255},
        {"&HfF", 255},
        {"&O17", 15},
        {"&o777", 511},
        {"&O18", 1},
        {"&H", 0},
        {"&O", 0},
        {"& H 1 0", 16},
        {"&HG", 0},
        {"&X10", 0},
        {"&", 0},
        {"&H1F.5", 31},
        {"&H7FFFFFFFFFFFFFFF", 9223372036854775807.0},
        {"&HFFFFFFFFFFFFFFFF", 18446744073709551615.0},
        {"&H10000000000000000", 18446744073709551616.0},
        {"1e99999", inf},
        {"-1e99999", -inf},
        {"1e-99999", 0},
        {"1e99999999999999999999", inf},
        {"1e-99999999999999999999", 0},
        {"5\xC2\xB0", 5},
        {"\xC3\xA8"
         "5",
         0},
        {std::string("12\0"
                     "34",
                     5),
         12},
        {std::string("\0"
                     "5",
                     2),
         0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(parseLeading(c.text), c.expected) << '"' << c.text << '"';
    }
}

TEST(ParseLeading, TellsWhetherTheWholeTextIsRead) {
    const struct {
        std::string text;
        bool whole;
    } cases[] = {
        {"", true},     {"  \t", true}, {"12", true},   {"1 2", true},    {"-3.5", true}, {"2e3", true},
        {"1.", true},   {".5", true},   {"&H1F", true}, {"&O17", true},   {"1,5", false}, {"4k7", false},
        {"abc", false}, {"-", false},   {".", false},   {"1e", false},    {"1e+", false}, {"5 MHz", false},
        {"&H", false},  {"&HG", false}, {"&X1", false}, {"1.2.3", false}, {"+", false},   {"1\r", false},
    };
    for (const auto& c : cases) EXPECT_EQ(readsWhole(c.text), c.whole) << '"' << c.text << '"';
}

TEST(ParseLeading, ConvertsDecimalsToTheNearestDouble) {
    // Literals are the compiler's own correctly rounded conversions.
    const ParseCase cases[] = {
        {"0.1", 0.1},
        {"2.675", 2.675},
        {"1.0000000000000002", 1.0000000000000002},
        {"4.9406564584124654e-324", 4.9406564584124654e-324},
        {"1.7976931348623157e308", 1.7976931348623157e308},
        {"123456789012345678901234567890", 123456789012345678901234567890.0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(parseLeading(c.text), c.expected) << c.text;
    }
}

TEST(ParseLeading, SurvivesHugeInput) {
    const std::string zeros(10000, '0');
    EXPECT_EQ(parseLeading("1" + zeros), inf);
    EXPECT_EQ(parseLeading("-1" + zeros + "e-9990"), -1e10);
    EXPECT_EQ(parseLeading("0." + zeros + "1"), 0.0);
    EXPECT_EQ(parseLeading("0." + zeros + "1e10005"), 1e4);
    EXPECT_EQ(parseLeading(zeros + "3"), 3.0);
    EXPECT_EQ(parseLeading(std::string(10000, '9') + ".5e-20000"), 0.0);
    EXPECT_EQ(parseLeading("1e" + std::string(10000, '9')), inf);
    EXPECT_EQ(parseLeading(std::string(10000, ' ') + "8"), 8.0);

    const double hex = parseLeading("&H" + std::string(10000, 'F'));
    EXPECT_FALSE(std::isnan(hex));
    EXPECT_GT(hex, 1.8e19);
    const double oct = parseLeading("&O" + std::string(10000, '7'));
    EXPECT_FALSE(std::isnan(oct));
    EXPECT_GT(oct, 1.8e19);
}

TEST(ToSingle, RoundsToTheNearestFloat) {
    struct Case {
        double in;
        double expected;
    };
    const Case cases[] = {
        {0.1, 0.100000001490116119384765625},
        {1.0 / 3, 0.3333333432674407958984375},
        {-1.0 / 3, -0.3333333432674407958984375},
        {16777217.0, 16777216.0},  // tie to even
        {16777219.0, 16777220.0},  // tie to even, upwards
        {9999999.5, 10000000.0},
        {1e-50, 0.0},
        {FLT_MAX, FLT_MAX},
        {0x1.fffffefffffffp127, FLT_MAX},  // just below the halfway point
        {0x1.ffffffp127, inf},             // halfway: the even neighbour is inf
        {3.5e38, inf},
        {-3.5e38, -inf},
        {1e300, inf},
        {inf, inf},
        {-inf, -inf},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(toSingle(c.in), c.expected) << c.in;
    }
    EXPECT_TRUE(std::isnan(toSingle(std::nan(""))));
}

TEST(ToInt16, RoundsHalfToEven) {
    struct Case {
        double in;
        int expected;
    };
    const Case cases[] = {
        {2.5, 2},         {3.5, 4},         {-2.5, -2},       {-3.5, -4},         {0.5, 0},
        {1.5, 2},         {-0.5, 0},        {2.4999, 2},      {2.5001, 3},        {-2.6, -3},
        {7, 7},           {32767.4, 32767}, {32766.5, 32766}, {-32768.5, -32768}, {-32767.5, -32768},
        {-32768, -32768},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(toInt16(c.in), c.expected) << c.in;
    }
}

TEST(ToInt16, FaultsOutsideTheRange) {
    const double cases[] = {32767.5, 32768, -32768.6, -32769, 1e300, inf, -inf, std::nan("")};
    for (double v : cases) {
        EXPECT_THROW(toInt16(v), CalcFault) << v;
    }
}

struct TextCase {
    double in;
    std::string expected;
};

TEST(GeneralText, FifteenSignificantDigits) {
    const TextCase cases[] = {
        {0, "0"},
        {-0.0, "0"},
        {1, "1"},
        {-7, "-7"},
        {0.1, "0,1"},
        {0.25, "0,25"},
        {-0.25, "-0,25"},
        {1.0 / 3, "0,333333333333333"},
        {2.0 / 3, "0,666666666666667"},
        {0.9999999999999999, "1"},
        {1234.5, "1234,5"},
        {100, "100"},
        {0.0001, "0,0001"},
        {0.00012, "0,00012"},
        {1e-5, "1E-05"},
        {0.00001234, "1,234E-05"},
        {-0.00001234, "-1,234E-05"},
        {999999999999999.0, "999999999999999"},
        {9999999999999999.0, "1E+16"},
        {999999999999999.4, "999999999999999"},
        {1e15, "1E+15"},
        {1.5e20, "1,5E+20"},
        {1e100, "1E+100"},
        {1e-100, "1E-100"},
        {4.9406564584124654e-324, "4,94065645841247E-324"},
        // The largest doubles are cut, not rounded up beyond the range.
        {1.7976931348623157e308, "1,79769313486231E+308"},
        {-1.7976931348623157e308, "-1,79769313486231E+308"},
        {1.7976931348623151e308, "1,79769313486231E+308"},  // the lowest double cut so
        {1.797693134862315e308, "1,79769313486231E+308"},   // rounds down by itself
        {1.2345678901234567e308, "1,23456789012346E+308"},  // rounds up inside the range
        {0.1 + 0.2, "0,3"},
        {123456.7890123456, "123456,789012346"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(generalText(c.in, it), c.expected) << c.in;
    }
}

TEST(GeneralText, EnglishSeparator) {
    const TextCase cases[] = {{0.25, "0.25"}, {1234.5, "1234.5"}, {1.5e20, "1.5E+20"}, {-1e-5, "-1E-05"}};
    for (const auto& c : cases) {
        EXPECT_EQ(generalText(c.in, en), c.expected) << c.in;
    }
}

TEST(ShortText, SevenDigitsOfTheSingleValue) {
    const TextCase cases[] = {
        {0, "0"},
        {12345678, "1,234568E+07"},
        {1.0 / 3, "0,3333333"},
        {2.0 / 3, "0,6666667"},
        {-2.0 / 3, "-0,6666667"},
        {0.1, "0,1"},
        {1.0265, "1,0265"},
        {1234567, "1234567"},
        {9999999.5, "1E+07"},
        {123456.789, "123456,8"},
        // Held as 1.00000047683716: rounded once, the half is not reached
        // (its shortest form 1.0000005 would wrongly round up).
        {1.0000005, "1"},
        {123456.6484375, "123456,6"},  // 123183.65 degrees C in kelvin
        {0.125, "0,125"},
        {0.000123456789, "0,0001234568"},
        {1e-5, "1E-05"},
        {FLT_MAX, "3,402823E+38"},  // exactly 3.40282346638...E+38
    };
    for (const auto& c : cases) {
        EXPECT_EQ(shortText(c.in, it), c.expected) << c.in;
    }
    EXPECT_EQ(shortText(12345678, en), "1.234568E+07");
    EXPECT_EQ(shortText(1.0265, en), "1.0265");
}

// Every single in [1, 2) against the C library's own 7-digit rounding.
TEST(ShortText, EverySingleFromOneToTwoMatchesPrintf) {
    int mismatches = 0;
    for (float f = 1.0f; f < 2.0f; f = std::nextafter(f, 2.0f)) {
        char want[32];
        std::snprintf(want, sizeof want, "%.7G", static_cast<double>(f));
        for (char* p = want; *p; ++p)
            if (*p == '.') *p = ',';
        if (shortText(f, it) != want && ++mismatches <= 5)
            ADD_FAILURE() << want << " shown as " << shortText(f, it);
    }
    EXPECT_EQ(mismatches, 0);
}

// What a form renders, it must be able to read back.
TEST(TextRenderers, TheLargestDoubleReadsBackInsideTheRange) {
    const auto readsBack = [](const std::string& text) {
        try {
            readRegional(text, it);
            return true;
        } catch (const CalcFault&) {
            return false;
        }
    };
    EXPECT_TRUE(readsBack(generalText(DBL_MAX, it)));
    EXPECT_TRUE(readsBack(maskedText(DBL_MAX, "#,##0", it)));
}

TEST(TextRenderers, FaultOnNonFinite) {
    const double bad[] = {inf, -inf, std::nan("")};
    for (double v : bad) {
        EXPECT_THROW(generalText(v, it), CalcFault);
        EXPECT_THROW(shortText(v, it), CalcFault);
        EXPECT_THROW(maskedText(v, "#0.##", it), CalcFault);
    }
    EXPECT_THROW(shortText(1e300, it), CalcFault);  // infinite once held in single
}

struct MaskCase {
    double in;
    std::string mask;
    std::string italian;
    std::string english;
};

// A tie at the last decimal of every mask in use (the binary value may lie
// either side of the tie; at 15 significant digits it is exactly on it).
TEST(MaskedText, TiesRoundAwayFromZero) {
    const MaskCase cases[] = {
        {0.25, "#0.#", "0,3", "0.3"},
        {2.675, "#0.##", "2,68", "2.68"},
        {1.0005, "#0.###", "1,001", "1.001"},
        {1.00005, "#0.####", "1,0001", "1.0001"},
        {12.25, "##0.#", "12,3", "12.3"},
        {1.005, "##0.##", "1,01", "1.01"},
        {0.0625, "##0.###", "0,063", "0.063"},
        {0.00125, "##0.####", "0,0013", "0.0013"},
        {0.000015, "##0.#####", "0,00002", "0.00002"},
        {1234.5, "#,##0", "1.235", "1,235"},
        {2.5, "#,##0.", "3,", "3."},
        {1234.45, "#,##0.#", "1.234,5", "1,234.5"},
        {1234.565, "#,##0.##", "1.234,57", "1,234.57"},
        {0.0625, "#,##0.###", "0,063", "0.063"},
        {1234.56785, "#,##0.####", "1.234,5679", "1,234.5679"},
        {1.000005, "#,##0.#####", "1,00001", "1.00001"},
        {12345.675, "##,##0.##", "12.345,68", "12,345.68"},
        {1.0000005, "##,##0.######", "1,000001", "1.000001"},
        {999999.95, "###,##0.#", "1.000.000,", "1,000,000."},
        {1234.0005, "###,##0.###", "1.234,001", "1,234.001"},
        {1234.5, "###,###", "1.235", "1,235"},
        {1234567.5, "####,###", "1.234.568", "1,234,568"},
        {0.5, "####,### ", "1 ", "1 "},
        {-1234.5, "#,##0", "-1.235", "-1,235"},
        {-2.675, "#0.##", "-2,68", "-2.68"},
        {0.35, "#0.#", "0,4", "0.4"},
        {0.05, "#0.#", "0,1", "0.1"},
        {99.95, "#0.#", "100,", "100."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(maskedText(c.in, c.mask, it), c.italian) << c.in << " " << c.mask;
        EXPECT_EQ(maskedText(c.in, c.mask, en), c.english) << c.in << " " << c.mask;
    }
}

TEST(MaskedText, Layout) {
    const MaskCase cases[] = {
        {1234.567, "#,##0.##", "1.234,57", "1,234.57"},
        {0.5, "#,##0.##", "0,5", "0.5"},
        {0.5, "#0.##", "0,5", "0.5"},
        {3, "#0.##", "3,", "3."},
        {1234, "#,##0.", "1.234,", "1,234."},
        {10, "#,##0.###", "10,", "10."},
        {0, "#,##0", "0", "0"},
        {0, "#0.##", "0,", "0."},
        {0.004, "#0.##", "0,", "0."},
        {-0.0001, "#0.##", "0,", "0."},
        {-0.5, "#0.##", "-0,5", "-0.5"},
        {0, "###,###", "", ""},
        {0.4, "###,###", "", ""},
        {-0.4, "###,###", "", ""},
        {0, "####,### ", " ", " "},
        {1234, "####,### ", "1.234 ", "1,234 "},
        {1234567, "####,###", "1.234.567", "1,234,567"},
        {1234567, "###,###", "1.234.567", "1,234,567"},
        {123, "###,###", "123", "123"},
        {123456, "#,##0", "123.456", "123,456"},
        {1234.5678, "##0.##", "1234,57", "1234.57"},
        {1e20, "#,##0.##", "100.000.000.000.000.000.000,", "100,000,000,000,000,000,000."},
        {1000000.0000001, "#,##0.###", "1.000.000,", "1,000,000."},
        {123456789012345678.0, "#0.#", "123456789012346000,", "123456789012346000."},
        {1.2e-300, "#0.##", "0,", "0."},
        {0.1 + 0.2, "#0.#####", "0,3", "0.3"},
        {-1.7976931348623157e308, "#0.#", "-179769313486231" + std::string(294, '0') + ",",
         "-179769313486231" + std::string(294, '0') + "."},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(maskedText(c.in, c.mask, it), c.italian) << c.in << " " << c.mask;
        EXPECT_EQ(maskedText(c.in, c.mask, en), c.english) << c.in << " " << c.mask;
    }
}

struct ReadCase {
    std::string text;
    NumberFormat fmt;
    double expected;
};

TEST(ReadRegional, ReadsRenderedText) {
    const ReadCase cases[] = {
        {"1.234,5", it, 1234.5}, {"1,234.5", en, 1234.5}, {"0,063", it, 0.063},
        {"10,", it, 10},         {"10.", en, 10},         {"1,5E+20", it, 1.5e20},
        {"1.5E+20", en, 1.5e20}, {"1E-05", it, 1e-5},     {"-1.235", it, -1235},
        {"-0,5", it, -0.5},      {"  42 ", it, 42},       {"1.234 ", it, 1234},
        {",5", it, 0.5},         {"0,1", it, 0.1},        {"100.000.000.000.000.000.000,", it, 1e20},
        {"2,5e3", it, 2500},     {"1E-400", it, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(readRegional(c.text, c.fmt), c.expected) << '"' << c.text << '"';
    }
}

TEST(ReadRegional, FaultsOnTextThatIsNotANumber) {
    const ReadCase cases[] = {
        {"", it, 0},
        {"   ", it, 0},
        {"abc", it, 0},
        {"1,2x", it, 0},
        {"-", it, 0},
        {",", it, 0},
        {"1,2,3", it, 0},
        {"1E", it, 0},
        {"1E+", it, 0},
        {"1 2", it, 0},
        {"--1", it, 0},
        {"1-", it, 0},
        {"&H10", it, 0},
        {"1E+400", it, 0},
        {std::string("1\0"
                     "2",
                     3),
         it, 0},
    };
    for (const auto& c : cases) {
        EXPECT_THROW(readRegional(c.text, c.fmt), CalcFault) << '"' << c.text << '"';
    }
}

TEST(ReadRegional, ReadsBackGeneralText) {
    const double values[] = {0.1, -1234.5, 1.5e20, 1e-5, 0.333333333333333, 123456789012345, 7e-300};
    for (double v : values) {
        for (const auto& fmt : {it, en}) {
            EXPECT_EQ(readRegional(generalText(v, fmt), fmt), v) << v;
        }
    }
}

TEST(RoundedThrough, KeepsTheMaskedRounding) {
    const struct {
        double in;
        Mask mask;
        double expected;
    } cases[] = {
        {1.005, "#0.##", 1.01}, {0.0625, "#,##0.###", 0.063},   {908.5, "#,##0.", 909},
        {-2.5, "#,##0.", -3},   {1234.5678, "#,##0.#", 1234.6}, {0.00004, "##0.####", 0},
    };
    for (const auto& c : cases) EXPECT_EQ(roundedThrough(c.in, c.mask), c.expected) << c.in << " " << c.mask.text();
}

// The largest double's renderings read back inside the range, also through
// the leading-number parse, as the 15-digit value cut toward zero.
TEST(ReadRegional, ReadsBackTheLargestDouble) {
    const double cut = 1.79769313486231e308;
    for (const auto& fmt : {it, en}) {
        EXPECT_EQ(readRegional(generalText(DBL_MAX, fmt), fmt), cut);
        EXPECT_EQ(readRegional(generalText(-DBL_MAX, fmt), fmt), -cut);
        EXPECT_EQ(readRegional(maskedText(DBL_MAX, "#,##0.##", fmt), fmt), cut);
        EXPECT_EQ(readRegional(maskedText(-DBL_MAX, "####,### ", fmt), fmt), -cut);
    }
    EXPECT_EQ(parseLeading(generalText(DBL_MAX, en)), cut);
    EXPECT_EQ(parseLeading(maskedText(DBL_MAX, "##0.#####", en)), cut);
}

}  // namespace
}  // namespace ondalab
