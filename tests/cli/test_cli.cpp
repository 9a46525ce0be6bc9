// qsdm-cli end to end: exit codes, printed text, files and registry value.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "cli_support.h"
#include "platform/registry.h"

namespace qs {
namespace {

using test::Exists;
using test::FolderNames;
using test::JoinLines;
using test::ReadFile;
using test::RunCli;
using test::RunCliWithFileSizeLimit;
using test::TRunOptions;
using test::TRunResult;
using test::TScopedEnv;
using test::TTempDir;
using test::WriteFile;

const std::string kData = QS_TEST_DATA;
// 1099-MISC with Name line 1, Street address line 1, City, State, Zip code,
// Taxpayer id, Rents, Federal income tax withheld and Nonemployee compensation.
const std::string kMiscKey = "KEY 0401010111000010000001001001000000000000000";

std::string Fixture(const std::string& name) {
    return ReadFile(kData + "/" + name).value_or("(missing fixture " + name + ")");
}

// The import instructions as printed, with "\n" line ends.
std::string Instructions(const std::string& extractName, const std::string& folder,
                         const std::string& form) {
    return JoinLines(
        {
            "Data Extract \"" + extractName + "\" has been saved as",
            "",
            "FILE:  2017DM_" + extractName,
            "FOLDER:  " + folder,
            "",
            "This file is now ready for importing!",
            "",
            "In order to import this file",
            "",
            "- Start QUILLSTONE.",
            "- Open \"Client (Filer, Entity) Management\" from the \"Module\" menu.",
            "- Double click the Client (Filer) to be used.",
            "- Select Form \"" + form + "\" from the \"Forms\" menu.",
            "- Select \"Import ASCII Text File\" from the \"File\" menu.",
            "- Browse to the FILE in the FOLDER shown above.",
            "- Click the \"Open\" button.",
        },
        "\n");
}

std::string MissingFileText(const std::string& name, const std::string& command) {
    return JoinLines({"Failed to open data extract:", "", name, "",
                      "Usage: qsdm-cli " + command + " \"File specification\"", "",
                      "\"File specification\" = fully qualified file name of your data extract!"},
                     "\n");
}

// A 1099-MISC extract of `records` records with the nine fields of kMiscKey.
std::string MiscExtract(int records) {
    std::vector<std::string> lines{"FORM 1099-MISC", kMiscKey, "{BEGIN DATA}"};
    for (int r = 0; r < records; ++r) {
        const std::vector<std::string> values{"Recipient " + std::to_string(r),
                                              "1 Main Street",
                                              "Springfield",
                                              "IL",
                                              "62704",
                                              "111-22-3333",
                                              "100.00",
                                              "0",
                                              "2,500.00"};
        lines.insert(lines.end(), values.begin(), values.end());
    }
    lines.push_back("{END DATA}");
    return JoinLines(lines, "\r\n");
}

class Cli : public ::testing::Test {
  protected:
    TRunResult Run(const std::vector<std::string>& args, TRunOptions options = {}) {
        return RunCli(args, config.path(), std::move(options));
    }
    std::string Ini() const { return config / "QUILLSTONE/Import.ini"; }
    bool ConfigUntouched() const { return FolderNames(config.path()).empty(); }

    TTempDir work;    // extracts and import files
    TTempDir config;  // XDG_CONFIG_HOME of the tool
};

TEST_F(Cli, ConvertWritesTheImportFileAndTheRegistryValueAndPrintsTheInstructions) {
    const std::string extract = work / "cli_1099misc.txt";
    WriteFile(extract, Fixture("cli_1099misc.txt"));
    WriteFile(work / "2017DM_cli_1099misc.txt", "EARLIER FILE\r\n");  // replaced without asking

    const TRunResult r = Run({"convert", extract});

    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, Instructions("cli_1099misc.txt", work.path() + "/", "1099-MISC"));
    EXPECT_EQ(ReadFile(work / "2017DM_cli_1099misc.txt"), Fixture("cli_1099misc_import.txt"));
    EXPECT_EQ(ReadFile(Ini()), "[QS2017]\nTextDirectory=" + work.path() + "/\n");
    EXPECT_EQ(FolderNames(work.path()),
              (std::set<std::string>{"cli_1099misc.txt", "2017DM_cli_1099misc.txt"}));
}

TEST_F(Cli, ConvertTrimsTheArgumentAndTakesABareNameInTheCurrentFolder) {
    WriteFile(work / "cli_1099misc.txt", Fixture("cli_1099misc.txt"));
    TRunOptions options;
    options.cwd = work.path();

    const TRunResult r = Run({"convert", " \tcli_1099misc.txt  "}, options);

    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, Instructions("cli_1099misc.txt", "", "1099-MISC"));
    EXPECT_EQ(ReadFile(work / "2017DM_cli_1099misc.txt"), Fixture("cli_1099misc_import.txt"));
    EXPECT_EQ(ReadFile(Ini()), "[QS2017]\nTextDirectory=\n");
}

