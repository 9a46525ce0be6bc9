#pragma once
// Small string functions. Positions count from 1, as in the field
// descriptors and messages; every function runs in time linear in its input.
#include <cstdint>
#include <string>
#include <string_view>

namespace qs {

std::string RepeatChar(char c, int n);
std::string LeftStr(std::string_view s, int n);
std::string RightStr(std::string_view s, int n);
// The count characters from position `from`, or count blanks when s is too short.
std::string MidStrOrBlank(std::string_view s, int from, int count);
// Exactly n characters: the last n of n zeros followed by s.
std::string PadLeftZeros(int n, std::string_view s);
// True when every character is 0-9 (true for the empty string).
bool IsAllDigits(std::string_view s);

// Removes leading and trailing characters of code 32 or less.
std::string Trim(std::string_view s);
// The same, as a view into s.
inline std::string_view TrimmedView(std::string_view s) {
    std::size_t begin = 0;
    std::size_t end = s.size();
    while (begin < end && static_cast<unsigned char>(s[begin]) <= 32)
        ++begin;
    while (end > begin && static_cast<unsigned char>(s[end - 1]) <= 32)
        --end;
    return s.substr(begin, end - begin);
}
// a-z to A-Z; every other byte unchanged.
std::string UpperCase(std::string_view s);
// The same, in place.
void UpperCaseInPlace(std::string& s);
// Removes every occurrence of c.
std::string RemoveEvery(std::string_view s, char c);
// Decimal digits with a leading "-" for negatives, no leading zeros.
std::string IntToStr(std::int64_t n);

}  // namespace qs
