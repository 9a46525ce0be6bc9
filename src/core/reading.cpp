#include "core/reading.h"

#include <charconv>
#include <limits>

#include "core/strings.h"

namespace qs {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

std::size_t SkipBlanks(std::string_view s, std::size_t i) {
    while (i < s.size() && s[i] == ' ')
        ++i;
    return i;
}

std::size_t SkipDigits(std::string_view s, std::size_t i) {
    while (i < s.size() && IsDigit(s[i]))
        ++i;
    return i;
}

// Exponents are saturated here: far beyond any digit count a string can have,
// so the magnitude arithmetic below never overflows.
constexpr std::int64_t kExponentCap = 1'000'000'000'000'000;

// The parts of a string that follows the decimal syntax.
struct DecimalText {
    bool negative = false;
    std::string_view intDigits;
    std::string_view fracDigits;
    std::int64_t exponent = 0;

    std::size_t DigitCount() const { return intDigits.size() + fracDigits.size(); }
    char Digit(std::size_t i) const {
        return i < intDigits.size() ? intDigits[i] : fracDigits[i - intDigits.size()];
    }
};

std::optional<DecimalText> ScanDecimal(std::string_view s) {
    DecimalText t;
    std::size_t i = SkipBlanks(s, 0);
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        t.negative = s[i] == '-';
        ++i;
    }
    std::size_t start = i;
    i = SkipDigits(s, i);
    t.intDigits = s.substr(start, i - start);
    bool separator = false;
    if (i < s.size() && s[i] == '.') {
        separator = true;
        start = ++i;
        i = SkipDigits(s, i);
        t.fracDigits = s.substr(start, i - start);
    }
    if (t.intDigits.empty() && !separator)
        return std::nullopt;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e')) {
        ++i;
        bool negativeExponent = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
            negativeExponent = s[i] == '-';
            ++i;
        }
        std::int64_t exponent = 0;
        for (; i < s.size() && IsDigit(s[i]); ++i) {
            if (exponent < kExponentCap)
                exponent = exponent * 10 + (s[i] - '0');
        }
        t.exponent = negativeExponent ? -exponent : exponent;
    }
    i = SkipBlanks(s, i);
    if (i != s.size())
        return std::nullopt;
    return t;
}

// Where the significant digits of a scanned number lie, and the decimal
// exponent of the leading one (1234 has 3, 0.05 has -2).
struct Significand {
    bool zero = true;
    std::size_t first = 0;  // index of the first non-zero digit
    std::size_t last = 0;   // index of the last non-zero digit
    std::int64_t exponent10 = 0;
};

Significand FindSignificand(const DecimalText& t) {
    Significand sig;
    const std::size_t count = t.DigitCount();
    std::size_t first = 0;
    while (first < count && t.Digit(first) == '0')
        ++first;
    if (first == count)
        return sig;
    std::size_t last = count - 1;
    while (t.Digit(last) == '0')
        --last;
    sig.zero = false;
    sig.first = first;
    sig.last = last;
    sig.exponent10 = static_cast<std::int64_t>(t.intDigits.size()) - 1 -
                     static_cast<std::int64_t>(first) + t.exponent;
    return sig;
}

// The leading digits of the smallest magnitude that an extended-precision
// (64-bit significand) number cannot hold: the largest finite value plus half
// a unit in its last place, about 1.18973e4932.
constexpr std::string_view kExtendedLimitDigits =
    "11897314953572317650535115898294886679662540046955672189564992775624991818517272";
constexpr std::int64_t kExtendedLimitExponent = 4932;

bool WithinExtendedRange(const DecimalText& t, const Significand& sig) {
    if (sig.zero || sig.exponent10 < kExtendedLimitExponent)
        return true;
    if (sig.exponent10 > kExtendedLimitExponent)
        return false;
    for (std::size_t k = 0; k < kExtendedLimitDigits.size(); ++k) {
        const std::size_t index = sig.first + k;
        const char digit = index <= sig.last ? t.Digit(index) : '0';
        if (digit != kExtendedLimitDigits[k])
            return digit < kExtendedLimitDigits[k];
    }
    // Equal on all the digits held here: the limit goes on with more non-zero
    // digits, so only a value that ends here lies below it for certain.
    return sig.first + kExtendedLimitDigits.size() > sig.last;
}

// Enough significant digits to round any decimal to a double correctly, given a
// final sticky digit that stands for everything cut off.
constexpr std::size_t kDoubleDigits = 800;

double ToDouble(const DecimalText& t, const Significand& sig) {
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    if (sig.zero)
        return 0.0;
    if (sig.exponent10 > 400)
        return kInfinity;
    if (sig.exponent10 < -400)
        return 0.0;

    const std::size_t available = sig.last - sig.first + 1;
    const std::size_t kept = available < kDoubleDigits ? available : kDoubleDigits;
    std::string copy;
    copy.reserve(kept + 24);
    for (std::size_t k = 0; k < kept; ++k)
        copy.push_back(t.Digit(sig.first + k));
    if (kept < available)
        copy.push_back('1');
    const std::int64_t exponent = sig.exponent10 + 1 - static_cast<std::int64_t>(copy.size());
    copy.push_back('e');
    char buffer[24];
    copy.append(buffer, std::to_chars(buffer, buffer + sizeof buffer, exponent).ptr);

    double value = 0.0;
    const auto result = std::from_chars(copy.data(), copy.data() + copy.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        return sig.exponent10 > 0 ? kInfinity : 0.0;
    }
    return value;
}

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysInMonth(int year, int month) {
    static constexpr int kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && IsLeapYear(year))
        return 29;
    return kDays[month - 1];
}

}  // namespace

