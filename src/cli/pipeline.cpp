// convert and verify: the unattended pipeline without a window.
//   load lines -> CheckFormSegment -> CheckKeySegment -> ConvertDataSegment [-> SaveImportFile]
// The exit code tells which stage stopped the run.
#include <string>

#include "cli/commands.h"
#include "cli/console.h"
#include "core/clock.h"
#include "core/errors.h"
#include "core/merge.h"
#include "core/messages.h"
#include "core/strings.h"
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
    try {
        merge.LoadInputLines();
        merge.CheckFormSegment();
        merge.CheckKeySegment();
        merge.ConvertDataSegment();
    } catch (const EMergeError& e) {
        ops.ErrorBox(ErrorBoxText(e.what()));
        return kExitRejected;
    }
    if (!save) {
        // The summary without the question that the window asks after it.
        PrintOut(FirstLines(merge.VerificationSummary(), 6));
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

}  // namespace

int RunConvert(const TParsedArgs& args, const TContext& context) {
    return RunPipeline("convert", args, context, true);
}

int RunVerify(const TParsedArgs& args, const TContext& context) {
    return RunPipeline("verify", args, context, false);
}

}  // namespace qs::cli
