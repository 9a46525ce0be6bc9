#pragma once
// What the drivers and the pipeline need of a user interface. The window
// program, the console tool and the tests each implement these.
#include <optional>
#include <string>

namespace qs {

class IWindowOps {
  public:
    virtual ~IWindowOps() = default;

    // Program arguments (without the program itself): their number and the first one's text.
    virtual int ArgumentCount() = 0;
    virtual std::string FirstArgument() = 0;
    // Name part of the running program's own file name (no folder).
    virtual std::string ProgramFileName() = 0;
    // True when a file of that name exists; a folder does not count.
    virtual bool FileExists(const std::string& fileName) = 0;

    // Exclamation icon, "OK"; blocks until closed.
    virtual void WarningBox(const std::string& text, const std::string& caption) = 0;
    // The open-file dialog of the interactive verification: a full file name, or nullopt when
    // cancelled.
    virtual std::optional<std::string> OpenFileChoice() = 0;
    virtual void Beep() = 0;
    // Question icon, "Yes" (the default) and "No"; true for "Yes".
    virtual bool YesNoQuestion(const std::string& text, const std::string& title) = 0;
    // "OK", no icon; leaves the program's windows enabled.
    virtual void InformationBox(const std::string& text, const std::string& title) = 0;
    // Stop icon, "OK", the application title as caption. text is final (the "." rule applied).
    virtual void ErrorBox(const std::string& text) = 0;
    // Closes the main window; the program ends once the current event is finished.
    virtual void EndProgram() = 0;
    // The program-wide hourglass cursor (true) or the default cursor (false).
    virtual void SetBusyCursor(bool busy) = 0;
    // The main window's current caption (the missing-file warning uses it).
    virtual std::string MainWindowCaption() = 0;
};

// The per-user value where the host product looks for import files.
class IRegistry {
  public:
    virtual ~IRegistry() = default;
    // Writes "TextDirectory" under QUILLSTONE\Import\QS2017. Throws EMergeError
    // with "Failed to create key Import\QS2017" or "Failed to set data for 'TextDirectory'".
    virtual void WriteTextDirectory(const std::string& folder) = 0;
};

}  // namespace qs
