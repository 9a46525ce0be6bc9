#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/print_layout.h"
#include "core/schema.h"
#include "core/template_text.h"

namespace qs {
namespace {

// Printed lines of all pages in order, as (page, text, y).
struct Placed {
    std::size_t page;
    std::string text;
    int y;
    bool operator==(const Placed&) const = default;
};

std::vector<Placed> Flatten(const std::vector<TPrintedPage>& pages) {
    std::vector<Placed> out;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        for (const TPrintedLine& line : pages[p])
            out.push_back({p, line.text, line.y});
    }
    return out;
}

std::ostream& operator<<(std::ostream& os, const Placed& p) {
    return os << "{" << p.page << ", \"" << p.text << "\", " << p.y << "}";
}

// Character width 10, text height 20 (line height 22), font height 18.
const TFixedPitchMetrics kMetrics(10, 20, 18);

TEST(PrintLayout, LineHeightsAndWrapping) {
    struct Case {
        const char* name;
        TStringList lines;
        int width;
        std::vector<Placed> expected;
    };
    const std::vector<Case> cases = {
        {"text lines are text height + 2 apart, empty lines font height",
         {"ab", "", "", "cd"},
         1000,
         {{0, "ab", 0}, {0, "", 22}, {0, "", 40}, {0, "cd", 58}}},
        {"a line broken after the last character that fits",
         {"abcdefgh", "x"},
         35,
         {{0, "abc", 0}, {0, "def", 22}, {0, "gh", 44}, {0, "x", 66}}},
        {"a line exactly as wide as the page is not broken", {"abc"}, 30, {{0, "abc", 0}}},
        {"blanks are characters like any other", {"a   b"}, 30, {{0, "a  ", 0}, {0, " b", 22}}},
        {"a page narrower than one character still prints one per line",
         {"abc"},
         5,
         {{0, "a", 0}, {0, "b", 22}, {0, "c", 44}}},
        {"a page without width still makes progress", {"ab"}, -1, {{0, "a", 0}, {0, "b", 22}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Flatten(LayoutPrintout(c.lines, kMetrics, c.width, 100000)), c.expected)
            << c.name;
    }
}

// A proportional font: the widths of the characters are added up.
class TNarrowI : public IPrintFontMetrics {
  public:
    int CharWidth(unsigned char c) const override { return c == 'i' ? 2 : 10; }
    int TextHeight() const override { return 10; }
    int FontHeight() const override { return 10; }
};

TEST(PrintLayout, WidthsOfDifferentCharactersAreSummed) {
    TNarrowI metrics;
    auto placed = Flatten(LayoutPrintout({"iiiiimiiiiim"}, metrics, 20, 100000));
    std::vector<Placed> expected = {{0, "iiiiim", 0}, {0, "iiiiim", 12}};
    EXPECT_EQ(placed, expected);
}

// UTF-8: the continuation bytes have no width of their own.
class TUtf8Metrics : public IPrintFontMetrics {
  public:
    int CharWidth(unsigned char c) const override { return (c & 0xC0) == 0x80 ? 0 : 10; }
    int TextHeight() const override { return 10; }
    int FontHeight() const override { return 10; }
};

TEST(PrintLayout, MultiByteCharactersAreNeverSplit) {
    TUtf8Metrics metrics;
    const std::string e = "\xc3\xa9";  // one character, two bytes
    struct Case {
        int width;
        std::vector<std::string> pieces;
    };
    for (const Case& c : {Case{20, {"a" + e, "b"}}, Case{5, {"a", e, "b"}}}) {
        std::vector<std::string> pieces;
        auto pages = LayoutPrintout({"a" + e + "b"}, metrics, c.width, 1000);
        for (const TPrintedLine& line : pages[0]) {
            pieces.push_back(line.text);
        }
        EXPECT_EQ(pieces, c.pieces) << c.width;
    }
}

TEST(PrintLayout, PageBreaks) {
    struct Case {
        const char* name;
        TStringList lines;
        int height;
        std::vector<Placed> expected;
    };
    const std::vector<Case> cases = {
        // Height 100: after a text line at y the position y + 22 must not lie
        // below 100 - 44 = 56.
        {"text lines: new page once the position passes height - 2 * line height",
         {"a", "b", "c", "d"},
         100,
         {{0, "a", 0}, {0, "b", 22}, {0, "c", 44}, {1, "d", 0}}},
        {"position exactly at the limit stays on the page",
         {"a", "b", "c", "d"},
         110,  // limit 66: after "c" the position is 66
         {{0, "a", 0}, {0, "b", 22}, {0, "c", 44}, {0, "d", 66}}},
        {"empty lines: new page once the position passes the height",
         {"", "", "", "", "", "", "", ""},
         54,  // 18, 36, 54 stay; 72 passes
         {{0, "", 0},
          {0, "", 18},
          {0, "", 36},
          {0, "", 54},
          {1, "", 0},
          {1, "", 18},
          {1, "", 36},
          {1, "", 54}}},
        {"the pieces of a broken line follow the same rule",
         {"abcdefgh"},
         60,  // limit 16: every piece ends the page
         {{0, "abc", 0}, {1, "def", 0}, {2, "gh", 0}}},
        {"a page lower than one line holds one line",
         {"a", "", "b"},
         0,
         {{0, "a", 0}, {1, "", 0}, {2, "b", 0}}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Flatten(LayoutPrintout(c.lines, kMetrics, 35, c.height)), c.expected) << c.name;
    }
}

TEST(PrintLayout, NoBlankPageAfterTheLastLine) {
    // The last line fills the page: the page break it causes opens no page.
    EXPECT_EQ(LayoutPrintout({"a", "b", "c"}, kMetrics, 35, 100).size(), 1u);
    EXPECT_TRUE(LayoutPrintout({}, kMetrics, 35, 100).empty());
}

TEST(PrintLayout, MegabyteLineIsPrintedWhole) {
    std::string line(1 << 20, 'x');
    line.back() = 'y';
    auto pages = LayoutPrintout({line}, kMetrics, 1000, 1 << 30);
    ASSERT_EQ(pages.size(), 1u);
    ASSERT_EQ(pages[0].size(), (1u << 20) / 100 + 1);
    std::string joined;
    for (const TPrintedLine& piece : pages[0])
        joined += piece.text;
    EXPECT_EQ(joined, line);
}

TEST(PrintLayout, AllFields1099MiscTemplateGives77LinesInOrder) {
    TStringList schema;
    LoadSchema(static_cast<std::uint8_t>(FindCatalogIndex("1099-MISC")), schema);
    std::vector<TFieldRow> rows;
    for (const std::string& d : schema)
        rows.push_back({d.substr(1), d.substr(0, 1), true});
    TStringList text = BuildTemplateText("1099-MISC", rows, "QS2017DM.exe");

    // Courier New 10 point at 600 dots per inch on a letter page.
    const TFixedPitchMetrics courier(50, 94, 94);
    auto pages = LayoutPrintout(text, courier, 4900, 6400);
    auto placed = Flatten(pages);
    ASSERT_EQ(placed.size(), 77u);
    EXPECT_GT(pages.size(), 1u);
    for (std::size_t i = 0; i < placed.size(); ++i) {
        EXPECT_EQ(placed[i].text, text[i]) << i;
        if (i > 0 && placed[i].page == placed[i - 1].page) {
            EXPECT_GT(placed[i].y, placed[i - 1].y) << i;
        } else {
            EXPECT_EQ(placed[i].y, 0) << i;
        }
    }
}

}  // namespace
}  // namespace qs
