#pragma once
// The import file's reader for the fuzz targets: one line of comma text back
// into its values, or nothing when the line is not well-formed comma text.
#include <optional>
#include <string>
#include <string_view>

#include "core/stringlist.h"

namespace fuzzcomma {

using qs::TStringList;

inline std::optional<TStringList> SplitCommaText(std::string_view line) {
    TStringList values;
    std::size_t i = 0;
    for (;;) {
        std::string value;
        if (i < line.size() && line[i] == '"') {
            ++i;
            for (;;) {
                if (i >= line.size())
                    return std::nullopt;  // unterminated quote
                if (line[i] == '"') {
                    if (i + 1 < line.size() && line[i + 1] == '"') {
                        value += '"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                value += line[i++];
            }
            if (i < line.size() && line[i] != ',')
                return std::nullopt;
        } else {
            while (i < line.size() && line[i] != ',') {
                if (line[i] == '"')
                    return std::nullopt;
                value += line[i++];
            }
        }
        values.push_back(std::move(value));
        if (i == line.size())
            break;
        ++i;  // the comma
    }
    return values;
}

}  // namespace fuzzcomma
