#pragma once
// A list of lines kept in one text: every line is followed in the text by its
// line end, and the list knows where each line starts. An extract of millions
// of short lines then costs its own size plus one offset per line, instead of
// a separately allocated string per line.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/stringlist.h"

namespace qs {

class TLineList {
  public:
    TLineList() = default;
    // The lines of text. A line ends at CR, at LF, or at CR LF (one line end);
    // LF CR and CR CR are two line ends with an empty line between them. A
    // line end at the very end starts no further line; an empty text has no lines.
    explicit TLineList(std::string text);

    std::size_t size() const { return starts_.size() - 1 - first_; }
    bool empty() const { return size() == 0; }
    // The line without its line end; valid until the list changes.
    std::string_view operator[](std::size_t index) const {
        const std::size_t begin = starts_[first_ + index];
        std::size_t end = starts_[first_ + index + 1] - 1;  // the last byte of the line end
        // A line holds no CR or LF of its own (an appended one may, but it is
        // followed by CR LF), so CR LF before the next line is its line end.
        if (end > begin && text_[end] == '\n' && text_[end - 1] == '\r')
            --end;
        return std::string_view(text_.data() + begin, end - begin);
    }

    // Adds a line, followed in the text by CR LF.
    void Append(std::string_view line);
    // Room for this many more lines and bytes of text (lines with their line ends).
    void Reserve(std::size_t lines, std::size_t bytes);
    // Removes the first count lines (at most all of them) without moving the others.
    void EraseFront(std::size_t count);
    // Removes one line; the lines after it move up.
    void Erase(std::size_t index);
    // Removes every line; the storage stays for the next lines.
    void clear();

    // The lines with their line ends, one after the other (a last line that
    // had no line end is given an LF).
    std::string_view Text() const;
    TStringList ToStringList() const;

    // Index of the first line equal to text, letter case ignored (a-z/A-Z
    // only); -1 when there is none.
    int IndexOfText(std::string_view text) const;

  private:
    std::string text_;
    // Where each line starts in text_, then one more entry: the end of the text.
    std::vector<std::size_t> starts_{0};
    std::size_t first_ = 0;  // the lines before this index are erased
};

// The same as list.IndexOfText(text), as for a TStringList.
inline int IndexOfText(const TLineList& list, std::string_view text) {
    return list.IndexOfText(text);
}

}  // namespace qs
