#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "core/clock.h"
#include "core/errors.h"
#include "core/merge.h"
#include "core/messages.h"
#include "core/schema.h"
#include "core/verification.h"
#include "core/verification_report.h"
#include "pipeline_fakes.h"

namespace qs {
namespace {

using test::CrLfText;
using test::FakeOps;
using test::FakeRegistry;
using test::Fixture;
using test::KeyLine;
using test::ScratchDir;
using test::WriteBytes;

struct Merge {
    FakeOps ops;
    FakeRegistry registry;
    FixedClock clock{TDate{2018, 3, 15}};
    TDataMerge merge{ops, registry, clock};

    explicit Merge(const std::string& path) { merge.SetExtractFileName(path); }

    // The conversion's outcome: its error message, or "" on success.
    std::string Convert() { return test::ConvertExtract(merge); }
};

// An extract of form `form` (of `count` fields) supplying the single field at
// `position`, one record per value.
std::string OneFieldExtract(const std::string& form, int count, int position,
                            const std::vector<std::string>& values) {
    std::vector<std::string> lines = {"FORM " + form, KeyLine(count, {position}), "{BEGIN DATA}"};
    lines.insert(lines.end(), values.begin(), values.end());
    lines.push_back("{END DATA}");
    return CrLfText(lines);
}

TEST(Verification, EveryBadValueIsReportedOnceWithItsPlace) {
    // Four records of 1098-E; a line before the begin marker shifts the data
    // lines, and a bad value after the end marker is never read.
    const std::string path = Fixture("verify_1098e_problems.txt");
    Merge m(path);
    const TVerification result = VerifyExtract(m.merge);

    EXPECT_EQ(result.formName, "1098-E");
    EXPECT_EQ(result.recordCount, 4u);
    EXPECT_EQ(result.problemCount, 4u);
    struct Expected {
        std::size_t line, record, field;
        int position;
        std::string caption, reason, raw;
    };
    const Expected expected[] = {
        {10, 2, 2, 8, "Foreign address indicator", "to an invalid indicator value ", "maybe "},
        {11, 2, 3, 11, "Taxpayer id", "to an invalid TIN ", "12-34"},
        {16, 3, 4, 14, "Box 1 - Student loan interest received", "to an invalid currency value ",
         "12.3.4"},
        {18, 4, 2, 8, "Foreign address indicator", "to an invalid indicator value ",
         "s\xEDn \"q\"\t"},
    };
    ASSERT_EQ(result.problems.size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const TValueProblem& p = result.problems[i];
        const Expected& e = expected[i];
        EXPECT_EQ(p.line, e.line) << i;
        EXPECT_EQ(p.record, e.record) << i;
        EXPECT_EQ(p.field, e.field) << i;
        EXPECT_EQ(p.position, e.position) << i;
        EXPECT_EQ(p.caption, e.caption) << i;
        EXPECT_EQ(p.reason, e.reason) << i;
        EXPECT_EQ(p.raw, e.raw) << i;
        // The line number points at the raw line in the file as loaded.
        EXPECT_EQ(m.merge.InputLines()[p.line - 1], e.raw) << i;
    }
    EXPECT_EQ(ProblemText(result.problems[1]),
              "Record # 2, Field # 3: Destination field \"Taxpayer id\" maps to an invalid TIN "
              "\"12-34\"");

    // Box 1 sums the three values that pass, as stored: 1000.10 + 0.10 + 0.105.
    ASSERT_EQ(result.totals.size(), 1u);
    const TMoneyTotal& total = result.totals[0];
    EXPECT_EQ(total.field, 4u);
    EXPECT_EQ(total.position, 14);
    EXPECT_EQ(total.caption, "Box 1 - Student loan interest received");
    EXPECT_EQ(total.tenThousandths, 10'003'050);
    EXPECT_TRUE(total.moreThanTwoDecimals);
    EXPECT_FALSE(total.overflow);
    EXPECT_EQ(total.valueCount, 3u);
    EXPECT_EQ(TotalText(total), "1000.3050");

    // The verification leaves the loaded lines as they are.
    EXPECT_EQ(m.merge.InputLines().size(), 22u);
}

TEST(Verification, KeptProblemsAreLimitedButCountedInFull) {
    Merge m(Fixture("verify_1098e_problems.txt"));
    const TVerification limited = VerifyExtract(m.merge, 2);
    EXPECT_EQ(limited.problemCount, 4u);
    ASSERT_EQ(limited.problems.size(), 2u);
    EXPECT_EQ(limited.problems[0].line, 10u);
    EXPECT_EQ(limited.problems[1].line, 11u);
    EXPECT_EQ(limited.totals[0].tenThousandths, 10'003'050);

    Merge none(Fixture("verify_1098e_problems.txt"));
    const TVerification counted = VerifyExtract(none.merge, 0);
    EXPECT_EQ(counted.problemCount, 4u);
    EXPECT_TRUE(counted.problems.empty());
}

TEST(Verification, MoneyTotalsAreExact) {
    // 1099-B: "Proceeds" (22) is signed ("C"), "Cost or other basis" (23) is not ("c").
    const int fields = CatalogFieldCount(FindCatalogIndex("1099-B"));
    struct Case {
        int position;
        std::vector<std::string> values;
        std::int64_t sum;  // ten-thousandths, when no overflow
        bool overflow;
        std::string text;
    };
    const std::vector<std::string> dimes(1000, "0.10");  // a double sum gives 99.9999999999986
    const Case cases[] = {
        {22, dimes, 1'000'000, false, "100.00"},
        {22,
         {"922337203685476.99", "0.01"},
         9'223'372'036'854'770'000,
         false,
         "922337203685477.00"},
        {22,
         {"922337203685477.5807", "-0.0001", "$-1,000.00"},
         9'223'372'036'844'775'806,
         false,
         "922337203684477.5806"},
        {22,
         {"-922337203685477.5808"},
         std::numeric_limits<std::int64_t>::min(),
         false,
         "-922337203685477.5808"},
        // Beyond the range the sum stops; a later value does not bring it back.
        {22, {"922337203685477.5807", "0.0001", "-5.00"}, 0, true, "overflow"},
        {22, {"-922337203685477.5808", "-0.01"}, 0, true, "overflow"},
        // A value that cannot be negative is stored, and summed, without its sign.
        {23, {"-$5.00", "2.50-", ""}, 75'000, false, "7.50"},
        {22, {"-5.00", "", "1.23456"}, -37'654, false, "-3.7654"},
        {22, {}, 0, false, "0.00"},
    };
    ScratchDir dir;
    const std::string path = dir.File("extract.txt");
    for (const Case& c : cases) {
        WriteBytes(path, OneFieldExtract("1099-B", fields, c.position, c.values));
        Merge m(path);
        const TVerification result = VerifyExtract(m.merge);
        EXPECT_EQ(result.problemCount, 0u) << c.text;
        EXPECT_EQ(result.recordCount, c.values.size()) << c.text;
        ASSERT_EQ(result.totals.size(), 1u);
        const TMoneyTotal& total = result.totals[0];
        EXPECT_EQ(total.overflow, c.overflow) << c.text;
        if (!c.overflow) {
            EXPECT_EQ(total.tenThousandths, c.sum) << c.text;
        }
        EXPECT_EQ(total.valueCount, c.values.size()) << c.text;
        EXPECT_EQ(TotalText(total), c.text);
    }
}

TEST(Verification, TotalsOfEverySuppliedMoneyFieldOnly) {
    // 1099-MISC supplies Rents (18), Federal income tax withheld (21) and
    // Nonemployee compensation (24) among text and TIN fields.
    Merge m(Fixture("cli_1099misc.txt"));
    const TVerification result = VerifyExtract(m.merge);
    EXPECT_EQ(result.problemCount, 0u);
    EXPECT_EQ(result.recordCount, 3u);
    ASSERT_EQ(result.totals.size(), 3u);
    const std::string captions[] = {"Rents", "Federal income tax withheld",
                                    "Nonemployee compensation"};
    const std::string texts[] = {"2150.00", "125.50", "42570.50"};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(result.totals[i].caption, captions[i]);
        EXPECT_EQ(TotalText(result.totals[i]), texts[i]);
        EXPECT_FALSE(result.totals[i].moreThanTwoDecimals);
    }
}

TEST(Verification, TenThousandthsText) {
    struct Case {
        std::int64_t value;
        int decimals;
        std::string text;
    };
    const Case cases[] = {
        {0, 2, "0.00"},
        {0, 4, "0.0000"},
        {-1, 4, "-0.0001"},
        {-5000, 2, "-0.50"},
        {12'345'600, 2, "1234.56"},
        {10'003'050, 4, "1000.3050"},
        {std::numeric_limits<std::int64_t>::max(), 4, "922337203685477.5807"},
        {std::numeric_limits<std::int64_t>::min(), 4, "-922337203685477.5808"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TenThousandthsText(c.value, c.decimals), c.text) << c.value;
}

TEST(Verification, StructureFailuresRaiseTheirUsualMessage) {
    ScratchDir dir;
    const std::string path = dir.File("extract.txt");
    const std::string key = KeyLine(19, {0, 14});
    const std::vector<std::vector<std::string>> extracts = {
        {},
        {"FORM 1099-X"},
        {"FORM 1098-E", "KEY 12"},
        {"FORM 1098-E", key, "{END DATA}"},
        {"FORM 1098-E", key, "{BEGIN DATA}"},
        {"FORM 1098-E", key, "{END DATA}", "{BEGIN DATA}"},
        {"FORM 1098-E", KeyLine(19, {}), "{BEGIN DATA}", "{END DATA}"},
        {"FORM 1098-E", key, "{BEGIN DATA}", "A", "1.00", "B", "{END DATA}"},
    };
    for (const std::vector<std::string>& lines : extracts) {
        WriteBytes(path, CrLfText(lines));
        Merge converted(path);
        const std::string expected = converted.Convert();
        ASSERT_NE(expected, "") << testing::PrintToString(lines);
        Merge verified(path);
        try {
            VerifyExtract(verified.merge);
            ADD_FAILURE() << "no error for " << testing::PrintToString(lines);
        } catch (const EMergeError& e) {
            EXPECT_EQ(e.what(), expected);
        }
    }
}

// The conversion and the verification agree on every fixture: a clean
// verification exactly when the conversion succeeds, the same structure
// message, and the conversion's value message for the first problem.
TEST(Verification, AgreesWithTheConversionOnEveryFixture) {
    int extracts = 0;
    for (const auto& entry : std::filesystem::directory_iterator(QS_TEST_DATA)) {
        if (!entry.is_regular_file())
            continue;
        const std::string path = entry.path().string();
        SCOPED_TRACE(path);
        Merge converted(path);
        const std::string message = converted.Convert();
        Merge verified(path);
        TVerification result;
        try {
            result = VerifyExtract(verified.merge);
        } catch (const EMergeError& e) {
            EXPECT_EQ(e.what(), message);
            continue;
        }
        ++extracts;
        if (message.empty()) {
            EXPECT_EQ(result.problemCount, 0u);
            EXPECT_EQ(result.recordCount, converted.merge.Output().size());
        } else {
            ASSERT_GT(result.problemCount, 0u);
            const TValueProblem& first = result.problems.front();
            EXPECT_EQ(ValueErrorMessage(path, first.record, first.field, first.caption,
                                        first.reason, first.raw),
                      message);
            // The records before the failing one were converted.
            EXPECT_EQ(converted.merge.Output().size(), first.record - 1);
        }
    }
    EXPECT_GE(extracts, 3);  // the folder holds extracts that reach the values
}

TEST(VerificationReport, LinesOfTheTextReport) {
    Merge m(Fixture("verify_1098e_problems.txt"));
    const TVerification result = VerifyExtract(m.merge);
    EXPECT_EQ(
        ProblemLine(result.problems[0]),
        "line 10: Record # 2, Field # 2: Destination field \"Foreign address indicator\" maps "
        "to an invalid indicator value \"maybe \"");
    EXPECT_EQ(ClosingLine(result), "4 problems in 4 records");
    EXPECT_EQ(TotalLines(result),
              std::vector<std::string>{"TOTAL Box 1 - Student loan interest received: 1000.3050"});

    TVerification counts;
    counts.problemCount = 1;
    counts.recordCount = 1;
    counts.problems.resize(1);
    EXPECT_EQ(ClosingLine(counts), "1 problem in 1 record");
    counts.problemCount = 3;
    counts.recordCount = 0;
    EXPECT_EQ(ClosingLine(counts), "3 problems in 0 records (first 1 shown)");
}

TEST(VerificationReport, JsonStringEscapesEveryByteOutsidePrintableAscii) {
    struct Case {
        std::string bytes;
        std::string json;
    };
    const Case cases[] = {
        {"", "\"\""},
        {"Caf\xE9 M\xFCller", "\"Caf\\u00e9 M\\u00fcller\""},
        {"say \"hi\" \\ /", "\"say \\\"hi\\\" \\\\ /\""},
        {"a\tb\r\nc", "\"a\\tb\\r\\nc\""},
        {std::string("\x01\x1F\x7F\x80\xFF", 5), "\"\\u0001\\u001f\\u007f\\u0080\\u00ff\""},
        {std::string("x\0y", 3), "\"x\\u0000y\""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(JsonString(c.bytes), c.json) << c.json;
}

}  // namespace
}  // namespace qs
