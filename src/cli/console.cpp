#include "cli/console.h"

#include <filesystem>
#include <system_error>

#include "core/merge.h"

namespace qs::cli {

std::string ToPlatformLineEnds(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        out += text[i];
    }
    return out;
}

void PrintLine(std::FILE* stream, std::string_view text) {
    std::string out = ToPlatformLineEnds(text);
    out += '\n';
    std::fwrite(out.data(), 1, out.size(), stream);
}

std::string ProgramName(std::string_view argv0) {
    std::size_t cut = argv0.find_last_of("/");
#ifdef _WIN32
    cut = argv0.find_last_of("\\/:");
#endif
    return std::string(cut == std::string_view::npos ? argv0 : argv0.substr(cut + 1));
}

bool FileExistsNotFolder(const std::string& fileName) {
    if (fileName.empty())
        return false;
    std::error_code ec;
    const auto status = std::filesystem::status(fileName, ec);
    return !ec && std::filesystem::exists(status) && !std::filesystem::is_directory(status);
}

void TConsoleOps::WarningBox(const std::string& text, const std::string&) {
    PrintErr(text);
}

bool TConsoleOps::YesNoQuestion(const std::string& text, const std::string&) {
    PrintErr(text);
    return false;
}

void TConsoleOps::InformationBox(const std::string& text, const std::string&) {
    PrintOut(text);
}

void TConsoleOps::ErrorBox(const std::string& text) {
    PrintErr(text);
}

std::string TConsoleOps::MainWindowCaption() {
    return std::string("Quillstone Data Merge Module [ ") + kReportingYear + " ]";
}

}  // namespace qs::cli
