#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "core/strings.h"

namespace qs {
namespace {

TEST(Strings, RepeatChar) {
    EXPECT_EQ(RepeatChar('x', 3), "xxx");
    EXPECT_EQ(RepeatChar('x', 0), "");
    EXPECT_EQ(RepeatChar('x', -2), "");
}

TEST(Strings, LeftAndRightStrFallBackToTheWholeString) {
    EXPECT_EQ(LeftStr("ABCDE", 2), "AB");
    EXPECT_EQ(LeftStr("AB", 5), "AB");
    EXPECT_EQ(LeftStr("AB", 0), "");
    EXPECT_EQ(RightStr("ABCDE", 2), "DE");
    EXPECT_EQ(RightStr("AB", 5), "AB");
    EXPECT_EQ(RightStr("AB", 0), "");
}

TEST(Strings, MidStrOrBlankNeverGivesAShorterPiece) {
    EXPECT_EQ(MidStrOrBlank("AB", 2, 3), "   ");
    EXPECT_EQ(MidStrOrBlank("ABC", 2, 2), "BC");
    EXPECT_EQ(MidStrOrBlank("ABC", 1, 3), "ABC");
    EXPECT_EQ(MidStrOrBlank("$Client ID", 2, 9), "Client ID");
    EXPECT_EQ(MidStrOrBlank("ABC", 4, 0), "");
    EXPECT_EQ(MidStrOrBlank("ABC", 0, 2), "  ");
    EXPECT_EQ(MidStrOrBlank("ABC", INT_MAX, 2), "  ");
}

TEST(Strings, PadLeftZerosIsAlwaysExactlyTheWidth) {
    EXPECT_EQ(PadLeftZeros(3, "72"), "072");
    EXPECT_EQ(PadLeftZeros(3, "7"), "007");
    EXPECT_EQ(PadLeftZeros(3, "1234"), "234");
    EXPECT_EQ(PadLeftZeros(2, "123"), "23");
    EXPECT_EQ(PadLeftZeros(4, ""), "0000");
    EXPECT_EQ(PadLeftZeros(0, "12"), "");
}

TEST(Strings, IsAllDigits) {
    EXPECT_TRUE(IsAllDigits(""));
    EXPECT_TRUE(IsAllDigits("0123456789"));
    EXPECT_FALSE(IsAllDigits("12A"));
    EXPECT_FALSE(IsAllDigits(" 12"));
    EXPECT_FALSE(IsAllDigits("-1"));
}

TEST(Strings, TrimRemovesControlCharactersAndBlanksOnly) {
    EXPECT_EQ(Trim("  ABC  "), "ABC");
    EXPECT_EQ(Trim("\t\r\n\x01 A B \x1f"), "A B");
    EXPECT_EQ(Trim("   "), "");
    EXPECT_EQ(Trim(""), "");
    // Bytes above 127 are characters, not blanks.
    EXPECT_EQ(Trim("\xa0X\xa0"), "\xa0X\xa0");
}

TEST(Strings, UpperCaseTouchesOnlyAsciiLetters) {
    EXPECT_EQ(UpperCase("abz AZ 09 \xe9\xff"), "ABZ AZ 09 \xe9\xff");
}

TEST(Strings, RemoveEvery) {
    EXPECT_EQ(RemoveEvery("$1,$2,,3$", '$'), "1,2,,3");
    EXPECT_EQ(RemoveEvery("", ','), "");
    EXPECT_EQ(RemoveEvery(",,,", ','), "");
    EXPECT_EQ(RemoveEvery(std::string("a\0b", 3), 'b'), std::string("a\0", 2));
}

TEST(Strings, IntToStr) {
    EXPECT_EQ(IntToStr(0), "0");
    EXPECT_EQ(IntToStr(-12), "-12");
    EXPECT_EQ(IntToStr(INT64_MIN), "-9223372036854775808");
    EXPECT_EQ(IntToStr(INT64_MAX), "9223372036854775807");
}

}  // namespace
}  // namespace qs
