// Fuzz target: the whole pipeline on an arbitrary extract.
//
// The input is written as the extract into a private folder on tmpfs and run
// through TDataMerge: loading, the FORM and KEY checks, the conversion and,
// when all passed, the import file. A reference of the extract rules written
// here (line splitting, the structural checks, the record layout) predicts
// the outcome; the run must agree with it exactly:
//   - the lines loaded are the lines of the rules;
//   - a failing extract fails with exactly the predicted message, and leaves
//     no import file and no registry value;
//   - a passing extract gives one import line per record, each of which
//     splits back into exactly the form's field count values: the default of
//     every field not supplied, the converted value of every supplied one, the
//     inferred TIN type in the TIN-type field;
//   - the import file holds those lines, each followed by CR LF, and the
//     registry gets the extract's folder;
//   - the cursor is the default cursor again at the end.
// Inputs of odd length go through the unattended driver (FormShow, error box
// with the full-stop rule); even ones through the steps one by one.
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "comma_split.h"
#include "core/clock.h"
#include "core/conversion.h"
#include "core/errors.h"
#include "core/merge.h"
#include "core/reading.h"
#include "core/schema.h"
#include "core/services.h"
#include "core/strings.h"
#include "core/typecodes.h"
#include "core/verification.h"
#include "core/verification_report.h"
#include "json_check.h"

namespace {

using namespace qs;
using fuzzcomma::SplitCommaText;

[[noreturn]] void Fail(const char* what, std::string_view detail) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::fprintf(stderr, "detail: %.*s\n",
                 static_cast<int>(detail.size() > 2000 ? 2000 : detail.size()), detail.data());
    std::abort();
}

#define CHECK(cond, detail)        \
    do {                           \
        if (!(cond))               \
            Fail(#cond, (detail)); \
    } while (0)

const std::string kLineEnd = "\r\n";

// The lines of any list of lines (a string list or a line list) as a string list.
template <typename Lines>
TStringList ToList(const Lines& lines) {
    TStringList out;
    out.reserve(lines.size());
    for (std::size_t i = 0; i < lines.size(); ++i)
        out.emplace_back(lines[i]);
    return out;
}

// ---------------------------------------------------------------------------
// Services

class FakeOps final : public IWindowOps {
  public:
    std::string argument;
    int errorBoxes = 0;
    std::string errorText;
    int informationBoxes = 0;
    std::string informationTitle;
    bool ended = false;
    int busyDepth = 0;
    bool busy = false;

    int ArgumentCount() override { return 1; }
    std::string FirstArgument() override { return argument; }
    std::string ProgramFileName() override { return "QS2017DM"; }
    bool FileExists(const std::string& name) override {
        struct stat st;
        return ::stat(name.c_str(), &st) == 0 && S_ISREG(st.st_mode);
    }
    void WarningBox(const std::string& text, const std::string&) override {
        Fail("unexpected warning box", text);
    }
    std::optional<std::string> OpenFileChoice() override { return argument; }
    void Beep() override {}
    bool YesNoQuestion(const std::string&, const std::string&) override { return true; }
    void InformationBox(const std::string&, const std::string& title) override {
        ++informationBoxes;
        informationTitle = title;
    }
    void ErrorBox(const std::string& text) override {
        ++errorBoxes;
        errorText = text;
    }
    void EndProgram() override { ended = true; }
    void SetBusyCursor(bool b) override {
        busyDepth += b ? 1 : -1;
        busy = b;
    }
    std::string MainWindowCaption() override { return "Quillstone Data Merge Module [ 2017 ]"; }
};

class FakeRegistry final : public IRegistry {
  public:
    int writes = 0;
    std::string folder;
    void WriteTextDirectory(const std::string& value) override {
        ++writes;
        folder = value;
    }
};

// ---------------------------------------------------------------------------
// The private folder

std::string folder;
std::string extractPath;
std::string importPath;

// ---------------------------------------------------------------------------
// The reference

TStringList RefSplit(std::string_view text) {
    TStringList lines;
    const std::size_t nul = text.find('\0');
    if (nul != std::string_view::npos)
        text = text.substr(0, nul);
    std::string line;
    bool open = false;  // characters (or nothing) since the last line end
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            lines.push_back(line);
            line.clear();
            open = false;
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            line += c;
            open = true;
        }
    }
    if (open)
        lines.push_back(line);
    return lines;
}

