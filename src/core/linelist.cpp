#include "core/linelist.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace qs {

namespace {

bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// The number of lines of text: its line ends (CR LF counting once), and a
// last line without one. Plain loops over the bytes, which the compiler turns
// into vector instructions: a megabyte at a time, counted in 32 bits.
std::size_t CountLines(std::string_view text) {
    const std::size_t n = text.size();
    if (n == 0)
        return 0;
    constexpr std::size_t kBlock = 1 << 20;
    std::size_t ends = 0;
    for (std::size_t from = 0; from + 1 < n; from += kBlock) {
        const std::size_t to = std::min(n - 1, from + kBlock);
        std::uint32_t blockEnds = 0;
        for (std::size_t i = from; i < to; ++i) {
            // Every LF and every CR, less the CRs of CR LF pairs.
            const std::uint32_t lf = text[i] == '\n';
            const std::uint32_t cr = text[i] == '\r';
            const std::uint32_t lfNext = text[i + 1] == '\n';
            blockEnds += lf + cr - (cr & lfNext);
        }
        ends += blockEnds;
    }
    return ends + 1;  // the last byte ends the last line, or the last line has no line end
}

// Adds where each line of text begins. text must be followed in memory by a
// NUL (as the text of a std::string is), which stops the scan of the last line.
void FindLineStarts(std::string_view text, std::vector<std::size_t>& starts) {
    const char* const begin = text.data();
    const char* const end = begin + text.size();
    const char* p = begin;
    while (p != end) {
        starts.push_back(static_cast<std::size_t>(p - begin));
        for (;;) {
            // Most bytes lie above CR; only the few below it are looked at closer.
            while (static_cast<unsigned char>(*p) > '\r')
                ++p;
            if (IsLineEnd(*p) || p == end)
                break;
            ++p;
        }
        if (p == end)
            break;  // a last line without a line end
        if (*p++ == '\r' && p != end && *p == '\n')
            ++p;
    }
}

}  // namespace

TLineList::TLineList(std::string text) : text_(std::move(text)) {
    // Counted first, so that the offsets are allocated once.
    starts_.clear();
    starts_.reserve(CountLines(text_) + 1);
    FindLineStarts(text_, starts_);
    // Every line is followed by a line end; that is how operator[] finds where it stops.
    if (!text_.empty() && !IsLineEnd(text_.back()))
        text_ += '\n';
    starts_.push_back(text_.size());
}

void TLineList::Append(std::string_view line) {
    text_.append(line);
    text_.append("\r\n");
    starts_.push_back(text_.size());
}

void TLineList::Reserve(std::size_t lines, std::size_t bytes) {
    starts_.reserve(starts_.size() + lines);
    text_.reserve(text_.size() + bytes);
}

void TLineList::EraseFront(std::size_t count) {
    first_ += std::min(count, size());
}

void TLineList::Erase(std::size_t index) {
    const std::size_t i = first_ + index;
    const std::size_t begin = starts_[i];
    const std::size_t length = starts_[i + 1] - begin;
    text_.erase(begin, length);
    starts_.erase(starts_.begin() + static_cast<std::ptrdiff_t>(i));
    for (std::size_t j = i; j < starts_.size(); ++j)
        starts_[j] -= length;
}

void TLineList::clear() {
    text_.clear();
    starts_.assign(1, 0);
    first_ = 0;
}

std::string_view TLineList::Text() const {
    return std::string_view(text_).substr(starts_[first_]);
}

TStringList TLineList::ToStringList() const {
    TStringList list;
    list.reserve(size());
    for (std::size_t i = 0; i < size(); ++i)
        list.emplace_back((*this)[i]);
    return list;
}

int TLineList::IndexOfText(std::string_view text) const {
    for (std::size_t i = first_; i + 1 < starts_.size(); ++i) {
        // A line of that length takes one or two bytes more with its line end:
        // the other lines are passed over at the cost of a subtraction.
        const std::size_t stored = starts_[i + 1] - starts_[i];
        if (stored != text.size() + 1 && stored != text.size() + 2)
            continue;
        if (SameText((*this)[i - first_], text))
            return static_cast<int>(i - first_);
    }
    return -1;
}

}  // namespace qs
