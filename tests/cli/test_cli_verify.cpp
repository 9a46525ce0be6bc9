// qsdm-cli verify: the full report (--all, --limit), the money totals, and
// the JSON object for scripts.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "cli_support.h"

namespace qs {
namespace {

using test::JoinLines;
using test::ReadFile;
using test::RunCli;
using test::RunProgram;
using test::TRunOptions;
using test::TRunResult;
using test::TTempDir;
using test::WriteFile;

const std::string kData = QS_TEST_DATA;

// The four problems of the 1098-E fixture, as --all prints them.
const std::vector<std::string> kProblemLines = {
    "line 10: Record # 2, Field # 2: Destination field \"Foreign address indicator\" maps to an "
    "invalid indicator value \"maybe \"",
    "line 11: Record # 2, Field # 3: Destination field \"Taxpayer id\" maps to an invalid TIN "
    "\"12-34\"",
    "line 16: Record # 3, Field # 4: Destination field \"Box 1 - Student loan interest received\" "
    "maps to an invalid currency value \"12.3.4\"",
    "line 18: Record # 4, Field # 2: Destination field \"Foreign address indicator\" maps to an "
    "invalid indicator value \"s\xEDn \"q\"\t\"",
};
const std::string kProblemTotal = "TOTAL Box 1 - Student loan interest received: 1000.3050";

// Reads a JSON report and prints it in the form of the text report: the
// problems (their line and message, or the message alone), the closing
// counts and the totals. Strings go out as Latin-1, the bytes they stand for.
const char* const kJsonToText = R"PY(
import json, sys
d = json.load(open(sys.argv[1], encoding="ascii"))
out = []
for p in d["problems"]:
    out.append("line %d: %s" % (p["line"], p["message"]) if "record" in p else "MESSAGE " + p["message"])
def count(n, word):
    return "%d %s%s" % (n, word, "" if n == 1 else "s")
records = d["records"]
out.append("%s in %s" % (count(d["problemCount"], "problem"), "?" if records is None else count(records, "record")))
for t in d["totals"]:
    out.append("TOTAL %s: %s" % (t["caption"], "overflow" if t["overflow"] else t["total"]))
out.append("FORM " + str(d["form"]) + " EXTRACT " + d["extract"])
sys.stdout.buffer.write(("\n".join(out) + "\n").encode("latin-1"))
)PY";

class CliVerify : public ::testing::Test {
  protected:
    TRunResult Run(const std::vector<std::string>& args) { return RunCli(args, config.path()); }
    // The JSON on stdout of `verify --json args...`, turned into text by kJsonToText.
    std::string JsonAsText(const TRunResult& r) {
        const std::string json = work / "report.json";
        WriteFile(json, r.out);
        const TRunResult py =
            RunProgram({"/usr/bin/env", "python3", "-c", kJsonToText, json}, TRunOptions{});
        EXPECT_EQ(py.exitCode, 0) << py.err << "\n" << r.out;
        return py.out;
    }
    std::string Copy(const std::string& fixture) {
        const std::string path = work / fixture;
        WriteFile(path, ReadFile(kData + "/" + fixture).value_or(""));
        return path;
    }

