#pragma once
// The texts of a full verification for the console: one line per problem, a
// closing line, the money totals, and the whole result as one JSON object for
// scripts. Lines carry no line end.
#include <string>
#include <string_view>
#include <vector>

#include "core/verification.h"

namespace qs {

// "line 12: Record # 3, Field # 2: Destination field "Taxpayer id" maps to an invalid TIN "12-34""
std::string ProblemLine(const TValueProblem& problem);

// "4 problems in 3 records", singular for one; when fewer problems are kept
// than were found, " (first N shown)" follows.
std::string ClosingLine(const TVerification& verification);

// "TOTAL <caption>: <total>" for every money total, in schema order.
std::vector<std::string> TotalLines(const TVerification& verification);

// A JSON string literal of bytes: the double quote, the backslash and every
// control character escaped, and every byte above 127 written as \u00XX of
// its Latin-1 value, so that the result is plain ASCII.
std::string JsonString(std::string_view bytes);

// The verification as one JSON object:
//   {"extract": ..., "form": ..., "records": m, "problemCount": n,
//    "problems": [{"line", "record", "field", "position", "caption", "reason",
//                  "raw", "message"}...],
//    "totals": [{"field", "position", "caption", "code", "total", "tenThousandths",
//                "overflow", "moreThanTwoDecimals", "values"}...]}
// "total" is the text TotalText gives; it and "tenThousandths" are null on overflow.
std::string VerificationJson(std::string_view extractFileName, const TVerification& verification);

// An extract that failed before its values could be tried (FORM, KEY,
// markers, allocation, or a file that cannot be read): the same object with
// "records" null, no totals and one problem that holds only the message.
// "form" is null when formName is empty.
std::string FailureJson(std::string_view extractFileName, std::string_view formName,
                        std::string_view message);

}  // namespace qs