std::string Upper(std::string s) {
    for (char& c : s) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 32);
    }
    return s;
}

std::string TrimRef(const std::string& s) {
    std::size_t b = 0;
    std::size_t e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= 32)
        ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= 32)
        --e;
    return s.substr(b, e - b);
}

std::string CheckMessage(const std::string& line1, const std::string& path) {
    return line1 + kLineEnd + kLineEnd + "EXTRACT = " + path;
}

// What the full verification should find: every failing value, and the sum
// of each supplied money field over the values that pass.
struct ExpectedProblem {
    std::size_t line, record, field;
    int position;
    std::string caption, reason, raw;
};
struct ExpectedTotal {
    std::size_t field;
    int position;
    std::string caption, code;
    __int128 sum = 0;
    bool overflow = false;
    bool moreThanTwoDecimals = false;
    std::size_t valueCount = 0;
};

struct Prediction {
    std::string error;          // empty: the extract passes
    bool headerPasses = false;  // FORM and KEY pass: the data segment checks run
    bool dataSegmentPasses = false;
    TStringList records;  // for a passing extract: the expected values, record after record
    std::size_t fieldCount = 0;
    std::size_t recordCount = 0;
    std::string formName;
    std::vector<ExpectedProblem> problems;
    std::vector<ExpectedTotal> totals;
};

int FindMarker(const TStringList& lines, std::string_view marker) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (Upper(lines[i]) == marker)
            return static_cast<int>(i);
    }
    return -1;
}

