// The inline markup of a data text as styled stretches of its plain text. A data value keeps its
// RTF fragment for the RTF reports; every other output (HTML first) takes the plain text and
// these spans, read once when the day is built, so no renderer reads RTF.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace velorith {

// The looks a stretch of text may have, as bits of TextSpan::Style.
enum TextStyleBit : std::uint8_t {
    kStyleBold = 1,
    kStyleItalic = 2,
    kStyleUnderline = 4,
    kStyleRed = 8,      // the reports' red (colour 2 of their colour table)
    kStyleHidden = 16,  // hidden text (\v): kept in the plain text, never shown as text
};

// Bytes [Begin, End) of the plain text share one look. Spans are ordered, never overlap, never
// empty, and cover only styled text; unstyled text has none.
struct TextSpan {
    std::uint32_t Begin = 0;
    std::uint32_t End = 0;
    std::uint8_t Style = 0;

    bool operator==(const TextSpan&) const = default;
};

struct StyledText {
    std::string Text;  // the visible plain text, exactly as PlainTextOf gives it
    std::vector<TextSpan> Spans;
};

// Reads a balanced data value (data/entry_markup.h) into its plain text and spans. A value
// without markup is its own text with no spans.
StyledText ReadStyledText(std::string_view value);

}  // namespace velorith
