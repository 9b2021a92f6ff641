// Reading RTF documents: the reports this program writes, the abbreviations file and whatever a
// user hands back. The reader turns a document into paragraphs of styled runs, which the window
// shows in its panes and the command-line companion prints as plain text. It knows the handful of
// control words that matter for that and skips everything else; it never fails, whatever the
// input, and bounds group nesting so that hostile input cannot exhaust the stack or the memory.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velorith {

struct RtfColor {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool automatic = true;  // the empty first entry of a colour table, and \cf0

    bool operator==(const RtfColor&) const = default;
};

struct RtfFont {
    int number = 0;    // the N of \fN
    std::string name;  // UTF-8, without the closing ';'
};

// A piece of text with one look. Text is UTF-8; \tab gives '\t' and \line gives '\n'.
struct RtfRun {
    std::string text;
    int font = 0;          // the N of \fN in force
    std::string fontName;  // from the font table; empty when the table lacks N
    int halfPoints = 24;   // \fs, in half points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool hidden = false;  // \v: text a reader does not show (the plain text keeps it)
    int colorIndex = 0;  // the N of \cfN in force; 0 is the automatic colour
    RtfColor color;      // that colour-table entry (automatic when absent)

    // True when `other` looks the same (everything but the text).
    bool SameLook(const RtfRun& other) const;
};

struct RtfParagraph {
    std::vector<RtfRun> runs;

    std::string Text() const;  // the runs joined
};

struct RtfContent {
    std::vector<RtfFont> fonts;
    std::vector<RtfColor> colors;  // index = \cf number
    int defaultFont = 0;           // \deffN
    // Every paragraph ended by \par, and a last one when text follows the last \par.
    std::vector<RtfParagraph> paragraphs;

    const RtfFont* FindFont(int number) const;
    // Paragraph texts separated by LF, no LF after the last one.
    std::string PlainText() const;
};

// Reads a document given as bytes. Bytes written as \'hh are Windows-1251, the code page every
// document of this program declares (\ansicpg1251). Other non-ASCII bytes are taken as UTF-8
// when the whole input is valid UTF-8 (a document built in memory), as Windows-1251 otherwise.
RtfContent ReadRtf(std::string_view bytes);

// ReadRtf(bytes).PlainText().
std::string RtfToPlainText(std::string_view bytes);

}  // namespace velorith
