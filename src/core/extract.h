#pragma once
// Reading a data extract: the whole file, split into lines with the bytes
// kept exactly as they are.
#include <string>
#include <string_view>

#include "core/linelist.h"

namespace qs {

// Splits text into lines. A line ends at CR, at LF, or at CR LF (one line
// end); LF CR and CR CR are two line ends with an empty line between them. A
// line end at the very end does not start a further line, and an empty text
// has no lines. A NUL byte ends the text.
TLineList SplitLines(std::string_view text);

// Reads the whole file (binary) and splits it into lines. Throws EMergeError
// "Cannot open file "<absolute path>". <reason>" when it cannot be read.
TLineList LoadTextFile(const std::string& path);

}  // namespace qs
