#include <gtest/gtest.h>

#include <string>

#include "core/clock.h"
#include "core/conversion.h"
#include "core/normalize.h"
#include "core/reading.h"

namespace qs {
namespace {

const FixedClock kClock({2017, 6, 15});

struct Stored {
    const char* code;
    std::string raw;
    std::string value;
};

// Values that pass their rule: what goes into the record.
TEST(ConvertValue, StoresTheNormalisedValue) {
    const Stored cases[] = {
        {"$", "  ABC  ", "ABC"},
        {"$", "   ", ""},
        {"$", "\tA  B\r", "A  B"},
        {"I", "Yes", "X"},
        {"I", "No", ""},
        {"I", " x ", "X"},
        {"I", "", ""},
        {"c", "-$5.00", "5.00"},
        {"C", "-$5.00", "-5.00"},
        {"c", "", "0"},
        {"C", "", "0"},
        {"c", "$ 100", " 100"},
        {"c", "$1,234.56789", "1234.56789"},
        {"c", "922,337,203,685,477.5807", "922337203685477.5807"},
        {"w", "1,000", "1000"},
        {"w", "$10", "$10"},
        {"w", "", "0"},
        {"w", "5e2", "500"},
        {"w", "-12", "-12"},
        {"#", "1,234.5", "1234.5"},
        {"#", "$1,234.567", "1234.567"},
        {"#", "", "0"},
        {"#", "1e400", "1e400"},
        {"n", "111-22-3333", "111223333"},
        {"n", "111223333", "111223333"},
        {"n", "", ""},
        {"N", "123456789", "123456789"},
        {"Y", "17", "2017"},
        {"Y", "0075", "1975"},
        {"y", "", ""},
        {"y", "17a", ""},
        {"D", "123117", "12312017"},
        {"D", "12/31", "12312017"},
        {"d", "02/30/2017", ""},
        {"b", "02/30/2017", ""},
        {"b", "1/2/67", "01021967"},
        {"u", "7", "07"},
        {"u", "007", "07"},
        {"u", "0", "00"},
        {"u", "99", "99"},
        {"u", "$A", "10"},
        {"u", "", ""},
        {"g", "5", "5"},
        {"g", " 9 ", "9"},
        {"T", "EIN", "EIN"},
        {"T", "1", "EIN"},
        {"T", "2", "SSN"},
        {"T", "", "N/A"},
        {"T", "XYZ", "XYZ"},
        {"O", "b", "B"},
        {"O", " a-f ", "A-F"},
        {"o", " 1z ", "1z"},
        {"h", "9Z", "9Z"},
        {"p", "13", "13"},
    };
    for (const Stored& c : cases) {
        const TValueResult result = ConvertValue(c.code, c.raw, kClock);
        EXPECT_TRUE(result.ok) << c.code << " \"" << c.raw << "\"";
        EXPECT_TRUE(result.store) << c.code << " \"" << c.raw << "\"";
        EXPECT_EQ(result.value, c.value) << c.code << " \"" << c.raw << "\"";
        EXPECT_EQ(result.reason, "") << c.code << " \"" << c.raw << "\"";
    }
}

struct Failed {
    const char* code;
    std::string raw;
    const char* reason;
};

TEST(ConvertValue, FailsWithTheReasonOfTheCode) {
    const Failed cases[] = {
        {"I", "maybe ", "to an invalid indicator value "},
        {"I", "2", "to an invalid indicator value "},
        {"C", "5.00-", "to an invalid currency value "},
        {"c", "(100)", "to an invalid currency value "},
        {"c", "abc", "to an invalid currency value "},
        {"c", "922337203685477.5808", "to an invalid currency value "},
        {"C", "-922337203685477.5809", "to an invalid currency value "},
        {"C", "-", "to an invalid currency value "},
        {"w", "12.5", "to an invalid whole number value "},
        {"w", "5000000000", "to an invalid whole number value "},
        {"w", "-", "to an invalid whole number value "},
        {"#", "abc", "to an invalid floating point value "},
        {"#", "-", "to an invalid floating point value "},
        {"#", "1e5000", "to an invalid floating point value "},
        {"n", "11122333", "to an invalid SSN "},
        {"n", "11122333A", "to an invalid SSN "},
        {"n", "1112233334", "to an invalid SSN "},
        {"n", "111-22-333A", "to an invalid SSN "},
        {"N", "12345", "to an invalid TIN "},
        {"N", "12-345678A", "to an invalid TIN "},
        {"N", "1234567890123", "to an invalid TIN "},
        {"Y", "", "to an invalid (required) year "},
        {"Y", "17a", "to an invalid (required) year "},
        {"Y", "017", "to an invalid (required) year "},
        {"D", "02/30/2017", "to an invalid (required) date "},
        {"D", "", "to an invalid (required) date "},
        {"D", "Jan 2", "to an invalid (required) date "},
        {"u", "100", "to an invalid USPS Delivery Point "},
        {"u", "-1", "to an invalid USPS Delivery Point "},
        {"u", "A", "to an invalid USPS Delivery Point "},
        {"u", "7.0", "to an invalid USPS Delivery Point "},
        {"g", "0", "to an invalid code "},
        {"g", "10", "to an invalid code "},
        {"g", "", "to an invalid code "},
        {"g", "A", "to an invalid code "},
    };
    for (const Failed& c : cases) {
        const TValueResult result = ConvertValue(c.code, c.raw, kClock);
        EXPECT_FALSE(result.ok) << c.code << " \"" << c.raw << "\"";
        EXPECT_FALSE(result.store) << c.code << " \"" << c.raw << "\"";
        EXPECT_EQ(result.reason, c.reason) << c.code << " \"" << c.raw << "\"";
    }
}

TEST(ConvertValue, TinGivesTheInferredTinType) {
    struct Case {
        std::string raw;
        std::string value;
        std::string tinType;
    };
    const Case cases[] = {
        {"12-3456789", "123456789", "EIN"},
        {" 111-22-3333 ", "111223333", "SSN"},
        {"", "", "N/A"},
        {"   ", "", "N/A"},
        {"123456789", "123456789", ""},
    };
    for (const Case& c : cases) {
        const TValueResult result = ConvertValue("N", c.raw, kClock);
        ASSERT_TRUE(result.ok) << c.raw;
        EXPECT_EQ(result.value, c.value) << c.raw;
        EXPECT_EQ(result.tinType, c.tinType) << c.raw;
    }
    // No other code infers a TIN type, the SSN code included.
    for (const char* code : {"n", "T", "$"}) {
        EXPECT_EQ(ConvertValue(code, "111-22-3333", kClock).tinType, "") << code;
    }
}

TEST(ConvertValue, CodesWithoutARuleKeepTheSuppliedValue) {
    // Dropping the value silently would lose the user's data: it is kept, trimmed.
    for (const char* code : {"E", "9", "e", "k", "v"}) {
        const TValueResult result = ConvertValue(code, "  A1 b ", kClock);
        EXPECT_TRUE(result.ok) << code;
        EXPECT_TRUE(result.store) << code;
        EXPECT_EQ(result.value, "A1 b") << code;
    }
}

TEST(ConvertValue, CodesAreCaseSensitive) {
    // "c" drops the minus, "C" keeps it; "O" upper-cases, "o" does not.
    EXPECT_EQ(ConvertValue("c", "-1", kClock).value, "1");
    EXPECT_EQ(ConvertValue("C", "-1", kClock).value, "-1");
    EXPECT_EQ(ConvertValue("O", "b", kClock).value, "B");
    EXPECT_EQ(ConvertValue("o", "b", kClock).value, "b");
    EXPECT_TRUE(ConvertValue("y", "", kClock).ok);
    EXPECT_FALSE(ConvertValue("Y", "", kClock).ok);
    EXPECT_TRUE(ConvertValue("d", "", kClock).ok);
    EXPECT_FALSE(ConvertValue("D", "", kClock).ok);
}

// One result reused for many values, as the conversion does, holds after each
// exactly what a new result would: nothing of an earlier value stays behind.
TEST(ConvertValue, AReusedResultEqualsANewOne) {
    struct Case {
        const char* code;
        const char* raw;
    };
    const Case cases[] = {
        {"N", "12-3456789"},  {"$", "  a long value of more than fifteen characters "},
        {"c", "bad"},         {"N", ""},
        {"$", "x"},           {"I", "maybe"},
        {"T", "1"},           {"D", "13/45/2017"},
        {"C", "-$1,234.5"},   {"u", "7"},
        {"N", "111-22-3333"}, {"w", "1e3"},
        {"#", "$1,5.25"},     {"", " plain "},
    };
    TValueResult reused;
    for (const Case& c : cases) {
        ConvertValue(c.code, c.raw, kClock, reused);
        const TValueResult fresh = ConvertValue(c.code, c.raw, kClock);
        EXPECT_EQ(reused.ok, fresh.ok) << c.code << " " << c.raw;
        EXPECT_EQ(reused.store, fresh.store) << c.code << " " << c.raw;
        EXPECT_EQ(reused.value, fresh.value) << c.code << " " << c.raw;
        EXPECT_EQ(reused.tinType, fresh.tinType) << c.code << " " << c.raw;
        EXPECT_EQ(reused.reason, fresh.reason) << c.code << " " << c.raw;
    }
}

// Plain amounts pass without the full reading rule; around the limits of that
// shortcut the answer is still the rule's own.
TEST(ConvertValue, MoneyAndDecimalsPassExactlyWhenTheyRead) {
    const char* const values[] = {
        "0",
        "-0",
        "5.",
        ".5",
        "-",
        ".",
        "1.2.3",
        "12345678901234.5678",   // 14 digits and four decimals
        "123456789012345.5678",  // 15 digits
        "922337203685477.5807",  // the largest count of ten-thousandths
        "922337203685477.5808",
        "-922337203685477.5808",
        "1.23456",  // rounds to four places
        "99999999999999.99995",
        "1e3",
        "1 2",
        "--1",
        "1-",
        "0x10",
    };
    for (const char* code : {"C", "c", "#"}) {
        for (const char* raw : values) {
            std::string normalized = raw;
            if (std::string_view(code) == "#") {
                NormalizeFloat(normalized);
            } else {
                NormalizeCurrency(normalized, code);
            }
            const bool reads = std::string_view(code) == "#" ? ReadDecimal(normalized).has_value()
                                                             : ReadCurrency(normalized).has_value();
            const TValueResult result = ConvertValue(code, raw, kClock);
            EXPECT_EQ(result.ok, reads) << code << " " << raw;
            EXPECT_EQ(result.value, normalized) << code << " " << raw;
        }
    }
}

TEST(ConvertValue, HostileMegabyteValuesComplete) {
    std::string noise;
    for (int i = 0; i < 2'500'000; ++i)
        noise += "$,";
    EXPECT_EQ(ConvertValue("c", noise, kClock).value, "0");
    EXPECT_EQ(ConvertValue("#", noise, kClock).value, "0");
    EXPECT_FALSE(ConvertValue("w", noise, kClock).ok);
    EXPECT_FALSE(ConvertValue("D", noise, kClock).ok);
    EXPECT_FALSE(ConvertValue("u", noise, kClock).ok);
    EXPECT_FALSE(ConvertValue("N", noise, kClock).ok);
    EXPECT_EQ(ConvertValue("$", " " + noise + " ", kClock).value, noise);
}

}  // namespace
}  // namespace qs
