// The rank-sign markers of text values and the RTF prefixes that print them.
#pragma once

#include <string>
#include <string_view>

namespace velorith {

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
