// Fuzz target: every reading rule, normaliser, type-code rule and the comma
// text on arbitrary values, each checked against its rule.
//
// Input: byte 0 picks the widths for the string functions, byte 1 the
// current year (1950 to 2150); the rest is the value. For the comma text
// the value is split at line feeds into the values of one record.
//
// The reading rules are checked against small reference readers written
// here from the rules themselves: integer reading exactly, decimal reading
// against strtod/strtold of a canonical text (the C locale, which the
// fuzzer never changes), currency reading against exact decimal rounding,
// date reading exactly.
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "comma_split.h"
#include "core/clock.h"
#include "core/conversion.h"
#include "core/importfile.h"
#include "core/normalize.h"
#include "core/reading.h"
#include "core/strings.h"
#include "core/typecodes.h"
#include "core/verification_report.h"
#include "json_check.h"

namespace {

using namespace qs;
using fuzzcomma::SplitCommaText;

[[noreturn]] void Fail(const char* what, std::string_view value) {
    std::fprintf(stderr, "invariant broken: %s\nvalue (%zu bytes): \"", what, value.size());
    for (unsigned char c : value) {
        if (c >= 32 && c < 127 && c != '"' && c != '\\') {
            std::fputc(c, stderr);
        } else {
            std::fprintf(stderr, "\\x%02x", c);
        }
    }
    std::fprintf(stderr, "\"\n");
    std::abort();
}

#define CHECK(cond, value)        \
    do {                          \
        if (!(cond))              \
            Fail(#cond, (value)); \
    } while (0)

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// What a reference reader says: the value, "does not read", or that the
// rules leave this input open (then any answer is accepted).
template <typename T>
struct Expect {
    enum Kind { Reads, DoesNotRead, Open } kind = DoesNotRead;
    T value{};
    static Expect Yes(T v) { return {Reads, v}; }
    static Expect No() { return {DoesNotRead, T{}}; }
    static Expect Either() { return {Open, T{}}; }
};

// ---------------------------------------------------------------------------
// Integer reading

Expect<std::int32_t> RefInteger(std::string_view s) {
    using E = Expect<std::int32_t>;
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ')
        ++i;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        negative = s[i++] == '-';
    std::string_view rest = s.substr(i);
    bool hex = false;
    if (!rest.empty() && (rest[0] == '$' || rest[0] == 'x' || rest[0] == 'X')) {
        hex = true;
        rest.remove_prefix(1);
    } else if (rest.size() >= 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X')) {
        hex = true;
        rest.remove_prefix(2);
    }
    if (rest.empty())
        return E::No();
    if (hex) {
        std::string significant;
        for (char c : rest) {
            const bool digit = IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
            if (!digit)
                return E::No();
            if (significant.empty() && c == '0')
                continue;
            significant += c;
        }
        if (significant.size() > 8)
            return E::No();
        const std::uint32_t pattern =
            significant.empty()
                ? 0u
                : static_cast<std::uint32_t>(std::strtoul(significant.c_str(), nullptr, 16));
        // "-$80000000": the negation of the lowest pattern is left open.
        if (negative && pattern == 0x80000000u)
            return E::Either();
        const std::uint32_t result = negative ? 0u - pattern : pattern;
        return E::Yes(static_cast<std::int32_t>(result));
    }
    long long magnitude = 0;
    for (char c : rest) {
        if (!IsDigit(c))
            return E::No();
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > 10'000'000'000LL)
            magnitude = 10'000'000'000LL;
    }
    const long long value = negative ? -magnitude : magnitude;
    if (value < -2147483648LL || value > 2147483647LL)
        return E::No();
    return E::Yes(static_cast<std::int32_t>(value));
}

// ---------------------------------------------------------------------------
// Decimal and currency reading

struct Scanned {
    bool negative = false;
    std::string digits;      // integer digits then fraction digits
    long long fraction = 0;  // number of fraction digits
    long long exponent = 0;  // saturated at +-10^12
};

std::optional<Scanned> ScanDecimalRef(std::string_view s) {
    Scanned t;
    std::size_t i = 0;
    while (i < s.size() && s[i] == ' ')
        ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        t.negative = s[i++] == '-';
    bool any = false;
    while (i < s.size() && IsDigit(s[i])) {
        t.digits += s[i++];
        any = true;
    }
    if (i < s.size() && s[i] == '.') {
        any = true;
        ++i;
        while (i < s.size() && IsDigit(s[i])) {
            t.digits += s[i++];
            ++t.fraction;
        }
    }
    if (!any)
        return std::nullopt;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < s.size() && (s[i] == '+' || s[i] == '-'))
            negativeExponent = s[i++] == '-';
        while (i < s.size() && IsDigit(s[i])) {
            if (t.exponent < 1'000'000'000'000LL)
                t.exponent = t.exponent * 10 + (s[i] - '0');
            ++i;
        }
        if (negativeExponent)
            t.exponent = -t.exponent;
    }
    while (i < s.size() && s[i] == ' ')
        ++i;
    if (i != s.size())
        return std::nullopt;
    return t;
}

