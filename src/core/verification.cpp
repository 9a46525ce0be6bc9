#include "core/verification.h"

#include <utility>

#include "core/conversion.h"
#include "core/reading.h"

namespace qs {

namespace {

bool IsMoneyCode(const std::string& code) {
    return code == "C" || code == "c";
}

// a + b, or false when the exact sum does not fit.
bool AddChecked(std::int64_t& sum, std::int64_t value) {
    return !__builtin_add_overflow(sum, value, &sum);
}

}  // namespace

TVerification VerifyDataSegment(const TDataMerge& merge, std::size_t keepProblems) {
    const TDataSegment segment = merge.CheckDataSegment();
    const TLineList& lines = merge.InputLines();
    const std::vector<TSuppliedField>& supplied = segment.supplied;
    const std::size_t k = supplied.size();

    TVerification result;
    result.formName = merge.FormName();
    result.recordCount = segment.lineCount / k;

    // totalOf[j]: the index into result.totals of supplied field j, or -1.
    std::vector<int> totalOf(k, -1);
    for (std::size_t j = 0; j < k; ++j) {
        if (!IsMoneyCode(supplied[j].code))
            continue;
        totalOf[j] = static_cast<int>(result.totals.size());
        TMoneyTotal total;
        total.field = j + 1;
        total.position = supplied[j].position;
        total.caption = supplied[j].caption;
        total.code = supplied[j].code;
        result.totals.push_back(std::move(total));
    }

    // The first data line follows the begin marker; line numbers count from 1.
    const std::size_t first = static_cast<std::size_t>(segment.begin) + 1;
    TValueResult value;  // one for all values: its storage is reused
    for (std::size_t r = 0; r < result.recordCount; ++r) {
        for (std::size_t j = 0; j < k; ++j) {
            const std::size_t index = first + r * k + j;
            const std::string_view raw = lines[index];
            const TSuppliedField& field = supplied[j];
            ConvertValue(field.code, raw, merge.Clock(), value);
            if (!value.ok) {
                ++result.problemCount;
                if (result.problems.size() < keepProblems) {
                    result.problems.push_back(TValueProblem{index + 1, r + 1, j + 1, field.position,
                                                            field.caption, value.reason,
                                                            std::string(raw)});
                }
                continue;
            }
            if (totalOf[j] < 0)
                continue;
            // The stored text, read as the import file's reader reads it.
            TMoneyTotal& total = result.totals[static_cast<std::size_t>(totalOf[j])];
            const std::optional<std::int64_t> amount = ReadCurrency(value.value);
            if (!amount)
                continue;  // cannot happen: the rule passes only amounts that read
            ++total.valueCount;
            if (*amount % 100 != 0)
                total.moreThanTwoDecimals = true;
            if (!total.overflow && !AddChecked(total.tenThousandths, *amount))
                total.overflow = true;
        }
    }
    return result;
}

TVerification VerifyExtract(TDataMerge& merge, std::size_t keepProblems) {
    merge.LoadInputLines();
    merge.CheckFormSegment();
    merge.CheckKeySegment();
    return VerifyDataSegment(merge, keepProblems);
}

std::string ProblemText(const TValueProblem& problem) {
    std::string text = "Record # " + std::to_string(problem.record) + ", Field # " +
                       std::to_string(problem.field) + ": Destination field \"";
    text += problem.caption;
    text += "\" maps ";
    text += problem.reason;
    text += '"';
    text += problem.raw;
    text += '"';
    return text;
}

std::string TenThousandthsText(std::int64_t tenThousandths, int decimals) {
    const bool negative = tenThousandths < 0;
    // The magnitude in unsigned arithmetic, so that the lowest value has one too.
    const std::uint64_t magnitude = negative ? 0ULL - static_cast<std::uint64_t>(tenThousandths)
                                             : static_cast<std::uint64_t>(tenThousandths);
    std::string fraction = std::to_string(magnitude % 10000);
    fraction.insert(0, 4 - fraction.size(), '0');
    if (decimals < 4)
        fraction.resize(static_cast<std::size_t>(decimals < 0 ? 0 : decimals));
    std::string text = negative ? "-" : "";
    text += std::to_string(magnitude / 10000);
    if (!fraction.empty())
        text += "." + fraction;
    return text;
}

std::string TotalText(const TMoneyTotal& total) {
    if (total.overflow)
        return "overflow";
    return TenThousandthsText(total.tenThousandths, total.moreThanTwoDecimals ? 4 : 2);
}

}  // namespace qs