std::optional<std::int32_t> ReadInteger(std::string_view s) {
    std::size_t i = SkipBlanks(s, 0);
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }
    bool hex = false;
    if (i < s.size() && (s[i] == '$' || s[i] == 'x' || s[i] == 'X')) {
        hex = true;
        i += 1;
    } else if (i + 1 < s.size() && s[i] == '0' && (s[i + 1] == 'x' || s[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    const std::size_t start = i;
    if (hex) {
        // Up to eight significant digits, taken as a 32-bit two's-complement
        // pattern; a minus sign negates that pattern in 32 bits.
        std::uint32_t pattern = 0;
        int significant = 0;
        for (; i < s.size() && HexValue(s[i]) >= 0; ++i) {
            const int digit = HexValue(s[i]);
            if (significant == 0 && digit == 0)
                continue;
            if (++significant > 8)
                return std::nullopt;
            pattern = pattern * 16 + static_cast<std::uint32_t>(digit);
        }
        if (i == start || i != s.size())
            return std::nullopt;
        if (negative)
            pattern = 0u - pattern;
        return static_cast<std::int32_t>(pattern);
    }
    std::int64_t magnitude = 0;
    for (; i < s.size() && IsDigit(s[i]); ++i) {
        if (magnitude <= 2147483648LL)
            magnitude = magnitude * 10 + (s[i] - '0');
    }
    if (i == start || i != s.size())
        return std::nullopt;
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<std::int32_t>::min() ||
        value > std::numeric_limits<std::int32_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(value);
}

std::optional<double> ReadDecimal(std::string_view s) {
    const std::optional<DecimalText> t = ScanDecimal(s);
    if (!t)
        return std::nullopt;
    const Significand sig = FindSignificand(*t);
    if (!WithinExtendedRange(*t, sig))
        return std::nullopt;
    const double magnitude = ToDouble(*t, sig);
    return t->negative ? -magnitude : magnitude;
}

std::optional<std::int64_t> ReadCurrency(std::string_view s) {
    const std::optional<DecimalText> t = ScanDecimal(s);
    if (!t)
        return std::nullopt;
    const Significand sig = FindSignificand(*t);
    if (sig.zero)
        return 0;

    // The digits D stand for D * 10^(exponent - fraction length); the count of
    // ten-thousandths is D * 10^shift, cut after `cut` digits of D (digits past
    // the end of D are zeros) and rounded on the first digit cut off.
    const auto count = static_cast<std::int64_t>(t->DigitCount());
    const auto first = static_cast<std::int64_t>(sig.first);
    const auto last = static_cast<std::int64_t>(sig.last);
    const std::int64_t shift = t->exponent - static_cast<std::int64_t>(t->fracDigits.size()) + 4;
    const std::int64_t cut = count + shift;
    if (cut - first > 19)
        return std::nullopt;

    std::uint64_t magnitude = 0;
    for (std::int64_t k = first; k < cut; ++k) {
        const int digit = k < count ? t->Digit(static_cast<std::size_t>(k)) - '0' : 0;
        magnitude = magnitude * 10 + static_cast<std::uint64_t>(digit);
    }
    if (cut >= first && cut <= last) {
        const int rounding = t->Digit(static_cast<std::size_t>(cut)) - '0';
        const bool moreBeyond = last > cut;
        if (rounding > 5 || (rounding == 5 && (moreBeyond || (magnitude & 1) != 0)))
            ++magnitude;
    }
    constexpr std::uint64_t kMaxPositive = 9223372036854775807ULL;
    if (magnitude > (t->negative ? kMaxPositive + 1 : kMaxPositive))
        return std::nullopt;
    return t->negative ? static_cast<std::int64_t>(0ULL - magnitude)
                       : static_cast<std::int64_t>(magnitude);
}

std::optional<TDate> ReadDate(std::string_view s, const IClock& clock) {
    int numbers[3] = {0, 0, 0};
    std::size_t lengths[3] = {0, 0, 0};
    int count = 0;
    std::size_t i = SkipBlanks(s, 0);
    // A number: a run of digits whose value is below 10000.
    auto scanNumber = [&]() -> bool {
        const std::size_t start = i;
        int value = 0;
        for (; i < s.size() && IsDigit(s[i]); ++i) {
            value = value * 10 + (s[i] - '0');
            if (value >= 10000)
                return false;
        }
        if (i == start)
            return false;
        numbers[count] = value;
        lengths[count] = i - start;
        ++count;
        return true;
    };
    if (!scanNumber())
        return std::nullopt;
    for (;;) {
        i = SkipBlanks(s, i);
        if (i == s.size())
            break;
        if (s[i] != '/')
            return std::nullopt;
        i = SkipBlanks(s, i + 1);
        if (i == s.size()) {
            // A final "/" after the last number.
            if (count < 2)
                return std::nullopt;
            break;
        }
        if (count == 3 || !scanNumber())
            return std::nullopt;
    }
    if (count < 2)
        return std::nullopt;

    const int currentYear = clock.Today().year;
    TDate date{currentYear, numbers[0], numbers[1]};
    if (count == 3) {
        date.year = numbers[2];
        if (lengths[2] <= 2) {
            // Into the hundred years that begin 50 years before the current year.
            const int windowStart = currentYear - 50;
            date.year += windowStart / 100 * 100;
            if (date.year < windowStart)
                date.year += 100;
        }
    }
    if (date.year < 1 || date.year > 9999 || date.month < 1 || date.month > 12) {
        return std::nullopt;
    }
    if (date.day < 1 || date.day > DaysInMonth(date.year, date.month))
        return std::nullopt;
    return date;
}

std::string WriteDate(const TDate& d) {
    return PadLeftZeros(2, IntToStr(d.month)) + PadLeftZeros(2, IntToStr(d.day)) +
           PadLeftZeros(4, IntToStr(d.year));
}

}  // namespace qs
