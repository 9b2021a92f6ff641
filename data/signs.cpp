#include "data/signs.h"

#include <array>
#include <utility>

namespace velorith {
namespace {

// Each sign is three characters wide in the monospaced font 1, so the signs form a column.
constexpr std::array<std::pair<std::string_view, std::string_view>, 5> kSigns = {{
    {"{1}", "\\f1 (+)\\f0  "},
    {"{2}", "\\f1  +)\\f0  "},
    {"{3}", "\\f1  + \\f0  "},
    {"{5}", "\\f1  c \\f0  "},
    {"{6}", "\\f1  \xD1\x88 \\f0  "},  // Cyrillic small sha
}};

constexpr std::string_view kDotPrefix = "\\f1  \xC2\xB7 \\f0  ";  // middle dot

}  // namespace

std::string ConvertSigns(std::string_view value) {
    for (const auto& [marker, prefix] : kSigns) {
        if (!value.starts_with(marker)) continue;
        std::string_view rest = value.substr(marker.size());
        while (!rest.empty() && rest.front() == ' ')
            rest.remove_prefix(1);
        std::string out(prefix);
        out += rest;
        return out;
    }
    std::string out(kDotPrefix);
    out += value;
    return out;
}

std::string SignedLine(std::string_view value) {
    std::string out = ConvertSigns(value);
    out += kParLineEnd;
    return out;
}

std::string IndentedLine(std::string_view value) {
    std::string out(Indent);
    out += value;
    out += kParLineEnd;
    return out;
}

}  // namespace velorith
