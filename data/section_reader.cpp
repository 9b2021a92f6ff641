#include "data/section_reader.h"

#include <algorithm>
#include <cstdint>

#include "data/ini_file.h"
#include "data/text_encoding.h"

namespace velorith {
namespace {

template <typename Line>
std::string FindKeyIn(std::span<const Line> lines, std::string_view key) {
    const std::string wanted = LowerUtf8(StripSpaces(key));
    std::string found;
    for (const auto& line : lines) {
        KeyValue kv = SplitKey(line);
        if (!kv.key.empty() && LowerUtf8(kv.key) == wanted) found = std::move(kv.value);
    }
    return found;
}

template <typename Line>
bool NextLineIn(std::span<const Line>& rest, std::string_view& line) {
    line = {};
    if (rest.empty()) return false;
    line = rest.front();
    rest = rest.subspan(1);
    return true;
}

}  // namespace

std::vector<std::string> ReadSection(std::string_view section, const std::filesystem::path& file) {
    const IniFile ini = IniFile::Load(file);
    const auto lines = ini.Section(section);
    return {lines.begin(), lines.end()};
}

std::vector<std::string> ReadSection(int section, const std::filesystem::path& file) {
    return ReadSection(std::to_string(section), file);
}

std::string ReadKey(std::string_view section, std::string_view key,
                    const std::filesystem::path& file) {
    const IniFile ini = IniFile::Load(file);
    const auto lines = ini.Section(section);
    return FindKey(std::span<const std::string_view>(lines), key);
}

std::string ReadKey(int section, std::string_view key, const std::filesystem::path& file) {
    return ReadKey(std::to_string(section), key, file);
}

bool NextLine(std::span<const std::string>& rest, std::string_view& line) {
    return NextLineIn(rest, line);
}

bool NextLine(std::span<const std::string_view>& rest, std::string_view& line) {
    return NextLineIn(rest, line);
}

KeyValueView SplitKeyView(std::string_view line) {
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) return {};
    return {StripSpaces(line.substr(0, eq)), StripSpaces(line.substr(eq + 1))};
}

KeyValue SplitKey(std::string_view line) {
    const KeyValueView kv = SplitKeyView(line);
    return {std::string(kv.key), std::string(kv.value)};
}

std::string FindKey(std::span<const std::string_view> lines, std::string_view key) {
    return FindKeyIn(lines, key);
}

std::string FindKey(std::span<const std::string> lines, std::string_view key) {
    return FindKeyIn(lines, key);
}

std::int16_t ReadNumber(std::string_view value) {
    std::size_t i = 0;
    while (i < value.size() && (value[i] == ' ' || value[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < value.size() && (value[i] == '+' || value[i] == '-')) negative = value[i++] == '-';
    auto digitAt = [&value](std::size_t at) {
        return at < value.size() && value[at] >= '0' && value[at] <= '9';
    };

    // The whole part saturates far above the 16-bit range, so no length of digits overflows.
    constexpr long kCap = 1'000'000;
    long whole = 0;
    for (; digitAt(i); ++i)
        whole = std::min(kCap, whole * 10 + (value[i] - '0'));

    // The fraction only decides the rounding: its first digit, and whether anything follows.
    int firstFraction = 0;
    bool moreFraction = false;
    if (i < value.size() && value[i] == '.') {
        ++i;
        if (digitAt(i)) firstFraction = value[i++] - '0';
        for (; digitAt(i); ++i)
            moreFraction = moreFraction || value[i] != '0';
    }
    if (firstFraction > 5 || (firstFraction == 5 && (moreFraction || whole % 2 == 1))) ++whole;

    const long result = negative ? -whole : whole;
    return static_cast<std::int16_t>(std::clamp<long>(result, INT16_MIN, INT16_MAX));
}

}  // namespace velorith
