#pragma once
// The layout of a printed template: line by line text printing at the top left
// corner of the printable area, long lines broken where they stop fitting,
// a new page when the next line would come too close to the bottom edge.
// All positions are in printer device units.
#include <string>
#include <vector>

#include "core/stringlist.h"

namespace qs {

// What the layout needs to know of the printer's font.
class IPrintFontMetrics {
  public:
    virtual ~IPrintFontMetrics() = default;
    // Advance width of one byte of text. A byte of width 0 (for example a
    // continuation byte of a UTF-8 sequence) stays with the character before it.
    virtual int CharWidth(unsigned char c) const = 0;
    // Height of a printed piece of text.
    virtual int TextHeight() const = 0;
    // The font's character height (ascent plus descent).
    virtual int FontHeight() const = 0;
};

// A fixed-pitch font: every character has the same width.
class TFixedPitchMetrics : public IPrintFontMetrics {
  public:
    TFixedPitchMetrics(int charWidth, int textHeight, int fontHeight)
        : charWidth_(charWidth), textHeight_(textHeight), fontHeight_(fontHeight) {}
    int CharWidth(unsigned char) const override { return charWidth_; }
    int TextHeight() const override { return textHeight_; }
    int FontHeight() const override { return fontHeight_; }

  private:
    int charWidth_;
    int textHeight_;
    int fontHeight_;
};

struct TPrintedLine {
    std::string text;  // the piece of a template line printed here (empty for an empty line)
    int y = 0;         // top of the line, from the top of the printable area
};

using TPrintedPage = std::vector<TPrintedLine>;

// Line height: TextHeight() + 2, an empty line FontHeight(). A line wider than
// pageWidth is broken after the last character that still fits (at least one
// character per printed line, so that a very narrow page still makes progress).
// After each printed line the position moves down by its height; a new page
// begins when the position lies lower than pageHeight minus twice that height
// (for an empty line: lower than pageHeight). A page exists only when a line
// is printed on it: no lines, no pages.
std::vector<TPrintedPage> LayoutPrintout(const TStringList& lines, const IPrintFontMetrics& metrics,
                                         int pageWidth, int pageHeight);

}  // namespace qs
