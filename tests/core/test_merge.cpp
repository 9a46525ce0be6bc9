#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/clock.h"
#include "core/errors.h"
#include "core/merge.h"
#include "core/typecodes.h"
#include "pipeline_fakes.h"

namespace qs {
namespace {

using test::CrLfText;
using test::FakeOps;
using test::FakeRegistry;
using test::Fixture;
using test::KeyLine;
using test::ReadBytes;
using test::ScratchDir;
using test::WriteBytes;

const std::string kCrLf2 = "\r\n\r\n";
// 1098-E supplying Name line 1 (0), Taxpayer id (11) and Box 1 (14).
const std::string kKey1098E = "KEY 0191000000000010010000";
const std::string kWorkedLine1 = "\"FIRST RECIPIENT\",,,,,,,,,,SSN,111223333,,,1234.50,,,,";
const std::string kWorkedLine2 = "\"SECOND RECIPIENT\",,,,,,,,,,EIN,123456789,,,87.00,,,,";

struct Pipeline {
    FakeOps ops;
    FakeRegistry registry;
    FixedClock clock{TDate{2018, 3, 15}};
    TDataMerge merge{ops, registry, clock};

    // Loads, checks and converts the extract at path; the error message, or "" on success.
    std::string Convert(const std::string& path) {
        merge.SetExtractFileName(path);
        return test::ConvertExtract(merge);
    }
};

std::vector<int> TickedRows(const TFieldSelection& selection) {
    std::vector<int> rows;
    for (int i = 0; i < selection.RowCount(); ++i) {
        if (selection.Row(i).checked)
            rows.push_back(i);
    }
    return rows;
}

TEST(ExtractChecks, BadExtractsGiveTheirMessage) {
    const std::string zeros1098E = "KEY 019" + std::string(19, '0');
    struct Case {
        std::vector<std::string> lines;
        std::string line1;  // first line of the three-line message
    };
    const Case cases[] = {
        {{}, "FORM segment not found."},
        {{"FORM"}, "FORM segment not found."},
        {{" FORM W-2", kKey1098E}, "FORM segment not found."},
        {{"\xEF\xBB\xBF"
          "FORM 1098-E",
          kKey1098E},
         "FORM segment not found."},
        {{"FORM  W-2"}, "FORM  W-2 not found."},
        {{"FORM 1099-X"}, "FORM 1099-X not found."},
        {{"form clients"}, "FORM CLIENTS not found."},
        {{"FORM Sponsors"}, "FORM SPONSORS not found."},
        {{"Form w-2 vcode"}, "FORM W-2 VCODE not found."},
        {{"FORM W-2"}, "KEY segment not found."},
        {{"FORM W-2", "KEY"}, "KEY segment not found."},
        {{"FORM W-2", " KEY 063"}, "KEY segment not found."},
        {{"FORM W-2", "KEY 12"}, "Bad KEY segment."},
        {{"FORM W-2", "KEY 000"}, "W-2 (2017) checksum error in KEY segment."},
        {{"FORM 1098-E", "KEY 019" + std::string(18, '0')}, "KEY segment checksum error."},
        {{"FORM 1098-E", "KEY 01X" + std::string(19, '0')}, "KEY segment checksum error."},
        // Blanks at the bitmap's end go with the trimmed line.
        {{"FORM 1098-E", "KEY 019" + std::string(18, '1') + " "}, "KEY segment checksum error."},
        {{"FORM 1098-E", "KEY 018" + std::string(18, '1')},
         "1098-E (2017) checksum error in KEY segment."},
        {{"FORM 1098-E", zeros1098E, "{BEGIN DATA}", "{END DATA}"}, "No fields selected?"},
        {{"FORM 1098-E", kKey1098E, "{BEGIN DATA} ", "{END DATA}"}, "{BEGIN DATA} not found."},
        {{"FORM 1098-E", kKey1098E, "{BEGIN DATA}", "x"}, "{END DATA} not found."},
        {{"FORM 1098-E", kKey1098E, "{END DATA}", "{BEGIN DATA}"},
         "{END DATA} precedes {BEGIN DATA}."},
    };
    ScratchDir dir;
    const std::string path = dir.File("extract.txt");
    for (const Case& c : cases) {
        WriteBytes(path, CrLfText(c.lines));
        Pipeline pipeline;
        EXPECT_EQ(pipeline.Convert(path), c.line1 + kCrLf2 + "EXTRACT = " + path)
            << testing::PrintToString(c.lines);
    }
}

TEST(ExtractChecks, AllocationAndValueMessages) {
    ScratchDir dir;
    const std::string path = dir.File("extract.txt");
    struct Case {
        std::vector<std::string> lines;
        std::string message;
    };
    const Case cases[] = {
        {{"FORM 1098-E", kKey1098E, "{BEGIN DATA}", "1", "2", "3", "4", "5", "6", "7",
          "{END DATA}"},
         "Field allocation error.\r\n\r\nTotal fields required per record = 3\r\n\r\n"
         "is not an integral factor of\r\n\r\nTotal fields recorded in this extract = 7\r\n\r\n"
         "EXTRACT = " +
             path},
        // The field number counts the supplied fields; the raw line is quoted as read.
        {{"FORM 1098-E", kKey1098E, "{BEGIN DATA}", "FIRST", "111-22-3333", "1.00", "SECOND",
          "11122333 ", "2.00", "{END DATA}"},
         "EXTRACT = " + path +
             "\r\n\r\nRecord # 2, Field # 2\r\n"
             "Destination field \"Taxpayer id\" maps to an invalid TIN \"11122333 \""},
        {{"FORM 1098-E", KeyLine(19, {8}), "{BEGIN DATA}", "Yes", "No", "maybe ", "{END DATA}"},
         "EXTRACT = " + path +
             "\r\n\r\nRecord # 3, Field # 1\r\n"
             "Destination field \"Foreign address indicator\" maps to an invalid indicator value "
             "\"maybe \""},
    };
    for (const Case& c : cases) {
        WriteBytes(path, CrLfText(c.lines));
        Pipeline pipeline;
        EXPECT_EQ(pipeline.Convert(path), c.message);
    }
}

TEST(ExtractChecks, FormAndKeySelectFormAndTickRows) {
    ScratchDir dir;
    const std::string path = dir.File("extract.txt");
    Pipeline pipeline;
    TFieldSelection& selection = pipeline.merge.Selection();
    selection.SetComboText("W-2C");
    selection.LoadFieldList();

    // Lower case and trailing control characters; W-2, not the W-2C shown before.
    WriteBytes(path, CrLfText({"form w-2 \t", KeyLine(63, {1}), "{BEGIN DATA}", "{END DATA}"}));
    EXPECT_EQ(pipeline.Convert(path), "");
    EXPECT_EQ(pipeline.merge.FormName(), "W-2");
    EXPECT_EQ(selection.ComboText(), "W-2");
    EXPECT_EQ(selection.ComboEntry(selection.ComboItemIndex()), "W-2");
    EXPECT_EQ(selection.RowCount(), 63);

    WriteBytes(path, CrLfText({"FORM 1099-MISC", KeyLine(40, {0, 5, 9}) + "  ", "{BEGIN DATA}",
                               "{END DATA}"}));
    EXPECT_EQ(pipeline.Convert(path), "");
    EXPECT_EQ(selection.ComboText(), "1099-MISC");
    EXPECT_EQ(TickedRows(selection), (std::vector<int>{0, 5, 9}));
    EXPECT_EQ(selection.SelectedRow(), 9);
    EXPECT_EQ(selection.StatusText(), TypeHint(selection.Row(9).code));
    EXPECT_TRUE(selection.DisplayEnabled());
    const std::string misc = pipeline.merge.Key();
    EXPECT_EQ(misc, KeyLine(40, {0, 5, 9}).substr(7));

    // A failed KEY check leaves the new form loaded without ticks and the old KEY.
    WriteBytes(path, CrLfText({"FORM 1098-E", "KEY 000"}));
    EXPECT_NE(pipeline.Convert(path), "");
    EXPECT_EQ(pipeline.merge.FormName(), "1098-E");
    EXPECT_EQ(selection.RowCount(), 19);
    EXPECT_TRUE(TickedRows(selection).empty());
    EXPECT_EQ(pipeline.merge.Key(), misc);

    // A failed FORM check changes neither the form name nor the field list.
    WriteBytes(path, CrLfText({"FORM 1099-X"}));
    EXPECT_NE(pipeline.Convert(path), "");
    EXPECT_EQ(pipeline.merge.FormName(), "1098-E");
    EXPECT_EQ(selection.ComboText(), "1098-E");
    EXPECT_EQ(selection.RowCount(), 19);
}

TEST(ExtractChecks, Form1094LoadsItsOwnSchemaAndConverts) {
    Pipeline pipeline;
    TFieldSelection& selection = pipeline.merge.Selection();
    selection.UserPicksEntry(5);  // an entry selected before, as after an earlier verification
    EXPECT_EQ(pipeline.Convert(Fixture("extract_1094.txt")), "");
    EXPECT_EQ(selection.ComboText(), "1094");
    EXPECT_EQ(selection.ComboItemIndex(), -1);
    EXPECT_EQ(selection.RowCount(), 72);
    ASSERT_EQ(pipeline.merge.Output().size(), 1u);
    const TStringList& record = pipeline.merge.Record();
    ASSERT_EQ(record.size(), 72u);
    EXPECT_EQ(record[0], "C1");
    EXPECT_EQ(record[3], "12");
    EXPECT_EQ(record[9], "0");  // default of a whole number not supplied
    EXPECT_EQ(record[1], "");
}

TEST(ConvertDataSegment, WorkedExample1098E) {
    Pipeline pipeline;
    EXPECT_EQ(pipeline.Convert(Fixture("extract_1098e.txt")), "");
    EXPECT_EQ(pipeline.merge.Output().ToStringList(), (TStringList{kWorkedLine1, kWorkedLine2}));
    EXPECT_EQ(pipeline.merge.FormName(), "1098-E");
    EXPECT_EQ(pipeline.merge.TinTypeColumn(), 10);
    // The lines up to the begin marker and the end marker are gone.
    EXPECT_EQ(pipeline.merge.InputLines().ToStringList(),
              (TStringList{"FIRST RECIPIENT", "111-22-3333", "$1,234.50", "SECOND RECIPIENT",
                           "12-3456789", "87.00"}));
    // The hourglass exactly while records are converted.
    EXPECT_EQ(pipeline.ops.cursorCalls, (std::vector<bool>{true, false}));
}

TEST(ConvertDataSegment, MarkersAndIgnoredLines) {
    ScratchDir dir;
    const std::string path = dir.File("extract.txt");
    // The first begin marker counts (case ignored); a second one is a data line;
    // lines before the begin and after the end marker are never read.
    WriteBytes(path, CrLfText({"FORM 1098-E", KeyLine(19, {0}), "ignored, bad", "{begin data}",
                               "{BEGIN DATA}", "  ABC  ", "   ", "{End Data}", "after",
                               "{END DATA}", "x"}));
    Pipeline pipeline;
    pipeline.merge.SetExtractFileName(path);
    EXPECT_EQ(pipeline.Convert(path), "");
    const std::string rest = ",,,,,,,,,,N/A,,,,0.00,,,,";
    EXPECT_EQ(pipeline.merge.Output().ToStringList(),
              (TStringList{"\"{BEGIN DATA}\"" + rest, "ABC" + rest, rest}));
    EXPECT_EQ(pipeline.merge.InputLines().ToStringList(),
              (TStringList{"{BEGIN DATA}", "  ABC  ", "   ", "after", "{END DATA}", "x"}));
}

TEST(ConvertDataSegment, EmptyDataSegmentAndLinesOfEveryEnding) {
    ScratchDir dir;
    const std::string path = dir.File("extract.txt");
    WriteBytes(path, "FORM 1098-E\r" + kKey1098E + "\n{BEGIN DATA}\r\n{END DATA}");
    Pipeline pipeline;
    pipeline.merge.SetExtractFileName(path);
    EXPECT_EQ(pipeline.Convert(path), "");
    EXPECT_TRUE(pipeline.merge.Output().empty());
    EXPECT_TRUE(pipeline.merge.InputLines().empty());
}

TEST(ConvertDataSegment, DefaultsOfUnsuppliedFields) {
    struct Case {
        const char* form;
        int position;
        const char* value;
    };
    const Case cases[] = {
        {"1098-E", 0, ""},      {"1098-E", 8, ""},    {"1098-E", 10, "N/A"}, {"1098-E", 14, "0.00"},
        {"1099-B", 22, "0.00"}, {"1098", 17, "0.00"}, {"1094", 3, "0"},      {"W-2C", 19, ""},
    };
    ScratchDir dir;
    const std::string path = dir.File("extract.txt");
    for (const Case& c : cases) {
        WriteBytes(path, CrLfText({std::string("FORM ") + c.form}));
        Pipeline pipeline;
        pipeline.merge.SetExtractFileName(path);
        pipeline.merge.LoadInputLines();
        pipeline.merge.CheckFormSegment();
        pipeline.merge.SetKey(
            std::string(static_cast<std::size_t>(pipeline.merge.Selection().RowCount()), '0'));
        pipeline.merge.ResetRecord();
        ASSERT_EQ(pipeline.merge.Record().size(),
                  static_cast<std::size_t>(pipeline.merge.Selection().RowCount()));
        EXPECT_EQ(pipeline.merge.Record()[c.position], c.value) << c.form << " " << c.position;
    }
}

TEST(ConvertDataSegment, InferredTinTypeReplacesTheTinTypeField) {
    ScratchDir dir;
    const std::string path = dir.File("extract.txt");
    // 1098-E supplying TIN Type (10) and Taxpayer id (11).
    WriteBytes(path, CrLfText({"FORM 1098-E", KeyLine(19, {10, 11}), "{BEGIN DATA}", "SSN",
                               "12-3456789",        // EIN by its form, whatever was supplied
                               "XYZ", "123456789",  // nine characters: as supplied
                               "EIN", "",           // no TIN
                               "", "111-22-3333", "{END DATA}"}));
    Pipeline pipeline;
    EXPECT_EQ(pipeline.Convert(path), "");
    const auto line = [](const std::string& type, const std::string& tin) {
        return ",,,,,,,,,," + type + "," + tin + ",,,0.00,,,,";
    };
    EXPECT_EQ(pipeline.merge.Output().ToStringList(),
              (TStringList{line("EIN", "123456789"), line("XYZ", "123456789"), line("N/A", ""),
                           line("SSN", "111223333")}));

    // W-2C has a TIN field without a TIN-type field: no TIN type anywhere.
    WriteBytes(path, CrLfText({"FORM W-2C", KeyLine(98, {19}), "{BEGIN DATA}", "12-3456789",
                               "{END DATA}"}));
    EXPECT_EQ(pipeline.Convert(path), "");
    EXPECT_EQ(pipeline.merge.TinTypeColumn(), -1);
    EXPECT_EQ(pipeline.merge.Record()[19], "123456789");
    for (const std::string& value : pipeline.merge.Record())
        EXPECT_NE(value, "EIN");
}

TEST(ConvertDataSegment, CodeWithoutRuleKeepsTrimmedValue) {
    ScratchDir dir;
    const std::string path = dir.File("extract.txt");
    // 1099-C "Event Code" (21).
    WriteBytes(path, CrLfText({"FORM 1099-C", KeyLine(26, {21}), "{BEGIN DATA}", "  a,B  ",
                               "{END DATA}"}));
    Pipeline pipeline;
    EXPECT_EQ(pipeline.Convert(path), "");
    EXPECT_EQ(pipeline.merge.Record()[21], "a,B");
}

TEST(ConvertDataSegment, FailedValueKeepsEarlierRecordsAndRestoresCursor) {
    ScratchDir dir;
    const std::string path = dir.File("extract.txt");
    WriteBytes(path, CrLfText({"FORM 1098-E", KeyLine(19, {0, 8}), "{BEGIN DATA}", "ONE", "Yes",
                               "TWO", "maybe", "{END DATA}"}));
    Pipeline pipeline;
    EXPECT_NE(pipeline.Convert(path), "");
    ASSERT_EQ(pipeline.merge.Output().size(), 1u);
    EXPECT_EQ(pipeline.merge.Output()[0], "ONE,,,,,,,,X,,N/A,,,,0.00,,,,");
    EXPECT_EQ(pipeline.merge.Record()[0], "TWO");  // the partly built record stays
    EXPECT_EQ(pipeline.ops.cursorCalls, (std::vector<bool>{true, false}));

    // The partly built record: the defaults, with the values of the failing
    // record before the failing one; nothing of the record before stays,
    // not even the TIN type that its TIN set.
    WriteBytes(path,
               CrLfText({"FORM 1098-E", KeyLine(19, {0, 8, 11, 14}), "{BEGIN DATA}", "ONE", "Yes",
                         "12-3456789", "5", "TWO", "maybe", "111-22-3333", "6", "{END DATA}"}));
    EXPECT_NE(pipeline.Convert(path), "");
    EXPECT_EQ(pipeline.merge.Output()[0], "ONE,,,,,,,,X,,EIN,123456789,,,5,,,,");
    TStringList partly = pipeline.merge.Record();
    pipeline.merge.ResetRecord();
    TStringList expected = pipeline.merge.Record();
    expected[0] = "TWO";
    EXPECT_EQ(partly, expected);

    // A failed data segment check leaves the earlier output and never shows the hourglass.
    WriteBytes(path, CrLfText({"FORM 1098-E", KeyLine(19, {0, 8}), "{BEGIN DATA}"}));
    EXPECT_NE(pipeline.Convert(path), "");
    EXPECT_EQ(pipeline.merge.Output().size(), 1u);
    EXPECT_EQ(pipeline.ops.cursorCalls.size(), 4u);
}

// ---------------------------------------------------------------------------
// Drivers

std::string Instructions1098E(const std::string& folder) {
    return "Data Extract \"extract.txt\" has been saved as\r\n\r\n"
           "FILE:  2017DM_extract.txt\r\n"
           "FOLDER:  " +
           folder +
           "\r\n\r\n"
           "This file is now ready for importing!\r\n\r\n"
           "In order to import this file\r\n\r\n"
           "- Start QUILLSTONE.\r\n"
           "- Open \"Client (Filer, Entity) Management\" from the \"Module\" menu.\r\n"
           "- Double click the Client (Filer) to be used.\r\n"
           "- Select Form \"1098-E\" from the \"Forms\" menu.\r\n"
           "- Select \"Import ASCII Text File\" from the \"File\" menu.\r\n"
           "- Browse to the FILE in the FOLDER shown above.\r\n"
           "- Click the \"Open\" button.";
}

TEST(FormShow, WithoutUsableArgumentNothingHappens) {
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{}, std::vector<std::string>{"   "},
          std::vector<std::string>{" \t "}}) {
        Pipeline pipeline;
        pipeline.ops.arguments = arguments;
        pipeline.merge.SetExtractFileName("earlier.txt");
        pipeline.merge.FormShow();
        EXPECT_TRUE(pipeline.ops.events.empty());
        EXPECT_EQ(pipeline.merge.ExtractFileName(), "");
    }
}

