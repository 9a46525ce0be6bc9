#include "core/messages.h"

#include <cstring>
#include <filesystem>
#include <system_error>

#include "core/errors.h"
#include "core/merge.h"

namespace qs {

namespace {

std::string Decimal(std::size_t n) {
    return std::to_string(n);
}

// Joins the lines with CR LF between them.
std::string JoinLines(std::initializer_list<std::string_view> lines) {
    std::size_t size = 0;
    for (std::string_view line : lines)
        size += line.size() + 2;
    std::string text;
    text.reserve(size);
    bool first = true;
    for (std::string_view line : lines) {
        if (!first)
            text += kCrLf;
        text += line;
        first = false;
    }
    return text;
}

std::string Concat(std::initializer_list<std::string_view> pieces) {
    std::size_t size = 0;
    for (std::string_view piece : pieces)
        size += piece.size();
    std::string text;
    text.reserve(size);
    for (std::string_view piece : pieces)
        text += piece;
    return text;
}

}  // namespace

std::string ReasonText(std::string_view reason) {
    std::string text(reason);
    while (!text.empty() && (static_cast<unsigned char>(text.back()) <= 32 || text.back() == '.')) {
        text.pop_back();
    }
    return text;
}

std::string SystemErrorText(int errnum) {
    return ReasonText(std::strerror(errnum));
}

std::string AbsolutePath(const std::string& path) {
    std::error_code ec;
    std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    if (ec)
        return path;
    return absolute.string();
}

std::string CannotOpenFileMessage(std::string_view path, std::string_view reason) {
    return Concat({"Cannot open file \"", path, "\". ", reason});
}

std::string CannotCreateFileMessage(std::string_view path, std::string_view reason) {
    return Concat({"Cannot create file \"", path, "\". ", reason});
}

std::string MissingFileMessage(std::string_view extractFileName, std::string_view programFileName) {
    const std::string usage = Concat({"Usage: ", programFileName, " \"File specification\""});
    return JoinLines({"Failed to open data extract:", "", extractFileName, "", usage, "",
                      "\"File specification\" = fully qualified file name of your data extract!"});
}

std::string ExtractCheckMessage(std::string_view line1, std::string_view extractFileName) {
    const std::string extract = Concat({"EXTRACT = ", extractFileName});
    return JoinLines({line1, "", extract});
}

std::string FormNotFoundMessage(std::string_view formName, std::string_view extractFileName) {
    return ExtractCheckMessage(Concat({"FORM ", formName, " not found."}), extractFileName);
}

std::string KeyFormMessage(std::string_view formName, std::string_view extractFileName) {
    return ExtractCheckMessage(
        Concat({formName, " (", kReportingYear, ") checksum error in KEY segment."}),
        extractFileName);
}

std::string AllocationMessage(std::size_t k, std::size_t n, std::string_view extractFileName) {
    const std::string required = "Total fields required per record = " + Decimal(k);
    const std::string recorded = "Total fields recorded in this extract = " + Decimal(n);
    const std::string extract = Concat({"EXTRACT = ", extractFileName});
    return JoinLines({"Field allocation error.", "", required, "", "is not an integral factor of",
                      "", recorded, "", extract});
}

std::string ValueErrorMessage(std::string_view extractFileName, std::size_t r, std::size_t j,
                              std::string_view caption, std::string_view reason,
                              std::string_view raw) {
    const std::string extract = Concat({"EXTRACT = ", extractFileName});
    const std::string place = "Record # " + Decimal(r) + ", Field # " + Decimal(j);
    const std::string detail =
        Concat({"Destination field \"", caption, "\" maps ", reason, "\"", raw, "\""});
    return JoinLines({extract, "", place, detail});
}

std::string VerificationSummaryText(std::string_view extractFileName, std::string_view formName,
                                    std::size_t recordCount) {
    const std::string extract = Concat({"EXTRACT: ", extractFileName});
    const std::string returns = Concat({"RETURNS: ", formName});
    const std::string records = "RECORDS: " + Decimal(recordCount);
    const std::string year = Concat({"REPORTING YEAR: ", kReportingYear});
    return JoinLines({extract, "", returns, records, "", year, "",
                      "Do you want to save the output for merging with Quillstone?"});
}

std::string ImportInstructions(std::string_view extractName, std::string_view importName,
                               std::string_view importFolder, std::string_view formName) {
    const std::string saved = Concat({"Data Extract \"", extractName, "\" has been saved as"});
    const std::string file = Concat({"FILE:  ", importName});
    const std::string folder = Concat({"FOLDER:  ", importFolder});
    const std::string select =
        Concat({"- Select Form \"", formName, "\" from the \"Forms\" menu."});
    return JoinLines({saved, "", file, folder, "", "This file is now ready for importing!", "",
                      "In order to import this file", "", "- Start QUILLSTONE.",
                      "- Open \"Client (Filer, Entity) Management\" from the \"Module\" menu.",
                      "- Double click the Client (Filer) to be used.", select,
                      "- Select \"Import ASCII Text File\" from the \"File\" menu.",
                      "- Browse to the FILE in the FOLDER shown above.",
                      "- Click the \"Open\" button."});
}

}  // namespace qs
