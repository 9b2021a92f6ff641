#include "calendar/scripture.h"

#include <array>
#include <charconv>
#include <optional>
#include <utility>

namespace velorith {
namespace {

// clang-format off
constexpr std::array<std::pair<std::string_view, std::string_view>, 60> kBooks = {{
    {"Быт.", "Gen"}, {"Исх.", "Exod"}, {"Лев.", "Lev"}, {"Чис.", "Num"}, {"Втор.", "Deut"},
    {"Нав.", "Josh"}, {"Суд.", "Judg"}, {"Руф.", "Ruth"}, {"1 Цар.", "1Sam"}, {"2 Цар.", "2Sam"},
    {"3 Цар.", "1Kgs"}, {"4 Цар.", "2Kgs"}, {"Иов", "Job"}, {"Пс.", "Ps"}, {"Притч.", "Prov"},
    {"Еккл.", "Eccl"}, {"Песн.", "Song"}, {"Прем.", "Wis"}, {"Сир.", "Sir"}, {"Ис.", "Isa"},
    {"Иер.", "Jer"}, {"Вар.", "Bar"}, {"Иез.", "Ezek"}, {"Дан.", "Dan"}, {"Ос.", "Hos"},
    {"Иоил.", "Joel"}, {"Ам.", "Amos"}, {"Ион.", "Jonah"}, {"Мих.", "Mic"}, {"Авв.", "Hab"},
    {"Соф.", "Zeph"}, {"Агг.", "Hag"}, {"Зах.", "Zech"}, {"Мал.", "Mal"},
    {"Мф.", "Matt"}, {"Мк.", "Mark"}, {"Лк.", "Luke"}, {"Ин.", "John"}, {"Деян.", "Acts"},
    {"Иак.", "Jas"}, {"1 Пет.", "1Pet"}, {"2 Пет.", "2Pet"}, {"1 Ин.", "1John"},
    {"2 Ин.", "2John"}, {"3 Ин.", "3John"}, {"Иуд.", "Jude"}, {"Рим.", "Rom"},
    {"1 Кор.", "1Cor"}, {"2 Кор.", "2Cor"}, {"Гал.", "Gal"}, {"Еф.", "Eph"}, {"Флп.", "Phil"},
    {"Кол.", "Col"}, {"1 Фес.", "1Thess"}, {"2 Фес.", "2Thess"}, {"1 Тим.", "1Tim"},
    {"2 Тим.", "2Tim"}, {"Тит.", "Titus"}, {"Флм.", "Phlm"}, {"Евр.", "Heb"},
}};
// clang-format on

// Reads a number at the front of s and drops it from s.
std::optional<int> TakeNumber(std::string_view& s) {
    int value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    if (ec != std::errc() || value <= 0) return std::nullopt;
    s.remove_prefix(static_cast<std::size_t>(end - s.data()));
    return value;
}

bool Take(std::string_view& s, std::string_view token) {
    if (!s.starts_with(token)) return false;
    s.remove_prefix(token.size());
    return true;
}

// "C:V-V, V-V; C:V-C:V" into spans; false when the text leaves the form.
bool ParseSpans(std::string_view s, std::vector<VerseSpan>& spans) {
    int chapter = 0;
    bool chapterGiven = true;  // the first piece must name its chapter
    while (true) {
        std::optional<int> first = TakeNumber(s);
        if (!first) return false;
        VerseSpan span;
        if (chapterGiven) {
            if (!Take(s, ":")) return false;
            chapter = *first;
            first = TakeNumber(s);
            if (!first) return false;
        }
        span.FromChapter = span.ToChapter = chapter;
        span.FromVerse = span.ToVerse = *first;
        if (Take(s, "-")) {
            std::optional<int> to = TakeNumber(s);
            if (!to) return false;
            if (Take(s, ":")) {  // a run across chapters
                const std::optional<int> verse = TakeNumber(s);
                if (!verse || *to < chapter) return false;
                chapter = *to;
                span.ToChapter = chapter;
                span.ToVerse = *verse;
            } else {
                span.ToVerse = *to;
            }
        }
        spans.push_back(span);
        if (s.empty()) return true;
        if (Take(s, ", ")) {
            chapterGiven = false;
        } else if (Take(s, "; ")) {
            chapterGiven = true;
        } else {
            return false;
        }
    }
}

}  // namespace

std::string_view BookKeyOf(std::string_view book) {
    for (const auto& [name, key] : kBooks)
        if (name == book) return key;
    return {};
}

ScriptureRef ParseReference(std::string_view reference) {
    ScriptureRef ref;
    // The book runs to the last space before the first digit of the chapter ("1 Кор. 9:2").
    std::size_t split = std::string_view::npos;
    for (std::size_t i = 1; i + 1 < reference.size(); ++i) {
        const bool digit = reference[i + 1] >= '0' && reference[i + 1] <= '9';
        if (reference[i] == ' ' && digit && i > 1) {
            split = i;
            break;
        }
    }
    if (split == std::string_view::npos) {
        ref.Book = reference;
        return ref;
    }
    ref.Book = reference.substr(0, split);
    ref.BookKey = BookKeyOf(ref.Book);
    if (!ParseSpans(reference.substr(split + 1), ref.Spans)) ref.Spans.clear();
    return ref;
}

}  // namespace velorith