TEST(FormShow, MissingFileShowsWarningAndStaysOpen) {
    ScratchDir dir;
    for (const std::string& name : {dir.File("missing.txt"), dir.Folder()}) {
        Pipeline pipeline;
        pipeline.ops.arguments = {"  " + name + " ", "second"};
        pipeline.merge.FormShow();
        EXPECT_EQ(pipeline.ops.events, std::vector<std::string>{"warning"});
        EXPECT_EQ(pipeline.ops.warningCaption, "Quillstone Data Merge Module [ 2017 ]");
        EXPECT_EQ(pipeline.ops.warningText,
                  "Failed to open data extract:\r\n\r\n" + name +
                      "\r\n\r\nUsage: QS2017DM \"File specification\"\r\n\r\n"
                      "\"File specification\" = fully qualified file name of your data extract!");
        EXPECT_EQ(pipeline.merge.ExtractFileName(), name);
    }
}

TEST(FormShow, RejectedExtractShowsErrorBoxAndStaysOpen) {
    ScratchDir dir;
    const std::string path = dir.File("extract.txt");
    struct Case {
        std::vector<std::string> lines;
        std::string errorText;
    };
    const Case cases[] = {
        // Ends with the file name: a "." is added.
        {{"FORM W-2"}, "KEY segment not found.\r\n\r\nEXTRACT = " + path + "."},
        // Ends with a double quote: shown unchanged.
        {{"FORM 1098-E", KeyLine(19, {8}), "{BEGIN DATA}", "maybe", "{END DATA}"},
         "EXTRACT = " + path +
             "\r\n\r\nRecord # 1, Field # 1\r\nDestination field \"Foreign address indicator\" "
             "maps to an invalid indicator value \"maybe\""},
    };
    for (const Case& c : cases) {
        WriteBytes(path, CrLfText(c.lines));
        Pipeline pipeline;
        pipeline.ops.arguments = {path};
        pipeline.merge.FormShow();
        EXPECT_EQ(pipeline.ops.events, std::vector<std::string>{"error"});
        EXPECT_EQ(pipeline.ops.errorText, c.errorText);
        EXPECT_TRUE(pipeline.registry.written.empty());
        EXPECT_EQ(dir.Names(), std::vector<std::string>{"extract.txt"});
    }
}

