#include "cli/commands.h"

#ifndef QS_VERSION
#define QS_VERSION "0"
#endif

#include "core/merge.h"
#include "core/strings.h"

namespace qs::cli {

const std::vector<TCommand>& Commands() {
    static const std::vector<TCommand> commands = {
        {"convert",
         "EXTRACT",
         "convert a data extract into its import file (2017DM_ and the extract's name, beside it)",
         {},
         RunConvert},
        {"verify",
         "EXTRACT [--all] [--limit N] [--json]",
         "check and convert a data extract; print a summary and the money totals, write nothing",
         {{"--all", "", false, ""}, {"--limit", "", true, "N"}, {"--json", "", false, ""}},
         RunVerify},
        {"template",
         "FORM (--key BITMAP | --fields P,P,...) [-o FILE]",
         "the data extract template for FORM and the fields it supplies",
         {{"--key", "", true, "BITMAP"},
          {"--fields", "", true, "P,P,..."},
          {"--output", "-o", true, "FILE"}},
         RunTemplate},
        {"forms", "", "list the forms", {}, RunForms},
        {"fields", "FORM", "list the fields of FORM: position, code, caption, hint", {}, RunFields},
    };
    return commands;
}

const TCommand* FindCommand(const std::string& name) {
    for (const TCommand& command : Commands()) {
        if (name == command.name)
            return &command;
    }
    return nullptr;
}

namespace {

std::string SynopsisLine(const TCommand& command, const std::string& programName) {
    std::string line = programName + " " + command.name;
    if (*command.synopsis != '\0')
        line += std::string(" ") + command.synopsis;
    return line;
}

}  // namespace

std::string UsageText(const std::string& programName) {
    std::string text = "Usage: " + programName + " COMMAND [ARGUMENTS]\n\nCommands:\n";
    for (const TCommand& command : Commands()) {
        text += "  " + SynopsisLine(command, programName) + "\n      " + command.summary + "\n";
    }
    text +=
        "\nOptions:\n"
        "  -h, --help     this text; after a command, that command's usage\n"
        "  --version      the program's version\n"
        "\nTemplate fields: --key takes one flag per field of the form (\"1\" supplied, \"0\" "
        "not),\n"
        "optionally after the three-digit field count; --fields takes field positions\n"
        "counted from 0, as \"" +
        programName +
        " fields FORM\" lists them. Without -o the template is printed.\n"
        "\nVerify: --all tries every value and prints one line per problem, then the\n"
        "counts and the money totals; --limit N prints at most N problems (implies\n"
        "--all); --json prints the same result as one JSON object.\n"
        "\nExit status: 0 done, 1 extract rejected, 2 extract not found, 3 writing failed,\n"
        "64 usage error.";
    return text;
}

std::string CommandUsageText(const TCommand& command, const std::string& programName) {
    return "Usage: " + SynopsisLine(command, programName) + "\n  " + command.summary;
}

std::string VersionText(const std::string& programName) {
    return programName + " " + QS_VERSION + " (" + Trim(kApplicationTitle) + ", reporting year " +
           kReportingYear + ")";
}

void RequireOperands(const TParsedArgs& args, const std::vector<const char*>& names) {
    if (args.operands.size() < names.size()) {
        throw EUsageError(std::string("missing ") + names[args.operands.size()]);
    }
    if (args.operands.size() > names.size()) {
        throw EUsageError("unexpected argument \"" + args.operands[names.size()] + "\"");
    }
}

}  // namespace qs::cli
