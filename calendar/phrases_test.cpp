// The Russian catalogue's phrases of a day's place in the cycle and of its tone, from the
// place the movable cycle computes.
#include "calendar/phrases.h"

#include <gtest/gtest.h>

#include "reckoning/test_dates.h"

namespace velorith {
namespace {

std::string Phrase(int w, int weekDay, int p, int f) {
    return CyclePhrase(CyclePlaceOf(w, weekDay, p, f));
}

TEST(Phrases, CyclePhrasesOfSundaysAndWeekdays) {
    const int p = 17;
    const int f = 30;
    // Sundays take the number of the week before them, except after Pascha.
    EXPECT_EQ(Phrase(1, 7, p, f), "29-я по Пятидесятнице.");
    EXPECT_EQ(Phrase(1, 1, p, f), "30-ой седмицы по Пятидесятнице.");
    EXPECT_EQ(Phrase(9, 7, p, f), "37-я по Пятидесятнице.");  // Meatfare Sunday
    EXPECT_EQ(Phrase(10, 7, p, f), "0-я Великого поста.");    // Forgiveness Sunday
    EXPECT_EQ(Phrase(10, 1, p, f), "1-ой седмицы Великого поста.");
    EXPECT_EQ(Phrase(15, 6, p, f), "6-ой седмицы Великого поста.");
    EXPECT_EQ(Phrase(16, 7, p, f), "Страстной седмицы.");  // Palm Sunday
    EXPECT_EQ(Phrase(16, 5, p, f), "Страстной седмицы.");
    EXPECT_EQ(Phrase(17, 7, p, f), "1-я по Пасхе.");  // Pascha
    EXPECT_EQ(Phrase(17, 3, p, f), "Светлой седмицы.");
    EXPECT_EQ(Phrase(18, 7, p, f), "2-я по Пасхе.");  // Thomas Sunday
    EXPECT_EQ(Phrase(18, 1, p, f), "2-ой седмицы по Пасхе.");
    EXPECT_EQ(Phrase(24, 7, p, f), "0-я по Пятидесятнице.");  // Pentecost
    EXPECT_EQ(Phrase(24, 1, p, f), "1-ой седмицы по Пятидесятнице.");
    EXPECT_EQ(Phrase(25, 7, p, f), "1-я по Пятидесятнице.");  // All Saints

    std::string line = "Неделя ";
    AppendCyclePhrase(line, CyclePlaceOf(18, 7, p, f), PhrasesOf());
    EXPECT_EQ(line, "Неделя 2-я по Пасхе.");
}

TEST(Phrases, PhraseOfTheSelectedDay) {
    DateState s;
    const auto phrase = [&s] {
        return CyclePhrase(CyclePlaceOf(s.Cur().Week, s.CurWeekDay, s.PaschaInfo.PaschaWeek,
                                        s.PaschaInfo.FirstPentWeek));
    };
    testing::SelectDate(s, kGregorian, 2025, 4, 20);  // Pascha
    EXPECT_EQ(phrase(), "1-я по Пасхе.");
    testing::SelectDate(s, kGregorian, 2025, 4, 27);  // Thomas Sunday
    EXPECT_EQ(phrase(), "2-я по Пасхе.");
    testing::SelectDate(s, kGregorian, 2025, 6, 8);  // Pentecost
    EXPECT_EQ(phrase(), "0-я по Пятидесятнице.");
    // Julian 7 January 2025 (a Monday) is 211 days after Pentecost 2024.
    testing::SelectDate(s, kJulian, 2025, 1, 7);
    EXPECT_EQ(phrase(), "31-ой седмицы по Пятидесятнице.");
}

TEST(Phrases, ToneAndIndictionWords) {
    EXPECT_EQ(ToneText(8), " Глас 8-й.");
    EXPECT_EQ(ToneText(0), "");
    EXPECT_EQ(ToneText(9), "");
}

// Every key of the model has words in the Russian catalogue, so no line is left half-said.
TEST(Phrases, EveryKeyHasItsWords) {
    const Phrases& ru = PhrasesOf(Language::Russian);
    for (const auto& table : {ru.SundayOf, ru.WeekdayOf})
        for (const std::string_view phrase : table)
            EXPECT_TRUE(phrase.ends_with('.')) << phrase;
    for (const std::string_view s : ru.Services)
        EXPECT_FALSE(s.empty());
    for (std::size_t i = 1; i < ru.FastPhrases.size(); ++i)
        EXPECT_TRUE(ru.FastPhrases[i].ends_with('.')) << i;
    for (const std::string_view period : ru.FastPeriods)
        EXPECT_FALSE(period.empty());
    for (std::size_t i = 1; i < ru.FastFeasts.size(); ++i)
        EXPECT_FALSE(ru.FastFeasts[i].empty()) << i;
    for (std::size_t i = static_cast<std::size_t>(Rank::Doxology); i < ru.FastRankCauses.size();
         ++i)
        EXPECT_FALSE(ru.FastRankCauses[i].empty()) << i;
}

// Every weekday and month has its name in each form, and a reckoning's caption follows a year
// after a space; an index outside a table names nothing rather than reading past it.
TEST(Phrases, NamesOfTheCalendar) {
    const Phrases& ru = PhrasesOf(Language::Russian);
    for (const int form : {kCivilDay, kChurchDay, kShortDay})
        for (int w = 1; w <= 7; ++w)
            EXPECT_FALSE(DayNames(w, form, ru).empty()) << w << ' ' << form;
    for (const int form : {kNominative, kGenitive})
        for (int m = 1; m <= 12; ++m)
            EXPECT_FALSE(MonthNames(m, form, ru).empty()) << m << ' ' << form;
    for (const int k : {kWorld, kJulian, kGregorian})
        EXPECT_TRUE(CalNames(k, ru).starts_with(' ')) << k;

    EXPECT_EQ(DayNames(7, kCivilDay), "Воскресенье");
    EXPECT_EQ(DayNames(7, kChurchDay), "Неделя");
    EXPECT_EQ(DayNames(1, kShortDay), "Пн.");
    EXPECT_EQ(MonthNames(1, kNominative), "Январь");
    EXPECT_EQ(MonthNames(12, kGenitive), "декабря");
    EXPECT_EQ(CalNames(kJulian), " от Р.Х. по старому стилю");

    for (const int bad : {-1, 0, 8, 1000})
        EXPECT_EQ(DayNames(bad, kCivilDay), "") << bad;
    for (const int bad : {-1, 0, 13, 1000})
        EXPECT_EQ(MonthNames(bad, kGenitive), "") << bad;
    for (const int bad : {-1, 0, 4})
        EXPECT_EQ(CalNames(bad), "") << bad;
    EXPECT_EQ(DayNames(1, 0), "");
    EXPECT_EQ(DayNames(1, 4), "");
    EXPECT_EQ(MonthNames(1, 0), "");
    EXPECT_EQ(MonthNames(1, 3), "");
}

// A date in words takes the month in the genitive, in the reckoning's own order of months: the
// World year begins in September.
TEST(Phrases, DateInWords) {
    EXPECT_EQ(DateInWords(kGregorian, 7, 1, 2025), "7 января 2025 года");
    EXPECT_EQ(DateInWords(kJulian, 25, 12, 2024), "25 декабря 2024 года");
    EXPECT_EQ(DateInWords(kWorld, 1, 1, 7534), "1 сентября 7534 года");
    EXPECT_EQ(DateInWords(kWorld, 31, 4, 7534), "31 декабря 7534 года");
    EXPECT_EQ(DateInWords(kWorld, 31, 12, 7533), "31 августа 7533 года");
}

}  // namespace
}  // namespace velorith
