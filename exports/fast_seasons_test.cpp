// The fasting seasons as the calendar's fasting rules place them, over a civil year.
#include "exports/fast_seasons.h"

#include <gtest/gtest.h>

#include "exports/day_texts.h"

namespace velorith::exports {
namespace {

struct Span {
    std::string_view key;
    std::string first, last;
    bool operator==(const Span&) const = default;
};

std::vector<Span> SpansOf(int year) {
    std::vector<Span> spans;
    for (const FastSpan& s : FastSpansOverlapping(DayNumber(kGregorian, 1, 1, year),
                                                  DayNumber(kGregorian, 31, 12, year)))
        spans.push_back({FastSeasonKey(s.Season), IsoDate(s.First), IsoDate(s.Last)});
    return spans;
}

TEST(FastSeasons, EveryFastOfACivilYear) {
    // Pascha 2025 is 20 April new style: Lent from Clean Monday, 3 March, to Holy Saturday; the
    // Apostles' fast from the Monday after All Saints to 28 June old style. The Nativity fast
    // is given whole at both ends of the year; Transfiguration does not split the Dormition fast.
    const std::vector<Span> expected = {
        {"nativityFast", "2024-11-28", "2025-01-06"},  {"theophanyEve", "2025-01-18", "2025-01-18"},
        {"greatLent", "2025-03-03", "2025-04-19"},     {"apostlesFast", "2025-06-16", "2025-07-11"},
        {"dormitionFast", "2025-08-14", "2025-08-27"}, {"beheading", "2025-09-11", "2025-09-11"},
        {"exaltation", "2025-09-27", "2025-09-27"},    {"nativityFast", "2025-11-28", "2026-01-06"},
    };
    const auto spans = SpansOf(2025);
    ASSERT_EQ(spans.size(), expected.size());
    for (std::size_t i = 0; i < spans.size(); ++i)
        EXPECT_EQ(spans[i], expected[i]) << spans[i].key << " " << spans[i].first;
}

TEST(FastSeasons, TitlesComeFromThePhrases) {
    EXPECT_EQ(FastSeasonTitle(FastSeason::GreatLent), "Великий пост");
    EXPECT_EQ(FastSeasonTitle(FastSeason::Apostles), "Петров пост");
    EXPECT_EQ(FastSeasonTitle(FastSeason::Dormition), "Успенский пост");
    EXPECT_EQ(FastSeasonOf(DayNumber(kGregorian, 20, 4, 2025)), FastSeason::None);  // Pascha
    EXPECT_EQ(FastSeasonOf(DayNumber(kGregorian, 20, 7, 2025)), FastSeason::None);
    EXPECT_EQ(FastSeasonOf(DayNumber(kGregorian, 19, 8, 2025)), FastSeason::Dormition);
}

}  // namespace
}  // namespace velorith::exports
