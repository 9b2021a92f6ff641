// Pure calendar arithmetic on day numbers: a day's date in each reckoning and back, the shift
// between the World and the Julian year, and the Julian Pascha of a year. No state is read or
// kept; the date state and every report build on these.
#pragma once

#include <cstdint>

namespace velorith {

using DayNum = std::int32_t;

// Reckonings index every per-reckoning table from 1.
enum Reckoning : int { kWorld = 1, kJulian = 2, kGregorian = 3 };

constexpr bool IsReckoning(int k) {
    return k >= kWorld && k <= kGregorian;
}

// A date of one reckoning; the month counts in that reckoning's own order (World: 1 is
// September, 12 is August).
struct CalendarDate {
    int Year = 0;
    int Month = 1;
    int Day = 1;
    bool operator==(const CalendarDate&) const = default;
};

// The World year begins on Julian 1 September: World year y runs from September of Julian year
// y - 5509 to August of Julian year y - 5508.
inline constexpr int kWorldYearOffset = 5508;

// The Julian year and month of a World year and month, and back.
constexpr CalendarDate WorldToJulianMonth(int worldYear, int worldMonth, int day = 1) {
    return worldMonth >= 5 ? CalendarDate{worldYear - kWorldYearOffset, worldMonth - 4, day}
                           : CalendarDate{worldYear - kWorldYearOffset - 1, worldMonth + 8, day};
}
constexpr CalendarDate JulianToWorldMonth(int julianYear, int julianMonth, int day = 1) {
    return julianMonth >= 9 ? CalendarDate{julianYear + kWorldYearOffset + 1, julianMonth - 8, day}
                            : CalendarDate{julianYear + kWorldYearOffset, julianMonth + 4, day};
}

// Day number (Julian Day Number) of day d of month m of year y in reckoning k.
DayNum DayNumber(int k, int d, int m, int y);
inline DayNum DayNumber(int k, const CalendarDate& date) {
    return DayNumber(k, date.Day, date.Month, date.Year);
}
// The date of day n in reckoning k (the Julian date for an unknown k).
CalendarDate DateOfDay(int k, DayNum n);

// Whether year y of reckoning k has 29 February (the World year y holds the February of Julian
// year y - 5508, a multiple of 4 apart, so both follow the same rule).
bool IsLeapYear(int k, int y);
// Days of month m (1..12 in the reckoning's own order) of year y of reckoning k; 0 for a month
// outside 1..12 or an unknown reckoning.
int MonthLength(int k, int m, int y);
// Weekday of day n: 1 = Monday .. 7 = Sunday.
int WeekDayOf(DayNum n);

// Pascha (by the Julian Paschalion) of Julian year y, as a day number.
DayNum JulianPascha(int y);
// The Julian year whose Pascha a day's church year hangs on: the Julian year of the day.
inline int JulianYearOfDay(DayNum n) {
    return DateOfDay(kJulian, n).Year;
}

}  // namespace velorith
