// Finding a search string in the calendar's texts. The texts are RTF fragments; only the text a
// reader sees is searched and marked: control words and their parameters, escapes, group braces,
// the rank-sign column of entry lines and a month line's sign marker are never matched and never
// altered, so a marked text is as well-formed as the original whatever is searched.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velorith {

// The position (from 1) of the first acceptable occurrence of `search` in `text` at or after
// position `start`; 0 when there is none. With wholeWord an occurrence is accepted only when
// neither neighbour is a Cyrillic letter (U+0410..U+044F, U+0401, U+0451); the ends of the text
// count as boundaries.
std::size_t FindWord(std::size_t start, std::string_view text, std::string_view search,
                     bool wholeWord);

// How a searched text is stored.
enum class SearchSource {
    kEntryText,  // a table text: lines with their converted sign prefixes and "\par" line ends
    kMonthLine,  // a raw month-file value, possibly opening with a sign marker such as "{1}"
};

// Byte range [begin, end) of text a reader sees, uninterrupted by markup.
struct TextRun {
    std::size_t begin = 0;
    std::size_t end = 0;
};

std::vector<TextRun> VisibleRuns(std::string_view text, SearchSource source);

// Whether `lowerSearch` (already lower-cased) occurs in the visible text, as MarkOccurrences
// would find it; nothing is copied but one run at a time.
bool HasOccurrence(std::string_view text, std::string_view lowerSearch, bool wholeWord,
                   SearchSource source);

// `text` with every visible occurrence of `lowerSearch` (already lower-cased) put between
// "\cf2 " and "\cf1 "; matching ignores letter case. nullopt when there is no occurrence.
std::optional<std::string> MarkOccurrences(std::string_view text, std::string_view lowerSearch,
                                           bool wholeWord, SearchSource source);

}  // namespace velorith
