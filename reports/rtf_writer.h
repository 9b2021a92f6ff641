// What every report document shares: the opening and closing text, the separators, the two
// colours, the pieces a document is written in, and the step to the Windows-1251 bytes that a
// saved report holds.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "data/signs.h"

namespace velorith {

// The report font and the two display options of the day block.
struct ReportSettings {
    std::string FontName = "System";
    std::int16_t FontSize = 10;  // points
    bool FontBold = false;
    bool FontItalic = false;
    bool ShowIndiction = false;
    bool ShowAllStyles = false;
    // Additions to the day: off, the reports are exactly those of the plain calendar.
    bool ShowFasting = false;
    bool ShowReadings = false;
    bool ShowZachala = false;  // the readings with their zachalo numbers
};

inline constexpr std::string_view kCrLf = "\r\n";
// The end of a report line: a paragraph mark and a line break in the file, the same end the
// data's text lines are given.
inline constexpr std::string_view kEol = kParLineEnd;
inline constexpr std::string_view kNavy = "\\cf1 ";  // colour 1, the ordinary text
inline constexpr std::string_view kRed = "\\cf2 ";   // colour 2, red days and headings
// The separator between days and under headings: 99 full stops.
inline constexpr std::string_view DotLine =
    ".............................................................................................."
    ".....";
static_assert(DotLine.size() == 99);

// Ends the line in `text` and rules it off: the end of line, the dotted line and its own end of
// line, the close of every heading and listed day.
inline void AppendRule(std::string& text) {
    text += kEol;
    text += DotLine;
    text += kEol;
}
inline constexpr std::string_view kEpilogue = "\\par\r\n}";

// The opening text of a document. Period reports (week, month, year, feasts, search) start in
// navy; the day report chooses its colour after its texts are made.
std::string Prologue(const ReportSettings& settings, bool periodColour);

// A document as the pane file holds it: pieces written one after another, each followed by
// CR LF.
class RtfDocument {
  public:
    explicit RtfDocument(std::string_view prologue) { AddPiece(prologue); }
    void AddPiece(std::string_view piece) {
        text_ += piece;
        text_ += kCrLf;
    }
    std::string Take() && { return std::move(text_); }

  private:
    std::string text_;
};

// Plain text made safe inside a report: backslashes and braces escaped, so that a user's text
// can never open a group or start a control word.
std::string RtfEscapeText(std::string_view text);

// The bytes of a document as it is saved: Windows-1251, a character that the code page lacks
// written as a \uN escape with "?" for readers without Unicode (the prologue declares \uc1).
std::string RtfToCp1251(std::string_view utf8Document);

}  // namespace velorith
