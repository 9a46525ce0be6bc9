#pragma once
// The command line of the console tool: a command word, then that command's
// options and operands. Each command declares the options it takes, so a
// command gains options without touching the others.
//   --name VALUE, --name=VALUE, -n VALUE   an option with a value
//   --flag                                 an option without one
//   --                                     everything after it is an operand
// A lone "-" is an operand. An option given twice is an error.
#include <exception>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace qs::cli {

struct TOptionSpec {
    std::string name;   // canonical name, for example "--key"
    std::string alias;  // another spelling ("-o"), may be empty
    bool takesValue = false;
    std::string valueName;  // for the usage text, e.g. "FILE"
};

struct TParsedArgs {
    std::vector<std::string> operands;
    std::map<std::string, std::string> options;  // canonical name -> value ("" for flags)

    bool Has(const std::string& name) const { return options.count(name) != 0; }
    std::optional<std::string> Value(const std::string& name) const;
};

// Thrown for a command line that does not fit; what() says why.
class EUsageError : public std::exception {
  public:
    explicit EUsageError(std::string message) : message_(std::move(message)) {}
    const char* what() const noexcept override { return message_.c_str(); }

  private:
    std::string message_;
};

// Parses args (the words after the command word). "--help" and "-h" are
// always accepted and come back as the option "--help".
TParsedArgs ParseArgs(const std::vector<std::string>& args, const std::vector<TOptionSpec>& specs);

}  // namespace qs::cli