TEST(FormShow, GoodExtractIsSavedAndProgramEnds) {
    ScratchDir dir;
    const std::string path = dir.File("extract.txt");
    std::filesystem::copy_file(Fixture("extract_1098e.txt"), path);
    Pipeline pipeline;
    pipeline.ops.arguments = {path};
    pipeline.merge.FormShow();
    EXPECT_EQ(pipeline.ops.events, (std::vector<std::string>{"information", "end"}));
    EXPECT_EQ(ReadBytes(dir.File("2017DM_extract.txt")), CrLfText({kWorkedLine1, kWorkedLine2}));
    EXPECT_EQ(pipeline.registry.written, std::vector<std::string>{dir.Folder()});
    EXPECT_EQ(pipeline.ops.infoTitle, "Data Extract Import Instructions");
    EXPECT_EQ(pipeline.ops.infoText, Instructions1098E(dir.Folder()));
}

TEST(FormShow, SaveFailuresStopBeforeLaterSteps) {
    ScratchDir dir;
    const std::string path = dir.File("extract.txt");
    std::filesystem::copy_file(Fixture("extract_1098e.txt"), path);

    // Registry refused: the import file stays complete, no instructions.
    {
        Pipeline pipeline;
        pipeline.ops.arguments = {path};
        pipeline.registry.failure = "Failed to set data for 'TextDirectory'";
        pipeline.merge.FormShow();
        EXPECT_EQ(pipeline.ops.events, std::vector<std::string>{"error"});
        EXPECT_EQ(pipeline.ops.errorText, "Failed to set data for 'TextDirectory'");
        EXPECT_EQ(ReadBytes(dir.File("2017DM_extract.txt")),
                  CrLfText({kWorkedLine1, kWorkedLine2}));
    }
    // The import file cannot be created: no registry value, no instructions.
    std::filesystem::remove(dir.File("2017DM_extract.txt"));
    std::filesystem::create_directory(dir.File("2017DM_extract.txt"));
    {
        Pipeline pipeline;
        pipeline.ops.arguments = {path};
        pipeline.merge.FormShow();
        EXPECT_EQ(pipeline.ops.events, std::vector<std::string>{"error"});
        EXPECT_EQ(pipeline.ops.errorText,
                  "Cannot create file \"" + dir.File("2017DM_extract.txt") + "\". Is a directory.");
        EXPECT_TRUE(pipeline.registry.written.empty());
    }
}

