// The week arithmetic of the readings: the Lukan jump in years of an early and a late Pascha,
// the fitting of the weeks before the Publican with and without the Canaanite woman, and the
// turn of the Resurrection Gospels at Sunday Matins.
#include "calendar/lectionary_cycle.h"

#include <gtest/gtest.h>

namespace velorith {
namespace {

DayNum Julian(int d, int m, int y) {
    return DayNumber(kJulian, d, m, y);
}

TEST(LectionaryCycle, TriodionAndPentecostariaCountFromPascha) {
    for (int year : {1950, 2021, 2024, 2077}) {
        const DayNum pascha = JulianPascha(year);
        for (int off : {-70, -49, -1, 0, 7, 49}) {
            const CyclePosition pos = PositionOf(pascha + off);
            EXPECT_TRUE(pos.Movable) << year << " " << off;
            EXPECT_EQ(pos.FromPascha, off);
        }
        EXPECT_FALSE(PositionOf(pascha - 71).Movable);
        const CyclePosition monday = PositionOf(pascha + 50);  // the Monday of the Holy Spirit
        EXPECT_FALSE(monday.Movable);
        EXPECT_EQ(monday.ApostleWeek, 1);
        EXPECT_EQ(monday.GospelWeek, 1);
        EXPECT_EQ(monday.WeekDay, 1);
        const CyclePosition allSaints = PositionOf(pascha + 56);
        EXPECT_EQ(allSaints.ApostleWeek, 1);
        EXPECT_EQ(allSaints.WeekDay, 7);
        EXPECT_EQ(PositionOf(pascha + 57).GospelWeek, 2);
    }
}

TEST(LectionaryCycle, LukeBeginsOnTheMondayAfterTheSundayAfterTheExaltation) {
    // 14 September 2026 (old style) is a Sunday: the Sunday after it is the 21st.
    EXPECT_EQ(LukeStartOf(2026), Julian(22, 9, 2026));
    // 14 September 2024 is a Friday: the Sunday after is the 16th.
    EXPECT_EQ(LukeStartOf(2024), Julian(17, 9, 2024));
    for (int year = 1901; year <= 2100; ++year) {
        const DayNum start = LukeStartOf(year);
        EXPECT_EQ(WeekDayOf(start), 1);
        EXPECT_GE(start, Julian(16, 9, year));
        EXPECT_LE(start, Julian(22, 9, year));
    }
}

TEST(LectionaryCycle, LateEasterLeapsForwardToLuke) {
    // Pascha 2024 on 22 April (old style): the Sunday after the Exaltation ends the 14th week;
    // the Gospel leaps to week 18 while the Apostle keeps its count.
    const CyclePosition sunday = PositionOf(Julian(16, 9, 2024));
    EXPECT_EQ(sunday.ApostleWeek, 14);
    EXPECT_EQ(sunday.GospelWeek, 14);
    EXPECT_FALSE(sunday.LukeStarted);
    const CyclePosition monday = PositionOf(Julian(17, 9, 2024));
    EXPECT_TRUE(monday.LukeStarted);
    EXPECT_EQ(monday.ApostleWeek, 15);
    EXPECT_EQ(monday.GospelWeek, 18);
    EXPECT_EQ(PositionOf(Julian(23, 9, 2024)).GospelWeek, 18);  // the first Sunday of Luke
    EXPECT_EQ(PositionOf(Julian(24, 9, 2024)).GospelWeek, 19);
}

TEST(LectionaryCycle, EarlyEasterStepsBackToLuke) {
    // Pascha 2026 on 30 March (old style): the weekdays have read Luke's week 18 before the
    // Exaltation and step back to it; the Sundays go on by their count (Лк. 5:1-11 on the
    // Sunday after the Exaltation, Лк. 6:31-36 on the next).
    const CyclePosition before = PositionOf(Julian(21, 9, 2026));
    EXPECT_EQ(before.ApostleWeek, 18);
    EXPECT_EQ(before.GospelWeek, 18);
    EXPECT_EQ(PositionOf(Julian(28, 9, 2026)).GospelWeek, 19);
    const CyclePosition monday = PositionOf(Julian(22, 9, 2026));
    EXPECT_EQ(monday.ApostleWeek, 19);
    EXPECT_EQ(monday.GospelWeek, 18);
}

TEST(LectionaryCycle, LongGapReadsTheCanaaniteWoman) {
    // From Pentecost 2020 to the Publican on 8 February 2021 (old style): 37 weeks; Luke alone
    // would reach week 37, four weeks past its readings.
    const DayNum publican = Julian(8, 2, 2021);
    ASSERT_EQ(publican, JulianPascha(2021) + kPublicanFromPascha);
    const CyclePosition zacchaeus = PositionOf(publican - 7);
    EXPECT_TRUE(zacchaeus.CanaaniteYear);
    EXPECT_EQ(zacchaeus.GospelWeek, kZacchaeusSunday);
    EXPECT_EQ(zacchaeus.ApostleWeek, 32);
    EXPECT_EQ(PositionOf(publican - 14).GospelWeek, kCanaaniteSunday);
    EXPECT_EQ(PositionOf(publican - 14).ApostleWeek, 31);
    EXPECT_EQ(PositionOf(publican - 21).GospelWeek, kLastLukeSunday);
    for (int d = 1; d <= 6; ++d) {  // the week before the Publican
        EXPECT_EQ(PositionOf(publican - 7 + d).GospelWeek, 33);
        EXPECT_EQ(PositionOf(publican - 7 + d).ApostleWeek, 33);
    }
    // Before the Theophany the forward counts hold.
    const CyclePosition advent = PositionOf(Julian(1, 12, 2020));
    EXPECT_EQ(advent.ApostleWeek, 28);
    EXPECT_EQ(advent.GospelWeek, 17 + (Julian(1, 12, 2020) - LukeStartOf(2020)) / 7 + 1);
}

TEST(LectionaryCycle, ExactYearHasNoCanaaniteWoman) {
    // From Pentecost 2009 to the Publican on 11 January 2010 (old style): 33 weeks, and Luke
    // ends exactly at the Publican.
    const DayNum publican = JulianPascha(2010) + kPublicanFromPascha;
    ASSERT_EQ(publican, Julian(11, 1, 2010));
    EXPECT_FALSE(PositionOf(publican - 1).CanaaniteYear);
    EXPECT_EQ(PositionOf(publican - 7).GospelWeek, kZacchaeusSunday);
    EXPECT_EQ(PositionOf(publican - 14).GospelWeek, 31);
    EXPECT_EQ(PositionOf(publican - 14).ApostleWeek, 31);
}

TEST(LectionaryCycle, WeeksStayInTheirRangeEveryDay) {
    int canaaniteSundays = 0;
    for (DayNum day = Julian(1, 1, 1901); day <= Julian(31, 12, 2100); ++day) {
        const CyclePosition pos = PositionOf(day);
        if (pos.Movable) continue;
        ASSERT_GE(pos.ApostleWeek, 1) << day;
        ASSERT_LE(pos.ApostleWeek, kLastSeriesWeek) << day;
        ASSERT_GE(pos.GospelWeek, 1) << day;
        ASSERT_LE(pos.GospelWeek, kLastSeriesWeek) << day;
        if (pos.LukeStarted) {
            const bool canaanite = pos.WeekDay == 7 && pos.GospelWeek == kCanaaniteSunday;
            ASSERT_TRUE(canaanite || pos.GospelWeek >= 18) << day;
            canaaniteSundays += canaanite ? 1 : 0;
        }
    }
    EXPECT_GT(canaaniteSundays, 100);
    EXPECT_LT(canaaniteSundays, 200);
}

TEST(LectionaryCycle, MatinsGospelsTurnFromAllSaints) {
    for (int year : {2021, 2024, 2030}) {
        const DayNum pascha = JulianPascha(year);
        EXPECT_EQ(MatinsGospelOf(pascha + 56), 1);
        EXPECT_EQ(MatinsGospelOf(pascha + 63), 2);
        EXPECT_EQ(MatinsGospelOf(pascha + 56 + 77), 1);  // the 12th Sunday starts again
        EXPECT_EQ(MatinsGospelOf(pascha + 57), 0);       // a Monday
        EXPECT_EQ(MatinsGospelOf(pascha), 0);
        EXPECT_EQ(MatinsGospelOf(pascha - 7), 0);  // Palm Sunday has its own
        EXPECT_EQ(MatinsGospelOf(pascha + 49), 0);
        EXPECT_NE(MatinsGospelOf(pascha - 14), 0);  // Lent's Sundays keep the turn
        // A whole year of Sundays: each follows the one before, but All Saints begins anew.
        int previous = 0;
        for (DayNum day = JulianPascha(year - 1) + 56; day <= pascha - 14; day += 7) {
            const int n = MatinsGospelOf(day);
            ASSERT_GE(n, 1);
            ASSERT_LE(n, 11);
            if (previous != 0) {
                EXPECT_EQ(n, previous % 11 + 1) << day;
            }
            previous = n;
        }
    }
}

}  // namespace
}  // namespace velorith