TEST_F(Cli, NamesAndValuesPassThroughAsBytes) {
    const std::string folder = work / "d\xE9p\xF4t 2017";
    std::filesystem::create_directory(folder);
    const std::string name = "-caf\xE9 extract.txt";  // begins with "-": given after "--"
    const std::string extract =
        "FORM 1099-MISC\r\n" + kMiscKey +
        "\r\n{BEGIN DATA}\r\nM\xFCller \xA7 Co\r\n\xC3\xA9t\xC3\xA9\r\nK\xF6ln\r\nNW\r\n"
        "50667\r\n12-3456789\r\n1.00\r\n2.00\r\n3.00\r\n{END DATA}\r\n";
    WriteFile(folder + "/" + name, extract);

    const TRunResult r = Run({"convert", "--", folder + "/" + name});

    ASSERT_EQ(r.exitCode, 0) << r.err;
    EXPECT_EQ(r.out, Instructions(name, folder + "/", "1099-MISC"));
    EXPECT_EQ(ReadFile(folder + "/2017DM_" + name),
              "\"M\xFCller \xA7 Co\",,\xC3\xA9t\xC3\xA9,,K\xF6ln,NW,50667,,,,EIN,123456789,,,,,,,"
              "1.00,0.00,0.00,2.00,0.00,0.00,3.00,0.00,0.00,0.00,0.00,0.00,0.00,,0.00,0.00,,0.00,"
              "0.00,,,\r\n");
    TScopedEnv env("XDG_CONFIG_HOME", config.path());
    EXPECT_EQ(TSettingsRegistry::ReadTextDirectory(), folder + "/");
}

TEST_F(Cli, ARejectedExtractPrintsTheMessageAndWritesNothing) {
    // The error box's rule: a "." is added after a last character above ".".
    struct Case {
        const char* what;
        std::string content;
        std::vector<std::string> messageLines;  // P stands for the extract's path
    };
    std::string allocation = MiscExtract(1);
    allocation.insert(allocation.find("{END DATA}"), "one line too many\r\n");
    std::string badTin = MiscExtract(3);
    const std::string secondTin = "Recipient 1\r\n1 Main Street\r\nSpringfield\r\nIL\r\n62704\r\n";
    badTin.replace(badTin.find(secondTin) + secondTin.size(), 11, "12-34 ");
    const std::vector<Case> cases = {
        {"empty file", "", {"FORM segment not found.", "", "EXTRACT = P."}},
        {"unknown form",
         "FORM 1099-X\r\nKEY 001\r\n",
         {"FORM 1099-X not found.", "", "EXTRACT = P."}},
        {"no KEY line", "FORM W-2\r\n", {"KEY segment not found.", "", "EXTRACT = P."}},
        {"KEY of another form",
         "FORM W-2\r\nKEY 003111\r\n{BEGIN DATA}\r\n{END DATA}\r\n",
         {"W-2 (2017) checksum error in KEY segment.", "", "EXTRACT = P."}},
        {"value lines not a multiple of the fields",
         allocation,
         {"Field allocation error.", "", "Total fields required per record = 9", "",
          "is not an integral factor of", "", "Total fields recorded in this extract = 10", "",
          "EXTRACT = P."}},
        {"bad value in record 2",
         badTin,
         {"EXTRACT = P", "", "Record # 2, Field # 6",
          "Destination field \"Taxpayer id\" maps to an invalid TIN \"12-34 \""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TTempDir folder;
        const std::string extract = folder / "extract.txt";
        WriteFile(extract, c.content);
        WriteFile(folder / "2017DM_extract.txt", "EARLIER FILE\r\n");
        std::string expected;
        for (std::string line : c.messageLines) {
            if (const auto at = line.find("= P"); at != std::string::npos) {
                line.replace(at + 2, 1, extract);
            }
            expected += line + "\n";
        }

        const TRunResult r = Run({"convert", extract});

        EXPECT_EQ(r.exitCode, 1);
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, expected);
        EXPECT_EQ(ReadFile(folder / "2017DM_extract.txt"), "EARLIER FILE\r\n");
        EXPECT_EQ(FolderNames(folder.path()).size(), 2u);
        EXPECT_TRUE(ConfigUntouched());
        // verify rejects it alike
        const TRunResult v = Run({"verify", extract});
        EXPECT_EQ(v.exitCode, 1);
        EXPECT_EQ(v.err, expected);
    }
}

TEST_F(Cli, AMissingExtractPrintsTheMissingFileMessage) {
    const std::string absent = work / "absent.txt";
    std::filesystem::create_directory(work / "folder.txt");  // a folder is no extract
    for (const std::string command : {"convert", "verify"}) {
        for (const std::string& name : {absent, work / "folder.txt"}) {
            SCOPED_TRACE(command + " " + name);
            const TRunResult r = Run({command, name});
            EXPECT_EQ(r.exitCode, 2);
            EXPECT_EQ(r.out, "");
            EXPECT_EQ(r.err, MissingFileText(name, command));
        }
    }
    // Only blanks: the trimmed name is empty.
    EXPECT_EQ(Run({"convert", "   "}).err, MissingFileText("", "convert"));
    EXPECT_EQ(FolderNames(work.path()), std::set<std::string>{"folder.txt"});
    EXPECT_TRUE(ConfigUntouched());
}

TEST_F(Cli, AnUnreadableExtractIsRejected) {
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
    const std::string extract = work / "locked.txt";
    WriteFile(extract, MiscExtract(1));
    chmod(extract.c_str(), 0);
    const TRunResult r = Run({"convert", extract});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "Cannot open file \"" + extract + "\". Permission denied.\n");
    EXPECT_EQ(FolderNames(work.path()).size(), 1u);
}

