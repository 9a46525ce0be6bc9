#pragma once
// The commands of the console tool. Each declares its options and operands,
// parses nothing itself and returns the process exit code.
#include <string>
#include <vector>

#include "cli/command_line.h"

namespace qs::cli {

struct TContext {
    std::string programName;  // name part of argv[0], for usage and messages
};

struct TCommand {
    const char* name;
    const char* synopsis;  // operands and options, after the command word
    const char* summary;   // one line for the overview
    std::vector<TOptionSpec> options;
    int (*run)(const TParsedArgs& args, const TContext& context);
};

const std::vector<TCommand>& Commands();
const TCommand* FindCommand(const std::string& name);

// The overview of all commands; and the usage of one.
std::string UsageText(const std::string& programName);
std::string CommandUsageText(const TCommand& command, const std::string& programName);
std::string VersionText(const std::string& programName);

// Throws EUsageError unless args holds exactly the operands named.
void RequireOperands(const TParsedArgs& args, const std::vector<const char*>& names);

// The commands.
int RunConvert(const TParsedArgs& args, const TContext& context);
int RunVerify(const TParsedArgs& args, const TContext& context);
int RunTemplate(const TParsedArgs& args, const TContext& context);
int RunForms(const TParsedArgs& args, const TContext& context);
int RunFields(const TParsedArgs& args, const TContext& context);

}  // namespace qs::cli
