#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>

#include "core/clock.h"
#include "core/reading.h"

namespace qs {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

TEST(ReadInteger, ReadsDecimalAndHexadecimalForms) {
    struct Case {
        const char* text;
        std::int32_t value;
    };
    const Case cases[] = {
        {"42", 42},
        {"+7", 7},
        {"007", 7},
        {" 12", 12},
        {"   -12", -12},
        {"0", 0},
        {"-0", 0},
        {"$1F", 31},
        {"x1F", 31},
        {"X1f", 31},
        {"0x1F", 31},
        {"0X1f", 31},
        {"-$1F", -31},
        {"+x10", 16},
        {"$FFFFFFFF", -1},
        {"-$FFFFFFFF", 1},
        {"$7FFFFFFF", 2147483647},
        {"$80000000", std::numeric_limits<std::int32_t>::min()},
        {"-$80000000", std::numeric_limits<std::int32_t>::min()},
        {"$000000001", 1},  // leading zeros are not significant digits
        {"2147483647", 2147483647},
        {"-2147483648", std::numeric_limits<std::int32_t>::min()},
        {"000000000000000000000042", 42},
    };
    for (const Case& c : cases) {
        const std::optional<std::int32_t> value = ReadInteger(c.text);
        ASSERT_TRUE(value.has_value()) << c.text;
        EXPECT_EQ(*value, c.value) << c.text;
    }
}

TEST(ReadInteger, RejectsEverythingElse) {
    for (const char* text : {"12 ",        "1.0",        "1e3",         "+",
                             "-",          "",           " ",           "$",
                             "x",          "0x",         "0X",          "1 2",
                             "+-1",        "--1",        "\t12",        "12\t",
                             "$G",         "12a",        "0x$1",        "$-1",
                             "00x1",       "2147483648", "-2147483649", "99999999999999999999999",
                             "$100000000", "$FFFFFFFFF", "1,000",       "\xb2"}) {
        EXPECT_FALSE(ReadInteger(text).has_value()) << text;
    }
}

TEST(ReadDecimal, ReadsTheDecimalSyntax) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"12", 12.0},
        {"-3.5", -3.5},
        {".5", 0.5},
        {"5.", 5.0},
        {"1e3", 1000.0},
        {" 7 ", 7.0},
        {".", 0.0},
        {"-.", 0.0},
        {".e", 0.0},
        {"1E", 1.0},
        {"1e+", 1.0},
        {"2E-", 2.0},
        {"+1.25E+2", 125.0},
        {"-.5e-1", -0.05},
        {"0.1", 0.1},
        {"007.500", 7.5},
        {"123456789012345678901234567890", 1.2345678901234568e29},
        {"0.000000000000000000000000000000000000000000001", 1e-45},
        {"1e308", 1e308},
        {"4.9406564584124654e-324", 4.9406564584124654e-324},
        // Underflow reads as zero.
        {"1e-400", 0.0},
        {"1e-99999999999999999999999999", 0.0},
        // Zero stays zero whatever the exponent.
        {"0e99999999999999999999999999", 0.0},
        {"000.000e5000", 0.0},
        // Beyond double but within extended precision: reads, as infinity.
        {"1e400", kInf},
        {"-1e400", -kInf},
        {"1.18973e4932", kInf},
        {"0.0118973e4934", kInf},
        {"1.18973149535723176505e4932", kInf},
        {"11897314953572317650535115898294886679662540046955672189564992775624991818517272e4853",
         kInf},
    };
    for (const Case& c : cases) {
        const std::optional<double> value = ReadDecimal(c.text);
        ASSERT_TRUE(value.has_value()) << c.text;
        EXPECT_EQ(*value, c.value) << c.text;
    }
    EXPECT_TRUE(std::signbit(*ReadDecimal("-0")));
}

TEST(ReadDecimal, RejectsOtherTextAndValuesBeyondExtendedPrecision) {
    for (const char* text : {"1,5",
                             "$5",
                             "1 000",
                             "",
                             " ",
                             "-",
                             "+",
                             "e5",
                             "E",
                             "1e5.",
                             "1.2.3",
                             "1e 5",
                             "1e--5",
                             "--1",
                             "+-1",
                             "1e5 x",
                             "\t1",
                             "1\t",
                             "0x10",
                             "inf",
                             "nan",
                             "1.2e4932",
                             "1e4933",
                             "-1e4933",
                             "1.18973149535723176506e4932",
                             "99999e4928",
                             "1e99999999999999999999999999"}) {
        EXPECT_FALSE(ReadDecimal(text).has_value()) << text;
    }
}

TEST(ReadDecimal, RoundsLongDigitStringsCorrectly) {
    // 2^53 + 1 lies halfway between two doubles: ties go to even ...
    EXPECT_EQ(*ReadDecimal("9007199254740993"), 9007199254740992.0);
    // ... but any non-zero digit far beyond the first few hundred tips it up.
    const std::string above = "9007199254740993." + std::string(2000, '0') + "1";
    EXPECT_EQ(*ReadDecimal(above), 9007199254740994.0);
    const std::string thirds = "0." + std::string(5000, '3');
    EXPECT_EQ(*ReadDecimal(thirds), 1.0 / 3.0);
    // Leading zeros move the magnitude down, not the limit check up.
    const std::string small = "0." + std::string(4940, '0') + "5e9000";
    EXPECT_TRUE(ReadDecimal(small).has_value());
}

