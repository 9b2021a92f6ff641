// Pure calendar arithmetic on day numbers: a day's date in each reckoning and back, the shift
// between the World and the Julian year, and the Julian Pascha of a year. No state is read or
// kept; the date state and every report build on these.
#pragma once

#include <array>
#include <cstdint>

namespace velorith {

using DayNum = std::int32_t;

// Reckonings index every per-reckoning table from 1.
enum Reckoning : int { kWorld = 1, kJulian = 2, kGregorian = 3 };

inline constexpr Reckoning kReckonings[] = {kWorld, kJulian, kGregorian};

constexpr bool IsReckoning(int k) {
    return k >= kWorld && k <= kGregorian;
}

// The two reckonings other than k, in the order the reports give them below k's date.
constexpr std::array<Reckoning, 2> OtherReckonings(Reckoning k) {
    if (k == kWorld) return {kJulian, kGregorian};
    if (k == kGregorian) return {kJulian, kWorld};
    return {kGregorian, kWorld};
}

// A date of one reckoning; the month counts in that reckoning's own order (World: 1 is
// September, 12 is August).
struct CalendarDate {
    int Year = 0;
    int Month = 1;
    int Day = 1;
    bool operator==(const CalendarDate&) const = default;
};

// A date that carries its reckoning in its type, so that a World date cannot be read where a
// Gregorian one is meant. It converts to the plain date for the arithmetic below.
template <Reckoning K>
struct ReckonedDate : CalendarDate {
    static constexpr Reckoning kReckoning = K;
    ReckonedDate() = default;
    constexpr ReckonedDate(int year, int month, int day) : CalendarDate{year, month, day} {}
    constexpr explicit ReckonedDate(const CalendarDate& date) : CalendarDate(date) {}
};
using WorldDate = ReckonedDate<kWorld>;
using JulianDate = ReckonedDate<kJulian>;
using GregorianDate = ReckonedDate<kGregorian>;

// One day's date in the three reckonings.
struct DayDates {
    WorldDate World;
    JulianDate Julian;
    GregorianDate Gregorian;

    // The date in reckoning k (the Julian date for an unknown k).
    const CalendarDate& In(Reckoning k) const {
        return k == kWorld       ? World
               : k == kGregorian ? static_cast<const CalendarDate&>(Gregorian)
                                 : Julian;
    }
    bool operator==(const DayDates&) const = default;
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

// Day n's date in every reckoning.
DayDates DatesOfDay(DayNum n);

// Pascha (by the Julian Paschalion) of Julian year y, as a day number.
DayNum JulianPascha(int y);
// The Julian year whose Pascha a day's church year hangs on: the Julian year of the day.
inline int JulianYearOfDay(DayNum n) {
    return DateOfDay(kJulian, n).Year;
}

}  // namespace velorith
