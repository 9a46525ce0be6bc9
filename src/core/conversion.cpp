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

}  // namespace

TValueResult ConvertValue(std::string_view code, std::string_view raw, const IClock& clock) {
    TValueResult result;
    result.value = Trim(raw);
    std::string& value = result.value;
    bool ok = true;

    switch (TypeRule(code)) {
        case ConversionRule::None:
            // A field without a rule of its own keeps what the extract supplied
            // (trimmed) instead of silently losing it.
        case ConversionRule::Text:
        case ConversionRule::AsRead:
            break;
        case ConversionRule::UpperCase:
            value = UpperCase(value);
            break;
        case ConversionRule::TinType:
            NormalizeTinType(value);
            break;
        case ConversionRule::Indicator:
            NormalizeIndicator(value);
            ok = value.empty() || value == "X";
            break;
        case ConversionRule::Currency:
            NormalizeCurrency(value, std::string(code));
            ok = ReadCurrency(value).has_value();
            break;
        case ConversionRule::WholeNumber:
            NormalizeWholeNumber(value);
            ok = ReadInteger(value).has_value();
            break;
        case ConversionRule::Float:
            NormalizeFloat(value);
            ok = ReadDecimal(value).has_value();
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
    return result;
}

}  // namespace qs