Prediction Predict(const TStringList& lines, const std::string& path, const IClock& clock) {
    Prediction out;
    if (lines.empty() || Upper(lines[0]).compare(0, 5, "FORM ") != 0) {
        out.error = CheckMessage("FORM segment not found.", path);
        return out;
    }
    // "FORM " followed by blanks only trims to "FORM": the name is then empty.
    const std::string trimmed = TrimRef(Upper(lines[0]));
    const std::string name = trimmed.size() > 5 ? trimmed.substr(5) : std::string();
    const int index = FindCatalogIndex(name);
    if (index < 0) {
        out.error = CheckMessage("FORM " + name + " not found.", path);
        return out;
    }
    out.formName = name;
    TStringList schema;
    LoadSchema(static_cast<std::uint8_t>(index), schema);
    if (lines.size() < 2 || Upper(lines[1]).compare(0, 4, "KEY ") != 0) {
        out.error = CheckMessage("KEY segment not found.", path);
        return out;
    }
    const std::string segment = TrimRef(Upper(lines[1]));
    if (segment.size() < 7) {
        out.error = CheckMessage("Bad KEY segment.", path);
        return out;
    }
    const std::string bitmap = segment.substr(7);
    const std::optional<std::int32_t> count = ReadInteger(segment.substr(4, 3));
    if (!count || *count < 0 || static_cast<std::size_t>(*count) != bitmap.size()) {
        out.error = CheckMessage("KEY segment checksum error.", path);
        return out;
    }
    if (bitmap.size() != schema.size()) {
        out.error = CheckMessage(name + " (2017) checksum error in KEY segment.", path);
        return out;
    }
    out.headerPasses = true;
    const int b = FindMarker(lines, "{BEGIN DATA}");
    if (b < 0) {
        out.error = CheckMessage("{BEGIN DATA} not found.", path);
        return out;
    }
    const int e = FindMarker(lines, "{END DATA}");
    if (e < 0) {
        out.error = CheckMessage("{END DATA} not found.", path);
        return out;
    }
    if (e < b) {
        out.error = CheckMessage("{END DATA} precedes {BEGIN DATA}.", path);
        return out;
    }
    std::vector<std::size_t> positions;
    for (std::size_t p = 0; p < bitmap.size(); ++p) {
        if (bitmap[p] == '1')
            positions.push_back(p);
    }
    const std::size_t k = positions.size();
    if (k == 0) {
        out.error = CheckMessage("No fields selected?", path);
        return out;
    }
    const std::size_t n = static_cast<std::size_t>(e - b - 1);
    if (n % k != 0) {
        out.error = "Field allocation error." + kLineEnd + kLineEnd +
                    "Total fields required per record = " + std::to_string(k) + kLineEnd +
                    kLineEnd + "is not an integral factor of" + kLineEnd + kLineEnd +
                    "Total fields recorded in this extract = " + std::to_string(n) + kLineEnd +
                    kLineEnd + "EXTRACT = " + path;
        return out;
    }

    out.fieldCount = schema.size();
    TStringList defaults;
    int tinTypeColumn = -1;
    for (std::size_t p = 0; p < schema.size(); ++p) {
        const std::string code = schema[p].substr(0, 1);
        defaults.push_back(TypeDefault(code));
        if (code == "T")
            tinTypeColumn = static_cast<int>(p);
    }
    out.dataSegmentPasses = true;
    std::vector<int> totalOf(k, -1);
    for (std::size_t j = 0; j < k; ++j) {
        const std::string& descriptor = schema[positions[j]];
        if (descriptor[0] != 'C' && descriptor[0] != 'c')
            continue;
        totalOf[j] = static_cast<int>(out.totals.size());
        out.totals.push_back(
            {j + 1, static_cast<int>(positions[j]), descriptor.substr(1), descriptor.substr(0, 1)});
    }
    const std::size_t m = n / k;
    for (std::size_t r = 0; r < m; ++r) {
        TStringList record = defaults;
        for (std::size_t j = 0; j < k; ++j) {
            const std::size_t index = static_cast<std::size_t>(b) + 1 + r * k + j;
            const std::string& raw = lines[index];
            const std::string& descriptor = schema[positions[j]];
            const TValueResult v = ConvertValue(descriptor.substr(0, 1), raw, clock);
            if (!v.ok) {
                if (out.problems.empty()) {
                    out.error = "EXTRACT = " + path + kLineEnd + kLineEnd + "Record # " +
                                std::to_string(r + 1) + ", Field # " + std::to_string(j + 1) +
                                kLineEnd + "Destination field \"" + descriptor.substr(1) +
                                "\" maps " + v.reason + "\"" + raw + "\"";
                }
                out.problems.push_back({index + 1, r + 1, j + 1, static_cast<int>(positions[j]),
                                        descriptor.substr(1), v.reason, raw});
                continue;
            }
            if (totalOf[j] >= 0) {
                ExpectedTotal& total = out.totals[static_cast<std::size_t>(totalOf[j])];
                const std::optional<std::int64_t> amount = ReadCurrency(v.value);
                CHECK(amount.has_value(), v.value);
                ++total.valueCount;
                if (*amount % 100 != 0)
                    total.moreThanTwoDecimals = true;
                if (!total.overflow) {
                    total.sum += *amount;
                    const __int128 lowest = -static_cast<__int128>(INT64_MAX) - 1;
                    if (total.sum > INT64_MAX || total.sum < lowest)
                        total.overflow = true;
                }
            }
            if (v.store)
                record[positions[j]] = v.value;
            if (!v.tinType.empty() && tinTypeColumn >= 0) {
                record[static_cast<std::size_t>(tinTypeColumn)] = v.tinType;
            }
        }
        if (out.problems.empty())
            out.records.insert(out.records.end(), record.begin(), record.end());
    }
    if (!out.problems.empty())
        out.records.clear();
    out.recordCount = m;
    return out;
}

