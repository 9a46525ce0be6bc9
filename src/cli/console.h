#pragma once
// Text output of the console tool and the window operations it offers the
// pipeline. Core messages break their lines with CR LF; printed text uses
// the platform's line ends, so every CR LF becomes "\n" here (a text-mode
// stream on Windows turns it back into CR LF). All other bytes pass unchanged.
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>

#include "core/services.h"

namespace qs::cli {

// exit codes of the console tool
inline constexpr int kExitOk = 0;
inline constexpr int kExitRejected = 1;    // the extract failed a check, a read or the conversion
inline constexpr int kExitMissing = 2;     // the extract named does not exist
inline constexpr int kExitSaveFailed = 3;  // a file or the registry value could not be written
inline constexpr int kExitUsage = 64;
inline constexpr int kExitInternal = 70;

// text with every CR LF replaced by "\n"
std::string ToPlatformLineEnds(std::string_view text);

// Writes text, with platform line ends, and a final line end to the stream.
void PrintLine(std::FILE* stream, std::string_view text);
inline void PrintOut(std::string_view text) {
    PrintLine(stdout, text);
}
inline void PrintErr(std::string_view text) {
    PrintLine(stderr, text);
}

// The name part of a program path as the system gave it (argv[0]).
std::string ProgramName(std::string_view argv0);

// True when a file of that name exists; a folder does not count.
bool FileExistsNotFolder(const std::string& fileName);

// Window operations without windows: warnings and errors go to stderr,
// information to stdout; nothing is ever asked.
class TConsoleOps final : public IWindowOps {
  public:
    // usageName is what the missing-file message names as the program, for
    // example "qsdm-cli convert"; argument the extract's name as given.
    TConsoleOps(std::string usageName, std::string argument)
        : usageName_(std::move(usageName)), argument_(std::move(argument)) {}

    int ArgumentCount() override { return 1; }
    std::string FirstArgument() override { return argument_; }
    std::string ProgramFileName() override { return usageName_; }
    bool FileExists(const std::string& fileName) override { return FileExistsNotFolder(fileName); }
    void WarningBox(const std::string& text, const std::string& caption) override;
    std::optional<std::string> OpenFileChoice() override { return std::nullopt; }
    void Beep() override {}
    // Never asked by the console tool's commands; "No" keeps anything from being saved.
    bool YesNoQuestion(const std::string& text, const std::string& title) override;
    void InformationBox(const std::string& text, const std::string& title) override;
    void ErrorBox(const std::string& text) override;
    void EndProgram() override { ended_ = true; }
    void SetBusyCursor(bool) override {}
    std::string MainWindowCaption() override;

    bool Ended() const { return ended_; }

  private:
    std::string usageName_;
    std::string argument_;
    bool ended_ = false;
};

}  // namespace qs::cli
