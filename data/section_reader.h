// The reading primitives every reader of the data files uses.
#pragma once

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velorith {

// The lines of section `section` of the INI file `file`, in file order, whole however long.
// Empty when the file or the section is missing or the section has no lines.
std::vector<std::string> ReadSection(std::string_view section, const std::filesystem::path& file);
std::vector<std::string> ReadSection(int section, const std::filesystem::path& file);

// The value of `key` in `section` (key compared ignoring case), empty when absent. When the key
// occurs more than once the last occurrence counts, as for every non-text key.
std::string ReadKey(std::string_view section, std::string_view key,
                    const std::filesystem::path& file);
std::string ReadKey(int section, std::string_view key, const std::filesystem::path& file);

// Takes the first line off `rest` into `line`; false, with `line` empty, when none is left.
bool NextLine(std::span<const std::string>& rest, std::string_view& line);
bool NextLine(std::span<const std::string_view>& rest, std::string_view& line);

struct KeyValue {
    std::string key;  // as written; readers compare it lower-cased
    std::string value;
};

// Splits at the first "=", spaces (only the space character) stripped from both ends of key and
// value; both empty when the line holds no "=".
KeyValue SplitKey(std::string_view line);
// The same as views into the line, for readers that copy nothing they do not keep.
struct KeyValueView {
    std::string_view key;
    std::string_view value;
};
KeyValueView SplitKeyView(std::string_view line);

// The value of `key` in the given section lines (last occurrence, key compared ignoring case).
std::string FindKey(std::span<const std::string_view> lines, std::string_view key);
std::string FindKey(std::span<const std::string> lines, std::string_view key);

// A number value read leniently: leading blanks, an optional sign, digits and an optional
// fraction; reading stops at the first character that cannot continue the number; no number
// reads as 0. Rounded half to even; values outside the 16-bit range saturate.
std::int16_t ReadNumber(std::string_view value);

}  // namespace velorith
