// Text into HTML: every character of the data is escaped, and the data's inline looks (spans read
// when the day was built) become elements. Nothing the data holds is ever written as markup.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "data/text_spans.h"

namespace velorith::exports {

// Appends the text escaped for element content and for quoted attribute values alike (& < > " '
// become references). Malformed UTF-8 becomes U+FFFD; control characters other than tab and
// line feed, and the Unicode noncharacters, are left out: an HTML parser rejects them.
void AppendEscaped(std::string& out, std::string_view text);
std::string Escaped(std::string_view text);

// Appends the text with its spans: bold as <strong>, italic as <em>, underline and red as
// <span class="u">, <span class="red">; hidden text is left out. Spans that do not fit the text
// are ignored rather than trusted.
void AppendStyled(std::string& out, std::string_view text, std::span<const TextSpan> spans);

}  // namespace velorith::exports
