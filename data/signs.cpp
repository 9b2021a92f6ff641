#include "data/signs.h"

#include <array>
#include <utility>

#include "data/entry_markup.h"

namespace velorith {
namespace {

// Each sign is three characters wide in the monospaced font 1, so the signs form a column.
struct Sign {
    std::string_view marker;
    std::string_view prefix;
    std::string_view plain;  // what a reader shows of the prefix
    Rank rank;
};

constexpr std::array<Sign, 5> kSigns = {{
    {"{1}", "\\f1 (+)\\f0  ", "(+) ", Rank::GreatFeast},
    {"{2}", "\\f1  +)\\f0  ", " +) ", Rank::Vigil},
    {"{3}", "\\f1  + \\f0  ", " +  ", Rank::Polyeleos},
    {"{5}", "\\f1  c \\f0  ", " c  ", Rank::Doxology},
    {"{6}", "\\f1  \xD1\x88 \\f0  ", " \xD1\x88  ", Rank::SixStichera},  // Cyrillic small sha
}};

constexpr std::string_view kDotPrefix = "\\f1  \xC2\xB7 \\f0  ";  // middle dot
constexpr std::string_view kPlainDot = " \xC2\xB7  ";
constexpr std::string_view kPlainIndent = "    ";

}  // namespace

std::pair<Rank, std::string_view> ReadSignMarker(std::string_view value) {
    for (const Sign& sign : kSigns) {
        if (!value.starts_with(sign.marker)) continue;
        std::string_view rest = value.substr(sign.marker.size());
        while (!rest.empty() && rest.front() == ' ')
            rest.remove_prefix(1);
        return {sign.rank, rest};
    }
    return {Rank::None, value};
}

namespace {

// The line's text, balanced, with its plain text and looks read once. Nearly every line of the
// data has no markup: its text is its plain text.
void SetText(TextLine& line, std::string_view value, const std::shared_ptr<const void>& owner) {
    if (!HasMarkup(value)) {
        line.Plain = owner ? SharedText::Within(owner, value) : SharedText(value);
        return;
    }
    std::string balanced = BalanceMarkup(value);
    if (!HasMarkup(balanced)) {  // balancing may leave none
        line.Plain = std::move(balanced);
        return;
    }
    StyledText styled = ReadStyledText(balanced);
    line.Plain = std::move(styled.Text);
    line.Spans = std::move(styled.Spans);
    line.Markup = std::move(balanced);
}

}  // namespace

TextLine SignedTextLine(std::string_view value, const std::shared_ptr<const void>& owner) {
    TextLine line;
    const auto [sign, rest] = ReadSignMarker(value);
    line.Sign = sign;
    SetText(line, rest, owner);
    return line;
}

int SignMarkerNumber(Rank sign) {
    for (const Sign& s : kSigns)
        if (s.rank == sign) return s.marker[1] - '0';
    return 0;
}

TextLine NoteTextLine(std::string_view value, const std::shared_ptr<const void>& owner) {
    TextLine line;
    line.Note = true;
    SetText(line, value, owner);
    return line;
}

std::string_view LinePrefix(Rank sign, bool note) {
    if (note) return Indent;
    for (const Sign& s : kSigns)
        if (s.rank == sign) return s.prefix;
    return kDotPrefix;
}

std::string_view PlainLinePrefix(Rank sign, bool note) {
    if (note) return kPlainIndent;
    for (const Sign& s : kSigns)
        if (s.rank == sign) return s.plain;
    return kPlainDot;
}

void AppendLineRtf(std::string& out, Rank sign, bool note, std::string_view value) {
    out += LinePrefix(sign, note);
    out += value;
    out += kParLineEnd;
}

std::string LinesRtf(const TextLines& lines) {
    std::string out;
    for (const TextLine& line : lines)
        AppendLineRtf(out, line.Sign, line.Note, line.Value());
    return out;
}

std::string ConvertSigns(std::string_view value) {
    const TextLine line = SignedTextLine(value);
    std::string out(LinePrefix(line.Sign, false));
    out += line.Value();
    return out;
}

std::string SignedLine(std::string_view value) {
    std::string out = ConvertSigns(value);
    out += kParLineEnd;
    return out;
}

std::string IndentedLine(std::string_view value) {
    std::string out(Indent);
    out += BalanceMarkup(value);
    out += kParLineEnd;
    return out;
}

}  // namespace velorith