TEST(ReadCurrency, RoundsExactlyToFourPlacesTiesToEven) {
    struct Case {
        const char* text;
        std::int64_t value;
    };
    const Case cases[] = {
        {"1.5", 15000},
        {" 100", 1000000},
        {"100 ", 1000000},
        {"-1234.50", -12345000},
        {".", 0},
        {"1E", 10000},
        {"0.00005", 0},
        {"0.00015", 2},
        {"0.00025", 2},
        {"0.000250001", 3},
        {"-0.00005", 0},
        {"-0.00015", -2},
        {"0.00004999999999999999999", 0},
        {"5e-5", 0},
        {"15e-5", 2},
        {"12345678901234567890e-10", 12345678901235},
        {"1e14", 1000000000000000000},
        {"0.0001e18", 1000000000000000000},
        {"922337203685477.5807", std::numeric_limits<std::int64_t>::max()},
        {"922337203685477.58074999", std::numeric_limits<std::int64_t>::max()},
        {"-922337203685477.5808", std::numeric_limits<std::int64_t>::min()},
        {"-922337203685477.58085", std::numeric_limits<std::int64_t>::min()},  // tie, 8 is even
        {"0000000000000000000000000000001", 10000},
        {"1e-99999999999999999999999", 0},
        {"0e99999999999999999999999", 0},
        {"1.00000000000000000000000000000005", 10000},
    };
    for (const Case& c : cases) {
        const std::optional<std::int64_t> value = ReadCurrency(c.text);
        ASSERT_TRUE(value.has_value()) << c.text;
        EXPECT_EQ(*value, c.value) << c.text;
    }
}

TEST(ReadCurrency, RejectsOtherTextAndAmountsBeyondTheRange) {
    for (const char* text :
         {"922337203685477.5808", "922337203685477.58075", "-922337203685477.5809",
          "-922337203685477.58085001", "1e15", "9223372036854775808", "1e99999999999999999999",
          "(100)", "", "$5", "1,5", "5.00-", "-", "1e4933", "abc"}) {
        EXPECT_FALSE(ReadCurrency(text).has_value()) << text;
    }
}

TEST(ReadDate, ReadsMonthDayYearIn2017) {
    const FixedClock clock({2017, 6, 15});
    struct Case {
        const char* text;
        TDate date;
    };
    const Case cases[] = {
        {"12/31/17", {2017, 12, 31}},
        {"1/2/17", {2017, 1, 2}},
        {"12/31/66", {2066, 12, 31}},
        {"12/31/67", {1967, 12, 31}},
        {"1/1/0", {2000, 1, 1}},
        {"1/1/00", {2000, 1, 1}},
        {"12/31/2017", {2017, 12, 31}},
        {"12/31", {2017, 12, 31}},
        {" 12 / 31 / 2017 ", {2017, 12, 31}},
        {"12/31/2017/", {2017, 12, 31}},
        {"12/31/2017 /  ", {2017, 12, 31}},
        {"12/31/", {2017, 12, 31}},
        {"0012/0031/02017", {2017, 12, 31}},
        {"12/31/017", {17, 12, 31}},
        {"1/1/1", {2001, 1, 1}},
        {"2/29/2016", {2016, 2, 29}},
        {"2/29/2000", {2000, 2, 29}},
        {"2/29/00", {2000, 2, 29}},
        {"12/31/9999", {9999, 12, 31}},
        {"1/1/0001", {1, 1, 1}},
    };
    for (const Case& c : cases) {
        const std::optional<TDate> date = ReadDate(c.text, clock);
        ASSERT_TRUE(date.has_value()) << c.text;
        EXPECT_EQ(*date, c.date) << c.text;
    }
}

TEST(ReadDate, RejectsNonDates) {
    const FixedClock clock({2017, 6, 15});
    for (const char* text : {"2/29",       "2/29/2017",
                             "2/29/1900",  "13/01/2017",
                             "0/1/2017",   "1/0/2017",
                             "4/31/2017",  "1/1/0000",
                             "1/1/10000",  "10000/1/2017",
                             "2017-01-02", "Jan 2",
                             "12",         "12/",
                             "/12/31",     "12//31",
                             "12/31//",    "12/31/2017//",
                             "1/2/3/4",    "12/31/2017x",
                             "12\t/31",    "",
                             " ",          "12.31.2017",
                             "-1/2/2017",  "+1/2/2017",
                             "00/00/05"}) {
        EXPECT_FALSE(ReadDate(text, clock).has_value()) << text;
    }
}

