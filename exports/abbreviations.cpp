#include "exports/abbreviations.h"

#include <array>

namespace velorith::exports {
namespace {

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

}  // namespace

AbbreviationList ReadAbbreviations(std::string_view plainText) {
    // The dashes a list writes between an abbreviation and its meaning: en dash, em dash, hyphen,
    // each with spaces around it.
    static constexpr std::array<std::string_view, 3> kDashes = {" \u2013 ", " \u2014 ", " - "};
    AbbreviationList list;
    while (!plainText.empty()) {
        const auto end = plainText.find('\n');
        const std::string_view line = Trim(plainText.substr(0, end));
        plainText.remove_prefix(end == std::string_view::npos ? plainText.size() : end + 1);
        if (line.empty()) continue;
        list.Lines.emplace_back(line);
        if (list.Title.empty()) {
            list.Title = line;
            continue;
        }
        for (const std::string_view dash : kDashes) {
            const auto at = line.find(dash);
            if (at == std::string_view::npos || at == 0) continue;
            const std::string_view abbr = Trim(line.substr(0, at));
            const std::string_view text = Trim(line.substr(at + dash.size()));
            if (!abbr.empty() && !text.empty())
                list.Items.push_back({std::string(abbr), std::string(text)});
            break;
        }
    }
    return list;
}

}  // namespace velorith::exports
