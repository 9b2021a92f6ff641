#include "data/text_spans.h"

#include <limits>

#include "data/entry_markup.h"
#include "data/rtf_reader.h"

namespace velorith {
namespace {

// The colour the reports' colour table gives number 2: red days, headings, red words.
constexpr int kRedColourIndex = 2;

std::uint8_t StyleOf(const RtfRun& run) {
    std::uint8_t style = 0;
    if (run.bold) style |= kStyleBold;
    if (run.italic) style |= kStyleItalic;
    if (run.underline) style |= kStyleUnderline;
    if (run.colorIndex == kRedColourIndex) style |= kStyleRed;
    if (run.hidden) style |= kStyleHidden;
    return style;
}

void AddSpan(std::vector<TextSpan>& spans, std::size_t begin, std::size_t end, std::uint8_t style) {
    if (style == 0 || begin == end) return;
    const auto b = static_cast<std::uint32_t>(begin);
    const auto e = static_cast<std::uint32_t>(end);
    // Runs that differ only in what no span records (font, size) join into one span.
    if (!spans.empty() && spans.back().End == b && spans.back().Style == style) {
        spans.back().End = e;
    } else {
        spans.push_back({b, e, style});
    }
}

}  // namespace

StyledText ReadStyledText(std::string_view value) {
    StyledText out;
    if (!HasMarkup(value)) {
        out.Text = std::string(value);
        return out;
    }
    std::string document = "{\\rtf1 ";
    document += value;
    document += '}';
    const RtfContent content = ReadRtf(document);
    // The paragraphs joined as RtfContent::PlainText joins them, so the text is the same.
    for (std::size_t i = 0; i < content.paragraphs.size(); ++i) {
        if (i > 0) out.Text += '\n';
        for (const RtfRun& run : content.paragraphs[i].runs) {
            const std::size_t begin = out.Text.size();
            out.Text += run.text;
            AddSpan(out.Spans, begin, out.Text.size(), StyleOf(run));
        }
    }
    // Data values are bounded far below this (kMaxDataFileSize); a text past it keeps no spans
    // rather than wrapping offsets.
    if (out.Text.size() > std::numeric_limits<std::uint32_t>::max()) out.Spans.clear();
    return out;
}

}  // namespace velorith
