#include "core/normalize.h"

#include <cmath>
#include <initializer_list>
#include <string_view>

#include "core/reading.h"
#include "core/strings.h"

namespace qs {

namespace {

// A set of characters to remove, as a table of all 256 byte values.
struct TCharacterSet {
    bool member[256] = {};
    constexpr explicit TCharacterSet(std::string_view characters) {
        for (char c : characters)
            member[static_cast<unsigned char>(c)] = true;
    }
};
constexpr TCharacterSet kCurrencySigns("$+,");
constexpr TCharacterSet kNonNegativeCurrencySigns("$+,-");
constexpr TCharacterSet kWholeNumberSigns("+,");

// Removes every occurrence of each character of the set in one pass; the
// same as removing them one character after another.
void RemoveAll(std::string& value, const TCharacterSet& remove) {
    char* const data = value.data();
    std::size_t out = 0;
    for (std::size_t in = 0; in < value.size(); ++in) {
        if (!remove.member[static_cast<unsigned char>(data[in])])
            data[out++] = data[in];
    }
    value.resize(out);
}

bool IsBlankAfterTrim(const std::string& value) {
    for (char c : value) {
        if (static_cast<unsigned char>(c) > 32)
            return false;
    }
    return true;
}

bool IsOneOf(const std::string& value, std::initializer_list<std::string_view> words) {
    for (std::string_view word : words) {
        if (value == word)
            return true;
    }
    return false;
}

}  // namespace

void NormalizeCurrency(std::string& value, std::string_view code) {
    // Amounts that cannot be negative lose their minus signs as well.
    RemoveAll(value, code == "c" ? kNonNegativeCurrencySigns : kCurrencySigns);
    if (IsBlankAfterTrim(value))
        value.assign(1, '0');
}

void NormalizeWholeNumber(std::string& value) {
    RemoveAll(value, kWholeNumberSigns);
    if (IsBlankAfterTrim(value)) {
        value.assign(1, '0');
        return;
    }
    const std::optional<double> number = ReadDecimal(value);
    if (!number)
        return;
    const double x = *number;
    if (std::isfinite(x) && std::trunc(x) == x && x >= -2147483648.0 && x <= 2147483647.0) {
        value = IntToStr(static_cast<std::int64_t>(x));
    }
}

void NormalizeFloat(std::string& value) {
    RemoveAll(value, kCurrencySigns);
    if (IsBlankAfterTrim(value))
        value.assign(1, '0');
}

void NormalizeTinType(std::string& value) {
    if (value.empty()) {
        value = "N/A";
    } else if (value == "1") {
        value = "EIN";
    } else if (value == "2") {
        value = "SSN";
    }
}

void NormalizeIndicator(std::string& value) {
    UpperCaseInPlace(value);
    if (value == "NULL")
        value.clear();
    if (value.empty() || value == "X")
        return;
    if (IsOneOf(value, {"0", "N", "F", "FALSE", "NO"})) {
        value.clear();
    } else if (IsOneOf(value, {"1", "Y", "T", "TRUE", "YES"})) {
        value = "X";
    }
}

void NormalizeSsn(std::string& value) {
    // Drops the 4th and the 7th character, whatever they are.
    if (value.size() == 11)
        value.erase(6, 1).erase(3, 1);
}

void NormalizeTin(std::string& value, std::string& tinType) {
    tinType.clear();
    if (value.empty()) {
        tinType = "N/A";
    } else if (value.size() == 10) {
        // XX-XXXXXXX: drops the 3rd character, whatever it is.
        value.erase(2, 1);
        tinType = "EIN";
    } else if (value.size() == 11) {
        NormalizeSsn(value);
        tinType = "SSN";
    }
}

void NormalizeYear(std::string& value) {
    // A fixed pivot of 50, unlike the sliding window of the date reading.
    if (value.size() != 2 && value.size() != 4) {
        value.clear();
        return;
    }
    const std::optional<std::int32_t> number = ReadInteger(value);
    if (!number) {
        value.clear();
        return;
    }
    int year = *number;
    if (year < 0)
        return;
    if (year < 50)
        year += 2000;
    if (year < 100)
        year += 1900;
    value = IntToStr(year);
}

void NormalizeDate(std::string& value, const IClock& clock) {
    if (value.empty())
        return;
    if (value.find('/') == std::string::npos) {
        // MMDDYY or MMDDYYYY without separators: padded, then given them.
        value = PadLeftZeros(value.size() > 6 ? 8 : 6, value);
        value.insert(4, 1, '/').insert(2, 1, '/');
    }
    const std::optional<TDate> date = ReadDate(value, clock);
    value = date ? WriteDate(*date) : std::string();
}

}  // namespace qs