// The full verification agrees with the prediction (and so with the
// conversion): the same structural message, every problem, the totals.
void CheckVerification(const Prediction& want, const std::optional<TVerification>& got,
                       const std::string& verifyError) {
    constexpr std::size_t kKept = 3;
    if (!want.dataSegmentPasses) {
        CHECK(!got.has_value() && verifyError == want.error, verifyError);
        const std::string json = FailureJson(extractPath, want.formName, verifyError);
        CHECK(fuzzjson::IsJson(json), json);
        return;
    }
    CHECK(got.has_value(), verifyError);
    const std::string json = VerificationJson(extractPath, *got);
    CHECK(fuzzjson::IsJson(json), json);
    for (const TValueProblem& p : got->problems)
        CHECK(!ProblemLine(p).empty(), "problem line");
    CHECK(!ClosingLine(*got).empty(), "closing line");
    CHECK(TotalLines(*got).size() == got->totals.size(), "total lines");
    CHECK(got->formName == want.formName, got->formName);
    CHECK(got->recordCount == want.recordCount, std::to_string(got->recordCount));
    CHECK(got->problemCount == want.problems.size(), std::to_string(got->problemCount));
    CHECK(got->problems.size() == std::min(kKept, want.problems.size()), "kept problems");
    for (std::size_t i = 0; i < got->problems.size(); ++i) {
        const TValueProblem& p = got->problems[i];
        const ExpectedProblem& e = want.problems[i];
        CHECK(p.line == e.line && p.record == e.record && p.field == e.field &&
                  p.position == e.position && p.caption == e.caption && p.reason == e.reason &&
                  p.raw == e.raw,
              ProblemText(p));
        CHECK(ProblemText(p) == "Record # " + std::to_string(e.record) + ", Field # " +
                                    std::to_string(e.field) + ": Destination field \"" + e.caption +
                                    "\" maps " + e.reason + "\"" + e.raw + "\"",
              ProblemText(p));
    }
    CHECK(got->totals.size() == want.totals.size(), "totals");
    for (std::size_t i = 0; i < want.totals.size(); ++i) {
        const TMoneyTotal& t = got->totals[i];
        const ExpectedTotal& e = want.totals[i];
        CHECK(t.field == e.field && t.position == e.position && t.caption == e.caption &&
                  t.code == e.code && t.valueCount == e.valueCount &&
                  t.moreThanTwoDecimals == e.moreThanTwoDecimals && t.overflow == e.overflow,
              t.caption);
        if (!e.overflow) {
            CHECK(t.tenThousandths == static_cast<std::int64_t>(e.sum), TotalText(t));
        } else {
            CHECK(TotalText(t) == "overflow", TotalText(t));
        }
    }
}

std::string ErrorBoxRule(const std::string& message) {
    if (!message.empty() && static_cast<unsigned char>(message.back()) > '.')
        return message + ".";
    return message;
}

void Setup() {
    if (!folder.empty())
        return;
    char pattern[] = "/dev/shm/qsfuzz.XXXXXX";
    char* made = ::mkdtemp(pattern);
    if (made == nullptr) {
        char fallback[] = "/tmp/qsfuzz.XXXXXX";
        made = ::mkdtemp(fallback);
        if (made == nullptr)
            Fail("cannot create a temporary folder", "");
    }
    folder = std::string(made) + "/";
    extractPath = folder + "extract.txt";
    importPath = folder + "2017DM_extract.txt";
    std::atexit([] {
        ::unlink(extractPath.c_str());
        ::unlink(importPath.c_str());
        ::rmdir(folder.c_str());
    });
}

std::optional<std::string> ReadWhole(const std::string& path) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (f == nullptr)
        return std::nullopt;
    std::string text;
    char buffer[65536];
    std::size_t got;
    while ((got = std::fread(buffer, 1, sizeof buffer, f)) > 0)
        text.append(buffer, got);
    std::fclose(f);
    return text;
}

