#include <gtest/gtest.h>

#include "reckoning/date_state.h"
#include "reckoning/test_dates.h"

namespace velorith {
namespace {

using testing::SelectDate;

DayNum PaschaOf(int k, int y) {
    DateState s;
    s.CurCal = static_cast<std::int16_t>(k);
    return s.GetPascha(y);
}

TEST(Paschalion, KnownPaschaDates) {
    EXPECT_EQ(PaschaOf(kJulian, 2025), DayNumber(kJulian, 7, 4, 2025));
    EXPECT_EQ(PaschaOf(kJulian, 2025), 2460786);
    EXPECT_EQ(PaschaOf(kGregorian, 2025), DayNumber(kGregorian, 20, 4, 2025));
    EXPECT_EQ(PaschaOf(kGregorian, 2024), DayNumber(kGregorian, 5, 5, 2024));
    EXPECT_EQ(PaschaOf(kGregorian, 2000), DayNumber(kGregorian, 30, 4, 2000));
    EXPECT_EQ(PaschaOf(kGregorian, 2100), DayNumber(kGregorian, 2, 5, 2100));
}

TEST(Paschalion, WorldYearsUseTheJulianYearOfTheirSpring) {
    DateState s;
    s.CurCal = kWorld;
    EXPECT_EQ(s.GetPascha(7533), PaschaOf(kJulian, 2025));
    EXPECT_EQ(s.PaschaInfo.PaschaYear, 2025);
    s.CurCal = kJulian;
    s.GetPascha(2025);
    EXPECT_EQ(s.PaschaInfo.PaschaYear, 2025);
}

// Over the whole range and all reckonings: Pascha is a Sunday between Julian 22 March and
// 25 April, falls inside the current year, and begins week PaschaWeek.
TEST(Paschalion, PaschaOfEveryYearInEveryReckoning) {
    DateState s;
    for (int k = kWorld; k <= kGregorian; ++k) {
        const int offset = k == kWorld ? 5508 : 0;
        for (int j = 1; j <= 3000; ++j) {
            SelectDate(s, k, j + offset, 3, 1);
            const DateRec& r = s.Cur();
            const PaschaInfoRec& p = s.PaschaInfo;
            ASSERT_EQ(p.PaschaYear, j) << k;
            ASSERT_EQ(WeekDayOf(p.CurPascha), 7) << j;
            ASSERT_GE(p.CurPascha, DayNumber(kJulian, 22, 3, j)) << j;
            ASSERT_LE(p.CurPascha, DayNumber(kJulian, 25, 4, j)) << j;
            ASSERT_GE(p.CurPascha, r.YearFirst) << j;
            ASSERT_LE(p.CurPascha, r.YearLast) << j;
            ASSERT_EQ(p.CurPascha, r.YearFirst - r.YearFirstWD % 7 + 7 * (p.PaschaWeek - 1)) << j;
            ASSERT_EQ(p.PrevPascha, PaschaOf(kJulian, j - 1)) << j;
        }
    }
}

TEST(Paschalion, GregorianJanuaryBelongsToThePaschaOfItsYear) {
    DateState s;
    SelectDate(s, kGregorian, 2025, 1, 5);  // still Julian 2024
    EXPECT_EQ(s.Dates[kJulian].Year, 2024);
    EXPECT_EQ(s.PaschaInfo.PrevPascha, DayNumber(kGregorian, 5, 5, 2024));
    EXPECT_EQ(s.PaschaInfo.CurPascha, DayNumber(kGregorian, 20, 4, 2025));
    EXPECT_EQ(s.PaschaInfo.PaschaYear, 2025);
}

TEST(Paschalion, WeeksAfterPentecostAtTheYearEnds) {
    DateState s;
    // Gregorian 2023 begins on a Sunday, 203 days after Pentecost 2022 (12 June): that
    // Sunday begins week 30 after Pentecost, and week 1 of the year.
    SelectDate(s, kGregorian, 2023, 1, 1);
    EXPECT_EQ(s.CurWeekDay, 7);
    EXPECT_EQ(s.Cur().Week, 1);
    EXPECT_EQ(s.Cur().WeekFirst, s.CurDay);
    EXPECT_EQ(s.PaschaInfo.FirstPentWeek, 30);
    // Pascha 2023 (16 April) begins week 16; Pentecost (4 June) week 23; 31 December,
    // a Sunday, begins week 31 after it.
    EXPECT_EQ(s.PaschaInfo.PaschaWeek, 16);
    EXPECT_EQ(s.Cur().YearWeeks, 53);
    EXPECT_EQ(s.PaschaInfo.LastPentWeek, 31);
}

}  // namespace
}  // namespace velorith
