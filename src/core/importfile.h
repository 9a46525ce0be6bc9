#pragma once
// The import file: its name beside the extract, the comma text of one record,
// and writing the lines so that an earlier file is replaced only by a complete one.
#include <string>
#include <string_view>

#include "core/stringlist.h"

namespace qs {

// Separator sets for SplitFileName: Windows ends the folder part at the last
// backslash or colon ("D:extract.txt"), POSIX at the last slash.
inline constexpr std::string_view kWindowsSeparators = "\\:";
inline constexpr std::string_view kPosixSeparators = "/";

// The separator set of the system the program runs on.
std::string_view PlatformSeparators();

struct TFileNameParts {
    std::string folder;  // up to and including the last separator; empty when there is none
    std::string name;    // everything after it
};

TFileNameParts SplitFileName(std::string_view fileName, std::string_view separators);

// The extract's folder part, then "2017DM_", then its name part.
std::string ImportFileName(std::string_view extractFileName, std::string_view separators);

// One line of the import file: the values joined with ",". A value holding a
// character of code 1 to 32, a double quote or a comma is enclosed in double
// quotes, with inner double quotes doubled. A single empty value gives "".
std::string CommaText(const TStringList& values);
// The same, appended to out (lets a caller reuse one buffer for many records).
void AppendCommaText(std::string& out, const TStringList& values);

// Writes text as the file at path, in one piece. The text goes to a new
// temporary file in the same folder, which replaces the file at path only
// when it is complete; on any failure the temporary file is removed and an
// earlier file at path stays as it was. Throws EMergeError "Cannot create
// file "<absolute path>". <reason>" or "Stream write error".
void WriteImportText(const std::string& path, std::string_view text);
// Writes every line followed by CR LF, as WriteImportText does.
void WriteImportFile(const std::string& path, const TStringList& lines);

}  // namespace qs
