// The rank-sign markers of text values and the RTF prefixes that print them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "data/shared_text.h"
#include "data/text_spans.h"

namespace velorith {

// The rank sign of a commemoration, in rising order. The data marks them "{6}" (six stichera),
// "{5}" (doxology), "{3}" (polyeleos), "{2}" (vigil), "{1}" (great feast); a line without a
// marker has none.
enum class Rank : std::uint8_t { None, SixStichera, Doxology, Polyeleos, Vigil, GreatFeast };

// One text line of the data as the reports use it.
struct TextLine {
    Rank Sign = Rank::None;
    bool Note = false;  // a line of group 4: indented, never a sign
    // Read once with the line, since a line is shown on many days, and shared by the days that
    // show it: the visible plain text, the balanced markup (empty when the line has none) and
    // its looks.
    SharedText Plain;
    SharedText Markup;
    std::vector<TextSpan> Spans;

    // The text after the sign marker, RTF inline markup and all. A line without markup is its
    // plain text, so the one text serves both.
    std::string_view Value() const { return Markup.empty() ? Plain : Markup; }
};
using TextLines = std::vector<TextLine>;

// The number in a rank's marker: 2 for "{2}"; 0 for a line without a sign.
int SignMarkerNumber(Rank sign);

// The rank sign a value's marker names and the text after the marker (leading spaces
// removed); Rank::None and the whole value when it has no marker.
std::pair<Rank, std::string_view> ReadSignMarker(std::string_view value);

// A line of groups 0..3 (its marker read off) and a line of group 4. The text's markup is
// balanced (data/entry_markup.h), so that no value can damage the document it goes into. With
// an owner, the value lies within what it holds (a month file's text), and a text without
// markup points into it instead of being copied.
TextLine SignedTextLine(std::string_view value, const std::shared_ptr<const void>& owner = {});
TextLine NoteTextLine(std::string_view value, const std::shared_ptr<const void>& owner = {});

// The RTF a report writes before a line's text: the sign column (a middle dot for a line
// without a sign, blank for a note).
std::string_view LinePrefix(Rank sign, bool note);
// The visible sign column of the plain text: the prefix as a reader shows it.
std::string_view PlainLinePrefix(Rank sign, bool note);
// Appends the line as a report writes it: prefix, text, "\par" CR LF.
void AppendLineRtf(std::string& out, Rank sign, bool note, std::string_view value);
// The lines one after another as a report writes them.
std::string LinesRtf(const TextLines& lines);

// Blank prefix of lines without a sign: three spaces in font 1.
inline constexpr std::string_view Indent = "\\f1    \\f0  ";

// End of an RTF text line.
inline constexpr std::string_view kParLineEnd = "\\par\r\n";

// The value with its marker "{1}", "{2}", "{3}", "{5}" or "{6}" turned into the sign's prefix;
// any other value keeps all its text behind the middle-dot prefix.
std::string ConvertSigns(std::string_view value);

// A converted text line: ConvertSigns(value) + "\par" CR LF.
std::string SignedLine(std::string_view value);
// A line of group 4: Indent + value + "\par" CR LF.
std::string IndentedLine(std::string_view value);

}  // namespace velorith
