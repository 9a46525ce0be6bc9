#pragma once
// The full verification of an extract: unlike the conversion, which stops at
// the first value that fails, it tries every value of every record and
// collects each failure, and it sums the supplied money fields exactly.
// The structure checks (FORM, KEY, markers, allocation) still stop with their
// usual EMergeError, since without them nothing can be sliced into records.
// Every value goes through ConvertValue, the rule the conversion uses, so the
// two never disagree on whether a value passes.
#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "core/merge.h"

namespace qs {

// One value that fails the rule of its type code.
struct TValueProblem {
    std::size_t line = 0;    // the extract's line number, 1-based as in the file
    std::size_t record = 0;  // r, from 1
    std::size_t field = 0;   // j, from 1: the place among the supplied fields
    int position = 0;        // the field's schema position
    std::string caption;
    std::string reason;  // the reason text of the code, ending in a blank
    std::string raw;     // the line exactly as read
};

// The sum of one supplied money field (codes "C" and "c") over all records,
// of the values as the import file holds them, in ten-thousandths.
struct TMoneyTotal {
    std::size_t field = 0;  // j, from 1
    int position = 0;
    std::string caption;
    std::string code;
    std::int64_t tenThousandths = 0;   // meaningless when overflow is set
    bool overflow = false;             // the sum left the signed 64-bit range; it stops there
    bool moreThanTwoDecimals = false;  // some value summed has a digit beyond the cents
    std::size_t valueCount = 0;        // values summed (those that pass their rule)
};

struct TVerification {
    std::string formName;
    std::size_t recordCount = 0;
    std::size_t problemCount = 0;         // every problem found
    std::vector<TValueProblem> problems;  // the first ones, at most the limit asked for
    std::vector<TMoneyTotal> totals;      // in schema order
};

inline constexpr std::size_t kAllProblems = std::numeric_limits<std::size_t>::max();

// After CheckFormSegment and CheckKeySegment have passed on merge: the data
// segment checks (throwing their usual EMergeError), then every value.
// Changes nothing in merge. At most keepProblems problems are kept in the
// result; problemCount counts them all.
TVerification VerifyDataSegment(const TDataMerge& merge, std::size_t keepProblems = kAllProblems);

// The whole verification of the extract named by merge's extract file name:
// LoadInputLines, CheckFormSegment, CheckKeySegment (each throwing as usual),
// then VerifyDataSegment.
TVerification VerifyExtract(TDataMerge& merge, std::size_t keepProblems = kAllProblems);

// "Record # r, Field # j: Destination field "<caption>" maps <reason>"<raw>"",
// the place and detail lines of the conversion's value message on one line.
std::string ProblemText(const TValueProblem& problem);

// A count of ten-thousandths as a decimal with two or four places ("-1234.50",
// "0.1000"). With two places the last two digits are dropped (callers ask for
// two only when they are zero).
std::string TenThousandthsText(std::int64_t tenThousandths, int decimals);

// The total as the report shows it: four places when a value summed had more
// than two, two otherwise; "overflow" for a sum beyond the 64-bit range.
std::string TotalText(const TMoneyTotal& total);

}  // namespace qs