void CheckImportFile(const TStringList& output, const FakeRegistry& registry, const FakeOps& ops) {
    const std::optional<std::string> text = ReadWhole(importPath);
    CHECK(text.has_value(), importPath);
    std::string expected;
    for (const std::string& line : output)
        expected += line + kLineEnd;
    CHECK(*text == expected, *text);
    CHECK(registry.writes == 1 && registry.folder == folder, registry.folder);
    CHECK(ops.informationBoxes == 1 && ops.informationTitle == "Data Extract Import Instructions",
          ops.informationTitle);
}

void CheckOutput(const TStringList& output, const Prediction& want) {
    CHECK(output.size() == want.recordCount, std::to_string(output.size()));
    for (std::size_t r = 0; r < output.size(); ++r) {
        const std::optional<TStringList> values = SplitCommaText(output[r]);
        CHECK(values.has_value(), output[r]);
        CHECK(values->size() == want.fieldCount, output[r]);
        for (std::size_t p = 0; p < want.fieldCount; ++p) {
            CHECK((*values)[p] == want.records[r * want.fieldCount + p], output[r]);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Setup();
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    {
        std::FILE* f = std::fopen(extractPath.c_str(), "wb");
        if (f == nullptr)
            Fail("cannot write the extract", extractPath);
        if (size > 0 && std::fwrite(data, 1, size, f) != size)
            Fail("short write", extractPath);
        std::fclose(f);
    }
    ::unlink(importPath.c_str());

    const FixedClock clock(TDate{2017, 6, 15});
    const TStringList lines = RefSplit(bytes);
    const Prediction want = Predict(lines, extractPath, clock);

    FakeOps ops;
    ops.argument = extractPath;
    FakeRegistry registry;
    TDataMerge merge(ops, registry, clock);

    if (size % 2 == 1) {
        merge.FormShow();
        CHECK(ops.busyDepth == 0 && !ops.busy, "cursor");
        if (want.error.empty()) {
            CHECK(ops.errorBoxes == 0, ops.errorText);
            CHECK(ops.ended, "the program did not end");
            CheckOutput(ToList(merge.Output()), want);
            CheckImportFile(ToList(merge.Output()), registry, ops);
        } else {
            CHECK(ops.errorBoxes == 1, want.error);
            CHECK(ops.errorText == ErrorBoxRule(want.error), ops.errorText);
            CHECK(!ops.ended, "the program ended after an error");
            CHECK(registry.writes == 0, "registry written");
            CHECK(ops.informationBoxes == 0, "instructions shown");
            CHECK(!ReadWhole(importPath).has_value(), "import file written");
        }
        return 0;
    }

    std::string error;
    bool headerPassed = false;
    std::optional<TVerification> verification;
    std::string verifyError;
    try {
        merge.SetExtractFileName(extractPath);
        merge.LoadInputLines();
        CHECK(ToList(merge.InputLines()) == lines, "lines");
        merge.CheckFormSegment();
        CHECK(merge.FormName() == want.formName, merge.FormName());
        merge.CheckKeySegment();
        headerPassed = true;
        try {
            verification = VerifyDataSegment(merge, 3);
        } catch (const EMergeError& e) {
            verifyError = e.what();
        }
        merge.ConvertDataSegment();
    } catch (const EMergeError& e) {
        error = e.what();
    }
    CHECK(headerPassed == want.headerPasses, error);
    if (headerPassed)
        CheckVerification(want, verification, verifyError);
    CHECK(ops.busyDepth == 0 && !ops.busy, "cursor");
    CHECK(error == want.error, error + "\n---- expected ----\n" + want.error);
    CHECK(error.size() < 2 || error.compare(error.size() - 2, 2, kLineEnd) != 0, error);
    if (!error.empty())
        return 0;

    CheckOutput(ToList(merge.Output()), want);
    CHECK(merge.Record().size() == (want.recordCount > 0 ? want.fieldCount : merge.Record().size()),
          "record size");
    try {
        merge.SaveImportFile();
    } catch (const EMergeError& e) {
        Fail("SaveImportFile failed", e.what());
    }
    CheckImportFile(ToList(merge.Output()), registry, ops);
    return 0;
}
