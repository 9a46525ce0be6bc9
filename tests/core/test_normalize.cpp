#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/clock.h"
#include "core/normalize.h"

namespace qs {
namespace {

struct Case {
    std::string in;
    std::string out;
};

template <typename Normalizer>
void ExpectAll(const std::vector<Case>& cases, Normalizer normalize, const char* what) {
    for (const Case& c : cases) {
        std::string value = c.in;
        normalize(value);
        EXPECT_EQ(value, c.out) << what << " of \"" << c.in << "\"";
    }
}

TEST(NormalizeCurrency, NonNegativeCodeDropsSignsAndSeparators) {
    ExpectAll(
        {{"-$1,234.50", "1234.50"},
         {"$ 100", " 100"},
         {"$", "0"},
         {"", "0"},
         {" $ , ", "0"},
         {"-", "0"},
         {"(100)", "(100)"},
         {"+5", "5"},
         {"5.00-", "5.00"},
         {"$1,2$3+4-5", "12345"},
         {"1, 000", "1 000"}},
        [](std::string& v) { NormalizeCurrency(v, "c"); }, "c");
}

TEST(NormalizeCurrency, SignedCodeKeepsTheMinus) {
    ExpectAll(
        {{"-$1,234.50", "-1234.50"},
         {"$ 100", " 100"},
         {"$", "0"},
         {"-", "-"},
         {"5.00-", "5.00-"},
         {"(100)", "(100)"}},
        [](std::string& v) { NormalizeCurrency(v, "C"); }, "C");
    // Only the exact code "c" drops the minus.
    for (const char* code : {"", "cc", " c", "#"}) {
        std::string value = "-$5";
        NormalizeCurrency(value, code);
        EXPECT_EQ(value, "-5") << code;
    }
}

TEST(NormalizeWholeNumber, RewritesWholeDecimalsAndLeavesTheRest) {
    ExpectAll({{"1,000.00", "1000"},
               {"+1,234", "1234"},
               {"1,000", "1000"},
               {"5e2", "500"},
               {"0.5e1", "5"},
               {"007", "7"},
               {"-0", "0"},
               {"-12", "-12"},
               {" 42 ", "42"},
               {"-2147483648", "-2147483648"},
               {"2147483647", "2147483647"},
               {"", "0"},
               {" ", "0"},
               {"+,", "0"},
               {"12.5", "12.5"},
               {"1.5", "1.5"},
               {"$100", "$100"},
               {"$10", "$10"},
               {"5000000000", "5000000000"},
               {"2147483648", "2147483648"},
               {"-2147483649", "-2147483649"},
               {"2147483647.5", "2147483647.5"},
               {"1e400", "1e400"},
               {"-", "-"},
               {"abc", "abc"}},
              NormalizeWholeNumber, "NormalizeWholeNumber");
}

TEST(NormalizeFloat, DropsDollarPlusAndCommaOnly) {
    ExpectAll({{"$1,234.567", "1234.567"},
               {"-", "-"},
               {"-$5", "-5"},
               {"", "0"},
               {"+$,", "0"},
               {" $ 1", "  1"},
               {"abc", "abc"},
               {"1e5", "1e5"}},
              NormalizeFloat, "NormalizeFloat");
}

TEST(NormalizeTinType, MapsOnlyEmptyOneAndTwo) {
    ExpectAll({{"", "N/A"},
               {"1", "EIN"},
               {"2", "SSN"},
               {"EIN", "EIN"},
               {"N/A", "N/A"},
               {"ein", "ein"},
               {"3", "3"},
               {"01", "01"},
               {" 1", " 1"}},
              NormalizeTinType, "NormalizeTinType");
}

TEST(NormalizeIndicator, YesAndNoWords) {
    ExpectAll({{"yes", "X"},       {"Y", "X"},   {"true", "X"}, {"1", "X"},    {"x", "X"},
               {"T", "X"},         {"YeS", "X"}, {"no", ""},    {"null", ""},  {"NULL", ""},
               {"0", ""},          {"f", ""},    {"N", ""},     {"FALSE", ""}, {"", ""},
               {"maybe", "MAYBE"}, {"xx", "XX"}, {" y", " Y"},  {"2", "2"},    {"\xe9", "\xe9"}},
              NormalizeIndicator, "NormalizeIndicator");
}

TEST(NormalizeSsn, ShortensElevenCharactersOnly) {
    ExpectAll({{"111-22-3333", "111223333"},
               {"111 22 3333", "111223333"},
               {"abcdefghijk", "abcefhijk"},
               {"1112233334", "1112233334"},
               {"123456789", "123456789"},
               {"111-22-33333", "111-22-33333"},
               {"", ""}},
              NormalizeSsn, "NormalizeSsn");
}

TEST(NormalizeTin, InfersTheTinTypeFromTheLength) {
    struct TinCase {
        std::string in;
        std::string out;
        std::string tinType;
    };
    const TinCase cases[] = {
        {"123456789", "123456789", ""},
        {"12-3456789", "123456789", "EIN"},
        {"12 3456789", "123456789", "EIN"},
        {"111-22-3333", "111223333", "SSN"},
        {"", "", "N/A"},
        {"12345", "12345", ""},
        {"ab-cdefghi", "abcdefghi", "EIN"},
        {"123-456-7890", "123-456-7890", ""},
    };
    for (const TinCase& c : cases) {
        std::string value = c.in;
        std::string tinType = "left over";
        NormalizeTin(value, tinType);
        EXPECT_EQ(value, c.out) << c.in;
        EXPECT_EQ(tinType, c.tinType) << c.in;
    }
}

TEST(NormalizeYear, FixedPivotOfFifty) {
    ExpectAll(
        {{"17", "2017"},   {"99", "1999"},   {"00", "2000"},   {"49", "2049"},   {"50", "1950"},
         {"2017", "2017"}, {"0049", "2049"}, {"0075", "1975"}, {"0150", "150"},  {"-5", "-5"},
         {"-005", "-005"}, {"+017", "2017"}, {"$F", "2015"},   {"$FFF", "4095"}, {" 7", "2007"},
         {"017", ""},      {"ab", ""},       {"7 ", ""},       {"", ""},         {"1", ""},
         {"20170", ""},    {"x1F", ""},      {"1.5e", ""}},
        NormalizeYear, "NormalizeYear");
}

TEST(NormalizeDate, LayoutsWithAndWithoutSlashesIn2017) {
    const FixedClock clock({2017, 6, 15});
    ExpectAll(
        {{"", ""},
         {"010117", "01012017"},
         {"123117", "12312017"},
         {"1012017", "01012017"},
         {"12312017", "12312017"},
         {"99912312017", "12312017"},
         {"11717", "01172017"},
         {"010100", "01012000"},
         {"010166", "01012066"},
         {"010167", "01011967"},
         {"1/2/17", "01022017"},
         {"12/31", "12312017"},
         {"12/31/67", "12311967"},
         {"12/31/0017", "12310017"},
         {"02302017", ""},
         {"5", ""},
         {"0229", ""},
         {"13/01/2017", ""},
         {"2017-01-02", ""},
         {"Jan 2", ""},
         {"12 31 17", ""}},
        [&](std::string& v) { NormalizeDate(v, clock); }, "NormalizeDate");
}

TEST(NormalizeDate, TwoNumberDatesTakeTheRealCurrentYear) {
    const SystemClock clock;
    std::string value = "12/31";
    NormalizeDate(value, clock);
    EXPECT_EQ(value, "1231" + std::to_string(clock.Today().year));
}

TEST(Normalize, HostileMegabyteValuesComplete) {
    std::string noise;
    for (int i = 0; i < 2'500'000; ++i)
        noise += "$,";

    std::string value = noise;
    NormalizeCurrency(value, "c");
    EXPECT_EQ(value, "0");
    value = noise;
    NormalizeFloat(value);
    EXPECT_EQ(value, "0");
    value = noise;
    NormalizeWholeNumber(value);
    EXPECT_EQ(value.size(), 2'500'000u);  // the dollar signs stay
    value = noise;
    NormalizeDate(value, FixedClock({2017, 6, 15}));
    EXPECT_EQ(value, "");

    std::string digits;
    for (int i = 0; i < 2'500'000; ++i)
        digits += "1,";
    value = digits;
    NormalizeWholeNumber(value);
    EXPECT_EQ(value, std::string(2'500'000, '1'));
    value = digits;
    NormalizeCurrency(value, "C");
    EXPECT_EQ(value, std::string(2'500'000, '1'));

    value = std::string(5'000'000, '/');
    NormalizeDate(value, FixedClock({2017, 6, 15}));
    EXPECT_EQ(value, "");
    value = std::string(5'000'000, '0') + "12312017";
    NormalizeDate(value, FixedClock({2017, 6, 15}));
    EXPECT_EQ(value, "12312017");
    value = std::string(5'000'000, 'y');
    NormalizeIndicator(value);
    EXPECT_EQ(value, std::string(5'000'000, 'Y'));
}

}  // namespace
}  // namespace qs
