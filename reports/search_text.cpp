#include "reports/search_text.h"

#include <array>

#include "data/signs.h"
#include "data/text_encoding.h"
#include "reports/rtf_writer.h"

namespace velorith {
namespace {

bool IsContinuation(unsigned char b) {
    return (b & 0xC0) == 0x80;
}

// Code point of the UTF-8 character that starts at text[pos]; 0 when it is malformed.
char32_t CodePointAt(std::string_view text, std::size_t pos) {
    char32_t cp = 0;
    return DecodeUtf8(text, pos, cp) != 0 ? cp : 0;
}

bool IsCyrillicLetter(char32_t cp) {
    return (cp >= 0x0410 && cp <= 0x044F) || cp == 0x0401 || cp == 0x0451;
}

// The character that ends just before byte `pos`.
char32_t CodePointBefore(std::string_view text, std::size_t pos) {
    std::size_t begin = pos - 1;
    while (begin > 0 && pos - begin < 4 && IsContinuation(static_cast<unsigned char>(text[begin])))
        --begin;
    return CodePointAt(text, begin);
}

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Length of the markup that starts with the backslash at text[pos]: a control word with its
// parameter and delimiting blank, an escape \'hh, or a control symbol.
std::size_t ControlLength(std::string_view text, std::size_t pos, std::string_view& word) {
    const std::size_t n = text.size();
    std::size_t i = pos + 1;
    word = {};
    if (i >= n) return 1;
    if (IsAsciiLetter(text[i])) {
        const std::size_t wordBegin = i;
        while (i < n && IsAsciiLetter(text[i]))
            ++i;
        word = text.substr(wordBegin, i - wordBegin);
        if (i < n && text[i] == '-') ++i;
        while (i < n && IsDigit(text[i]))
            ++i;
        if (i < n && text[i] == ' ') ++i;
        return i - pos;
    }
    if (text[i] == '\'') return std::min<std::size_t>(4, n - pos);
    return 2;
}

// End of the group that opens at text[pos] (just past its closing brace, or the text's end).
std::size_t GroupEnd(std::string_view text, std::size_t pos) {
    int depth = 0;
    for (std::size_t i = pos; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\') {
            ++i;  // the escaped character is not a brace
        } else if (c == '{') {
            ++depth;
        } else if (c == '}' && --depth == 0) {
            return i + 1;
        }
    }
    return text.size();
}

// The prefixes that open an entry line: the five rank signs, the middle dot and the blank.
const std::array<std::string, 7>& LinePrefixes() {
    static const std::array<std::string, 7> prefixes = {
        ConvertSigns("{1}"), ConvertSigns("{2}"), ConvertSigns("{3}"), ConvertSigns("{5}"),
        ConvertSigns("{6}"), ConvertSigns(""),    std::string(Indent)};
    return prefixes;
}

constexpr std::array<std::string_view, 5> kMarkers = {"{1}", "{2}", "{3}", "{5}", "{6}"};

}  // namespace

std::size_t FindWord(std::size_t start, std::string_view text, std::string_view search,
                     bool wholeWord) {
    if (search.empty() || start == 0) return 0;
    std::size_t from = start - 1;
    while (from <= text.size()) {
        const std::size_t p = text.find(search, from);
        if (p == std::string_view::npos) return 0;
        if (!wholeWord) return p + 1;
        const std::size_t end = p + search.size();
        const bool boundBefore = p > 0 && IsCyrillicLetter(CodePointBefore(text, p));
        const bool boundAfter = end < text.size() && IsCyrillicLetter(CodePointAt(text, end));
        if (!boundBefore && !boundAfter) return p + 1;
        from = end;
    }
    return 0;
}

std::vector<TextRun> VisibleRuns(std::string_view text, SearchSource source) {
    std::vector<TextRun> runs;
    const std::size_t n = text.size();
    std::size_t i = 0;
    if (source == SearchSource::kMonthLine) {
        for (const std::string_view marker : kMarkers) {
            if (text.starts_with(marker)) i = marker.size();
        }
    }
    bool lineStart = source == SearchSource::kEntryText;
    std::size_t runBegin = i;
    const auto close = [&](std::size_t end) {
        if (end > runBegin) runs.push_back({runBegin, end});
    };
    while (i < n) {
        if (lineStart) {
            lineStart = false;
            for (const std::string& prefix : LinePrefixes()) {
                if (text.substr(i).starts_with(prefix)) {
                    close(i);
                    i += prefix.size();
                    runBegin = i;
                    break;
                }
            }
            continue;
        }
        const char c = text[i];
        if (c == '{') {
            close(i);
            // An ignorable destination holds nothing a reader sees.
            i = text.substr(i + 1).starts_with("\\*") ? GroupEnd(text, i) : i + 1;
            runBegin = i;
        } else if (c == '}' || c == '\r' || c == '\n') {
            close(i);
            runBegin = ++i;
        } else if (c == '\\') {
            close(i);
            std::string_view word;
            i += ControlLength(text, i, word);
            runBegin = i;
            if (word == "par" && source == SearchSource::kEntryText) {
                while (i < n && (text[i] == '\r' || text[i] == '\n'))
                    ++i;
                runBegin = i;
                lineStart = true;
            }
        } else {
            ++i;
        }
    }
    close(n);
    return runs;
}

namespace {

// Calls `hit(begin, end)` for each visible occurrence in order, byte offsets into `text`; stops
// when it returns false. Lower case keeps every byte position, so places found in the
// lower-cased copy of a run fit the original.
template <typename Hit>
void ForEachOccurrence(std::string_view text, std::string_view lowerSearch, bool wholeWord,
                       SearchSource source, Hit hit) {
    if (lowerSearch.empty()) return;
    std::string lower;
    for (const TextRun& run : VisibleRuns(text, source)) {
        if (run.end - run.begin < lowerSearch.size()) continue;
        lower = LowerUtf8(text.substr(run.begin, run.end - run.begin));
        std::size_t p = FindWord(1, lower, lowerSearch, wholeWord);
        while (p != 0) {
            const std::size_t begin = run.begin + p - 1;
            if (!hit(begin, begin + lowerSearch.size())) return;
            p = FindWord(p + lowerSearch.size(), lower, lowerSearch, wholeWord);
        }
    }
}

}  // namespace

bool HasOccurrence(std::string_view text, std::string_view lowerSearch, bool wholeWord,
                   SearchSource source) {
    bool found = false;
    ForEachOccurrence(text, lowerSearch, wholeWord, source, [&found](std::size_t, std::size_t) {
        found = true;
        return false;
    });
    return found;
}

std::optional<std::string> MarkOccurrences(std::string_view text, std::string_view lowerSearch,
                                           bool wholeWord, SearchSource source) {
    // The marked copy is written as the occurrences are found: nothing is kept per occurrence.
    std::optional<std::string> marked;
    std::size_t done = 0;
    ForEachOccurrence(text, lowerSearch, wholeWord, source,
                      [&](std::size_t begin, std::size_t end) {
                          if (!marked) {
                              marked.emplace();
                              marked->reserve(text.size() + 64);
                          }
                          marked->append(text.substr(done, begin - done));
                          *marked += kRed;
                          marked->append(text.substr(begin, end - begin));
                          *marked += kNavy;
                          done = end;
                          return true;
                      });
    if (marked) marked->append(text.substr(done));
    return marked;
}

}  // namespace velorith