// Decimal exponent of the leading significant digit; nullopt for zero.
std::optional<long long> LeadingExponent(const Scanned& t) {
    std::size_t first = t.digits.find_first_not_of('0');
    if (first == std::string::npos)
        return std::nullopt;
    const long long intDigits = static_cast<long long>(t.digits.size()) - t.fraction;
    return intDigits - 1 - static_cast<long long>(first) + t.exponent;
}

// The canonical text of a scanned value for strtod/strtold.
std::string Canonical(const Scanned& t) {
    std::string text = t.negative ? "-0" : "0";
    text += t.digits;
    long long exponent = t.exponent - t.fraction;
    if (exponent > 100000)
        exponent = 100000;
    if (exponent < -100000)
        exponent = -100000;
    text += "e" + std::to_string(exponent);
    return text;
}

Expect<double> RefDecimal(std::string_view s) {
    using E = Expect<double>;
    const std::optional<Scanned> t = ScanDecimalRef(s);
    if (!t)
        return E::No();
    const std::optional<long long> lead = LeadingExponent(*t);
    if (!lead)
        return E::Yes(t->negative ? -0.0 : 0.0);
    // Right at the ends of the extended range (about 1.19e4932 and 3.6e-4951)
    // the references below round differently from an exact comparison.
    if (*lead >= 4931 && *lead <= 4933)
        return E::Either();
    if (*lead > 4933)
        return E::No();
    if (*lead < -4940)
        return E::Either();  // underflow: reading it as 0 or not is open
    const std::string text = Canonical(*t);
    return E::Yes(std::strtod(text.c_str(), nullptr));
}

// The count of ten-thousandths, rounded half to even, when it fits 64 bits.
Expect<std::int64_t> RefCurrency(std::string_view s) {
    using E = Expect<std::int64_t>;
    const std::optional<Scanned> t = ScanDecimalRef(s);
    if (!t)
        return E::No();
    const std::optional<long long> lead = LeadingExponent(*t);
    if (!lead)
        return E::Yes(0);
    if (*lead > 30)
        return E::No();
    // value = digits * 10^(exponent - fraction); count = digits * 10^shift.
    const long long shift = t->exponent - t->fraction + 4;
    std::string digits = t->digits.substr(t->digits.find_first_not_of('0'));
    // Significant digits that fall below 10^-4 before the rounding position.
    std::string whole;
    std::string cut;
    if (shift >= 0) {
        whole = digits + std::string(static_cast<std::size_t>(shift), '0');
    } else {
        const long long keep = static_cast<long long>(digits.size()) + shift;
        if (keep > 0) {
            whole = digits.substr(0, static_cast<std::size_t>(keep));
            cut = digits.substr(static_cast<std::size_t>(keep));
        } else if (keep == 0) {
            cut = digits;
        }
        // keep < 0: every digit lies below the first place cut off, which is
        // a zero, so the count rounds to 0.
    }
    if (whole.size() > 20)
        return E::No();
    __int128 magnitude = 0;
    for (char c : whole)
        magnitude = magnitude * 10 + (c - '0');
    if (!cut.empty()) {
        const char first = cut[0];
        const bool restNonZero = cut.find_first_not_of('0', 1) != std::string::npos;
        if (first > '5' || (first == '5' && (restNonZero || (magnitude & 1) != 0)))
            ++magnitude;
    }
    const __int128 value = t->negative ? -magnitude : magnitude;
    const __int128 lowest = -static_cast<__int128>(9223372036854775807LL) - 1;
    if (value < lowest || value > static_cast<__int128>(9223372036854775807LL))
        return E::No();
    if (*lead < -4940)
        return E::Either();
    return E::Yes(static_cast<std::int64_t>(value));
}

