// Layout of the printed template.
#include "core/print_layout.h"

#include <cstddef>

namespace qs {

namespace {

// Number of bytes of text from `from` that fit into width (at least one character).
std::size_t FittingLength(const std::string& text, std::size_t from,
                          const IPrintFontMetrics& metrics, int width) {
    long long used = 0;
    std::size_t end = from;
    while (end < text.size()) {
        used += metrics.CharWidth(static_cast<unsigned char>(text[end]));
        if (used > width)
            break;
        ++end;
    }
    if (end == from) {
        // Not even one character fits: print it alone, with the zero-width
        // bytes that belong to it (the continuation bytes of a UTF-8 sequence).
        ++end;
        while (end < text.size() && metrics.CharWidth(static_cast<unsigned char>(text[end])) == 0) {
            ++end;
        }
    }
    return end - from;
}

}  // namespace

std::vector<TPrintedPage> LayoutPrintout(const TStringList& lines, const IPrintFontMetrics& metrics,
                                         int pageWidth, int pageHeight) {
    std::vector<TPrintedPage> pages;
    bool pageOpen = false;
    long long y = 0;

    // Places one printed line of the given height at the current position,
    // then moves on and starts a new page when the next position is too low.
    auto place = [&](std::string text, long long height, long long limit) {
        if (!pageOpen) {
            pages.emplace_back();
            pageOpen = true;
            y = 0;
        }
        pages.back().push_back(TPrintedLine{std::move(text), static_cast<int>(y)});
        y += height;
        if (y > limit)
            pageOpen = false;
    };

    const long long textLineHeight = metrics.TextHeight() + 2LL;
    for (const std::string& line : lines) {
        if (line.empty()) {
            place(std::string(), metrics.FontHeight(), pageHeight);
            continue;
        }
        std::size_t from = 0;
        while (from < line.size()) {
            std::size_t length = FittingLength(line, from, metrics, pageWidth);
            place(line.substr(from, length), textLineHeight, pageHeight - 2 * textLineHeight);
            from += length;
        }
    }
    return pages;
}

}  // namespace qs
