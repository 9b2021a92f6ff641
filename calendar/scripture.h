// A scripture reference as a value: its book (the abbreviation as the Russian tradition writes
// it, and a stable English key), and its chapter and verse spans. Parsed from the lectionary's
// one fixed form: "Мф. 10:32-33, 37-38", "Лк. 10:38-42; 11:27-28", "Рим. 13:11-14:4".
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace velorith {

struct VerseSpan {
    int FromChapter = 0;
    int FromVerse = 0;
    int ToChapter = 0;
    int ToVerse = 0;
    bool operator==(const VerseSpan&) const = default;
};

struct ScriptureRef {
    std::string Book;          // "1 Кор."
    std::string_view BookKey;  // "1Cor" (the OSIS name); empty for a book the table lacks
    std::vector<VerseSpan> Spans;
};

// The reference parsed; a text that does not follow the form gives no spans (the book as far as
// it could be read).
ScriptureRef ParseReference(std::string_view reference);

// The OSIS name of a book by its Russian abbreviation; empty when unknown.
std::string_view BookKeyOf(std::string_view book);

}  // namespace velorith