TEST(VerifyClick, CancelChangesNothing) {
    Pipeline pipeline;
    pipeline.merge.SetExtractFileName("earlier.txt");
    pipeline.merge.bVerifyClick();
    EXPECT_TRUE(pipeline.ops.events.empty());
    EXPECT_EQ(pipeline.merge.ExtractFileName(), "earlier.txt");
}

TEST(VerifyClick, SummaryThenSaveOnlyOnYes) {
    ScratchDir dir;
    const std::string path = dir.File("extract.txt");
    std::filesystem::copy_file(Fixture("extract_1098e.txt"), path);
    const std::string summary = "EXTRACT: " + path +
                                "\r\n\r\nRETURNS: 1098-E\r\nRECORDS: 2\r\n\r\n"
                                "REPORTING YEAR: 2017\r\n\r\n"
                                "Do you want to save the output for merging with Quillstone?";
    {
        Pipeline pipeline;
        pipeline.ops.choice = path;
        pipeline.ops.answer = false;
        pipeline.merge.bVerifyClick();
        EXPECT_EQ(pipeline.ops.events, (std::vector<std::string>{"beep", "question"}));
        EXPECT_EQ(pipeline.ops.questionText, summary);
        EXPECT_EQ(pipeline.ops.questionTitle, "Successful Verification");
        EXPECT_EQ(pipeline.merge.VerificationSummary(), summary);
        EXPECT_EQ(pipeline.merge.Output().size(), 2u);
        EXPECT_TRUE(pipeline.registry.written.empty());
        EXPECT_EQ(dir.Names(), std::vector<std::string>{"extract.txt"});
    }
    {
        Pipeline pipeline;
        pipeline.ops.choice = path;
        pipeline.merge.bVerifyClick();
        EXPECT_EQ(pipeline.ops.events,
                  (std::vector<std::string>{"beep", "question", "information"}));
        EXPECT_EQ(ReadBytes(dir.File("2017DM_extract.txt")),
                  CrLfText({kWorkedLine1, kWorkedLine2}));
        EXPECT_EQ(pipeline.registry.written, std::vector<std::string>{dir.Folder()});
        EXPECT_EQ(pipeline.ops.infoText, Instructions1098E(dir.Folder()));
    }
}

