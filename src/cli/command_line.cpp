#include "cli/command_line.h"

#include <string_view>

namespace qs::cli {

std::optional<std::string> TParsedArgs::Value(const std::string& name) const {
    const auto it = options.find(name);
    if (it == options.end())
        return std::nullopt;
    return it->second;
}

namespace {

const TOptionSpec* FindSpec(std::string_view word, const std::vector<TOptionSpec>& specs) {
    for (const TOptionSpec& option : specs) {
        if (word == option.name || (!option.alias.empty() && word == option.alias))
            return &option;
    }
    return nullptr;
}

}  // namespace

TParsedArgs ParseArgs(const std::vector<std::string>& args, const std::vector<TOptionSpec>& specs) {
    static const TOptionSpec kHelp{"--help", "-h", false, ""};
    TParsedArgs parsed;
    bool operandsOnly = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& word = args[i];
        if (operandsOnly || word.size() < 2 || word[0] != '-') {
            parsed.operands.push_back(word);
            continue;
        }
        if (word == "--") {
            operandsOnly = true;
            continue;
        }
        std::string_view name = word;
        std::optional<std::string> inlineValue;
        if (word.rfind("--", 0) == 0) {
            const std::size_t eq = word.find('=');
            if (eq != std::string::npos) {
                name = std::string_view(word).substr(0, eq);
                inlineValue = word.substr(eq + 1);
            }
        }
        const TOptionSpec* option = FindSpec(name, specs);
        if (option == nullptr && (name == kHelp.name || name == kHelp.alias))
            option = &kHelp;
        if (option == nullptr)
            throw EUsageError("unknown option " + std::string(name));
        if (parsed.Has(option->name))
            throw EUsageError("option " + option->name + " given twice");
        std::string value;
        if (option->takesValue) {
            if (inlineValue) {
                value = *inlineValue;
            } else if (i + 1 < args.size()) {
                value = args[++i];
            } else {
                throw EUsageError("option " + option->name + " needs a value");
            }
        } else if (inlineValue) {
            throw EUsageError("option " + option->name + " takes no value");
        }
        parsed.options.emplace(option->name, std::move(value));
    }
    return parsed;
}

}  // namespace qs::cli