TEST(ReadDate, FollowsTheCurrentYearOfTheClock) {
    // 2017 is not a leap year, 2016 is: a two-number date takes the clock's year.
    EXPECT_TRUE(ReadDate("2/29", FixedClock({2016, 1, 1})).has_value());
    EXPECT_EQ(*ReadDate("12/31/50", FixedClock({2000, 1, 1})), (TDate{1950, 12, 31}));
    EXPECT_EQ(*ReadDate("12/31/49", FixedClock({2000, 1, 1})), (TDate{2049, 12, 31}));
    EXPECT_EQ(*ReadDate("12/31/66", FixedClock({2117, 1, 1})), (TDate{2166, 12, 31}));
    EXPECT_EQ(*ReadDate("12/31/67", FixedClock({2117, 1, 1})), (TDate{2067, 12, 31}));
}

TEST(ReadDate, TwoDigitYearsFallWithinFiftyYearsOfTheRealCurrentYear) {
    const SystemClock clock;
    const int current = clock.Today().year;
    ASSERT_GE(current, 2017);
    for (int yy = 0; yy < 100; ++yy) {
        const std::string text = "1/1/" + std::to_string(yy);
        const std::optional<TDate> date = ReadDate(text, clock);
        ASSERT_TRUE(date.has_value()) << text;
        EXPECT_EQ(date->year % 100, yy) << text;
        EXPECT_GE(date->year, current - 50) << text;
        EXPECT_LT(date->year, current + 50) << text;
    }
    EXPECT_EQ(*ReadDate("7/4", clock), (TDate{current, 7, 4}));
}

TEST(WriteDate, WritesMonthDayYearZeroPadded) {
    EXPECT_EQ(WriteDate({2017, 1, 2}), "01022017");
    EXPECT_EQ(WriteDate({17, 12, 31}), "12310017");
    EXPECT_EQ(WriteDate({9999, 10, 10}), "10109999");
}

TEST(SystemClock, GivesAPlausibleDate) {
    const TDate today = SystemClock().Today();
    EXPECT_GE(today.year, 2017);
    EXPECT_GE(today.month, 1);
    EXPECT_LE(today.month, 12);
    EXPECT_GE(today.day, 1);
    EXPECT_LE(today.day, 31);
}

TEST(Reading, DoesNotDependOnTheProcessLocale) {
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    const char* found = nullptr;
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "fr_FR.utf8",
                             "nl_NL.UTF-8", "ru_RU.UTF-8"}) {
        if (std::setlocale(LC_ALL, name) != nullptr) {
            found = name;
            break;
        }
    }
    if (found == nullptr)
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    const std::optional<double> decimal = ReadDecimal("1.5");
    const std::optional<double> comma = ReadDecimal("1,5");
    const std::optional<std::int64_t> currency = ReadCurrency("1234.5");
    const std::optional<double> small = ReadDecimal("0.1");
    std::setlocale(LC_ALL, saved.c_str());
    ASSERT_TRUE(decimal.has_value()) << found;
    EXPECT_EQ(*decimal, 1.5);
    EXPECT_FALSE(comma.has_value());
    EXPECT_EQ(currency, 12345000);
    EXPECT_EQ(small, 0.1);
}

TEST(Reading, HostileMegabyteValuesComplete) {
    std::string noise;
    for (int i = 0; i < 2'500'000; ++i)
        noise += "$,";
    EXPECT_FALSE(ReadDecimal(noise).has_value());
    EXPECT_FALSE(ReadCurrency(noise).has_value());
    EXPECT_FALSE(ReadInteger(noise).has_value());
    EXPECT_FALSE(ReadDate(noise, FixedClock({2017, 6, 15})).has_value());

    const std::string ones(5'000'000, '1');
    EXPECT_FALSE(ReadDecimal(ones).has_value());
    EXPECT_FALSE(ReadCurrency(ones).has_value());
    EXPECT_FALSE(ReadInteger(ones).has_value());
    EXPECT_EQ(ReadDecimal("0." + ones), 0.1111111111111111);
    EXPECT_EQ(ReadCurrency("0." + ones), 1111);
    EXPECT_EQ(ReadDecimal("1e" + ones), std::nullopt);
    EXPECT_EQ(ReadDecimal("1e-" + ones), 0.0);
    EXPECT_EQ(ReadCurrency("1e-" + ones), 0);

    const std::string zeros(5'000'000, '0');
    EXPECT_EQ(ReadDecimal(zeros + "1"), 1.0);
    EXPECT_EQ(ReadDecimal("0." + zeros + "1"), 0.0);
    EXPECT_EQ(ReadCurrency(zeros + "1." + zeros + "1"), 10000);
    EXPECT_EQ(ReadInteger(zeros + "42"), 42);
    EXPECT_EQ(ReadInteger("$" + zeros + "1F"), 31);
    // Leading zeros are allowed in the numbers of a date.
    EXPECT_EQ(ReadDate(zeros + "1/1/2017", FixedClock({2017, 6, 15})), (TDate{2017, 1, 1}));
}

}  // namespace
}  // namespace qs
