#include <gtest/gtest.h>

#include <array>
#include <limits>

#include "reckoning/date_state.h"
#include "reckoning/test_dates.h"

namespace velorith {
namespace {

TEST(DayNumbers, KnownDays) {
    EXPECT_EQ(DayNumber(kJulian, 1, 1, 1), 1721424);
    EXPECT_EQ(DayNumber(kGregorian, 1, 1, 2000), 2451545);
    EXPECT_EQ(WeekDayOf(2451545), 6);  // a Saturday
    EXPECT_EQ(WeekDayOf(0), 1);        // day 0 is a Monday
    // The Julian-Gregorian difference changes inside February 1900.
    EXPECT_EQ(DayNumber(kGregorian, 28, 2, 1900), 2415079);
    EXPECT_EQ(DayNumber(kJulian, 16, 2, 1900), 2415079);
    EXPECT_EQ(DayNumber(kGregorian, 1, 3, 1900), 2415080);
    EXPECT_EQ(DayNumber(kJulian, 17, 2, 1900), 2415080);
    // Before year 200 the Gregorian date is behind the Julian one.
    EXPECT_EQ(DayNumber(kJulian, 1, 3, 100), 1757643);
    EXPECT_EQ(DayNumber(kGregorian, 28, 2, 100), 1757643);
    // World months from September.
    EXPECT_EQ(DayNumber(kWorld, 7, 5, 7533), 2460696);
    EXPECT_EQ(DayNumber(kWorld, 1, 1, 7533), 2460568);
    EXPECT_EQ(DayNumber(kWorld, 1, 1, 5509), 1721302);  // Julian 1 September of year 0
    // Julian year 0 is a leap year: its January and February are exact too.
    EXPECT_EQ(DayNumber(kJulian, 31, 12, 0), 1721423);
    EXPECT_EQ(DayNumber(kJulian, 1, 1, 0), 1721423 - 365);
}

TEST(DayNumbers, MonthLengthsInEachReckoning) {
    EXPECT_TRUE(IsLeapYear(kJulian, 1900));
    EXPECT_FALSE(IsLeapYear(kGregorian, 1900));
    EXPECT_TRUE(IsLeapYear(kGregorian, 2000));
    EXPECT_TRUE(IsLeapYear(kWorld, 7532));  // holds February of Julian 2024
    EXPECT_EQ(MonthLength(kJulian, 2, 1900), 29);
    EXPECT_EQ(MonthLength(kGregorian, 2, 1900), 28);
    EXPECT_EQ(MonthLength(kGregorian, 4, 2025), 30);
    EXPECT_EQ(MonthLength(kWorld, 1, 7533), 30);   // September
    EXPECT_EQ(MonthLength(kWorld, 6, 7532), 29);   // February
    EXPECT_EQ(MonthLength(kWorld, 12, 7533), 31);  // August
    EXPECT_EQ(MonthLength(kJulian, 0, 2000), 0);
    EXPECT_EQ(MonthLength(kJulian, 13, 2000), 0);
    EXPECT_EQ(MonthLength(0, 1, 2000), 0);
}

TEST(DayNumbers, WeekDayPositions) {
    for (int w = 1; w <= 7; ++w) {
        EXPECT_EQ(WeekDayPos(7, w), w % 7 + 1) << w;  // Sunday first
        EXPECT_EQ(WeekDayPos(1, w), w) << w;          // Monday first
    }
}

TEST(DayNumbers, WeekNumbersCountSundayToSaturday) {
    const DayNum first = DayNumber(kGregorian, 1, 1, 2000);  // a Saturday
    EXPECT_EQ(WeekNumber(first, 6, first), 1);
    EXPECT_EQ(WeekNumber(first, 6, first + 1), 2);  // Sunday 2 January
    EXPECT_EQ(WeekNumber(first, 6, first + 7), 2);
    EXPECT_EQ(WeekNumber(first, 6, first + 8), 3);
    EXPECT_EQ(WeekNumber(first, 6, first + 365), 54);  // Sunday 31 December
    EXPECT_EQ(WeekNumber(first, 6, first - 6), 1);     // Sunday 26 December 1999
    // Days of the week before the first are in week 0, and earlier weeks count down.
    EXPECT_EQ(WeekNumber(first, 6, first - 7), 0);
    EXPECT_EQ(WeekNumber(first, 6, first - 13), 0);
    EXPECT_EQ(WeekNumber(first, 6, first - 14), -1);
}

// Days in month m of a year, by the plain rules, for the independent walk below.
int Length(int m, bool leap) {
    constexpr std::array<int, 13> kDays = {0, 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && leap ? 29 : kDays[m];
}
bool JulianLeap(int y) {
    return y % 4 == 0;
}
bool GregorianLeap(int y) {
    return y % 4 == 0 && (y % 100 != 0 || y % 400 == 0);
}

struct Ymd {
    int y, m, d;
    void Next(bool (*leap)(int)) {
        if (++d > Length(m, leap(y))) {
            d = 1;
            if (++m > 12) {
                m = 1;
                ++y;
            }
        }
    }
};

void ExpectRecord(const DateRec& r, const Ymd& want, int calendarLeapYear, bool gregorian,
                  DayNum n) {
    ASSERT_EQ(r.Year, want.y) << n;
    ASSERT_EQ(r.Month, want.m) << n;
    ASSERT_EQ(r.Day, want.d) << n;
    const bool leap = gregorian ? GregorianLeap(calendarLeapYear) : JulianLeap(calendarLeapYear);
    ASSERT_EQ(r.YearDays, leap ? 366 : 365) << n;
    ASSERT_EQ(r.MonthDays[r.FebMonth], leap ? 29 : 28) << n;
    ASSERT_LE(r.Day, r.MonthDays[r.Month]) << n;
}

// Every day from the first day the World reckoning can reach (Julian 1 September of year 0)
// to Gregorian 31 December 3000, against dates counted forward one day at a time.
TEST(DayNumbers, EveryDayOfTheFullRange) {
    DateState s;
    const DayNum first = 1721302;
    const DayNum last = DayNumber(kGregorian, 31, 12, 3000);
    Ymd julian{0, 9, 1};
    Ymd gregorian{0, 8, 30};
    Ymd world{5509, 1, 1};
    int weekDay = WeekDayOf(first);
    for (DayNum n = first; n <= last; ++n) {
        s.CurDay = n;
        s.DayToJulian();
        s.JulianToWorld();
        s.JulianToGregorian();
        ExpectRecord(s.Dates[kJulian], julian, julian.y, false, n);
        ExpectRecord(s.Dates[kGregorian], gregorian, gregorian.y, true, n);
        ExpectRecord(s.Dates[kWorld], world, world.y - 5508, false, n);
        ASSERT_EQ(WeekDayOf(n), weekDay) << n;
        for (int k = kWorld; k <= kGregorian; ++k) {
            const DateRec& r = s.Dates[k];
            ASSERT_EQ(DayNumber(k, r.Day, r.Month, r.Year), n) << n << " in " << k;
        }
        // The World record converts back to the same Julian and Gregorian dates.
        const auto before = s.Dates;
        s.WorldToJulian();
        s.JulianToGregorian();
        ASSERT_EQ(s.Dates, before) << n;

        julian.Next(JulianLeap);
        gregorian.Next(GregorianLeap);
        // The World year is the Julian year with its own start, so count it through Julian.
        const int wy = julian.m >= 9 ? julian.y + 5509 : julian.y + 5508;
        world = {wy, julian.m >= 9 ? julian.m - 8 : julian.m + 4, julian.d};
        weekDay = weekDay % 7 + 1;
    }
}

TEST(DayNumbers, ConversionsAtTheBoundaries) {
    DateState s;
    struct Case {
        int k, y, m, d;
        std::array<int, 3> world, julian, gregorian;
    };
    const Case cases[] = {
        {kWorld, 7500, 1, 1, {7500, 1, 1}, {1991, 9, 1}, {1991, 9, 14}},
        {kJulian, 1900, 2, 29, {7408, 6, 29}, {1900, 2, 29}, {1900, 3, 13}},
        {kJulian, 2000, 12, 31, {7509, 4, 31}, {2000, 12, 31}, {2001, 1, 13}},
        {kJulian, 100, 3, 1, {5608, 7, 1}, {100, 3, 1}, {100, 2, 28}},
        {kWorld, 7533, 5, 7, {7533, 5, 7}, {2025, 1, 7}, {2025, 1, 20}},
        {kGregorian, 1, 1, 1, {5509, 5, 3}, {1, 1, 3}, {1, 1, 1}},
        {kJulian, 1, 1, 1, {5509, 5, 1}, {1, 1, 1}, {0, 12, 30}},
    };
    for (const Case& c : cases) {
        testing::SelectDate(s, c.k, c.y, c.m, c.d);
        const std::array<std::array<int, 3>, 4> want = {{{}, c.world, c.julian, c.gregorian}};
        for (int k = kWorld; k <= kGregorian; ++k) {
            const DateRec& r = s.Dates[k];
            EXPECT_EQ((std::array<int, 3>{r.Year, r.Month, r.Day}), want[k])
                << c.y << "-" << c.m << "-" << c.d << " in " << c.k << ", record " << k;
        }
    }
}

// Arguments no caller should pass give some answer, never a fault.
TEST(DayNumbers, ExtremeArgumentsAreHarmless) {
    constexpr int kLow = std::numeric_limits<int>::min();
    constexpr int kHigh = std::numeric_limits<int>::max();
    for (int v : {kLow, -1, 0, kHigh}) {
        for (int k : {kLow, 0, 1, 2, 3, 4}) {
            DayNumber(k, v, v, v);
            DayNumber(k, 1, 1, v);
        }
        const int weekDay = WeekDayOf(v);
        EXPECT_GE(weekDay, 1);
        EXPECT_LE(weekDay, 7);
        EXPECT_GE(WeekDayPos(v, v), 1);
        EXPECT_LE(WeekDayPos(v, v), 7);
        WeekNumber(v, v, ~v);
        DateState s;
        s.CurDay = v;
        s.DayToJulian();
        s.JulianToWorld();
        s.JulianToGregorian();
        for (int k = kWorld; k <= kGregorian; ++k) {
            EXPECT_GE(s.Dates[k].Month, 1);
            EXPECT_LE(s.Dates[k].Month, 12);
        }
        s.GetPascha(v);
    }
}

}  // namespace
}  // namespace velorith
