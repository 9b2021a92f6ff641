#include "data/year_assembly.h"

#include <gtest/gtest.h>

#include "reckoning/calendar_dates.h"

namespace velorith {
namespace {

// The Pascha data of Julian year y that the placing reads.
PaschaInfoRec PaschaOf(int y) {
    PaschaInfoRec p;
    p.PaschaYear = static_cast<std::int16_t>(y);
    p.CurPascha = JulianPascha(y);
    p.PrevPascha = JulianPascha(y - 1);
    return p;
}

DayNum J(int d, int m, int y) {
    return DayNumber(kJulian, d, m, y);
}

Tables FullTables() {
    Tables t;
    for (int i = 0; i < 64; ++i)
        t.Special.Add();
    for (int i = 0; i < 6; ++i)
        t.SpecWeekDays.Add();
    return t;
}

// The first Julian year from 1901 on that satisfies pred(year, pascha).
template <typename Pred>
int FindYear(Pred pred) {
    for (int y = 1901; y <= 3000; ++y)
        if (pred(y, PaschaOf(y))) return y;
    ADD_FAILURE() << "no such year";
    return 0;
}

TEST(NearWeekday, AroundTheNativity) {
    const DayNum n = J(25, 12, 2024);  // a Tuesday
    ASSERT_EQ(WeekDayOf(n), 2);
    EXPECT_EQ(NearWeekday(n, -7), J(23, 12, 2024));  // last Sunday before
    EXPECT_EQ(NearWeekday(n, 7), J(30, 12, 2024));   // first Sunday after
    EXPECT_EQ(NearWeekday(n, 0), J(23, 12, 2024));   // the Sunday before
    EXPECT_EQ(NearWeekday(n, 2), n + 7);             // the day itself is excluded
    EXPECT_EQ(NearWeekday(n, -2), n - 7);
    EXPECT_EQ(NearWeekday(n, 3), n + 1);
    EXPECT_EQ(NearWeekday(n, -1), n - 1);
    for (int w = 1; w <= 7; ++w) {
        const DayNum after = NearWeekday(n, w);
        const DayNum before = NearWeekday(n, -w);
        EXPECT_EQ(WeekDayOf(after), w);
        EXPECT_EQ(WeekDayOf(before), w);
        EXPECT_TRUE(after > n && after <= n + 7);
        EXPECT_TRUE(before < n && before >= n - 7);
    }
    const DayNum sunday = J(25, 12, 2023);
    ASSERT_EQ(WeekDayOf(sunday), 7);
    EXPECT_EQ(NearWeekday(sunday, 0), sunday - 7);
    EXPECT_EQ(NearWeekday(sunday, 7), sunday + 7);
    // Values outside -7..7 name no rule: no date.
    EXPECT_EQ(NearWeekday(n, 8), 0);
    EXPECT_EQ(NearWeekday(n, -8), 0);
    EXPECT_EQ(NearWeekday(n, 32767), 0);
}

TEST(PlaceYear, PlacesByPaschaAndByWeekdayNearADate) {
    Tables t;
    t.Relocatable.Add().Days = 0;
    t.Relocatable.Add().Days = -7;
    t.Weekdays.Add().Days = 49;
    auto& r1 = t.Relocatable1.Add();
    r1.Day = 25, r1.Month = 12, r1.Weekday = -7;
    auto& w1 = t.Weekdays1.Add();
    w1.Day = 25, w1.Month = 12, w1.Weekday = 7;
    auto& bad = t.Relocatable1.Add();
    bad.Day = 1, bad.Month = 13, bad.Weekday = 7;

    const PaschaInfoRec p = PaschaOf(2024);
    YearPlacements pt = PlaceYear(t, p);
    EXPECT_EQ(pt.Relocatable[1].Date, p.CurPascha);
    EXPECT_EQ(pt.Relocatable[2].Date, p.CurPascha - 7);
    EXPECT_EQ(pt.Weekdays[1].Date, p.CurPascha + 49);
    EXPECT_EQ(pt.Relocatable1[1].Date, J(23, 12, 2024));
    EXPECT_EQ(pt.Relocatable1[1].PrevDate, NearWeekday(J(25, 12, 2023), -7));
    EXPECT_EQ(pt.Weekdays1[1].Date, J(30, 12, 2024));
    EXPECT_EQ(pt.Relocatable1[2].Date, 0);  // an anchor that names no date
    EXPECT_EQ(pt.Relocatable1[2].PrevDate, 0);
}

// 25 May on the Day of the Holy Spirit moves to the Tuesday after it.
TEST(PlaceYear, TheThirdFindingLeavesTheDayOfTheHolySpirit) {
    const int y = FindYear([](int year, const PaschaInfoRec& p) {
        return J(25, 5, year) == p.CurPascha + 50;
    });
    const YearPlacements pt = PlaceYear(FullTables(), PaschaOf(y));
    EXPECT_EQ(pt.Special[20].Date, J(26, 5, y)) << y;
}

TEST(PlaceYear, MeetingWhenPaschaFallsOnTheTwentySecondOfMarch) {
    const int y = FindYear([](int year, const PaschaInfoRec& p) {
        return year % 4 != 0 && p.CurPascha == J(22, 3, year);
    });
    Tables t = FullTables();
    const PaschaInfoRec p = PaschaOf(y);
    YearPlacements pt = PlaceYear(t, p);
    ASSERT_EQ(J(2, 2, y), p.CurPascha - 48);
    EXPECT_EQ(pt.Special[3].Date, p.CurPascha - 49);
    EXPECT_EQ(pt.Special[2].Date, p.CurPascha - 50);
    for (int k = 4; k <= 10; ++k)
        EXPECT_EQ(pt.Special[k].Date, 0) << k;
}

TEST(PlaceYear, MeetingWithAFullAfterfeast) {
    const int y = FindYear(
        [](int year, const PaschaInfoRec& p) { return p.CurPascha - J(2, 2, year) >= 64; });
    Tables t = FullTables();
    YearPlacements pt = PlaceYear(t, PaschaOf(y));
    const DayNum n = J(2, 2, y);
    EXPECT_EQ(pt.Special[2].Date, n - 1);
    EXPECT_EQ(pt.Special[3].Date, n);
    for (int k = 4; k <= 9; ++k)
        EXPECT_EQ(pt.Special[k].Date, n + k - 3) << k;
    EXPECT_EQ(pt.Special[10].Date, n + 7);
}

TEST(PlaceYear, NativitySundayAndTheJulySunday) {
    Tables t = FullTables();
    const int sundayYear =
        FindYear([](int year, const PaschaInfoRec&) { return WeekDayOf(J(25, 12, year)) == 7; });
    YearPlacements pt = PlaceYear(t, PaschaOf(sundayYear));
    EXPECT_EQ(pt.Special[1].Date, J(26, 12, sundayYear));

    const int wednesday =
        FindYear([](int year, const PaschaInfoRec&) { return WeekDayOf(J(16, 7, year)) == 3; });
    pt = PlaceYear(t, PaschaOf(wednesday));
    EXPECT_EQ(pt.Special[63].Date, J(13, 7, wednesday));
    const int thursday =
        FindYear([](int year, const PaschaInfoRec&) { return WeekDayOf(J(16, 7, year)) == 4; });
    pt = PlaceYear(t, PaschaOf(thursday));
    EXPECT_EQ(pt.Special[63].Date, J(19, 7, thursday));
}

TEST(PlaceYear, SpecWeekDaysBranches) {
    Tables t = FullTables();
    auto saturdayOn = [](int day) {
        return [day](int year, const PaschaInfoRec&) {
            return NearWeekday(J(27, 10, year), -6) == J(day, 10, year);
        };
    };
    const int y24 = FindYear(saturdayOn(24));
    YearPlacements pt = PlaceYear(t, PaschaOf(y24));
    EXPECT_EQ(pt.SpecWeekDays[4].Date, 0);
    EXPECT_EQ(pt.SpecWeekDays[5].Date, J(24, 10, y24));
    EXPECT_EQ(pt.SpecWeekDays[6].Date, J(17, 10, y24));

    const int y22 = FindYear(saturdayOn(22));
    pt = PlaceYear(t, PaschaOf(y22));
    EXPECT_EQ(pt.SpecWeekDays[4].Date, J(15, 10, y22));
    EXPECT_EQ(pt.SpecWeekDays[5].Date, 0);
    EXPECT_EQ(pt.SpecWeekDays[6].Date, 0);

    const int y23 = FindYear(saturdayOn(23));
    pt = PlaceYear(t, PaschaOf(y23));
    EXPECT_EQ(pt.SpecWeekDays[4].Date, J(23, 10, y23));
    EXPECT_EQ(pt.SpecWeekDays[5].Date, 0);

    const int meeting = FindYear(
        [](int year, const PaschaInfoRec& p) { return p.CurPascha - 57 == J(2, 2, year); });
    pt = PlaceYear(t, PaschaOf(meeting));
    EXPECT_EQ(pt.SpecWeekDays[1].Date, 0);
    EXPECT_EQ(pt.SpecWeekDays[2].Date, J(2, 2, meeting));

    // With only two entries the others are skipped, and rule S4 compares with no date.
    Tables two;
    two.SpecWeekDays.Add();
    two.SpecWeekDays.Add();
    YearPlacements ptwo = PlaceYear(two, PaschaOf(meeting));
    EXPECT_EQ(ptwo.SpecWeekDays[2].Date, J(2, 2, meeting));
}

TEST(PlaceYear, AShortSpecialTableEndsAtTheFirstMissingEntry) {
    const PaschaInfoRec p = PaschaOf(2025);
    Tables t;
    for (int i = 0; i < 20; ++i)
        t.Special.Add();
    YearPlacements pt = PlaceYear(t, p);
    EXPECT_EQ(pt.Special[1].Date, NearWeekday(J(25, 12, 2025), 7));
    EXPECT_EQ(pt.Special[1].PrevDate, NearWeekday(J(25, 12, 2024), 7));
    EXPECT_EQ(pt.Special[19].Date, DayNumber(kGregorian, 9, 5, 2025));
    EXPECT_EQ(pt.Special[19].PrevDate, DayNumber(kGregorian, 9, 5, 2024));
    EXPECT_NE(pt.Special[20].Date, 0);
    EXPECT_NE(pt.Special[20].PrevDate, 0);

    // Eleven entries: rule S3 writes entry 11 for the current year, then meets the missing 12.
    Tables eleven;
    for (int i = 0; i < 11; ++i)
        eleven.Special.Add();
    YearPlacements peleven = PlaceYear(eleven, p);
    EXPECT_EQ(peleven.Special[11].Date, J(24, 2, 2025));
    EXPECT_EQ(peleven.Special[11].PrevDate, 0);
    EXPECT_NE(peleven.Special[10].PrevDate, 0);
}

// Every placement of 1901..2100 is the weekday its rule promises, in the year it belongs to.
TEST(PlaceYear, SweepOfTwoCenturies) {
    Tables t = FullTables();
    for (int y = 1901; y <= 2100; ++y) {
        SCOPED_TRACE(y);
        const PaschaInfoRec info = PaschaOf(y);
        YearPlacements pt = PlaceYear(t, info);
        for (int pass = 0; pass < 2; ++pass) {
            const int year = y - pass;
            const DayNum P = pass ? info.PrevPascha : info.CurPascha;
            auto s = [&](int k) { return pass ? pt.Special[k].PrevDate : pt.Special[k].Date; };
            auto w = [&](int k) {
                return pass ? pt.SpecWeekDays[k].PrevDate : pt.SpecWeekDays[k].Date;
            };
            ASSERT_EQ(WeekDayOf(P), 7);

            const DayNum nativity = J(25, 12, year);
            EXPECT_EQ(WeekDayOf(s(1)), WeekDayOf(nativity) == 7 ? 1 : 7);
            EXPECT_TRUE(s(1) > nativity && s(1) <= nativity + 7);

            // The Meeting: forefeast, feast and afterfeast days follow one another.
            EXPECT_EQ(s(2) + 1, s(3));
            int k = 4;
            while (k <= 9 && s(k) != 0) {
                EXPECT_EQ(s(k), s(k - 1) + 1);
                ++k;
            }
            for (int rest = k; rest <= 9; ++rest)
                EXPECT_EQ(s(rest), 0);
            if (s(10) != 0) {
                EXPECT_EQ(s(10), s(k - 1) + 1);
                EXPECT_LT(s(10), P - 48);  // leave-taking before Great Lent
            }

            if (s(11) != 0) {
                EXPECT_LE(J(24, 2, year) - s(11), 1);
            }
            if (s(12) != 0) {
                EXPECT_EQ(s(12), J(24, 2, year));
            }
            for (int q = 16; q <= 18; ++q)
                if (s(q) != 0) {
                    EXPECT_EQ(WeekDayOf(s(q)), 6);
                }
            EXPECT_EQ(s(19), DayNumber(kGregorian, 9, 5, year));
            // The Third Finding of the Head never stands on Trinity Saturday, Pentecost, the
            // Day of the Holy Spirit or the Sunday of All Saints; otherwise on 25 May.
            const DayNum may25 = J(25, 5, year);
            for (const int kept : {48, 49, 50, 56})
                EXPECT_NE(s(20), P + kept);
            if (may25 != P + 48 && may25 != P + 49 && may25 != P + 50 && may25 != P + 56) {
                EXPECT_EQ(s(20), may25);
            }
            const DayNum afterAllSaints = J(28, 6, year) - P - 57;  // days up to 28 June
            for (int q = 21; q <= 62; ++q)
                EXPECT_EQ(s(q), q - 20 <= afterAllSaints ? P + 57 + (q - 20) : 0) << q;
            EXPECT_EQ(WeekDayOf(s(63)), 7);
            EXPECT_TRUE(s(63) >= J(13, 7, year) && s(63) <= J(19, 7, year));
            EXPECT_EQ(WeekDayOf(s(64)), 7);
            EXPECT_TRUE(s(64) >= J(8, 10, year) && s(64) <= J(14, 10, year));

            EXPECT_TRUE((w(1) == 0) != (w(2) == 0));
            EXPECT_EQ(WeekDayOf(w(1) + w(2)), 6);
            EXPECT_EQ(w(3), P - 17 == J(25, 3, year) ? P - 19 : P - 17);
            const int october = (w(4) != 0) + (w(5) != 0) + (w(6) != 0);
            EXPECT_TRUE(october == 1 || october == 2);
            for (int q = 4; q <= 6; ++q) {
                if (w(q) == 0) continue;
                EXPECT_EQ(WeekDayOf(w(q)), 6);
                EXPECT_TRUE(w(q) >= J(15, 10, year) && w(q) <= J(26, 10, year));
            }
        }
    }
}

// A year's placements are the same whether it is placed alone or after other years, and the
// cache gives back the one value it computed.
TEST(PlaceYear, AYearIsTheSameAloneOrAfterOthers) {
    Tables t = FullTables();
    t.Relocatable.Add().Days = 5;
    auto& r1 = t.Relocatable1.Add();
    r1.Day = 25, r1.Month = 12, r1.Weekday = -7;
    const YearPlacements alone = PlaceYear(t, 2025);
    PlacementCache cache;
    for (const int y : {2024, 2026, 1990, 2100, 2025, 2023})
        cache.Get(t, y);
    EXPECT_EQ(*cache.Get(t, 2025), alone);
    EXPECT_EQ(cache.Get(t, 2025), cache.Get(t, 2025));
    EXPECT_EQ(PlaceYear(t, PaschaOf(2025)), alone);
    EXPECT_NE(*cache.Get(t, 2024), alone);
}

// The Annunciation's leave-taking stands on 26 March, but not from Palm Sunday to the end of
// Bright Week.
TEST(PlaceYear, AnnunciationLeaveTakingIsWithheldInHolyAndBrightWeek) {
    Tables t = FullTables();
    t.Special.Add();  // section 65
    int withheld = 0;
    for (int y = 1901; y <= 2100; ++y) {
        const YearPlacements placed = PlaceYear(t, y);
        const DayNum n = J(26, 3, y);
        const DayNum p = JulianPascha(y);
        const bool holy = n >= p - 7 && n <= p + 6;
        EXPECT_EQ(placed.Special[65].Date, holy ? 0 : n) << y;
        EXPECT_EQ(placed.Special[65].PrevDate, PlaceYear(t, y - 1).Special[65].Date) << y;
        withheld += holy;
    }
    EXPECT_GT(withheld, 10);  // Pascha falls from 22 March on, so many years withhold it
}

}  // namespace
}  // namespace velorith
