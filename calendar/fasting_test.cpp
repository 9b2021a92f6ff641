#include "calendar/fasting.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/fast_rules.h"
#include "calendar/fast_text_test.h"

namespace velorith {
namespace {

using testing::Fast;
using testing::FastText;
using testing::Texts;

constexpr int kFirstYear = 1901;
constexpr int kLastYear = 2100;

DayNum J(int day, int month, int year) {
    return DayNumber(kJulian, day, month, year);
}

FastText On(int day, int month, int year, Rank rank = Rank::None) {
    return Fast(J(day, month, year), rank);
}

int FromPascha(DayNum n) {
    return n - JulianPascha(JulianYearOfDay(n));
}

// The years of the range whose Julian date day/month satisfies `pick`, given its weekday and
// its distance from Pascha.
std::vector<int> YearsWhere(int day, int month, const std::function<bool(int, int)>& pick) {
    std::vector<int> years;
    for (int y = kFirstYear; y <= kLastYear; ++y) {
        const DayNum n = J(day, month, y);
        if (pick(WeekDayOf(n), FromPascha(n))) years.push_back(y);
    }
    return years;
}

TEST(FastPhrases, AreTheEightFixedPhrases) {
    EXPECT_EQ(FastPhraseText(FastLevel::None), "");
    EXPECT_EQ(FastPhraseText(FastLevel::FastFree), "Поста нет.");
    EXPECT_EQ(FastPhraseText(FastLevel::NoMeat), "Исключается мясо.");
    EXPECT_EQ(FastPhraseText(FastLevel::Fish), "Разрешается рыба.");
    EXPECT_EQ(FastPhraseText(FastLevel::Caviar), "Разрешается рыбная икра.");
    EXPECT_EQ(FastPhraseText(FastLevel::Oil), "Пища с растительным маслом.");
    EXPECT_EQ(FastPhraseText(FastLevel::HotNoOil), "Горячая пища без масла.");
    EXPECT_EQ(FastPhraseText(FastLevel::Dry), "Сухоядение.");
    EXPECT_EQ(FastPhraseText(FastLevel::Total), "Воздержание от пищи.");
    EXPECT_EQ(FastPhraseText(static_cast<FastLevel>(200)), "");
}

TEST(Fasting, AnnunciationOnEachWeekdayOfLentAllowsFish) {
    for (int wd = 1; wd <= 7; ++wd) {
        const auto years = YearsWhere(25, 3, [wd](int w, int p) { return w == wd && p <= -9; });
        ASSERT_GE(years.size(), 2u) << "weekday " << wd;
        for (const int y : years) {
            const FastText f = On(25, 3, y, Rank::GreatFeast);
            EXPECT_EQ(f.Level, FastLevel::Fish) << y;
            EXPECT_EQ(f.Line, "Великий пост, Благовещение Пресвятой Богородицы. Разрешается рыба.");
            // The same day chosen by its civil date (7 April) has the same fast.
            if (y < 2100) {
                EXPECT_EQ(Fast(DayNumber(kGregorian, 7, 4, y), Rank::None).Line, f.Line);
            }
        }
    }
}

TEST(Fasting, AnnunciationInHolyWeekAllowsOilButNotOnGreatFriday) {
    for (int p = -8; p <= -1; ++p) {
        const auto years = YearsWhere(25, 3, [p](int, int d) { return d == p; });
        ASSERT_FALSE(years.empty()) << p;
        // Lazarus Saturday and Palm Sunday: fish (not roe); Great Friday: no food; the rest
        // of Holy Week: oil.
        const FastLevel expected = p <= -7   ? FastLevel::Fish
                                   : p == -2 ? FastLevel::Total
                                             : FastLevel::Oil;
        for (const int y : years)
            EXPECT_EQ(On(25, 3, y, Rank::GreatFeast).Level, expected) << y << " P" << p;
    }
    EXPECT_EQ(On(25, 3, 1939).Line,  // Great Friday
              "Страстная седмица, Благовещение Пресвятой Богородицы. Воздержание от пищи.");
}

TEST(Fasting, FortyMartyrsOnALentenWeekdayAllowOil) {
    // Monday to Friday of weeks 1 to 6, the Thursday of the Great Canon aside.
    const auto years = YearsWhere(9, 3, [](int w, int p) { return w <= 5 && p != -17; });
    ASSERT_GE(years.size(), 50u);
    for (const int y : years) {
        const FastText f = On(9, 3, y, Rank::Polyeleos);
        EXPECT_EQ(f.Level, FastLevel::Oil) << y;
        EXPECT_EQ(f.Line.rfind("Великий пост", 0), 0u) << f.Line;
        EXPECT_NE(f.Line.find("память святого с полиелеем"), std::string::npos) << f.Line;
        // Without the feast the weekday's own rule stands, which is stricter.
        EXPECT_GT(On(9, 3, y).Level, FastLevel::Oil) << y;
    }
}

TEST(Fasting, FortyMartyrsOnASaturdayKeepTheSaturdayRule) {
    // Saturdays of weeks 2 to 6 (the Saturday of the Akathist moves the feast away).
    const auto years =
        YearsWhere(9, 3, [](int w, int p) { return w == 6 && p >= -36 && p != -15; });
    ASSERT_GE(years.size(), 10u);
    for (const int y : years)
        EXPECT_EQ(On(9, 3, y, Rank::Polyeleos).Line, "Великий пост. Пища с растительным маслом.")
            << y;
    // The Saturday of the first week has the same rule.
    const auto first = YearsWhere(9, 3, [](int w, int p) { return w == 6 && p == -43; });
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(On(9, 3, first.front(), Rank::Polyeleos).Level, FastLevel::Oil);
}

TEST(Fasting, EvesOfTheNativityAndTheophanyAreEasedOnSaturdayAndSunday) {
    for (int y = 2020; y <= 2034; ++y) {
        for (const auto [day, month] : {std::array{24, 12}, std::array{5, 1}}) {
            const int wd = WeekDayOf(J(day, month, y));
            const FastLevel expected = wd >= 6 ? FastLevel::Oil : FastLevel::Dry;
            EXPECT_EQ(On(day, month, y, Rank::SixStichera).Level, expected)
                << day << "." << month << "." << y;
        }
    }
    EXPECT_EQ(WeekDayOf(J(5, 1, 2026)), 7);  // 18 January 2026, a Sunday
    EXPECT_EQ(On(5, 1, 2026).Line, "Навечерие Богоявления. Пища с растительным маслом.");
    EXPECT_EQ(Fast(DayNumber(kGregorian, 18, 1, 2026), Rank::None).Level, FastLevel::Oil);
    EXPECT_EQ(WeekDayOf(J(24, 12, 2023)), 6);  // 6 January 2024, a Saturday
    EXPECT_EQ(On(24, 12, 2023).Line,
              "Рождественский пост, навечерие Рождества Христова. Пища с растительным маслом.");
}

TEST(Fasting, WednesdayAndFridayOfEachFastFreeWeekHaveNoFast) {
    for (int y = 1990; y <= 2030; ++y) {
        const DayNum p = JulianPascha(y);
        const std::array<std::pair<DayNum, std::string_view>, 4> weeks = {{
            {p - 70, "Сплошная седмица. Поста нет."},  // the Publican and the Pharisee
            {p, "Светлая седмица. Поста нет."},
            {p + 49, "Сплошная седмица. Поста нет."},  // after Pentecost
            {J(25, 12, y), "Святки. Поста нет."},
        }};
        for (const auto& [first, line] : weeks) {
            for (DayNum n = first; n < first + 7; ++n) {
                const FastText f = Fast(n, Rank::Polyeleos);
                const int wd = WeekDayOf(n);
                const std::string_view expected = wd == 3 || wd == 5 ? line : "";
                EXPECT_EQ(f.Line, expected) << y;
            }
        }
    }
    // The Theophany on a Wednesday or Friday ends no fast-free week but keeps no fast either.
    const auto years = YearsWhere(6, 1, [](int w, int) { return w == 3 || w == 5; });
    ASSERT_FALSE(years.empty());
    for (const int y : years)
        EXPECT_EQ(On(6, 1, y, Rank::GreatFeast).Line, "Богоявление Господне. Поста нет.");
}

// The Nativity fast's stretches, Monday to Sunday.
constexpr std::array<FastLevel, 7> kToStNicholas = {
    FastLevel::HotNoOil, FastLevel::Fish, FastLevel::Dry, FastLevel::Fish,
    FastLevel::Dry,      FastLevel::Fish, FastLevel::Fish};
constexpr std::array<FastLevel, 7> kToTheNineteenth = {
    FastLevel::HotNoOil, FastLevel::Oil,  FastLevel::Dry, FastLevel::Oil,
    FastLevel::Dry,      FastLevel::Fish, FastLevel::Fish};
constexpr std::array<FastLevel, 7> kLastDays = {
    FastLevel::Dry, FastLevel::HotNoOil, FastLevel::Dry, FastLevel::HotNoOil,
    FastLevel::Dry, FastLevel::Oil,      FastLevel::Oil};

TEST(Fasting, NativityFastChangesAfterStNicholasAndOnTheTwentieth) {
    for (int y = 2000; y <= 2027; ++y) {
        const int wd6 = WeekDayOf(J(6, 12, y));
        // St Nicholas eases any weekday to fish, even when the month file gives no rank.
        EXPECT_EQ(On(6, 12, y).Level, FastLevel::Fish) << y;
        if (wd6 == 3 || wd6 == 5) {
            EXPECT_EQ(On(6, 12, y).Line,
                      "Рождественский пост, память святителя Николая Чудотворца. "
                      "Разрешается рыба.");
            EXPECT_EQ(On(5, 12, y).Level, FastLevel::Fish) << y;  // a Tuesday or Thursday
        }
        for (const int d : {5, 7, 19, 20, 23}) {
            const int wd = WeekDayOf(J(d, 12, y));
            const auto& stretch = d <= 6 ? kToStNicholas : d <= 19 ? kToTheNineteenth : kLastDays;
            EXPECT_EQ(On(d, 12, y).Level, stretch[wd - 1]) << d << ".12." << y;
        }
    }
    // A polyeleos saint allows fish up to the 19th but only oil from the 20th.
    DayNum wed = J(13, 12, 2024);
    while (WeekDayOf(wed) != 3)
        ++wed;
    EXPECT_EQ(Fast(wed, Rank::Polyeleos).Level, FastLevel::Fish);
    EXPECT_EQ(Fast(wed, Rank::None).Level, FastLevel::Dry);
    EXPECT_EQ(On(20, 12, 2023, Rank::Polyeleos).Level, FastLevel::Oil);  // a Wednesday
    EXPECT_EQ(On(14, 11, 2023).Level, FastLevel::None);                  // the eve of the fast
    EXPECT_EQ(On(15, 11, 2023).Line, "Рождественский пост. Разрешается рыба.");
}

TEST(Fasting, NativityOfTheForerunnerOnAWednesdayAllowsFish) {
    const auto years = YearsWhere(24, 6, [](int w, int) { return w == 3; });
    ASSERT_GE(years.size(), 20u);
    for (const int y : years) {
        EXPECT_EQ(On(24, 6, y).Line, "Петров пост, Рождество Иоанна Предтечи. Разрешается рыба.")
            << y;
        EXPECT_EQ(On(23, 6, y).Line, "Петров пост. Разрешается рыба.") << y;  // a Tuesday
    }
    // On a Monday too the feast allows fish, not hot food without oil.
    const auto mondays = YearsWhere(24, 6, [](int w, int) { return w == 1; });
    ASSERT_FALSE(mondays.empty());
    EXPECT_EQ(On(24, 6, mondays.front(), Rank::Vigil).Level, FastLevel::Fish);
}

TEST(Fasting, TransfigurationOnAFridayAllowsFish) {
    const auto years = YearsWhere(6, 8, [](int w, int) { return w == 5; });
    ASSERT_GE(years.size(), 20u);
    for (const int y : years) {
        EXPECT_EQ(On(6, 8, y, Rank::GreatFeast).Line,
                  "Успенский пост, Преображение Господне. Разрешается рыба.");
        EXPECT_EQ(On(13, 8, y).Level, FastLevel::Dry) << y;  // the next Friday
    }
}

TEST(Fasting, LazarusSaturdayAllowsRoeAndPalmSundayFish) {
    for (int y = kFirstYear; y <= kLastYear; ++y) {
        const DayNum p = JulianPascha(y);
        if (J(25, 3, y) == p - 8) continue;  // the Annunciation allows fish instead
        EXPECT_EQ(Fast(p - 8, Rank::None).Line, "Лазарева суббота. Разрешается рыбная икра.");
        EXPECT_EQ(Fast(p - 7, Rank::GreatFeast).Level, FastLevel::Fish);
    }
}

TEST(Fasting, HolyWeekDayByDayWithGreatFridayWithoutFood) {
    const std::array<FastLevel, 6> week = {FastLevel::Dry, FastLevel::Dry,   FastLevel::Dry,
                                           FastLevel::Oil, FastLevel::Total, FastLevel::Dry};
    for (int y = kFirstYear; y <= kLastYear; ++y) {
        const DayNum p = JulianPascha(y);
        if (J(25, 3, y) != p - 2) {
            EXPECT_EQ(Fast(p - 2, Rank::Vigil).Line, "Страстная седмица. Воздержание от пищи.")
                << y;
        }
        for (int i = 0; i < 6; ++i) {
            if (J(25, 3, y) == p - 6 + i) continue;
            EXPECT_EQ(Fast(p - 6 + i, Rank::Polyeleos).Level, week[i]) << y << " " << i;
        }
        EXPECT_EQ(Fast(p, Rank::GreatFeast).Level, FastLevel::None);
    }
}

TEST(Fasting, GreatLentByWeekAndWeekday) {
    const int y = 2025;  // Pascha 7 April (20 April civil); Lent from 24 February (3 March)
    const DayNum p = JulianPascha(y);
    ASSERT_EQ(p, J(7, 4, 2025));
    const std::array<FastLevel, 7> first = {FastLevel::Total, FastLevel::Dry, FastLevel::Dry,
                                            FastLevel::Dry,   FastLevel::Dry, FastLevel::Oil,
                                            FastLevel::Oil};
    const std::array<FastLevel, 7> other = {
        FastLevel::Dry, FastLevel::HotNoOil, FastLevel::Dry, FastLevel::HotNoOil,
        FastLevel::Dry, FastLevel::Oil,      FastLevel::Oil};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(Fast(p - 48 + i, Rank::None).Level, first[i]) << i;
    for (DayNum n = p - 41; n <= p - 9; ++n) {
        if (n == p - 17 || n == J(25, 3, y)) continue;
        EXPECT_EQ(Fast(n, Rank::None).Level, other[WeekDayOf(n) - 1]) << n - p;
    }
    EXPECT_EQ(Fast(p - 48, Rank::None).Line, "Великий пост, первая седмица. Воздержание от пищи.");
    EXPECT_EQ(Fast(p - 17, Rank::None).Line,
              "Великий пост, четверг Великого канона. Пища с растительным маслом.");
    // A doxology saint does not ease Lent; a polyeleos one does.
    EXPECT_EQ(Fast(p - 39, Rank::Doxology).Level, FastLevel::Dry);
    // When the Thursday of the Canon is the Annunciation, the Canon and its oil go to Tuesday.
    const auto years = YearsWhere(25, 3, [](int, int d) { return d == -17; });
    ASSERT_FALSE(years.empty());
    for (const int yr : years) {
        EXPECT_EQ(On(23, 3, yr).Level, FastLevel::Oil) << yr;
        EXPECT_EQ(On(25, 3, yr).Level, FastLevel::Fish) << yr;
    }
}

TEST(Fasting, CheesefareWeekExcludesMeatEveryDay) {
    for (int y = 2015; y <= 2035; ++y) {
        const DayNum p = JulianPascha(y);
        for (DayNum n = p - 55; n <= p - 49; ++n)
            EXPECT_EQ(Fast(n, Rank::GreatFeast).Line, "Сырная седмица. Исключается мясо.");
        EXPECT_EQ(Fast(p - 56, Rank::None).Level, FastLevel::None);  // Meatfare Sunday
    }
}

TEST(Fasting, WednesdayAndFridayThroughTheYear) {
    const int y = 2025;
    const DayNum p = JulianPascha(y);
    // From Thomas Sunday to Pentecost: fish.
    EXPECT_EQ(Fast(p + 10, Rank::None).Line, "Постный день. Разрешается рыба.");
    EXPECT_EQ(Fast(p + 47, Rank::None).Level, FastLevel::Fish);
    // The rest of the year: dry eating; oil for a saint with the doxology, fish for more.
    DayNum wed = J(20, 10, y);
    while (WeekDayOf(wed) != 3)
        ++wed;
    EXPECT_EQ(Fast(wed, Rank::None).Line, "Постный день. Сухоядение.");
    EXPECT_EQ(Fast(wed, Rank::SixStichera).Level, FastLevel::Dry);
    EXPECT_EQ(Fast(wed, Rank::Doxology).Line,
              "Постный день, память святого со славословием. Пища с растительным маслом.");
    EXPECT_EQ(Fast(wed, Rank::Polyeleos).Level, FastLevel::Fish);
    EXPECT_EQ(Fast(wed + 2, Rank::Vigil).Level, FastLevel::Fish);
    // Other weekdays carry no line, whatever the feast.
    for (DayNum n = wed - 2; n <= wed + 4; ++n)
        if (n != wed && n != wed + 2) {
            EXPECT_EQ(Fast(n, Rank::GreatFeast).Line, "");
        }
    // The feasts the rules name ease the day even when the month file marks no rank.
    const auto dormition = YearsWhere(15, 8, [](int w, int) { return w == 5; });
    ASSERT_FALSE(dormition.empty());
    EXPECT_EQ(On(15, 8, dormition.front()).Line,
              "Постный день, Успение Пресвятой Богородицы. Разрешается рыба.");
}

TEST(Fasting, ApostlesFastRunsFromTheMondayAfterAllSaintsTo28June) {
    for (int y = kFirstYear; y <= kLastYear; ++y) {
        const DayNum p = JulianPascha(y);
        EXPECT_EQ(Fast(p + 56, Rank::None).Level, FastLevel::None) << y;  // All Saints
        EXPECT_EQ(Fast(p + 57, Rank::None).Line, "Петров пост. Горячая пища без масла.") << y;
        EXPECT_EQ(On(28, 6, y).Reason, "Петров пост.") << y;
        const int wd29 = WeekDayOf(J(29, 6, y));
        EXPECT_EQ(On(29, 6, y).Level, wd29 == 3 || wd29 == 5 ? FastLevel::Fish : FastLevel::None)
            << y;
    }
}

TEST(Fasting, OneDayFastsAllowOilOnAnyWeekday) {
    for (int y = 2020; y <= 2026; ++y) {
        EXPECT_EQ(On(29, 8, y, Rank::Vigil).Line,
                  "Усекновение главы Иоанна Предтечи. Пища с растительным маслом.");
        EXPECT_EQ(On(14, 9, y, Rank::GreatFeast).Line,
                  "Воздвижение Креста Господня. Пища с растительным маслом.");
    }
}

TEST(Fasting, QueriesOutsideTheCalendarGiveNoFast) {
    FastQuery q;
    q.JulianMonth = 3;
    q.JulianDay = 4;
    q.WeekDay = 3;
    q.DaysFromPascha = 100;
    EXPECT_EQ(Fast(q).Level, FastLevel::Dry);
    for (const int wd : {0, 8, -1, INT_MIN, INT_MAX}) {
        q.WeekDay = wd;
        EXPECT_EQ(Fast(q).Line, "");
    }
    q.WeekDay = 3;
    q.JulianMonth = 13;
    EXPECT_EQ(Fast(q).Level, FastLevel::None);
    q.JulianMonth = INT_MAX;
    q.JulianDay = INT_MAX;
    EXPECT_EQ(Fast(q).Level, FastLevel::None);
    q.JulianMonth = 3;
    q.JulianDay = 32;
    EXPECT_EQ(Fast(q).Level, FastLevel::None);
    q.JulianMonth = 3;
    q.JulianDay = 4;
    q.WeekDay = 5;
    q.HighestRank = static_cast<Rank>(99);
    EXPECT_EQ(Fast(q).Level, FastLevel::Fish);  // any rank above the known ones is a feast
    for (const DayNum n : {DayNum{INT32_MIN}, DayNum{INT32_MAX}, DayNum{0}, DayNum{-1}})
        (void)Fast(n, Rank::GreatFeast);
}

// Every day of 1901..2100: one phrase at most and at the end of its line; a Wednesday or Friday
// outside the fast-free weeks always has a fast; a day of a fast-free week has none but "no fast".
TEST(Fasting, SweepOverTwoCenturies) {
    std::vector<std::string_view> phrases;
    for (int l = 1; l <= 8; ++l)
        phrases.push_back(FastPhraseText(static_cast<FastLevel>(l)));
    int fastDays = 0;
    for (DayNum n = J(1, 1, kFirstYear); n <= J(31, 12, kLastYear); ++n) {
        const FastText f = Fast(n, Rank::None);
        const CalendarDate d = DateOfDay(kJulian, n);
        const int p = FromPascha(n);
        const int md = d.Month * 100 + d.Day;
        const bool fastFreeWeek = (p >= -70 && p <= -64) || (p >= 0 && p <= 6) ||
                                  (p >= 49 && p <= 55) || md >= 1225 || md <= 104;
        const int wd = WeekDayOf(n);
        if (f.Level == FastLevel::None) {
            EXPECT_TRUE(f.Line.empty() && f.Reason.empty()) << n;
            EXPECT_FALSE(!fastFreeWeek && (wd == 3 || wd == 5))
                << d.Day << "." << d.Month << "." << d.Year;
            continue;
        }
        ++fastDays;
        if (fastFreeWeek) {
            EXPECT_EQ(f.Level, FastLevel::FastFree) << n;
        }
        int found = 0;
        for (const auto phrase : phrases)
            if (f.Line.find(phrase) != std::string::npos) ++found;
        EXPECT_EQ(found, 1) << f.Line;
        EXPECT_EQ(f.Line, f.Reason + " " + std::string(FastPhraseText(f.Level)));
    }
    EXPECT_GT(fastDays, 200 * 180);
}

}  // namespace
}  // namespace velorith
