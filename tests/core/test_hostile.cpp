// Bad and hostile extracts through the unattended driver, and a file system
// that fails under the import file: the right message, nothing half done.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "core/clock.h"
#include "core/conversion.h"
#include "core/merge.h"
#include "core/schema.h"
#include "pipeline_fakes.h"

namespace qs {
namespace {

using test::CrLfText;
using test::FakeOps;
using test::FakeRegistry;
using test::ReadBytes;
using PrivateDir = test::ScratchDir;
using test::WriteBytes;

const std::string kCrLf2 = "\r\n\r\n";
// 1098-E supplying Name line 1 (0), Taxpayer id (11) and Box 1 (14), and the
// two import lines of its worked example.
const std::string kKey1098E = "KEY 0191000000000010010000";
const std::vector<std::string> kRecords1098E = {"FIRST RECIPIENT",  "111-22-3333", "$1,234.50",
                                                "SECOND RECIPIENT", "12-3456789",  "87.00"};
const std::string kImport1098E =
    "\"FIRST RECIPIENT\",,,,,,,,,,SSN,111223333,,,1234.50,,,,\r\n"
    "\"SECOND RECIPIENT\",,,,,,,,,,EIN,123456789,,,87.00,,,,\r\n";
const std::string kEarlierImport = "EARLIER IMPORT FILE\r\n";

std::vector<std::string> Extract1098E() {
    std::vector<std::string> lines = {"FORM 1098-E", kKey1098E, "{BEGIN DATA}"};
    lines.insert(lines.end(), kRecords1098E.begin(), kRecords1098E.end());
    lines.push_back("{END DATA}");
    return lines;
}

std::string JoinWith(const std::vector<std::string>& lines, const std::string& end) {
    std::string text;
    for (const std::string& line : lines)
        text += line + end;
    return text;
}

// The unattended mode on one extract file in a scratch folder.
struct Unattended {
    FakeOps ops;
    FakeRegistry registry;
    FixedClock clock{TDate{2017, 6, 15}};

