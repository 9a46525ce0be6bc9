#include <gtest/gtest.h>

#include <string>

#include "core/extract.h"
#include "core/linelist.h"

namespace qs {
namespace {

using namespace std::string_literals;

// Erasing lines keeps every other line exactly, whatever line ends meet at
// the place of the erased one (a CR before an LF that then follows it is
// still two line ends).
TEST(LineList, EraseKeepsTheOtherLinesWhateverTheirLineEnds) {
    struct Case {
        std::string text;
        std::size_t erase;
        TStringList lines;
    };
    const Case cases[] = {
        {"a\rX\n\nb", 1, {"a", "", "b"}},  // leaves "a\r" next to "\n"
        {"a\rX\r\n\r\n", 1, {"a", ""}},   {"X\r\n\n", 0, {""}},
        {"a\nb\nX", 2, {"a", "b"}},  // a last line that had no line end
        {"a\r\nX\r\n", 1, {"a"}},         {"\r\rX\n", 2, {"", ""}},
    };
    for (const Case& c : cases) {
        TLineList list = SplitLines(c.text);
        list.Erase(c.erase);
        EXPECT_EQ(list.ToStringList(), c.lines) << testing::PrintToString(c.text);
    }
}

TEST(LineList, EraseFrontThenEraseAndSearch) {
    TLineList list = SplitLines("FORM\r\nKEY\r\n{begin DATA}\r\nv1\r\n{End Data}\r\nafter\r\n");
    EXPECT_EQ(list.IndexOfText("{BEGIN DATA}"), 2);
    EXPECT_EQ(list.IndexOfText("{END DATA}"), 4);
    EXPECT_EQ(list.IndexOfText("{END DATA"), -1);  // a line one longer is no match
    EXPECT_EQ(list.IndexOfText("v"), -1);
    list.Erase(4);
    list.EraseFront(3);
    EXPECT_EQ(list.ToStringList(), (TStringList{"v1", "after"}));
    EXPECT_EQ(list.IndexOfText("AFTER"), 1);
    EXPECT_EQ(list.Text(), "v1\r\nafter\r\n");
    list.EraseFront(5);  // more than there are
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(list.IndexOfText(""), -1);
}

// Appended lines end in CR LF, so the text is an import file's content; a
// line may hold CR, LF and quotes of its own and still comes back unchanged.
TEST(LineList, AppendedLinesAndTheirText) {
    TLineList list;
    EXPECT_TRUE(list.empty());
    EXPECT_EQ(list.Text(), "");
    const TStringList lines = {"a,b", "", "\"x\r\"", "y\r", "\n", "\r\n"};
    for (const std::string& line : lines)
        list.Append(line);
    EXPECT_EQ(list.ToStringList(), lines);
    EXPECT_EQ(list.Text(), "a,b\r\n\r\n\"x\r\"\r\ny\r\r\n\n\r\n\r\n\r\n");

    // Storage kept by clear() takes the next lines.
    list.clear();
    EXPECT_TRUE(list.empty());
    list.Append("z");
    EXPECT_EQ(list.ToStringList(), (TStringList{"z"}));
    EXPECT_EQ(list.Text(), "z\r\n");

    // A loaded list gets an LF after a last line that had no line end.
    EXPECT_EQ(SplitLines("a\rb").Text(), "a\rb\n");
    EXPECT_EQ(SplitLines("a\0b"s).Text(), "a\n");
}

}  // namespace
}  // namespace qs
