#include "core/strings.h"

#include <charconv>

namespace qs {

std::string RepeatChar(char c, int n) {
    if (n <= 0)
        return {};
    return std::string(static_cast<std::size_t>(n), c);
}

std::string LeftStr(std::string_view s, int n) {
    if (n >= 0 && s.size() >= static_cast<std::size_t>(n))
        return std::string(s.substr(0, n));
    return std::string(s);
}

std::string RightStr(std::string_view s, int n) {
    if (n >= 0 && s.size() >= static_cast<std::size_t>(n)) {
        return std::string(s.substr(s.size() - static_cast<std::size_t>(n)));
    }
    return std::string(s);
}

std::string MidStrOrBlank(std::string_view s, int from, int count) {
    if (count <= 0)
        return {};
    // A piece that starts before the first position or runs past the end is
    // never cut short: the caller gets blanks of the full width instead.
    const long long last = static_cast<long long>(from) + count - 1;
    if (from < 1 || static_cast<long long>(s.size()) < last)
        return RepeatChar(' ', count);
    return std::string(
        s.substr(static_cast<std::size_t>(from - 1), static_cast<std::size_t>(count)));
}

std::string PadLeftZeros(int n, std::string_view s) {
    if (n <= 0)
        return {};
    const std::size_t width = static_cast<std::size_t>(n);
    if (s.size() >= width)
        return std::string(s.substr(s.size() - width));
    std::string result(width - s.size(), '0');
    result.append(s);
    return result;
}

bool IsAllDigits(std::string_view s) {
    for (char c : s) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

std::string Trim(std::string_view s) {
    return std::string(TrimmedView(s));
}

void UpperCaseInPlace(std::string& s) {
    for (char& c : s) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
}

std::string UpperCase(std::string_view s) {
    std::string result(s);
    UpperCaseInPlace(result);
    return result;
}

std::string RemoveEvery(std::string_view s, char c) {
    // Deleting the first occurrence until none is left keeps the other bytes in
    // order; one pass gives the same result without the quadratic cost.
    std::string result;
    result.reserve(s.size());
    for (char ch : s) {
        if (ch != c)
            result.push_back(ch);
    }
    return result;
}

std::string IntToStr(std::int64_t n) {
    char buffer[24];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, n).ptr;
    return std::string(buffer, end);
}

}  // namespace qs