TEST_F(Cli, ImportFileThatCannotBeCreated) {
    const std::string extract = work / "extract.txt";
    WriteFile(extract, MiscExtract(2));
    std::filesystem::create_directory(work / "2017DM_extract.txt");  // the name is taken

    const TRunResult r = Run({"convert", extract});

    EXPECT_EQ(r.exitCode, 3);
    EXPECT_EQ(r.out, "");
    const std::string prefix = "Cannot create file \"" + work.path() + "/2017DM_extract.txt\". ";
    EXPECT_EQ(r.err.substr(0, prefix.size()), prefix);
    EXPECT_GT(r.err.size(), prefix.size() + 2) << "the system's reason";
    EXPECT_EQ(r.err.substr(r.err.size() - 2), ".\n");
    EXPECT_TRUE(std::filesystem::is_empty(work / "2017DM_extract.txt"));
    EXPECT_EQ(FolderNames(work.path()).size(), 2u);
    EXPECT_TRUE(ConfigUntouched());
}

TEST_F(Cli, RegistryFailuresKeepTheCompleteImportFile) {
    struct Case {
        const char* what;
        void (*prepare)(const std::string& config);
        std::string message;
    };
    const std::vector<Case> cases = {
        {"settings folder is a file",
         [](const std::string& config) { WriteFile(config + "/QUILLSTONE", "file"); },
         "Failed to create key Import\\QS2017.\n"},
        {"settings file is a folder",
         [](const std::string& config) {
             std::filesystem::create_directories(config + "/QUILLSTONE/Import.ini");
         },
         "Failed to set data for 'TextDirectory'\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TTempDir settings;
        c.prepare(settings.path());
        const std::string extract = work / "cli_1099misc.txt";
        WriteFile(extract, Fixture("cli_1099misc.txt"));

        const TRunResult r = RunCli({"convert", extract}, settings.path());

        EXPECT_EQ(r.exitCode, 3);
        EXPECT_EQ(r.out, "") << "no instructions";
        EXPECT_EQ(r.err, c.message);
        EXPECT_EQ(ReadFile(work / "2017DM_cli_1099misc.txt"), Fixture("cli_1099misc_import.txt"));
    }
}

TEST_F(Cli, DiskFullLeavesTheEarlierImportFileAsItWas) {
    const std::string extract = work / "extract.txt";
    WriteFile(extract, MiscExtract(50));  // an import file of several kilobytes
    WriteFile(work / "2017DM_extract.txt", "EARLIER FILE\r\n");

    const TRunResult r = RunCliWithFileSizeLimit(1, {"convert", extract}, config.path());

    EXPECT_EQ(r.exitCode, 3);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "Stream write error.\n");
    EXPECT_EQ(ReadFile(work / "2017DM_extract.txt"), "EARLIER FILE\r\n");
    EXPECT_EQ(FolderNames(work.path()),
              (std::set<std::string>{"extract.txt", "2017DM_extract.txt"}))
        << "no partial temporary file";
    EXPECT_TRUE(ConfigUntouched());

    // Without the limit the same extract converts.
    EXPECT_EQ(Run({"convert", extract}).exitCode, 0);
    const std::string written = ReadFile(work / "2017DM_extract.txt").value_or("");
    int lines = 0;
    for (std::size_t at = written.find("\r\n"); at != std::string::npos;
         at = written.find("\r\n", at + 2)) {
        ++lines;
    }
    EXPECT_EQ(lines, 50);
}

