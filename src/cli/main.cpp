// qsdm-cli: the data merge module's checks, conversion and templates for
// scripts and automation.
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "cli/commands.h"
#include "cli/console.h"

namespace {

using namespace qs::cli;

int Run(const std::vector<std::string>& words, const TContext& context) {
    if (words.empty()) {
        PrintErr(UsageText(context.programName));
        return kExitUsage;
    }
    const std::string& first = words[0];
    if (first == "--help" || first == "-h" || first == "help") {
        PrintOut(UsageText(context.programName));
        return kExitOk;
    }
    if (first == "--version") {
        PrintOut(VersionText(context.programName));
        return kExitOk;
    }
    const TCommand* command = FindCommand(first);
    if (command == nullptr) {
        PrintErr(context.programName + ": unknown command \"" + first + "\"\n\n" +
                 UsageText(context.programName));
        return kExitUsage;
    }
    try {
        const TParsedArgs args =
            ParseArgs(std::vector<std::string>(words.begin() + 1, words.end()), command->options);
        if (args.Has("--help")) {
            PrintOut(CommandUsageText(*command, context.programName));
            return kExitOk;
        }
        return command->run(args, context);
    } catch (const EUsageError& e) {
        PrintErr(context.programName + " " + command->name + ": " + e.what() + "\n" +
                 CommandUsageText(*command, context.programName));
        return kExitUsage;
    }
}

}  // namespace

int main(int argc, char** argv) {
    TContext context;
    context.programName = ProgramName(argc > 0 && argv[0] != nullptr ? argv[0] : "qsdm-cli");
    if (context.programName.empty())
        context.programName = "qsdm-cli";
    int code = kExitInternal;
    try {
        code = Run(std::vector<std::string>(argv + (argc > 0 ? 1 : 0), argv + argc), context);
    } catch (const std::exception& e) {
        PrintErr(context.programName + ": " + e.what());
        code = kExitInternal;
    }
    // Printed output that did not reach its destination is a failure too.
    errno = 0;
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        const int error = errno;
        PrintErr(context.programName + ": cannot write the standard output" +
                 (error != 0 ? std::string(": ") + std::strerror(error) : std::string()));
        if (code == kExitOk)
            code = kExitSaveFailed;
    }
    return code;
}
