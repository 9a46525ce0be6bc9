#include <gtest/gtest.h>

#include <string>

#include "core/typecodes.h"

namespace qs {
namespace {

TEST(TypeCodes, AllTwentyFiveCodesAreKnown) {
    const std::string codes = "$Ccw#uITNnDdbYyOohpgE9ekv";
    for (char c : codes) {
        const TypeCodeInfo* info = FindTypeCode(std::string(1, c));
        ASSERT_NE(info, nullptr) << c;
        EXPECT_EQ(info->code, c);
    }
    for (const char* unknown : {"", "x", "A", "$$", "cc", "0", " "}) {
        EXPECT_EQ(FindTypeCode(unknown), nullptr) << unknown;
        EXPECT_EQ(TypeHint(unknown), "") << unknown;
        EXPECT_EQ(TypeDefault(unknown), "") << unknown;
        EXPECT_EQ(TypeRule(unknown), ConversionRule::None) << unknown;
    }
}

TEST(TypeCodes, HintsAreExactAndCaseSensitive) {
    EXPECT_EQ(TypeHint("c"), "CURRENCY - Cannot be negative");
    EXPECT_EQ(TypeHint("C"), "CURRENCY - Negative amounts reflect losses");
    EXPECT_EQ(TypeHint("$"), "STRING DATA - No special formatting required");
    EXPECT_EQ(TypeHint("I"),
              "INDICATOR: { Y, YES, T, TRUE, 1 }=TRUE, { N, NO, F, FALSE, 0 }=FALSE");
    EXPECT_EQ(TypeHint("T"),
              "TIN TYPE: { 1, EIN }=Employer ID, { 2, SSN }=Social Security, { Blank, N/A }=Not "
              "available");
    EXPECT_EQ(TypeHint("N"), "TAXPAYER ID NUMBER - Enter as 9 digits, XX-XXXXXX, or XXX-XX-XXXX");
    EXPECT_EQ(TypeHint("n"), "SOCIAL SECURITY NUMBER - Enter as 9 digits or XXX-XX-XXXX");
    EXPECT_EQ(TypeHint("D"), "DATE - Required (Format as MM/DD/YY, MM/DD/YYYY, MMDDYY, MMDDYYYY)");
    EXPECT_EQ(TypeHint("d"),
              "DATE - Not Required (Format as MM/DD/YY, MM/DD/YYYY, MMDDYY, MMDDYYYY)");
    EXPECT_EQ(TypeHint("b"), "Date of Birth - (Format as MM/DD/YY, MM/DD/YYYY, MMDDYY, MMDDYYYY)");
    EXPECT_EQ(TypeHint("Y"), "2-DIGIT (YY) OR 4-DIGIT YEAR (YYYY) - Required");
    EXPECT_EQ(TypeHint("y"), "2-DIGIT (YY) OR 4-DIGIT YEAR (YYYY) - Not Required");
    EXPECT_EQ(TypeHint("O"), "REQUIRED - Origin of Health Coverage Code (A-F)");
    EXPECT_EQ(TypeHint("o"), "Offer of Coverage Code (1A - 1K)");
    EXPECT_EQ(TypeHint("h"), "Sec 4980H Safe Harbor Code (2A - 2I)");
    EXPECT_EQ(TypeHint("p"), "2-digit month (01-12), or 00 = No Plan");
    EXPECT_EQ(TypeHint("g"),
              "1=Horses, 2=Dogs, 3=Jai-alai, 4=Lottery, 5=Keno, 6=Bingo, 7=Slots, 8=Poker, "
              "9=Other");
    EXPECT_EQ(TypeHint("E"), "Identifiable Event Code -- Refer to Instructions for Form 1099-C");
    EXPECT_EQ(TypeHint("w"), "WHOLE NUMBER (no decimals, no negative signs)");
    EXPECT_EQ(TypeHint("#"), "FLOATING POINT NUMBER (can contain a decimal)");
    EXPECT_EQ(TypeHint("u"), "USPS DELIVERY POINT - Enter as 2 digits (00-99)");
    for (const char* code : {"9", "e", "k", "v"})
        EXPECT_EQ(TypeHint(code), "") << code;
}

TEST(TypeCodes, Defaults) {
    for (const char* code : {"C", "c", "#"})
        EXPECT_EQ(TypeDefault(code), "0.00") << code;
    EXPECT_EQ(TypeDefault("w"), "0");
    EXPECT_EQ(TypeDefault("W"), "");
    EXPECT_EQ(TypeDefault("T"), "N/A");
    EXPECT_EQ(TypeDefault("t"), "");
    for (const char* code : {"$", "u", "I", "N", "n", "D", "d", "b", "Y", "y",
                             "O", "o", "h", "p", "g", "E", "9", "e", "k", "v"}) {
        EXPECT_EQ(TypeDefault(code), "") << code;
    }
}

TEST(TypeCodes, RulesAndReasons) {
    struct Case {
        const char* code;
        ConversionRule rule;
        const char* reason;
    };
    const Case cases[] = {
        {"$", ConversionRule::Text, ""},
        {"O", ConversionRule::UpperCase, ""},
        {"o", ConversionRule::AsRead, ""},
        {"h", ConversionRule::AsRead, ""},
        {"p", ConversionRule::AsRead, ""},
        {"T", ConversionRule::TinType, ""},
        {"I", ConversionRule::Indicator, "to an invalid indicator value "},
        {"C", ConversionRule::Currency, "to an invalid currency value "},
        {"c", ConversionRule::Currency, "to an invalid currency value "},
        {"w", ConversionRule::WholeNumber, "to an invalid whole number value "},
        {"#", ConversionRule::Float, "to an invalid floating point value "},
        {"n", ConversionRule::Ssn, "to an invalid SSN "},
        {"N", ConversionRule::Tin, "to an invalid TIN "},
        {"Y", ConversionRule::RequiredYear, "to an invalid (required) year "},
        {"y", ConversionRule::Year, ""},
        {"D", ConversionRule::RequiredDate, "to an invalid (required) date "},
        {"d", ConversionRule::Date, ""},
        {"b", ConversionRule::Date, ""},
        {"u", ConversionRule::UspsDeliveryPoint, "to an invalid USPS Delivery Point "},
        {"g", ConversionRule::WagerCode, "to an invalid code "},
        {"E", ConversionRule::None, ""},
        {"9", ConversionRule::None, ""},
        {"e", ConversionRule::None, ""},
        {"k", ConversionRule::None, ""},
        {"v", ConversionRule::None, ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TypeRule(c.code), c.rule) << c.code;
        EXPECT_STREQ(FindTypeCode(c.code)->reason, c.reason) << c.code;
    }
}

}  // namespace
}  // namespace qs