    void Run(const std::string& path) {
        ops.arguments = {path};
        TDataMerge merge(ops, registry, clock);
        merge.FormShow();
    }
};

// The first form of the catalog with a field of the given type code, its
// schema position and its caption.
struct FieldOfCode {
    std::string form;
    int fieldCount = 0;
    int position = -1;
    std::string caption;
};

FieldOfCode FindFieldOfCode(char code) {
    for (int index = 3; index < kCatalogSize; ++index) {
        TStringList schema;
        LoadSchema(static_cast<std::uint8_t>(index), schema);
        for (std::size_t p = 0; p < schema.size(); ++p) {
            if (schema[p][0] == code) {
                return {std::string(CatalogName(index)), static_cast<int>(schema.size()),
                        static_cast<int>(p), schema[p].substr(1)};
            }
        }
    }
    return {};
}

std::string KeyFor(int fieldCount, int position) {
    std::string bitmap(static_cast<std::size_t>(fieldCount), '0');
    bitmap[static_cast<std::size_t>(position)] = '1';
    char digits[8];
    std::snprintf(digits, sizeof digits, "%03d", fieldCount);
    return std::string("KEY ") + digits + bitmap;
}

// One per message of the extract checks and of the value rules: the error box
// shows exactly that message (with the full stop of the error box), and the
// run writes nothing: no import file, no registry value, no instructions, and
// an earlier import file stays as it was.
TEST(BadExtracts, EachMessageAndNothingWritten) {
    struct Case {
        std::vector<std::string> lines;
        std::string message;  // "EXTRACT = <path>" is appended to every check message
    };
    std::vector<Case> cases = {
        {{"FORMW-2", kKey1098E}, "FORM segment not found."},
        {{"FORM 1099-Z", kKey1098E}, "FORM 1099-Z not found."},
        {{"FORM 1098-E", "{BEGIN DATA}"}, "KEY segment not found."},
        {{"FORM 1098-E", "KEY 01"}, "Bad KEY segment."},
        {{"FORM 1098-E", "KEY 0201000000000010010000"}, "KEY segment checksum error."},
        {{"FORM W-2", kKey1098E}, "W-2 (2017) checksum error in KEY segment."},
        {{"FORM 1098-E", kKey1098E, "{END DATA}"}, "{BEGIN DATA} not found."},
        {{"FORM 1098-E", kKey1098E, "{BEGIN DATA}", "A", "B", "C"}, "{END DATA} not found."},
        {{"FORM 1098-E", kKey1098E, "{END DATA}", "{BEGIN DATA}"},
         "{END DATA} precedes {BEGIN DATA}."},
        {{"FORM 1098-E", "KEY 019" + std::string(19, '0'), "{BEGIN DATA}", "{END DATA}"},
         "No fields selected?"},
        {{"FORM 1098-E", kKey1098E, "{BEGIN DATA}", "A", "B", "C", "D", "{END DATA}"},
         "Field allocation error.\r\n\r\nTotal fields required per record = 3\r\n\r\n"
         "is not an integral factor of\r\n\r\nTotal fields recorded in this extract = 4"},
    };
    for (Case& c : cases)
        c.message += kCrLf2 + "EXTRACT = ";
    const std::size_t checkCases = cases.size();

    // A value that passes in record 1 and one that fails in record 2.
    struct ValueCase {
        char code;
        std::string good;
        std::string bad;
        std::string reason;
    };
    const ValueCase values[] = {
        {'I', "yes", "maybe ", "to an invalid indicator value "},
        {'C', "-$5.00", "5.00-", "to an invalid currency value "},
        {'c', "-$5.00", "$1,2.3.4", "to an invalid currency value "},
        {'w', "1,000", "12.5", "to an invalid whole number value "},
        {'#', "1,234.5", "abc", "to an invalid floating point value "},
        {'n', "111-22-3333", "11122333A", "to an invalid SSN "},
        {'N', "12-3456789", "12345", "to an invalid TIN "},
        {'Y', "17", "\t17a", "to an invalid (required) year "},
        {'D', "123117", "02/30/2017", "to an invalid (required) date "},
        {'u', "7", "100", "to an invalid USPS Delivery Point "},
        {'g', "5", "", "to an invalid code "},
    };
    std::vector<std::string> valueMessages;
    for (const ValueCase& v : values) {
        const FieldOfCode field = FindFieldOfCode(v.code);
        ASSERT_GE(field.position, 0) << v.code;
        cases.push_back({{"FORM " + field.form, KeyFor(field.fieldCount, field.position),
                          "{BEGIN DATA}", v.good, v.bad, "{END DATA}", "after the end"},
                         {}});
        valueMessages.push_back("\r\n\r\nRecord # 2, Field # 1\r\nDestination field \"" +
                                field.caption + "\" maps " + v.reason + "\"" + v.bad + "\"");
    }

    PrivateDir dir;
    const std::string path = dir.File("extract.txt");
    const std::string import = dir.File("2017DM_extract.txt");
    for (std::size_t i = 0; i < cases.size(); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(testing::PrintToString(c.lines));
        WriteBytes(path, CrLfText(c.lines));
        WriteBytes(import, kEarlierImport);
        Unattended run;
        run.Run(path);

        // A check message ends with the extract's name, so the error box adds
        // a full stop; a value message ends with a double quote and gets none.
        const std::string expected = i < checkCases
                                         ? c.message + path + "."
                                         : "EXTRACT = " + path + valueMessages[i - checkCases];
        EXPECT_EQ(run.ops.errorText, expected);
        EXPECT_EQ(run.ops.events, std::vector<std::string>{"error"});
        EXPECT_TRUE(run.registry.written.empty());
        EXPECT_EQ(ReadBytes(import), kEarlierImport);
        EXPECT_EQ(dir.Names(), (std::vector<std::string>{"2017DM_extract.txt", "extract.txt"}));
    }
}

// Files that no application should write: each gives the message of the first
// check it fails, or converts exactly like its well-formed twin.
TEST(HostileFiles, OddBytesAndLineEnds) {
    const std::string good = CrLfText(Extract1098E());
    const std::string bom = "\xEF\xBB\xBF";
    std::string junk;
    std::uint32_t state = 12345;
    for (int i = 0; i < 1 << 20; ++i) {
        state = state * 1103515245u + 12345u;
        junk.push_back(static_cast<char>(state >> 24));
    }
    junk[0] = '\x9F';  // not the "F" of FORM

    struct Case {
        const char* what;
        std::string bytes;
        std::string firstLine;  // of the check message; empty: converts to kImport1098E
    };
    const Case cases[] = {
        {"empty", "", "FORM segment not found."},
        {"byte-order mark", bom + good, "FORM segment not found."},
        {"byte-order mark only", bom, "FORM segment not found."},
        {"NUL in line 1", std::string("FORM 1098-E\0\r\n", 15) + good, "KEY segment not found."},
        {"NUL before the end marker", good.substr(0, good.size() - 12) + '\0' + "{END DATA}\r\n",
         "{END DATA} not found."},
        {"NUL after the end marker", good + std::string("\0\0junk", 6), ""},
        {"NUL at the start", std::string("\0", 1) + good, "FORM segment not found."},
        {"CR only", JoinWith(Extract1098E(), "\r"), ""},
        {"LF only", JoinWith(Extract1098E(), "\n"), ""},
        {"no line end at the end", good.substr(0, good.size() - 2), ""},
        {"LF CR is two line ends", JoinWith(Extract1098E(), "\n\r"), "KEY segment not found."},
        {"CR CR is two line ends", JoinWith(Extract1098E(), "\r\r"), "KEY segment not found."},
        {"binary junk", junk, "FORM segment not found."},
        {"binary junk after the end marker", good + junk, ""},
        {"a single line of 50 MB", std::string(50u << 20, 'A'), "FORM segment not found."},
        {"a KEY line of 10 MB", "FORM 1098-E\r\nKEY 019" + std::string(10u << 20, '1') + "\r\n",
         "KEY segment checksum error."},
    };
    PrivateDir dir;
    const std::string path = dir.File("extract.txt");
    const std::string import = dir.File("2017DM_extract.txt");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WriteBytes(path, c.bytes);
        std::filesystem::remove(import);
        Unattended run;
        run.Run(path);
        if (c.firstLine.empty()) {
            EXPECT_EQ(run.ops.events, (std::vector<std::string>{"information", "end"}))
                << run.ops.errorText.substr(0, 300);
            EXPECT_EQ(ReadBytes(import), kImport1098E);
            EXPECT_EQ(run.registry.written, std::vector<std::string>{dir.Folder()});
        } else {
            EXPECT_EQ(run.ops.events, std::vector<std::string>{"error"});
            EXPECT_EQ(run.ops.errorText.substr(0, 300),
                      (c.firstLine + kCrLf2 + "EXTRACT = " + path + ".").substr(0, 300));
            EXPECT_FALSE(std::filesystem::exists(import));
            EXPECT_TRUE(run.registry.written.empty());
        }
    }
}

// Size does not change the rules: a 16 MB form name is quoted whole, a 16 MB
// value reaches the import file whole, a million ignored lines on either side
// of the data change nothing, and a hundred thousand records all arrive.
class HugeFiles : public testing::Test {
  protected:
    PrivateDir dir;
    const std::string path = dir.File("extract.txt");
    const std::string import = dir.File("2017DM_extract.txt");
    const std::string huge = std::string(16u << 20, 'Z');
};

TEST_F(HugeFiles, HugeFormNameIsQuotedWhole) {
    WriteBytes(path, "FORM " + huge + "\r\n" + kKey1098E + "\r\n");
    Unattended run;
    run.Run(path);
    EXPECT_TRUE(run.ops.errorText ==
                "FORM " + huge + " not found." + kCrLf2 + "EXTRACT = " + path + ".")
        << "a message of " << run.ops.errorText.size() << " bytes";
}

TEST_F(HugeFiles, HugeValueReachesTheImportFile) {
    std::vector<std::string> lines = Extract1098E();
    lines[3] = huge;
    WriteBytes(path, CrLfText(lines));
    Unattended run;
    run.Run(path);
    EXPECT_EQ(run.ops.events, (std::vector<std::string>{"information", "end"}))
        << run.ops.errorText.substr(0, 300);
    const std::string written = ReadBytes(import);
    const std::string first = huge + ",,,,,,,,,,SSN,111223333,,,1234.50,,,,\r\n";
    EXPECT_TRUE(written.size() > first.size() && written.compare(0, first.size(), first) == 0);
    EXPECT_EQ(written.substr(first.size()), kImport1098E.substr(kImport1098E.find('\n') + 1));
}

TEST_F(HugeFiles, MillionIgnoredLinesOnEitherSide) {
    std::string text = "FORM 1098-E\r\n" + kKey1098E + "\r\n";
    for (int i = 0; i < 1000000; ++i)
        text += (i % 3 == 0) ? "{END DATA }\r\n" : "ignored\r\n";
    text += "{BEGIN DATA}\r\n" + CrLfText(kRecords1098E) + "{END DATA}\r\n";
    for (int i = 0; i < 1000000; ++i)
        text += (i % 2 == 0) ? "{BEGIN DATA}\r\n" : "x\r\n";
    WriteBytes(path, text);
    Unattended run;
    run.Run(path);
    EXPECT_EQ(run.ops.events, (std::vector<std::string>{"information", "end"}));
    EXPECT_EQ(ReadBytes(import), kImport1098E);
}

TEST_F(HugeFiles, HundredThousandRecords) {
    const int records = 100000;
    std::string text = "FORM 1098-E\r\n" + kKey1098E + "\r\n{BEGIN DATA}\r\n";
    for (int r = 0; r < records; ++r)
        text += CrLfText(kRecords1098E);
    text += "{END DATA}\r\n";
    WriteBytes(path, text);
    Unattended run;
    run.Run(path);
    EXPECT_EQ(run.ops.events, (std::vector<std::string>{"information", "end"}));
    const std::string written = ReadBytes(import);
    ASSERT_EQ(written.size(), kImport1098E.size() * records);
    EXPECT_EQ(written.substr(written.size() - kImport1098E.size()), kImport1098E);
}

// Every rule on values of megabytes: each runs in one pass, so these end at
// once; a rule that went back over its value for every character would not.
TEST(HugeValues, EveryRuleEndsOnMegabyteValues) {
    const std::size_t size = 2u << 20;
    const std::string patterns[] = {
        std::string(size, '9'),
        std::string(size, '0') + "1",
        std::string(size, ' ') + "1" + std::string(size, ' '),
        std::string(size, '$'),
        std::string(size, ','),
        std::string(size, '-'),
        std::string(size, '/'),
        "1." + std::string(size, '5') + "e-" + std::string(size, '9'),
        "12/31/" + std::string(size, '0') + "17",
    };
    const FixedClock clock(TDate{2017, 6, 15});
    for (const char* code : {"$", "O", "o", "h", "p", "T", "I", "C", "c", "w", "#",
                             "n", "N", "Y", "y", "D", "d", "b", "u", "g", "E"}) {
        for (const std::string& value : patterns) {
            const TValueResult result = ConvertValue(code, value, clock);
            EXPECT_LE(result.value.size(), value.size() + 8) << code;
        }
    }
}

// The interactive verification with something done to the folder while the
// summary question is open: saving then fails with the path and the reason,
// and neither the registry nor the instructions follow.
class OpsActingOnQuestion : public FakeOps {
  public:
    std::function<void()> whileAsking;
    bool YesNoQuestion(const std::string& text, const std::string& title) override {
        if (whileAsking)
            whileAsking();
        return FakeOps::YesNoQuestion(text, title);
    }
};

TEST(SaveFailures, ImportFolderGoneOrNotAFolder) {
    namespace fs = std::filesystem;
    struct Case {
        const char* what;
        std::function<void(const std::string& folder)> act;
        std::string reason;
    };
    const Case cases[] = {
        {"folder removed", [](const std::string& folder) { fs::remove_all(folder); },
         "No such file or directory"},
        {"folder replaced by a file",
         [](const std::string& folder) {
             fs::remove_all(folder);
             WriteBytes(folder, "now a file");
         },
         "Not a directory"},
        {"import file's name taken by a folder",
         [](const std::string& folder) { fs::create_directory(folder + "/2017DM_extract.txt"); },
         "Is a directory"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PrivateDir dir;
        const std::string folder = dir.File("sub");
        fs::create_directory(folder);
        const std::string path = folder + "/extract.txt";
        WriteBytes(path, CrLfText(Extract1098E()));

        OpsActingOnQuestion ops;
        ops.choice = path;
        ops.whileAsking = [&] { c.act(folder); };
        FakeRegistry registry;
        FixedClock clock{TDate{2017, 6, 15}};
        TDataMerge merge(ops, registry, clock);
        merge.bVerifyClick();

        EXPECT_EQ(ops.events, (std::vector<std::string>{"beep", "question", "error"}));
        EXPECT_EQ(ops.errorText,
                  "Cannot create file \"" + folder + "/2017DM_extract.txt\". " + c.reason + ".");
        EXPECT_TRUE(registry.written.empty());
    }
}

// Converting again replaces the import file; the extract itself is never the
// import file, whatever its name and whatever stands at the import file's name.
TEST(SaveFailures, ReconversionAndTheExtractIsNeverOverwritten) {
    PrivateDir dir;
    {
        const std::string path = dir.File("extract.txt");
        std::vector<std::string> lines = Extract1098E();
        WriteBytes(path, CrLfText(lines));
        Unattended first;
        first.Run(path);
        lines[3] = "CHANGED";
        lines.erase(lines.begin() + 6, lines.begin() + 9);
        WriteBytes(path, CrLfText(lines));
        Unattended second;
        second.Run(path);
        EXPECT_EQ(second.ops.events, (std::vector<std::string>{"information", "end"}));
        EXPECT_EQ(ReadBytes(dir.File("2017DM_extract.txt")),
                  "CHANGED,,,,,,,,,,SSN,111223333,,,1234.50,,,,\r\n");
    }
    {
        const std::string path = dir.File("2017DM_again.txt");
        const std::string text = CrLfText(Extract1098E());
        WriteBytes(path, text);
        Unattended run;
        run.Run(path);
        EXPECT_EQ(ReadBytes(path), text);
        EXPECT_EQ(ReadBytes(dir.File("2017DM_2017DM_again.txt")), kImport1098E);
    }
#ifndef _WIN32
    {
        // A link at the import file's name that points to the extract: the
        // link is replaced, the extract stays.
        const std::string path = dir.File("linked.txt");
        const std::string text = CrLfText(Extract1098E());
        WriteBytes(path, text);
        std::filesystem::create_symlink(path, dir.File("2017DM_linked.txt"));
        Unattended run;
        run.Run(path);
        EXPECT_EQ(run.ops.events, (std::vector<std::string>{"information", "end"}));
        EXPECT_EQ(ReadBytes(path), text);
        EXPECT_EQ(ReadBytes(dir.File("2017DM_linked.txt")), kImport1098E);
        EXPECT_FALSE(std::filesystem::is_symlink(dir.File("2017DM_linked.txt")));
    }
#endif
    EXPECT_EQ(dir.Names(), (std::vector<std::string>{"2017DM_2017DM_again.txt", "2017DM_again.txt",
                                                     "2017DM_extract.txt", "2017DM_linked.txt",
                                                     "extract.txt", "linked.txt"}));
}

}  // namespace
}  // namespace qs
