// Conversion between the Windows-1251 bytes of the data files and reports and the UTF-8 text the
// program keeps in memory. This is the only place where the code page is known.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace velorith {

// Every byte has a meaning; the one unassigned byte (0x98) becomes U+FFFD.
std::string Cp1251ToUtf8(std::string_view bytes);

// The Windows-1251 byte of a code point; none for a code point the code page lacks (U+FFFD too,
// though byte 0x98 reads as it).
std::optional<unsigned char> Cp1251Byte(char32_t cp);

// Where a UTF-8 text cannot be written in Windows-1251: the byte offset of the first character
// that has no code there, or of the first malformed sequence.
struct EncodeError {
    std::size_t offset = 0;
};

// The Windows-1251 bytes of a UTF-8 text, or the place where that is impossible.
std::optional<std::string> Utf8ToCp1251(std::string_view utf8, EncodeError* error = nullptr);

// Like Utf8ToCp1251, but a character with no code becomes "?" (for output that must go out).
std::string Utf8ToCp1251Lossy(std::string_view utf8);

bool IsValidUtf8(std::string_view text);

// The UTF-8 character at text[pos] (pos < text.size()): its length, with its code point in `cp`;
// 0 when the bytes there are no well-formed character (cut short, overlong, a surrogate or
// beyond U+10FFFF).
std::size_t DecodeUtf8(std::string_view text, std::size_t pos, char32_t& cp);

// Appends a code point as UTF-8; a surrogate or a value past U+10FFFF becomes U+FFFD.
void AppendUtf8(std::string& out, char32_t cp);

// A data file's bytes as UTF-8: a leading UTF-8 byte-order mark is skipped, and a file that is
// valid UTF-8 and holds non-ASCII bytes is taken as UTF-8 (a file re-saved by a modern editor);
// anything else is Windows-1251.
std::string DecodeDataFile(std::string_view bytes);

// Lower case for ASCII and Cyrillic letters. Both keep their byte length, so an offset found in
// the lower-cased copy marks the same place in the original.
std::string LowerUtf8(std::string_view text);

}  // namespace velorith
