#pragma once
// The working container of the system: an ordered list of single-byte strings
// in insertion order (not sorted, duplicates allowed).
#include <string>
#include <string_view>
#include <vector>

namespace qs {

using TStringList = std::vector<std::string>;

// Index of the first entry equal to text, letter case ignored (a-z/A-Z only);
// -1 when there is none.
int IndexOfText(const TStringList& list, std::string_view text);

// True when a and b are equal with the letters a-z and A-Z compared without case.
bool SameText(std::string_view a, std::string_view b);

}  // namespace qs
