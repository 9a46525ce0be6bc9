#pragma once
// Fakes of the window operations and the registry, and a scratch folder, for
// the pipeline tests.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "core/errors.h"
#include "core/merge.h"
#include "core/services.h"

namespace qs::test {

class FakeOps : public IWindowOps {
  public:
    std::vector<std::string> arguments;
    std::string programFileName = "QS2017DM";
    std::string caption = "Quillstone Data Merge Module [ 2017 ]";
    std::optional<std::string> choice;  // the open dialog's answer; nullopt: cancelled
    bool answer = true;                 // the yes/no question's answer

    // What the pipeline did, in order: "warning", "error", "beep", "question",
    // "information", "end".
    std::vector<std::string> events;
    std::string warningText, warningCaption;
    std::string errorText;
    std::string questionText, questionTitle;
    std::string infoText, infoTitle;
    std::vector<bool> cursorCalls;

    int ArgumentCount() override { return static_cast<int>(arguments.size()); }
    std::string FirstArgument() override { return arguments.empty() ? "" : arguments[0]; }
    std::string ProgramFileName() override { return programFileName; }
    bool FileExists(const std::string& fileName) override {
        std::error_code ec;
        return std::filesystem::is_regular_file(fileName, ec);
    }
    void WarningBox(const std::string& text, const std::string& boxCaption) override {
        events.push_back("warning");
        warningText = text;
        warningCaption = boxCaption;
    }
    std::optional<std::string> OpenFileChoice() override { return choice; }
    void Beep() override { events.push_back("beep"); }
    bool YesNoQuestion(const std::string& text, const std::string& title) override {
        events.push_back("question");
        questionText = text;
        questionTitle = title;
        return answer;
    }
    void InformationBox(const std::string& text, const std::string& title) override {
        events.push_back("information");
        infoText = text;
        infoTitle = title;
    }
    void ErrorBox(const std::string& text) override {
        events.push_back("error");
        errorText = text;
    }
    void EndProgram() override { events.push_back("end"); }
    void SetBusyCursor(bool busy) override { cursorCalls.push_back(busy); }
    std::string MainWindowCaption() override { return caption; }
};

class FakeRegistry : public IRegistry {
  public:
    std::vector<std::string> written;    // every folder written, in order
    std::optional<std::string> failure;  // when set, writing raises this message

    void WriteTextDirectory(const std::string& folder) override {
        if (failure)
            throw EMergeError(*failure);
        written.push_back(folder);
    }
};

// A fresh, empty folder per test, removed at the end.
class ScratchDir {
  public:
    // A folder of its own per test run, so that runs of the same tests in
    // several builds at once never share one.
    ScratchDir() {
        std::string pattern = (std::filesystem::temp_directory_path() / "qs_core_XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr)
            std::abort();
        path_ = pattern;
    }
    ~ScratchDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    ScratchDir(const ScratchDir&) = delete;
    ScratchDir& operator=(const ScratchDir&) = delete;

    // The folder with its trailing separator.
    std::string Folder() const { return path_.string() + "/"; }
    std::string File(const std::string& name) const { return (path_ / name).string(); }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(path_)) {
            names.push_back(entry.path().filename().string());
        }
        std::sort(names.begin(), names.end());
        return names;
    }

  private:
    std::filesystem::path path_;
};

inline void WriteBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

inline std::string ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::string Fixture(const std::string& name) {
    return std::string(QS_TEST_DATA) + "/" + name;
}

// The lines joined with CR LF after every line.
inline std::string CrLfText(const std::vector<std::string>& lines) {
    std::string text;
    for (const std::string& line : lines)
        text += line + "\r\n";
    return text;
}

// KEY segment with "1" at the given positions of a schema of `count` fields.
inline std::string KeyLine(int count, std::initializer_list<int> supplied) {
    std::string bitmap(static_cast<std::size_t>(count), '0');
    for (int p : supplied)
        bitmap[static_cast<std::size_t>(p)] = '1';
    std::string digits = std::to_string(count);
    digits.insert(0, 3 - digits.size(), '0');
    return "KEY " + digits + bitmap;
}

// Loads, checks and converts the extract named in merge; the error message,
// or "" on success.
inline std::string ConvertExtract(TDataMerge& merge) {
    try {
        merge.LoadInputLines();
        merge.CheckFormSegment();
        merge.CheckKeySegment();
        merge.ConvertDataSegment();
    } catch (const EMergeError& e) {
        return e.what();
    }
    return "";
}

}  // namespace qs::test
