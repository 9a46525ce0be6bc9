#include "core/conversion.h"

#include "core/normalize.h"
#include "core/reading.h"
#include "core/strings.h"
#include "core/typecodes.h"

namespace qs {

namespace {

// Empty or exactly nine characters, all digits.
bool IsNineDigitsOrEmpty(const std::string& value) {
    return (value.empty() || value.size() == 9) && IsAllDigits(value);
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// An optional minus, 1 to 14 digits, and optionally a full stop with at most
// four digits after it. Such an amount always reads, as a decimal and as a
// count of ten-thousandths that fits 64 bits with room to spare, so the full
// reading rule is only needed for the other values.
bool IsPlainAmount(std::string_view value) {
    std::size_t i = !value.empty() && value[0] == '-' ? 1 : 0;
    const std::size_t intStart = i;
    while (i < value.size() && IsDigit(value[i]))
        ++i;
    const std::size_t intDigits = i - intStart;
    if (intDigits == 0 || intDigits > 14)
        return false;
    if (i == value.size())
        return true;
    if (value[i] != '.')
        return false;
    const std::size_t fracStart = ++i;
    while (i < value.size() && IsDigit(value[i]))
        ++i;
    return i == value.size() && i - fracStart <= 4;
}

// TypeRule of every one-character code, looked up once: the conversion asks
// for the rule of every value.
ConversionRule RuleOf(std::string_view code) {
    struct TRules {
        ConversionRule rule[256];
        TRules() {
            for (int c = 0; c < 256; ++c) {
                const char ch = static_cast<char>(c);
                rule[c] = TypeRule(std::string_view(&ch, 1));
            }
        }
    };
    static const TRules kRules;
    if (code.size() != 1)
        return TypeRule(code);
    return kRules.rule[static_cast<unsigned char>(code[0])];
}

}  // namespace

void ConvertValue(std::string_view code, std::string_view raw, const IClock& clock,
                  TValueResult& result) {
    result.ok = true;
    result.store = true;
    result.tinType.clear();
    result.reason.clear();
    std::string& value = result.value;
    value.clear();
    value.append(TrimmedView(raw));
    bool ok = true;

    switch (RuleOf(code)) {
        case ConversionRule::None:
            // A field without a rule of its own keeps what the extract supplied
            // (trimmed) instead of silently losing it.
        case ConversionRule::Text:
        case ConversionRule::AsRead:
            break;
        case ConversionRule::UpperCase:
            UpperCaseInPlace(value);
            break;
        case ConversionRule::TinType:
            NormalizeTinType(value);
            break;
        case ConversionRule::Indicator:
            NormalizeIndicator(value);
            ok = value.empty() || value == "X";
            break;
        case ConversionRule::Currency:
            NormalizeCurrency(value, code);
            ok = IsPlainAmount(value) || ReadCurrency(value).has_value();
            break;
        case ConversionRule::WholeNumber:
            NormalizeWholeNumber(value);
            ok = ReadInteger(value).has_value();
            break;
        case ConversionRule::Float:
            NormalizeFloat(value);
            ok = IsPlainAmount(value) || ReadDecimal(value).has_value();
            break;
        case ConversionRule::Ssn:
            NormalizeSsn(value);
            ok = IsNineDigitsOrEmpty(value);
            break;
        case ConversionRule::Tin:
            NormalizeTin(value, result.tinType);
            ok = IsNineDigitsOrEmpty(value);
            break;
        case ConversionRule::RequiredYear:
            NormalizeYear(value);
            ok = !value.empty();
            break;
        case ConversionRule::Year:
            NormalizeYear(value);
            break;
        case ConversionRule::RequiredDate:
            NormalizeDate(value, clock);
            ok = !value.empty();
            break;
        case ConversionRule::Date:
            NormalizeDate(value, clock);
            break;
        case ConversionRule::UspsDeliveryPoint:
            if (!value.empty()) {
                const std::optional<std::int32_t> point = ReadInteger(value);
                ok = point && *point >= 0 && *point <= 99;
                if (ok)
                    value = PadLeftZeros(2, IntToStr(*point));
            }
            break;
        case ConversionRule::WagerCode:
            ok = value.size() == 1 && value[0] >= '1' && value[0] <= '9';
            break;
    }

    if (!ok) {
        const TypeCodeInfo* info = FindTypeCode(code);
        result.ok = false;
        result.store = false;
        result.reason = info ? info->reason : "";
    }
}

TValueResult ConvertValue(std::string_view code, std::string_view raw, const IClock& clock) {
    TValueResult result;
    ConvertValue(code, raw, clock, result);
    return result;
}

}  // namespace qs