TEST_F(Cli, VerifyPrintsTheSummaryAndWritesNothing) {
    const std::string extract = work / "cli_1099misc.txt";
    WriteFile(extract, Fixture("cli_1099misc.txt"));
    const std::string empty = work / "empty.txt";
    WriteFile(empty, "FORM 1099-MISC\n" + kMiscKey + "\n{BEGIN DATA}\n{END DATA}\n");

    const TRunResult r = Run({"verify", extract});
    const TRunResult e = Run({"verify", empty});

    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, JoinLines({"EXTRACT: " + extract, "", "RETURNS: 1099-MISC", "RECORDS: 3", "",
                                "REPORTING YEAR: 2017", "TOTAL Rents: 2150.00",
                                "TOTAL Federal income tax withheld: 125.50",
                                "TOTAL Nonemployee compensation: 42570.50"},
                               "\n"));
    EXPECT_EQ(e.exitCode, 0);
    EXPECT_NE(e.out.find("\nRECORDS: 0\n"), std::string::npos) << e.out;
    EXPECT_EQ(FolderNames(work.path()), (std::set<std::string>{"cli_1099misc.txt", "empty.txt"}));
    EXPECT_TRUE(ConfigUntouched());
}

TEST_F(Cli, TemplateOnStdoutAndAsFileWithCrLf) {
    const TRunResult printed = Run({"template", "1099-MISC", "--fields", "0,11,18"});
    ASSERT_EQ(printed.exitCode, 0) << printed.err;
    EXPECT_EQ(printed.err, "");
    const std::string key = "KEY 040" + std::string("1000000000010000001") + std::string(21, '0');
    const std::string head =
        "FORM 1099-MISC\n" + key + "\n{BEGIN DATA}\nName line 1\nTaxpayer id\nRents\n{END DATA}\n";
    EXPECT_EQ(printed.out.substr(0, head.size()), head);
    // Line E + 28 names the call that converts an extract.
    EXPECT_NE(printed.out.find("\n   qsdm-cli convert \"File specification\"\n"),
              std::string::npos);

    // The same text through other spellings of the form and the fields.
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"template", "1099-misc", "--fields=18,0,11,0"},
             {"template", "1099-MISC", "--key", key.substr(7)},
             {"template", "1099-MISC", "--key=" + key.substr(4)},
         }) {
        EXPECT_EQ(Run(args).out, printed.out) << args[2];
    }

    // -o: the same lines, each followed by CR LF; an existing file is replaced.
    const std::string file = work / "FORM 1099-MISC TEMPLATE.txt";
    WriteFile(file, "EARLIER FILE WITH MORE TEXT THAN THE TEMPLATE? NO, BUT SOME.\r\n");
    const TRunResult saved = Run({"template", "1099-MISC", "--fields", "0,11,18", "-o", file});
    EXPECT_EQ(saved.exitCode, 0) << saved.err;
    EXPECT_EQ(saved.out, "");
    std::string expected;
    for (char c : printed.out)
        expected += c == '\n' ? std::string("\r\n") : std::string(1, c);
    EXPECT_EQ(ReadFile(file), expected);
    int lines = 0;
    for (char c : expected)
        lines += c == '\n';
    EXPECT_EQ(lines, 3 + 37);
    EXPECT_EQ(FolderNames(work.path()).size(), 1u);
}

TEST_F(Cli, ATemplateIsTheHeadOfAnExtractThatConverts) {
    const std::string templ = work / "template.txt";
    ASSERT_EQ(Run({"template", "W-2G", "--fields", "0,10,15", "--output", templ}).exitCode, 0);
    const std::string text = ReadFile(templ).value_or("");
    std::size_t head = 0;
    for (int i = 0; i < 3; ++i)
        head = text.find("\r\n", head) + 2;
    const std::string extract = work / "W-2G_EXTRACT.txt";
    WriteFile(extract, text.substr(0, head) + "WINNER\r\n111-22-3333\r\n7\r\n{END DATA}\r\n");

    const TRunResult r = Run({"verify", extract});

    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("\nRETURNS: W-2G\nRECORDS: 1\n"), std::string::npos) << r.out;
}

