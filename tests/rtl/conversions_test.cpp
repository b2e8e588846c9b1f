#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "rtl/checked_real.h"
#include "rtl/error_box_text.h"
#include "rtl/integer_reading.h"
#include "rtl/number_text.h"
#include "rtl/real_reading.h"
#include "support/tables.h"

namespace velmora {
namespace {

const FormatSettings comma{','};

TEST(IntegerReading, AcceptsDecimalAndHexadecimalTexts) {
    struct Case {
        const char* text;
        std::int32_t value;
    };
    const Case cases[] = {
        {"12", 12},
        {" 12", 12},
        {"   -3", -3},
        {"+7", 7},
        {"0007", 7},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
        {"$FFFFFFFF", -1},
        {"$7fffffff", INT32_MAX},
        {"x1F", 31},
        {"X1f", 31},
        {"0x1F", 31},
        {"0X1f", 31},
        {"-$10", -16},
        {"$80000000", INT32_MIN},
        {"-0", 0},
    };
    for (const Case& c : cases) {
        auto value = tryReadInteger(c.text);
        ASSERT_TRUE(value.has_value()) << c.text;
        EXPECT_EQ(*value, c.value) << c.text;
    }
}

TEST(IntegerReading, RejectsEverythingElseWithTheIntegerMessage) {
    for (const char* text : {"", " ", "12 ", "1,5", "1.5", "2147483648", "-2147483649", "+", "-", "$", "0x", "x",
                             "$123456789", "$G", "1e3", "- 5", "\t5", "12a", "99999999999999999999"}) {
        EXPECT_EQ(test::failureOf([&] { readInteger(text); }),
                  "'" + std::string(text) + "' is not a valid integer value for Integer type")
            << text;
    }
}

TEST(RealReading, AcceptsTheDecimalCommaGrammar) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {" 2,5 ", 2.5}, {"1,5E3", 1500}, {"-,5", -0.5},  {",", 0},      {"-", 0},      {"+3", 3},       {"1e-2", 0.01},
        {"2,", 2},      {"0,1", 0.1},    {"12,5", 12.5}, {"1E+2", 100}, {"1e-400", 0}, {"007,50", 7.5},
    };
    for (const Case& c : cases) {
        auto value = tryReadReal(c.text, comma);
        ASSERT_TRUE(value.has_value()) << c.text;
        EXPECT_EQ(*value, c.value) << c.text;
    }
}

TEST(RealReading, RejectsOtherTextsWithEitherMessage) {
    for (const char* text :
         {"", "   ", "1.5", "1 000", "1,5,0", "abc", "1e5x", "--1", "1,5 x", "1E400", "-1e99999999999"}) {
        EXPECT_FALSE(tryReadReal(text, comma).has_value()) << text;
    }
    EXPECT_EQ(test::failureOf([] { readReal("1.5", comma); }), "'1.5' is not a valid floating point value");
    EXPECT_EQ(test::failureOf([] { readDouble("", comma); }), "'' is not a valid floating point value for Double type");
}

TEST(NumberText, RoundsOnTheDecimalExpansionAwayFromZero) {
    struct Case {
        double value;
        int decimals;
        const char* text;
    };
    const Case cases[] = {
        {0.0625, 3, "0,063"},
        {-0.0625, 3, "-0,063"},
        {-0.0004, 3, "0,000"},
        {-0.0, 3, "0,000"},
        {0, 3, "0,000"},
        {1, 3, "1,000"},
        {0.9995, 3, "1,000"},
        {0.1234, 3, "0,123"},
        {2.0 / 7, 3, "0,286"},
        {1234567.5, 3, "1234567,500"},
        {0.4375, 3, "0,438"},
        {9.9995, 3, "9,999"}, // 9.9995 is below the tie
        {8.02192382, 7, "8,0219238"},
        {0.0000086, 7, "0,0000086"},
        {0.00390625, 7, "0,0039063"},
        {1e-12, 7, "0,0000000"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(fixedText(c.value, c.decimals, comma), c.text) << c.value;
    EXPECT_EQ(fixedText(0.5, 3, FormatSettings{'.'}), "0.500");
}

TEST(NumberText, WritesIntegersInPlainDecimal) {
    EXPECT_EQ(integerText(0), "0");
    EXPECT_EQ(integerText(-15), "-15");
    EXPECT_EQ(integerText(3000000000), "3000000000");
}

TEST(Rounding, TiesGoToTheEvenNeighbour) {
    struct Case {
        double value;
        std::int64_t rounded;
    };
    const Case cases[] = {{0.5, 0},
                          {1.5, 2},
                          {2.5, 2},
                          {-0.5, 0},
                          {-1.5, -2},
                          {157.5, 158},
                          {12.5, 12},
                          {13.5, 14},
                          {0.49999999999999994, 0},
                          {-2.6, -3},
                          {9.2233720368547748e18, 9223372036854774784}};
    for (const Case& c : cases)
        EXPECT_EQ(roundToInt64(c.value), c.rounded) << c.value;
    EXPECT_EQ(roundToInt64(-9223372036854775808.0), INT64_MIN);
}

TEST(Rounding, BeyondSixtyFourBitsIsAnInvalidOperation) {
    for (double value : {9223372036854775808.0, -9223372036854777856.0, 1e300})
        EXPECT_EQ(test::failureOf([&] { roundToInt64(value); }), "Invalid floating point operation") << value;
}

TEST(CheckedReal, FaultsRaiseTheirMessages) {
    EXPECT_EQ(test::failureOf([] { divide(1, 0); }), "Floating point division by zero");
    EXPECT_EQ(test::failureOf([] { divide(-1, -0.0); }), "Floating point division by zero");
    EXPECT_EQ(test::failureOf([] { divide(0, 0); }), "Invalid floating point operation");
    EXPECT_EQ(test::failureOf([] { multiply(1e300, 1e300); }), "Floating point overflow");
    EXPECT_EQ(test::failureOf([] { add(1.7e308, 1.7e308); }), "Floating point overflow");
    EXPECT_EQ(test::failureOf([] { divide(1e300, 1e-300); }), "Floating point overflow");
    EXPECT_EQ(divide(1, 3), 1.0 / 3);
    EXPECT_EQ(multiply(1e-300, 1e-300), 0); // underflow is no fault
}

TEST(ErrorBoxText, AddsAFullStopOnlyAfterCharactersAboveIt) {
    EXPECT_EQ(errorBoxText("Invalid floating point operation"), "Invalid floating point operation.");
    EXPECT_EQ(errorBoxText("Column index, 0, out of bounds"), "Column index, 0, out of bounds.");
    EXPECT_EQ(errorBoxText("List index out of bounds (1)"), "List index out of bounds (1)");
    EXPECT_EQ(errorBoxText("'' is not a valid integer value for Integer type"),
              "'' is not a valid integer value for Integer type.");
    EXPECT_EQ(errorBoxText("ends with a quote'"), "ends with a quote'");
    EXPECT_EQ(errorBoxText("ends with a dot."), "ends with a dot.");
    EXPECT_EQ(errorBoxText("ends in 9"), "ends in 9.");
    EXPECT_EQ(errorBoxText(""), "");
}

} // namespace
} // namespace velmora
