#pragma once
// The user messages of the conversion pipeline. Line breaks inside a message
// are CR LF; no message ends with a line break.
#include <cstddef>
#include <string>
#include <string_view>

namespace qs {

// First lines of the extract check messages.
inline constexpr const char* kFormSegmentNotFound = "FORM segment not found.";
inline constexpr const char* kKeySegmentNotFound = "KEY segment not found.";
inline constexpr const char* kBadKeySegment = "Bad KEY segment.";
inline constexpr const char* kKeyChecksumError = "KEY segment checksum error.";
inline constexpr const char* kBeginDataNotFound = "{BEGIN DATA} not found.";
inline constexpr const char* kEndDataNotFound = "{END DATA} not found.";
inline constexpr const char* kEndDataPrecedesBeginData = "{END DATA} precedes {BEGIN DATA}.";
inline constexpr const char* kNoFieldsSelected = "No fields selected?";

inline constexpr const char* kStreamWriteError = "Stream write error";
inline constexpr const char* kSuccessfulVerificationTitle = "Successful Verification";
inline constexpr const char* kImportInstructionsTitle = "Data Extract Import Instructions";

// A system's reason text without trailing blanks, control characters and full stops.
std::string ReasonText(std::string_view text);
// The system's reason text for an errno value, as ReasonText gives it.
std::string SystemErrorText(int errnum);
// The full path that file messages name: path made absolute, or path itself when that fails.
std::string AbsolutePath(const std::string& path);

// "Cannot open file "<path>". <reason>"
std::string CannotOpenFileMessage(std::string_view path, std::string_view reason);
// "Cannot create file "<path>". <reason>"
std::string CannotCreateFileMessage(std::string_view path, std::string_view reason);

// The warning of the unattended mode when the extract named on the command line is missing.
std::string MissingFileMessage(std::string_view extractFileName, std::string_view programFileName);

// line1, an empty line, then "EXTRACT = " and the extract's file name.
std::string ExtractCheckMessage(std::string_view line1, std::string_view extractFileName);
// "FORM <name> not found." as the first line of a check message.
std::string FormNotFoundMessage(std::string_view formName, std::string_view extractFileName);
// "<form> (2017) checksum error in KEY segment." as the first line of a check message.
std::string KeyFormMessage(std::string_view formName, std::string_view extractFileName);
// The nine lines of the field allocation error: k values per record, n data lines.
std::string AllocationMessage(std::size_t k, std::size_t n, std::string_view extractFileName);

// A value that fails the rule of its type code: record r and field j count from 1;
// raw is the line exactly as read.
std::string ValueErrorMessage(std::string_view extractFileName, std::size_t r, std::size_t j,
                              std::string_view caption, std::string_view reason,
                              std::string_view raw);

// Lines 1 to 8 of the question asked after a successful verification.
std::string VerificationSummaryText(std::string_view extractFileName, std::string_view formName,
                                    std::size_t recordCount);

// The 16 lines shown after the import file has been saved.
std::string ImportInstructions(std::string_view extractName, std::string_view importName,
                               std::string_view importFolder, std::string_view formName);

}  // namespace qs
