#include "core/typecodes.h"

#include <array>

namespace qs {

namespace {

using R = ConversionRule;

// Every type code that occurs in a schema: hint, default, conversion rule and
// the reason text quoted when a value fails that rule.
constexpr std::array<TypeCodeInfo, 25> kTypeCodes{{
    {'$', "STRING DATA - No special formatting required", "", R::Text, ""},
    {'C', "CURRENCY - Negative amounts reflect losses", "0.00", R::Currency,
     "to an invalid currency value "},
    {'c', "CURRENCY - Cannot be negative", "0.00", R::Currency, "to an invalid currency value "},
    {'w', "WHOLE NUMBER (no decimals, no negative signs)", "0", R::WholeNumber,
     "to an invalid whole number value "},
    {'#', "FLOATING POINT NUMBER (can contain a decimal)", "0.00", R::Float,
     "to an invalid floating point value "},
    {'u', "USPS DELIVERY POINT - Enter as 2 digits (00-99)", "", R::UspsDeliveryPoint,
     "to an invalid USPS Delivery Point "},
    {'I', "INDICATOR: { Y, YES, T, TRUE, 1 }=TRUE, { N, NO, F, FALSE, 0 }=FALSE", "", R::Indicator,
     "to an invalid indicator value "},
    {'T',
     "TIN TYPE: { 1, EIN }=Employer ID, { 2, SSN }=Social Security, { Blank, N/A }=Not "
     "available",
     "N/A", R::TinType, ""},
    {'N', "TAXPAYER ID NUMBER - Enter as 9 digits, XX-XXXXXX, or XXX-XX-XXXX", "", R::Tin,
     "to an invalid TIN "},
    {'n', "SOCIAL SECURITY NUMBER - Enter as 9 digits or XXX-XX-XXXX", "", R::Ssn,
     "to an invalid SSN "},
    {'D', "DATE - Required (Format as MM/DD/YY, MM/DD/YYYY, MMDDYY, MMDDYYYY)", "", R::RequiredDate,
     "to an invalid (required) date "},
    {'d', "DATE - Not Required (Format as MM/DD/YY, MM/DD/YYYY, MMDDYY, MMDDYYYY)", "", R::Date,
     ""},
    {'b', "Date of Birth - (Format as MM/DD/YY, MM/DD/YYYY, MMDDYY, MMDDYYYY)", "", R::Date, ""},
    {'Y', "2-DIGIT (YY) OR 4-DIGIT YEAR (YYYY) - Required", "", R::RequiredYear,
     "to an invalid (required) year "},
    {'y', "2-DIGIT (YY) OR 4-DIGIT YEAR (YYYY) - Not Required", "", R::Year, ""},
    {'O', "REQUIRED - Origin of Health Coverage Code (A-F)", "", R::UpperCase, ""},
    {'o', "Offer of Coverage Code (1A - 1K)", "", R::AsRead, ""},
    {'h', "Sec 4980H Safe Harbor Code (2A - 2I)", "", R::AsRead, ""},
    {'p', "2-digit month (01-12), or 00 = No Plan", "", R::AsRead, ""},
    {'g', "1=Horses, 2=Dogs, 3=Jai-alai, 4=Lottery, 5=Keno, 6=Bingo, 7=Slots, 8=Poker, 9=Other", "",
     R::WagerCode, "to an invalid code "},
    {'E', "Identifiable Event Code -- Refer to Instructions for Form 1099-C", "", R::None, ""},
    {'9', "", "", R::None, ""},
    {'e', "", "", R::None, ""},
    {'k', "", "", R::None, ""},
    {'v', "", "", R::None, ""},
}};

}  // namespace

const TypeCodeInfo* FindTypeCode(std::string_view code) {
    if (code.size() != 1)
        return nullptr;
    for (const TypeCodeInfo& info : kTypeCodes) {
        if (info.code == code[0])
            return &info;
    }
    return nullptr;
}

std::string TypeHint(std::string_view code) {
    const TypeCodeInfo* info = FindTypeCode(code);
    return info ? info->hint : "";
}

std::string TypeDefault(std::string_view code) {
    const TypeCodeInfo* info = FindTypeCode(code);
    return info ? info->defaultValue : "";
}

ConversionRule TypeRule(std::string_view code) {
    const TypeCodeInfo* info = FindTypeCode(code);
    return info ? info->rule : ConversionRule::None;
}

}  // namespace qs