// ---------------------------------------------------------------------------
// Date reading

int DaysIn(int year, int month) {
    static const int days[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : days[month - 1];
}

Expect<TDate> RefDate(std::string_view s, int currentYear) {
    using E = Expect<TDate>;
    std::vector<int> numbers;
    std::vector<std::size_t> widths;
    std::size_t i = 0;
    bool finalSlash = false;
    bool trailingBlanksOnly = false;
    for (;;) {
        while (i < s.size() && s[i] == ' ')
            ++i;
        const std::size_t start = i;
        long value = 0;
        while (i < s.size() && IsDigit(s[i])) {
            value = value * 10 + (s[i] - '0');
            if (value > 100000)
                value = 100000;
            ++i;
        }
        if (i == start || value >= 10000)
            return E::No();
        numbers.push_back(static_cast<int>(value));
        widths.push_back(i - start);
        const std::size_t afterNumber = i;
        while (i < s.size() && s[i] == ' ')
            ++i;
        if (i == s.size()) {
            trailingBlanksOnly = i != afterNumber;
            break;
        }
        if (s[i] != '/')
            return E::No();
        ++i;
        std::size_t j = i;
        while (j < s.size() && s[j] == ' ')
            ++j;
        if (j == s.size()) {
            finalSlash = true;
            break;
        }
        if (numbers.size() == 3)
            return E::No();
    }
    (void)finalSlash;
    if (numbers.size() < 2 || numbers.size() > 3)
        return E::No();
    TDate d{currentYear, numbers[0], numbers[1]};
    if (numbers.size() == 3) {
        d.year = numbers[2];
        if (widths[2] <= 2) {
            const int start = currentYear - 50;
            d.year += start / 100 * 100;
            if (d.year < start)
                d.year += 100;
        }
    }
    const bool valid = d.year >= 1 && d.year <= 9999 && d.month >= 1 && d.month <= 12 &&
                       d.day >= 1 && d.day <= DaysIn(d.year, d.month);
    // Blanks after the last number without a final "/" are left open by the rule.
    if (trailingBlanksOnly)
        return E::Either();
    return valid ? E::Yes(d) : E::No();
}

template <typename T>
void CheckAgainst(const char* what, std::string_view s, const std::optional<T>& got,
                  const Expect<T>& want) {
    if (want.kind == Expect<T>::Open)
        return;
    if (want.kind == Expect<T>::DoesNotRead) {
        if (got)
            Fail(what, s);
        return;
    }
    if (!got || !(*got == want.value))
        Fail(what, s);
}

// ---------------------------------------------------------------------------
// Comma text: quoting as the import file has it.

bool NeedsQuotes(std::string_view v) {
    for (unsigned char c : v) {
        if ((c >= 1 && c <= 32) || c == '"' || c == ',')
            return true;
    }
    return false;
}

void CheckCommaText(std::string_view data) {
    TStringList values;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = data.find('\n', start);
        values.emplace_back(data.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos)
            break;
        start = end + 1;
    }
    const std::string line = CommaText(values);
    CHECK(line.find('\n') == std::string::npos, data);
    if (values.size() == 1 && values[0].empty()) {
        CHECK(line == "\"\"", data);
        return;
    }
    const std::optional<TStringList> back = SplitCommaText(line);
    CHECK(back.has_value(), line);
    CHECK(*back == values, line);
    // Quoting exactly where the rule asks for it.
    std::size_t pos = 0;
    for (const std::string& v : values) {
        CHECK((line[pos] == '"') == NeedsQuotes(v) || (v.empty() && pos == line.size()), line);
        if (NeedsQuotes(v)) {
            std::size_t quotes = 0;
            for (char c : v)
                quotes += c == '"';
            pos += v.size() + quotes + 2;
        } else {
            pos += v.size();
        }
        ++pos;
    }
    std::string appended = "prefix";
    AppendCommaText(appended, values);
    CHECK(appended == "prefix" + line, line);
}

