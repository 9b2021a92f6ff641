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

// A data file's bytes as UTF-8, decided by the bytes themselves:
// - a byte-order mark (UTF-8, UTF-16 LE or BE) is believed only when the rest is valid in that
//   encoding; otherwise it is dropped and the rest read as below;
// - a file that is valid UTF-8 is UTF-8 (a file re-saved by a modern editor);
// - a file whose non-ASCII lines are mostly valid UTF-8 is read line by line, so that a few stray
//   bytes spoil only their own line, which reads as Windows-1251;
// - anything else is Windows-1251.
std::string DecodeDataFile(std::string_view bytes);

// UTF-8 text made safe to put on a terminal: C0 control characters other than tab and line feed,
// DEL and the C1 controls are dropped (they could move the cursor, retitle or clear the terminal),
// and malformed UTF-8 becomes U+FFFD.
std::string SanitizeForTerminal(std::string_view utf8);
// The same done to a text in place; it is left untouched, and uncopied, when nothing in it needs
// a change, which is the rule, so that a long report is not copied for nothing.
void SanitizeForTerminalInPlace(std::string& utf8);

// Lower case for ASCII and Cyrillic letters. Both keep their byte length, so an offset found in
// the lower-cased copy marks the same place in the original.
std::string LowerUtf8(std::string_view text);

}  // namespace velorith