TEST_F(Cli, TemplateFileThatCannotBeCreated) {
    const std::string file = work / "missing folder/t.txt";
    const TRunResult r = Run({"template", "W-2", "--fields", "0", "-o", file});
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_EQ(r.err.rfind("Cannot create file \"" + file + "\". ", 0), 0u) << r.err;
    EXPECT_EQ(FolderNames(work.path()).size(), 0u);
}

TEST_F(Cli, UsageErrors) {
    struct Case {
        std::vector<std::string> args;
        std::string says;  // part of the error text
    };
    const std::vector<Case> cases = {
        {{}, "Usage: qsdm-cli COMMAND"},
        {{"merge"}, "unknown command \"merge\""},
        {{"convert"}, "missing EXTRACT"},
        {{"convert", "a.txt", "b.txt"}, "unexpected argument \"b.txt\""},
        {{"verify", "--bogus", "a.txt"}, "unknown option --bogus"},
        {{"fields", "W-2X"}, "unknown form \"W-2X\""},
        {{"template", "1094", "--fields", "0"}, "unknown form \"1094\""},
        {{"template", "Clients", "--fields", "0"}, "unknown form \"Clients\""},
        {{"template", "W-2"}, "either --key or --fields"},
        {{"template", "W-2", "--key", "1", "--fields", "0"}, "either --key or --fields"},
        {{"template", "W-2", "--fields", "0", "--fields", "1"}, "given twice"},
        {{"template", "W-2", "--fields", "63"}, "\"63\" is not a field position of W-2 (0 to 62)"},
        {{"template", "W-2", "--fields", "0,,1"}, "\"\" is not a field position"},
        {{"template", "W-2", "--fields", "-1"}, "\"-1\" is not a field position"},
        {{"template", "W-2", "--fields", "1x"}, "\"1x\" is not a field position"},
        {{"template", "W-2", "--key", "101"}, "W-2 has 63 fields, the key has 3 flags"},
        {{"template", "W-2", "--key", std::string(62, '0') + "2"}, "flag 63 is neither"},
        {{"template", "W-2", "--key", "062" + std::string(63, '1')}, "field count \"062\""},
        {{"template", "W-2", "--key", std::string(63, '0')}, "no field supplied"},
        {{"template", "W-2", "--fields", "0", "-o"}, "option --output needs a value"},
        {{"forms", "extra"}, "unexpected argument"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.empty() ? "(none)" : c.args[0] + " ... " + c.args.back());
        const TRunResult r = Run(c.args);
        EXPECT_EQ(r.exitCode, 64);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
        EXPECT_NE(r.err.find("Usage: qsdm-cli"), std::string::npos) << r.err;
    }
    EXPECT_TRUE(FolderNames(work.path()).empty());
}

TEST_F(Cli, HelpVersionFormsAndFields) {
    const TRunResult help = Run({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.out.rfind("Usage: qsdm-cli COMMAND", 0), 0u);
    const TRunResult convertHelp = Run({"convert", "--help"});
    EXPECT_EQ(convertHelp.exitCode, 0);
    EXPECT_EQ(convertHelp.out.rfind("Usage: qsdm-cli convert EXTRACT\n", 0), 0u);
    const TRunResult version = Run({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out.rfind("qsdm-cli ", 0), 0u);

    const TRunResult forms = Run({"forms"});
    EXPECT_EQ(forms.exitCode, 0);
    EXPECT_EQ(forms.out.rfind("1095-B\n1095-B CI\n", 0), 0u);
    EXPECT_EQ(forms.out.substr(forms.out.size() - 11), "\nW-2C\nW-2G\n");
    int names = 0;
    for (char c : forms.out)
        names += c == '\n';
    EXPECT_EQ(names, 32);
    EXPECT_EQ(forms.out.find("1094"), std::string::npos);

    const TRunResult fields = Run({"fields", "w-2g"});
    EXPECT_EQ(fields.exitCode, 0);
    EXPECT_EQ(
        fields.out.rfind("0\t$\tName line 1\tSTRING DATA - No special formatting required\n", 0),
        0u);
    EXPECT_NE(fields.out.find("\n9\tT\tTIN Type\tTIN TYPE: { 1, EIN }=Employer ID, { 2, SSN }="
                              "Social Security, { Blank, N/A }=Not available\n"),
              std::string::npos)
        << fields.out;
    const TRunResult misc = Run({"fields", "1099-MISC"});
    int rows = 0;
    for (char c : misc.out)
        rows += c == '\n';
    EXPECT_EQ(rows, 40);
    EXPECT_NE(misc.out.find("\n18\tc\tRents\tCURRENCY - Cannot be negative\n"), std::string::npos);
}

}  // namespace
}  // namespace qs