// ---------------------------------------------------------------------------
// Normalisers

std::string Without(std::string_view s, std::string_view chars) {
    std::string out;
    for (char c : s) {
        if (chars.find(c) == std::string_view::npos)
            out += c;
    }
    return out;
}

bool BlankAfterTrim(std::string_view s) {
    return Trim(s).empty();
}

void CheckNormalizers(const std::string& v, const IClock& clock) {
    for (const char* code : {"C", "c"}) {
        std::string x = v;
        NormalizeCurrency(x, code);
        const std::string removed = Without(v, code[0] == 'c' ? "$+,-" : "$+,");
        CHECK(x == (BlankAfterTrim(removed) ? "0" : removed), v);
    }
    {
        std::string x = v;
        NormalizeFloat(x);
        const std::string removed = Without(v, "$+,");
        CHECK(x == (BlankAfterTrim(removed) ? "0" : removed), v);
    }
    {
        std::string x = v;
        NormalizeWholeNumber(x);
        const std::string removed = Without(v, "+,");
        std::string expected = removed;
        if (BlankAfterTrim(removed)) {
            expected = "0";
        } else {
            const Expect<double> d = RefDecimal(removed);
            if (d.kind == Expect<double>::Open) {
                expected = x;
            } else if (d.kind == Expect<double>::Reads && std::isfinite(d.value) &&
                       std::trunc(d.value) == d.value && d.value >= -2147483648.0 &&
                       d.value <= 2147483647.0) {
                expected = IntToStr(static_cast<std::int64_t>(d.value));
            }
        }
        CHECK(x == expected, v);
    }
    {
        std::string x = v;
        NormalizeTinType(x);
        const std::string expected = v.empty() ? "N/A" : v == "1" ? "EIN" : v == "2" ? "SSN" : v;
        CHECK(x == expected, v);
    }
    {
        std::string x = v;
        NormalizeIndicator(x);
        const std::string up = UpperCase(v);
        std::string expected = up;
        if (up == "NULL" || up == "0" || up == "N" || up == "F" || up == "FALSE" || up == "NO") {
            expected.clear();
        } else if (up == "1" || up == "Y" || up == "T" || up == "TRUE" || up == "YES") {
            expected = "X";
        }
        CHECK(x == expected, v);
    }
    {
        std::string x = v;
        NormalizeSsn(x);
        if (v.size() == 11) {
            CHECK(x == v.substr(0, 3) + v.substr(4, 2) + v.substr(7), v);
        } else {
            CHECK(x == v, v);
        }
    }
    {
        std::string x = v;
        std::string tinType = "stale";
        NormalizeTin(x, tinType);
        if (v.empty()) {
            CHECK(x.empty() && tinType == "N/A", v);
        } else if (v.size() == 10) {
            CHECK(x == v.substr(0, 2) + v.substr(3) && tinType == "EIN", v);
        } else if (v.size() == 11) {
            CHECK(x == v.substr(0, 3) + v.substr(4, 2) + v.substr(7) && tinType == "SSN", v);
        } else {
            CHECK(x == v && tinType.empty(), v);
        }
    }
    {
        std::string x = v;
        NormalizeYear(x);
        std::string expected;
        if (v.size() == 2 || v.size() == 4) {
            const Expect<std::int32_t> y = RefInteger(v);
            if (y.kind == Expect<std::int32_t>::Reads) {
                int year = y.value;
                if (year < 0) {
                    expected = v;
                } else {
                    if (year < 50)
                        year += 2000;
                    if (year < 100)
                        year += 1900;
                    expected = IntToStr(year);
                }
            }
        }
        CHECK(x == expected, v);
    }
    {
        std::string x = v;
        NormalizeDate(x, clock);
        CHECK(x.empty() || (x.size() == 8 && IsAllDigits(x)), v);
        if (!v.empty()) {
            std::string text = v;
            if (text.find('/') == std::string::npos) {
                text = PadLeftZeros(text.size() > 6 ? 8 : 6, text);
                text = text.substr(0, 2) + "/" + text.substr(2, 2) + "/" + text.substr(4);
            }
            const Expect<TDate> d = RefDate(text, clock.Today().year);
            if (d.kind == Expect<TDate>::Reads) {
                CHECK(x == WriteDate(d.value), v);
            } else if (d.kind == Expect<TDate>::DoesNotRead) {
                CHECK(x.empty(), v);
            }
        } else {
            CHECK(x.empty(), v);
        }
    }
}

