#include "exports/html_text.h"

#include <algorithm>

#include "data/text_encoding.h"

namespace velorith::exports {
namespace {

bool Dropped(char32_t cp) {
    if (cp == U'\t' || cp == U'\n') return false;
    if (cp < 0x20 || (cp >= 0x7F && cp <= 0x9F)) return true;
    // Noncharacters: U+FDD0..U+FDEF and the last two code points of every plane.
    return (cp >= 0xFDD0 && cp <= 0xFDEF) || (cp & 0xFFFE) == 0xFFFE;
}

}  // namespace

void AppendEscaped(std::string& out, std::string_view text) {
    out.reserve(out.size() + text.size());
    // Bytes that need nothing are copied a run at a time; most text is Cyrillic letters, two
    // bytes each, which are checked without decoding.
    std::size_t run = 0;
    std::size_t i = 0;
    const auto flush = [&] { out.append(text.substr(run, i - run)); };
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x80) {
            const char* reference = c == '&'    ? "&amp;"
                                    : c == '<'  ? "&lt;"
                                    : c == '>'  ? "&gt;"
                                    : c == '"'  ? "&quot;"
                                    : c == '\'' ? "&#39;"
                                                : nullptr;
            if (reference == nullptr && !Dropped(c)) {
                ++i;
                continue;
            }
            flush();
            if (reference != nullptr) out += reference;
            run = ++i;
            continue;
        }
        if (c >= 0xC2 && c <= 0xDF && i + 1 < text.size() &&
            (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80) {
            // U+0080..U+07FF: only the C1 controls (C2 80..C2 9F) are left out.
            if (c == 0xC2 && static_cast<unsigned char>(text[i + 1]) <= 0x9F) {
                flush();
                run = i += 2;
            } else {
                i += 2;
            }
            continue;
        }
        char32_t cp = 0;
        const std::size_t length = DecodeUtf8(text, i, cp);
        if (length != 0 && !Dropped(cp)) {
            i += length;
            continue;
        }
        flush();
        if (length == 0) out += "\xEF\xBF\xBD";
        run = i += std::max<std::size_t>(length, 1);
    }
    flush();
}

std::string Escaped(std::string_view text) {
    std::string out;
    AppendEscaped(out, text);
    return out;
}

void AppendStyled(std::string& out, std::string_view text, std::span<const TextSpan> spans) {
    std::size_t at = 0;
    for (const TextSpan& span : spans) {
        if (span.Begin < at || span.End <= span.Begin || span.End > text.size()) continue;
        AppendEscaped(out, text.substr(at, span.Begin - at));
        at = span.End;
        if ((span.Style & kStyleHidden) != 0) continue;
        const std::string_view piece = text.substr(span.Begin, span.End - span.Begin);
        // The elements nest in one fixed order, so each span is whole in itself.
        const bool bold = (span.Style & kStyleBold) != 0;
        const bool italic = (span.Style & kStyleItalic) != 0;
        const bool underline = (span.Style & kStyleUnderline) != 0;
        const bool red = (span.Style & kStyleRed) != 0;
        if (red) out += "<span class=\"red\">";
        if (underline) out += "<span class=\"u\">";
        if (bold) out += "<strong>";
        if (italic) out += "<em>";
        AppendEscaped(out, piece);
        if (italic) out += "</em>";
        if (bold) out += "</strong>";
        if (underline) out += "</span>";
        if (red) out += "</span>";
    }
    if (at < text.size()) AppendEscaped(out, text.substr(at));
}

}  // namespace velorith::exports
