// convert and verify: the unattended pipeline without a window.
//   load lines -> CheckFormSegment -> CheckKeySegment -> ConvertDataSegment [-> SaveImportFile]
// verify --all / --limit / --json: the full verification, every value tried.
// The exit code tells which stage stopped the run.
#include <charconv>
#include <cstddef>
#include <optional>
#include <string>

#include "cli/commands.h"
#include "cli/console.h"
#include "core/clock.h"
#include "core/errors.h"
#include "core/merge.h"
#include "core/messages.h"
#include "core/strings.h"
#include "core/verification.h"
#include "core/verification_report.h"
#include "platform/registry.h"

namespace qs::cli {

namespace {

// The first count lines of a CR LF separated text.
std::string FirstLines(const std::string& text, int count) {
    std::size_t end = 0;
    for (int i = 0; i < count; ++i) {
        const std::size_t next = text.find("\r\n", end);
        if (next == std::string::npos)
            return text;
        end = next + (i + 1 < count ? 2 : 0);
    }
    return text.substr(0, end);
}

// Runs the pipeline on the extract named by argument; saves when save is true.
int RunPipeline(const std::string& command, const TParsedArgs& args, const TContext& context,
                bool save) {
    RequireOperands(args, {"EXTRACT"});
    const std::string usageName = context.programName + " " + command;
    TConsoleOps ops(usageName, args.operands[0]);
    TSettingsRegistry registry;
    const SystemClock clock;
    TDataMerge merge(ops, registry, clock);

    // As the unattended mode takes its argument: trimmed, and it must name a file.
    merge.SetExtractFileName(Trim(ops.FirstArgument()));
    if (!ops.FileExists(merge.ExtractFileName())) {
        ops.WarningBox(MissingFileMessage(merge.ExtractFileName(), ops.ProgramFileName()),
                       ops.MainWindowCaption());
        return kExitMissing;
    }
    TVerification verification;
    try {
        merge.LoadInputLines();
        merge.CheckFormSegment();
        merge.CheckKeySegment();
        // verify also reports the money totals; the verification reads the
        // lines before the conversion takes the data segment out of them.
        if (!save)
            verification = VerifyDataSegment(merge, 0);
        merge.ConvertDataSegment();
    } catch (const EMergeError& e) {
        ops.ErrorBox(ErrorBoxText(e.what()));
        return kExitRejected;
    }
    if (!save) {
        // The summary without the question that the window asks after it.
        PrintOut(FirstLines(merge.VerificationSummary(), 6));
        for (const std::string& line : TotalLines(verification))
            PrintOut(line);
        return kExitOk;
    }
    try {
        merge.SaveImportFile();
    } catch (const EMergeError& e) {
        ops.ErrorBox(ErrorBoxText(e.what()));
        return kExitSaveFailed;
    }
    return kExitOk;
}

// The value of --limit: decimal digits only; beyond the range means no limit.
std::size_t ProblemLimit(const std::string& text) {
    std::size_t limit = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, limit);
    if (text.empty() || text[0] < '0' || text[0] > '9' || ptr != end) {
        throw EUsageError("--limit takes a number of problems, not \"" + text + "\"");
    }
    return ec == std::errc::result_out_of_range ? kAllProblems : limit;
}

// verify with --all, --limit or --json: every value tried, each problem
// reported. Structure failures print their usual message and stop.
int RunFullVerification(const TParsedArgs& args, const TContext& context) {
    RequireOperands(args, {"EXTRACT"});
    const bool json = args.Has("--json");
    const std::optional<std::string> limitText = args.Value("--limit");
    const std::size_t limit = limitText ? ProblemLimit(*limitText) : kAllProblems;
    TConsoleOps ops(context.programName + " verify", args.operands[0]);
    TSettingsRegistry registry;
    const SystemClock clock;
    TDataMerge merge(ops, registry, clock);

    merge.SetExtractFileName(Trim(ops.FirstArgument()));
    if (!ops.FileExists(merge.ExtractFileName())) {
        const std::string message =
            MissingFileMessage(merge.ExtractFileName(), ops.ProgramFileName());
        ops.WarningBox(message, ops.MainWindowCaption());
        if (json)
            PrintOut(FailureJson(merge.ExtractFileName(), "", message));
        return kExitMissing;
    }
    TVerification verification;
    try {
        verification = VerifyExtract(merge, limit);
    } catch (const EMergeError& e) {
        ops.ErrorBox(ErrorBoxText(e.what()));
        if (json)
            PrintOut(FailureJson(merge.ExtractFileName(), merge.FormName(), e.what()));
        return kExitRejected;
    }
    if (json) {
        PrintOut(VerificationJson(merge.ExtractFileName(), verification));
    } else {
        for (const TValueProblem& problem : verification.problems)
            PrintOut(ProblemLine(problem));
        PrintOut(ClosingLine(verification));
        for (const std::string& line : TotalLines(verification))
            PrintOut(line);
    }
    return verification.problemCount == 0 ? kExitOk : kExitRejected;
}

}  // namespace

int RunConvert(const TParsedArgs& args, const TContext& context) {
    return RunPipeline("convert", args, context, true);
}

int RunVerify(const TParsedArgs& args, const TContext& context) {
    if (args.Has("--all") || args.Has("--limit") || args.Has("--json"))
        return RunFullVerification(args, context);
    return RunPipeline("verify", args, context, false);
}

}  // namespace qs::cli