// ---------------------------------------------------------------------------
// Type-code rules

void CheckConvertValue(std::string_view raw, const IClock& clock) {
    static const char* const kCodes[] = {"$", "O", "o", "h", "p", "T", "I",  "C", "c", "w",
                                         "#", "n", "N", "Y", "y", "D", "d",  "b", "u", "g",
                                         "E", "9", "e", "k", "v", "",  "CC", "z"};
    const std::string trimmed = Trim(raw);
    for (const char* code : kCodes) {
        const std::string_view c = code;
        const TValueResult r = ConvertValue(c, raw, clock);
        // A result reused from earlier values, as the conversion keeps one,
        // gives the same as a new one.
        static TValueResult reused;
        ConvertValue(c, raw, clock, reused);
        CHECK(reused.ok == r.ok && reused.store == r.store && reused.value == r.value &&
                  reused.tinType == r.tinType && reused.reason == r.reason,
              raw);
        const TypeCodeInfo* info = FindTypeCode(c);
        if (!r.ok) {
            CHECK(info != nullptr, raw);
            CHECK(r.reason == info->reason && !r.reason.empty() && r.reason.back() == ' ', raw);
            continue;
        }
        CHECK(r.reason.empty(), raw);
        const std::string& v = r.value;
        if (c == "$" || c == "o" || c == "h" || c == "p")
            CHECK(v == trimmed, raw);
        if (c == "O")
            CHECK(v == UpperCase(trimmed), raw);
        if (c == "T")
            CHECK(!v.empty(), raw);
        if (c == "I")
            CHECK(v.empty() || v == "X", raw);
        if (c == "C" || c == "c")
            CHECK(ReadCurrency(v).has_value(), raw);
        if (c == "c")
            CHECK(v.find('-') == std::string::npos, raw);
        if (c == "w")
            CHECK(ReadInteger(v).has_value(), raw);
        if (c == "#")
            CHECK(ReadDecimal(v).has_value(), raw);
        if (c == "n" || c == "N")
            CHECK(v.empty() || (v.size() == 9 && IsAllDigits(v)), raw);
        if (c == "N") {
            const std::string expected = trimmed.empty()        ? "N/A"
                                         : trimmed.size() == 10 ? "EIN"
                                         : trimmed.size() == 11 ? "SSN"
                                                                : "";
            CHECK(r.tinType == expected, raw);
        } else {
            CHECK(r.tinType.empty(), raw);
        }
        if (c == "Y")
            CHECK(!v.empty(), raw);
        if (c == "D")
            CHECK(v.size() == 8 && IsAllDigits(v), raw);
        if (c == "u") {
            CHECK(v.empty() || (v.size() == 2 && IsAllDigits(v)), raw);
            CHECK(v.empty() == trimmed.empty(), raw);
        }
        if (c == "g")
            CHECK(v.size() == 1 && v[0] >= '1' && v[0] <= '9', raw);
        // The rules that can never fail.
    }
    for (const char* code : {"$", "O", "o", "h", "p", "T", "y", "d", "b"}) {
        CHECK(ConvertValue(code, raw, clock).ok, raw);
    }
}