    TTempDir work;
    TTempDir config;
};

TEST_F(CliVerify, AllPrintsEveryProblemThenTheCountsAndTotals) {
    const std::string extract = Copy("verify_1098e_problems.txt");

    const TRunResult r = Run({"verify", "--all", extract});

    EXPECT_EQ(r.exitCode, 1);
    EXPECT_EQ(r.err, "");
    std::vector<std::string> lines = kProblemLines;
    lines.push_back("4 problems in 4 records");
    lines.push_back(kProblemTotal);
    EXPECT_EQ(r.out, JoinLines(lines, "\n"));
}

TEST_F(CliVerify, LimitStopsPrintingButCountsEveryProblem) {
    const std::string extract = Copy("verify_1098e_problems.txt");
    struct Case {
        std::vector<std::string> options;
        std::size_t shown;
        std::string closing;
    };
    const Case cases[] = {
        {{"--limit", "2"}, 2, "4 problems in 4 records (first 2 shown)"},
        {{"--all", "--limit=1"}, 1, "4 problems in 4 records (first 1 shown)"},
        {{"--limit", "0"}, 0, "4 problems in 4 records (first 0 shown)"},
        {{"--limit", "4"}, 4, "4 problems in 4 records"},
        {{"--limit", "99999999999999999999999"}, 4, "4 problems in 4 records"},
    };
    for (const Case& c : cases) {
        std::vector<std::string> args = {"verify"};
        args.insert(args.end(), c.options.begin(), c.options.end());
        args.push_back(extract);
        SCOPED_TRACE(testing::PrintToString(args));
        const TRunResult r = Run(args);
        EXPECT_EQ(r.exitCode, 1);
        std::vector<std::string> lines(kProblemLines.begin(), kProblemLines.begin() + c.shown);
        lines.push_back(c.closing);
        lines.push_back(kProblemTotal);
        EXPECT_EQ(r.out, JoinLines(lines, "\n"));
    }
    for (const std::string bad : {"", "-1", "2x", "x", "+3"}) {
        const TRunResult r = Run({"verify", "--limit", bad, extract});
        EXPECT_EQ(r.exitCode, 64) << bad;
        EXPECT_EQ(r.out, "") << bad;
        EXPECT_NE(r.err.find("--limit"), std::string::npos) << r.err;
    }
}

TEST_F(CliVerify, CleanExtractAndTheTotalsAfterTheSummary) {
    const std::string extract = Copy("cli_1099misc.txt");
    const std::string totals =
        JoinLines({"TOTAL Rents: 2150.00", "TOTAL Federal income tax withheld: 125.50",
                   "TOTAL Nonemployee compensation: 42570.50"},
                  "\n");

    const TRunResult all = Run({"verify", "--all", extract});
    EXPECT_EQ(all.exitCode, 0);
    EXPECT_EQ(all.err, "");
    EXPECT_EQ(all.out, "0 problems in 3 records\n" + totals);

    const TRunResult plain = Run({"verify", extract});
    EXPECT_EQ(plain.exitCode, 0);
    EXPECT_EQ(plain.out, JoinLines({"EXTRACT: " + extract, "", "RETURNS: 1099-MISC", "RECORDS: 3",
                                    "", "REPORTING YEAR: 2017"},
                                   "\n") +
                             totals);

    // Four places once any value summed has more than two; values that a
    // double would round are summed exactly.
    std::vector<std::string> lines = {"FORM 1099-MISC",
                                      "KEY 040" + std::string(18, '0') + "1" + std::string(21, '0'),
                                      "{BEGIN DATA}"};
    for (int i = 0; i < 1000; ++i)
        lines.push_back("0.10");
    lines.push_back("922337203685376.895");
    lines.push_back("{END DATA}");
    const std::string fine = work / "fine.txt";
    WriteFile(fine, JoinLines(lines, "\r\n"));
    const TRunResult r = Run({"verify", fine});
    EXPECT_EQ(r.exitCode, 0) << r.err;
    EXPECT_NE(r.out.find("\nRECORDS: 1001\n"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.substr(r.out.rfind('\n', r.out.size() - 2) + 1),
              "TOTAL Rents: 922337203685476.8950\n");
}

TEST_F(CliVerify, JsonMatchesTheTextReport) {
    for (const std::string fixture : {"verify_1098e_problems.txt", "cli_1099misc.txt"}) {
        SCOPED_TRACE(fixture);
        const std::string extract = Copy(fixture);
        const TRunResult text = Run({"verify", "--all", extract});
        const TRunResult json = Run({"verify", "--json", extract});
        EXPECT_EQ(json.exitCode, text.exitCode);
        EXPECT_EQ(json.err, "");
        // Plain ASCII, one line.
        for (const char c : json.out) {
            ASSERT_TRUE(static_cast<unsigned char>(c) < 0x80 && (c >= 0x20 || c == '\n'))
                << static_cast<int>(c);
        }
        const std::string form = fixture == "cli_1099misc.txt" ? "1099-MISC" : "1098-E";
        EXPECT_EQ(JsonAsText(json), text.out + "FORM " + form + " EXTRACT " + extract + "\n");
    }
    // --limit keeps the first problems in the object, the count stays exact.
    const std::string extract = work / "verify_1098e_problems.txt";
    const std::string limited = JsonAsText(Run({"verify", "--json", "--limit", "1", extract}));
    EXPECT_EQ(limited, JoinLines({kProblemLines[0], "4 problems in 4 records", kProblemTotal,
                                  "FORM 1098-E EXTRACT " + extract},
                                 "\n"));
}

TEST_F(CliVerify, StructureFailuresPrintTheirMessageAlsoWithAllAndJson) {
    struct Case {
        std::string content;
        std::string line1;
        std::string form;  // as the JSON names it
    };
    const Case cases[] = {
        {"", "FORM segment not found.", "None"},
        {"FORM 1098-E\r\nKEY 12\r\n", "Bad KEY segment.", "1098-E"},
        {"FORM 1098-E\r\nKEY 0191000000000010010000\r\n{BEGIN DATA}\r\nA\r\n{END DATA}\r\n",
         "Field allocation error.", "1098-E"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line1);
        const std::string extract = work / "extract.txt";
        WriteFile(extract, c.content);
        const TRunResult plain = Run({"verify", extract});
        EXPECT_EQ(plain.exitCode, 1);
        EXPECT_EQ(plain.err.rfind(c.line1 + "\n", 0), 0u) << plain.err;
        for (const std::string option : {"--all", "--json"}) {
            const TRunResult r = Run({"verify", option, extract});
            EXPECT_EQ(r.exitCode, 1) << option;
            EXPECT_EQ(r.err, plain.err) << option;
            if (option == "--all") {
                EXPECT_EQ(r.out, "") << option;
                continue;
            }
            // One problem without a record, holding the message with its CR LF.
            // Every message ends with the extract's name, to which the error box adds
            // a full stop that is no part of the message.
            const std::string message = plain.err.substr(0, plain.err.size() - 2);
            std::string crlf;
            for (const char ch : message)
                crlf += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
            EXPECT_EQ(JsonAsText(r), "MESSAGE " + crlf + "\n1 problem in ?\nFORM " + c.form +
                                         " EXTRACT " + extract + "\n");
        }
    }
    // A missing extract: exit 2, the missing-file message, and in JSON as a problem.
    const std::string absent = work / "absent.txt";
    const TRunResult r = Run({"verify", "--json", absent});
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_NE(r.err.find("Failed to open data extract:"), std::string::npos) << r.err;
    EXPECT_NE(JsonAsText(r).find("MESSAGE Failed to open data extract:\r\n"), std::string::npos);
}

// convert and verify --all agree on pass and fail for every fixture.
TEST_F(CliVerify, ConvertAndVerifyAllAgreeOnEveryFixture) {
    for (const auto& entry : std::filesystem::directory_iterator(kData)) {
        if (!entry.is_regular_file())
            continue;
        const std::string name = entry.path().filename().string();
        SCOPED_TRACE(name);
        const std::string extract = Copy(name);
        const TRunResult verified = Run({"verify", "--all", extract});
        const TRunResult converted = Run({"convert", extract});
        EXPECT_EQ(verified.exitCode, converted.exitCode) << verified.out << converted.err;
        EXPECT_TRUE(verified.exitCode == 0 || verified.exitCode == 1) << verified.exitCode;
    }
}

}  // namespace
}  // namespace qs
