#include "reports/rtf_writer.h"

#include <cstdint>

#include "data/text_encoding.h"

namespace velorith {

std::string Prologue(const ReportSettings& settings, bool periodColour) {
    std::string text;
    text.reserve(256);
    text +=
        "{\\rtf1\\ansi\\ansicpg1251\\deff0\\deflang1049{\\fonttbl{"
        "\\f0\\fswiss\\fprq2\\fcharset204 ";
    text += RtfEscapeText(settings.FontName);
    text += ";}{\\f1\\fmodern\\fprq1\\fcharset204 Courier New;}}\r\n";
    text += "{\\colortbl ;\\red0\\green0\\blue128;\\red255\\green0\\blue0;}\r\n";
    text += "\\viewkind4\\uc1\\pard\\f0\\fs";
    text += std::to_string(settings.FontSize * 2);  // half-points
    text += kCrLf;
    if (settings.FontBold) text += "\\b ";
    if (settings.FontItalic) text += "\\i ";
    if (periodColour) text += kNavy;
    return text;
}

std::string RtfEscapeText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        if (c == '\\' || c == '{' || c == '}') out += '\\';
        out += c;
    }
    return out;
}

namespace {

void AppendUnicodeEscape(std::string& out, char32_t unit) {
    // RTF takes the code unit as a signed 16-bit number.
    out += "\\u";
    out += std::to_string(static_cast<std::int16_t>(static_cast<std::uint16_t>(unit)));
    out += '?';
}

}  // namespace

std::string RtfToCp1251(std::string_view utf8Document) {
    std::string out;
    out.reserve(utf8Document.size());
    for (std::size_t pos = 0; pos < utf8Document.size();) {
        char32_t cp = 0;
        const std::size_t len = DecodeUtf8(utf8Document, pos, cp);
        if (len == 0) {
            out += '?';  // a malformed byte, an encoded surrogate or a code point past U+10FFFF
            ++pos;
            continue;
        }
        if (const auto byte = Cp1251Byte(cp)) {
            out += static_cast<char>(*byte);
        } else if (cp >= 0x10000) {
            const char32_t v = cp - 0x10000;
            AppendUnicodeEscape(out, 0xD800 + (v >> 10));
            AppendUnicodeEscape(out, 0xDC00 + (v & 0x3FF));
        } else {
            AppendUnicodeEscape(out, cp);
        }
        pos += len;
    }
    return out;
}

}  // namespace velorith
