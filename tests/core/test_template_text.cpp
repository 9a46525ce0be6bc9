#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/schema.h"
#include "core/template_text.h"

namespace qs {
namespace {

// The field list of a form as the main window builds it: one row per schema
// descriptor, the first character being the type code, the rest the caption.
std::vector<TFieldRow> RowsOf(const std::string& formName) {
    int index = FindCatalogIndex(formName);
    EXPECT_GE(index, 0) << formName;
    TStringList schema;
    LoadSchema(static_cast<std::uint8_t>(index), schema);
    std::vector<TFieldRow> rows;
    for (const std::string& descriptor : schema) {
        rows.push_back(TFieldRow{descriptor.substr(1), descriptor.substr(0, 1), false});
    }
    return rows;
}

std::vector<TFieldRow> AllTicked(std::vector<TFieldRow> rows) {
    for (TFieldRow& row : rows)
        row.checked = true;
    return rows;
}

TEST(TemplateText, WholeTextForOneTickedRow) {
    // Captions are copied unchanged, including blanks and bytes above 127.
    std::vector<TFieldRow> rows = {
        {"First", "$", false}, {" Caf\xe9 name, \"x\" ", "$", true}, {"Third", "c", false}};
    const TStringList expected = {
        "FORM 1099-X",
        "KEY 003010",
        "{BEGIN DATA}",
        " Caf\xe9 name, \"x\" ",
        "{END DATA}",
        "",
        "INSTRUCTIONS FOR CREATING YOUR DATA EXTRACT",
        "===========================================",
        "1. Create a \"new\" text file.",
        "   Name this file as you like (1099-X_EXTRACT.txt is suggested).",
        "",
        "2. Include the FORM, KEY and {BEGIN DATA} segments.",
        "   These segments must be the first 3 lines of your text file.",
        "   These segments must be included exactly as shown above.",
        "",
        "3. Write recipient records to your file.",
        "   The first recipient must begin immediately after the {BEGIN DATA} segment.",
        "   Field values must be written under one another as shown above.",
        "   Supply only the value of the field; not the field name.",
        "   Do not omit any field values; field values may be left blank.",
        "   Recipient records must follow one another in this manner.",
        "   Do not skip a line between recipient records.",
        "",
        "4. Follow the last recipient record with the {END DATA} segment as shown above.",
        "   Do not skip a line before the {END DATA} segment",
        "",
        "5  Close the text file.",
        "   This is your data extract.",
        "",
        "6. In order to merge your data extract with Quillstone, make the following",
        "   call from your application",
        "",
        "   QS2017DM.exe \"File specification\"",
        "",
        "   where",
        "",
        "   File specification = the fully qualified file name of your data extract.",
        "   This is easily implemented using Windows ShellExecute() function.",
    };
    EXPECT_EQ(BuildTemplateText("1099-X", rows, "QS2017DM.exe"), expected);
}

TEST(TemplateText, W2WithRowsZeroAndTwoTicked) {
    std::vector<TFieldRow> rows = RowsOf("W-2");
    ASSERT_EQ(rows.size(), 63u);
    rows[0].checked = true;
    rows[2].checked = true;
    TStringList text = BuildTemplateText("W-2", rows, "QS2017DM.exe");
    ASSERT_EQ(text.size(), 39u);
    EXPECT_EQ(text[0], "FORM W-2");
    EXPECT_EQ(text[1], "KEY 063101" + std::string(60, '0'));
    EXPECT_EQ(text[1].size(), 4u + 66u);
    EXPECT_EQ(text[2], "{BEGIN DATA}");
    EXPECT_EQ(text[3], rows[0].caption);
    EXPECT_EQ(text[4], rows[2].caption);
    EXPECT_EQ(text[5], "{END DATA}");
    EXPECT_EQ(text[38], "   This is easily implemented using Windows ShellExecute() function.");
}

TEST(TemplateText, AllTickedKeyAndLineCount) {
    std::vector<TFieldRow> rows = AllTicked(RowsOf("1095-B CI"));
    ASSERT_EQ(rows.size(), 22u);
    EXPECT_EQ(KeyString(rows), "022" + std::string(22, '1'));
    TStringList text = BuildTemplateText("1095-B CI", rows, "QS2017DM.exe");
    ASSERT_EQ(text.size(), 22u + 37u);
    for (std::size_t p = 0; p < rows.size(); ++p)
        EXPECT_EQ(text[3 + p], rows[p].caption);
    EXPECT_EQ(text[3 + 22], "{END DATA}");
}

TEST(TemplateText, KeyCountHasThreeDigits) {
    struct Case {
        std::size_t rows;
        std::string prefix;
    };
    for (const Case& c : {Case{0, "000"}, Case{7, "007"}, Case{40, "040"}, Case{135, "135"}}) {
        std::vector<TFieldRow> rows(c.rows);
        std::string key = KeyString(rows);
        EXPECT_EQ(key, c.prefix + std::string(c.rows, '0')) << c.rows;
    }
}

TEST(TemplateText, InstructionLinesNameTheFormAndTheProgram) {
    std::vector<TFieldRow> rows = AllTicked(RowsOf("1099-MISC"));
    ASSERT_EQ(rows.size(), 40u);
    const std::size_t e = 40 + 4;  // line number of {END DATA}, counting from 1
    TStringList text = BuildTemplateText("1099-MISC", rows, "renamed merge.exe");
    ASSERT_EQ(text.size(), 77u);
    auto line = [&](std::size_t number) { return text[number - 1]; };
    EXPECT_EQ(line(e), "{END DATA}");
    EXPECT_EQ(line(e + 5), "   Name this file as you like (1099-MISC_EXTRACT.txt is suggested).");
    EXPECT_EQ(line(e + 20), "   Do not skip a line before the {END DATA} segment");
    EXPECT_EQ(line(e + 22), "5  Close the text file.");
    EXPECT_EQ(line(e + 28), "   renamed merge.exe \"File specification\"");
}

}  // namespace
}  // namespace qs
