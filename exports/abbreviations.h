// The list of abbreviations read from its document's plain text: each line "ап. – апостол"
// becomes a pair; the heading and the lines that explain the signs stay as lines.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velorith::exports {

struct Abbreviation {
    std::string Abbr;  // "ап."
    std::string Text;  // "апостол"
};

struct AbbreviationList {
    std::string Title;                // the first line that says anything
    std::vector<Abbreviation> Items;  // the lines with a dash between abbreviation and meaning
    std::vector<std::string> Lines;   // every line that says anything, in order
};

AbbreviationList ReadAbbreviations(std::string_view plainText);

}  // namespace velorith::exports
