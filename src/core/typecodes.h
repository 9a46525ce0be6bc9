#pragma once
// The one-character field type codes: hint, default and conversion rule.
// Every lookup compares the code exactly (case-sensitive).
#include <string>
#include <string_view>

namespace qs {

enum class ConversionRule {
    None,               // no rule: E, 9, e, k, v
    Text,               // $
    UpperCase,          // O
    AsRead,             // o, h, p
    TinType,            // T
    Indicator,          // I
    Currency,           // C, c
    WholeNumber,        // w
    Float,              // #
    Ssn,                // n
    Tin,                // N
    RequiredYear,       // Y
    Year,               // y
    RequiredDate,       // D
    Date,               // d, b
    UspsDeliveryPoint,  // u
    WagerCode,          // g
};

struct TypeCodeInfo {
    char code;
    const char* hint;          // empty when the code has no hint
    const char* defaultValue;  // value of a field the extract does not supply
    ConversionRule rule;
    const char* reason;  // text the conversion error quotes; empty when the rule never fails
};

// The entry of a one-character code, or nullptr for anything else.
const TypeCodeInfo* FindTypeCode(std::string_view code);
std::string TypeHint(std::string_view code);
std::string TypeDefault(std::string_view code);
ConversionRule TypeRule(std::string_view code);

}  // namespace qs