TEST(VerifyClick, NoRecordsWritesEmptyFile) {
    ScratchDir dir;
    const std::string path = dir.File("extract.txt");
    WriteBytes(path, CrLfText({"FORM 1098-E", kKey1098E, "{BEGIN DATA}", "{END DATA}"}));
    WriteBytes(dir.File("2017DM_extract.txt"), "earlier\r\n");
    Pipeline pipeline;
    pipeline.ops.choice = path;
    pipeline.merge.bVerifyClick();
    EXPECT_NE(pipeline.ops.questionText.find("\r\nRECORDS: 0\r\n"), std::string::npos);
    EXPECT_EQ(ReadBytes(dir.File("2017DM_extract.txt")), "");
}

TEST(VerifyClick, UnreadableChoiceShowsCannotOpen) {
    ScratchDir dir;
    const std::string path = dir.File("typed.txt");
    Pipeline pipeline;
    pipeline.ops.choice = path;
    pipeline.merge.bVerifyClick();
    EXPECT_EQ(pipeline.ops.events, std::vector<std::string>{"error"});
    EXPECT_EQ(pipeline.ops.errorText,
              "Cannot open file \"" + path + "\". No such file or directory.");
    EXPECT_EQ(pipeline.merge.ExtractFileName(), path);
    EXPECT_TRUE(pipeline.merge.InputLines().empty());
}

}  // namespace
}  // namespace qs