// ---------------------------------------------------------------------------
// String functions

void CheckStringFunctions(std::string_view s, int n) {
    const int sizeInt = static_cast<int>(s.size());
    CHECK(RepeatChar('x', n).size() == static_cast<std::size_t>(n > 0 ? n : 0), s);
    CHECK(PadLeftZeros(n, s).size() == static_cast<std::size_t>(n > 0 ? n : 0), s);
    if (n > 0) {
        const std::string padded = PadLeftZeros(n, s);
        const std::string full = std::string(static_cast<std::size_t>(n), '0') + std::string(s);
        CHECK(padded == full.substr(full.size() - static_cast<std::size_t>(n)), s);
    }
    CHECK(LeftStr(s, n) == (n >= 0 && sizeInt >= n ? s.substr(0, n) : s), s);
    CHECK(RightStr(s, n) == (n >= 0 && sizeInt >= n ? s.substr(s.size() - n) : s), s);
    for (int from : {-1, 0, 1, 2, n}) {
        const std::string mid = MidStrOrBlank(s, from, n);
        if (n <= 0)
            continue;
        CHECK(mid.size() == static_cast<std::size_t>(n), s);
        if (from >= 1 && static_cast<long long>(from) + n - 1 <= sizeInt) {
            CHECK(mid == s.substr(static_cast<std::size_t>(from - 1), static_cast<std::size_t>(n)),
                  s);
        } else {
            CHECK(mid == std::string(static_cast<std::size_t>(n), ' '), s);
        }
    }
    const std::string t = Trim(s);
    CHECK(t.empty() || (static_cast<unsigned char>(t.front()) > 32 &&
                        static_cast<unsigned char>(t.back()) > 32),
          s);
    CHECK(s.find(t) != std::string_view::npos, s);
    const std::string up = UpperCase(s);
    CHECK(up.size() == s.size(), s);
    for (std::size_t i = 0; i < s.size(); ++i) {
        const char c = s[i];
        CHECK(up[i] == (c >= 'a' && c <= 'z' ? c - 32 : c), s);
    }
    bool digits = true;
    for (char c : s)
        digits = digits && IsDigit(c);
    CHECK(IsAllDigits(s) == digits, s);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2)
        return 0;
    const int width = static_cast<int>(data[0]) - 16;  // -16 to 239
    const int year = 1950 + data[1] % 201;
    const std::string value(reinterpret_cast<const char*>(data) + 2, size - 2);
    const FixedClock clock(TDate{year, 6, 15});

    CheckAgainst("ReadInteger", value, ReadInteger(value), RefInteger(value));
    {
        const std::optional<double> got = ReadDecimal(value);
        const Expect<double> want = RefDecimal(value);
        if (want.kind == Expect<double>::DoesNotRead)
            CHECK(!got.has_value(), value);
        if (want.kind == Expect<double>::Reads) {
            CHECK(got.has_value(), value);
            CHECK(*got == want.value || (std::isinf(*got) && std::isinf(want.value)), value);
        }
    }
    CheckAgainst("ReadCurrency", value, ReadCurrency(value), RefCurrency(value));
    if (ReadCurrency(value))
        CHECK(ReadDecimal(value).has_value(), value);
    CheckAgainst("ReadDate", value, ReadDate(value, clock), RefDate(value, year));

    CheckNormalizers(value, clock);
    CheckConvertValue(value, clock);
    CheckCommaText(value);
    {
        // The JSON literal is plain printable ASCII and reads back as the same bytes.
        const std::string json = JsonString(value);
        for (unsigned char c : json)
            CHECK(c >= 0x20 && c < 0x7F, json);
        const std::optional<std::string> back = fuzzjson::Reader(json).WholeLatin1String();
        CHECK(back.has_value() && *back == value, json);
    }
    CheckStringFunctions(value, width);
    return 0;
}
