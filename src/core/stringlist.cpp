#include "core/stringlist.h"

namespace qs {

namespace {
char AsciiUpper(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
}  // namespace

bool SameText(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (AsciiUpper(a[i]) != AsciiUpper(b[i]))
            return false;
    }
    return true;
}

int IndexOfText(const TStringList& list, std::string_view text) {
    for (std::size_t i = 0; i < list.size(); ++i) {
        if (SameText(list[i], text))
            return static_cast<int>(i);
    }
    return -1;
}

}  // namespace qs
