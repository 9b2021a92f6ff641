#include "reckoning/calendar_dates.h"

#include <gtest/gtest.h>

#include "reckoning/date_state.h"

namespace velorith {
namespace {

// The pure conversions agree with the date state's own derivation for every day of the range,
// both ways, in all three reckonings.
TEST(CalendarDates, DateOfDayAgreesWithTheDateStateEverywhere) {
    DateState s;
    const DayNum first = DayNumber(kJulian, 1, 1, 1);
    const DayNum last = DayNumber(kGregorian, 31, 12, 3000);
    for (DayNum n = first; n <= last; ++n) {
        s.MoveToDay(n);
        for (int k = kWorld; k <= kGregorian; ++k) {
            const DateRec& r = s.Dates[static_cast<std::size_t>(k)];
            const CalendarDate d = DateOfDay(k, n);
            ASSERT_EQ(d, (CalendarDate{r.Year, r.Month, r.Day})) << "day " << n << " k " << k;
            ASSERT_EQ(DayNumber(k, d), n);
        }
    }
}

TEST(CalendarDates, KnownDates) {
    EXPECT_EQ(DateOfDay(kGregorian, 2451545), (CalendarDate{2000, 1, 1}));
    EXPECT_EQ(DateOfDay(kJulian, 2451545), (CalendarDate{1999, 12, 19}));
    EXPECT_EQ(DateOfDay(kWorld, 2460568), (CalendarDate{7533, 1, 1}));
    EXPECT_EQ(DateOfDay(kJulian, 1721423), (CalendarDate{0, 12, 31}));
    EXPECT_EQ(DateOfDay(kJulian, DayNumber(kJulian, 29, 2, 1900)), (CalendarDate{1900, 2, 29}));
}

TEST(CalendarDates, WorldMonthShiftRoundTrips) {
    for (int m = 1; m <= 12; ++m) {
        const CalendarDate j = WorldToJulianMonth(7533, m, 5);
        EXPECT_EQ(JulianToWorldMonth(j.Year, j.Month, j.Day), (CalendarDate{7533, m, 5}));
    }
    EXPECT_EQ(WorldToJulianMonth(7533, 1), (CalendarDate{2024, 9, 1}));
    EXPECT_EQ(WorldToJulianMonth(7533, 5), (CalendarDate{2025, 1, 1}));
}

TEST(CalendarDates, JulianPaschaNeedsNoDateState) {
    EXPECT_EQ(DateOfDay(kGregorian, JulianPascha(2025)), (CalendarDate{2025, 4, 20}));
    EXPECT_EQ(DateOfDay(kGregorian, JulianPascha(2024)), (CalendarDate{2024, 5, 5}));
    EXPECT_EQ(DateOfDay(kGregorian, JulianPascha(2000)), (CalendarDate{2000, 4, 30}));
    EXPECT_EQ(DateOfDay(kGregorian, JulianPascha(2100)), (CalendarDate{2100, 5, 2}));
    for (int y = 1; y <= 3000; ++y) {
        const DayNum p = JulianPascha(y);
        ASSERT_EQ(WeekDayOf(p), 7) << y;
        const CalendarDate d = DateOfDay(kJulian, p);
        ASSERT_EQ(d.Year, y);
        ASSERT_GE(DayNumber(kJulian, d), DayNumber(kJulian, 22, 3, y));
        ASSERT_LE(DayNumber(kJulian, d), DayNumber(kJulian, 25, 4, y));
    }
}

}  // namespace
}  // namespace velorith
