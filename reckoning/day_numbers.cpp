// Day numbers (Julian Day Numbers) of dates in the three reckonings, and the weekday and
// week arithmetic on them.
#include <array>

#include "reckoning/calendar_dates.h"
#include "reckoning/date_state.h"
#include "reckoning/int_math.h"

namespace velorith {

namespace {

// Days before the first of month m, counted in a year that begins on 1 March; m runs 4..15
// (March .. February of the next year), the values trunc(30.6 * m).
constexpr std::int64_t MonthOffset(std::int64_t m) {
    return FloorDiv(306 * m, 10);
}

}  // namespace

DayNum DayNumber(int k, int d, int m, int y) {
    std::int64_t day = d;
    std::int64_t month = m;
    std::int64_t year = y;
    if (k == kWorld) {
        // The World year begins in September of the Julian year before.
        if (month >= 5) {
            year -= 5508;
            month -= 4;
        } else {
            year -= 5509;
            month += 8;
        }
    } else if (k == kGregorian) {
        // Shift the day by the Julian-Gregorian difference of the year; the formula below is
        // linear in the day, so a day outside the month is harmless.
        day += FloorDiv(year, 400) - FloorDiv(year, 100) + 2;
        if (FloorMod(year, 400) != 0 && FloorMod(year, 100) == 0 && month < 3) ++day;
    }
    // January and February count as months 13 and 14 of the year before, so that the leap
    // day ends the counted year.
    if (month <= 2) {
        month += 13;
        --year;
    } else {
        month += 1;
    }
    return static_cast<DayNum>(MonthOffset(month) + FloorDiv(1461 * year, 4) + day + 1720995);
}

bool IsLeapYear(int k, int y) {
    const bool leap = FloorMod(y, 4) == 0;
    return k == kGregorian ? leap && (FloorMod(y, 100) != 0 || FloorMod(y, 400) == 0) : leap;
}

int MonthLength(int k, int m, int y) {
    if (!IsReckoning(k) || m < 1 || m > 12) return 0;
    static constexpr std::array<int, 12> kFromJanuary = {31, 28, 31, 30, 31, 30,
                                                         31, 31, 30, 31, 30, 31};
    const int fromJanuary = k == kWorld ? (m + 7) % 12 : m - 1;
    const int length = kFromJanuary[static_cast<std::size_t>(fromJanuary)];
    return length == 28 && IsLeapYear(k, y) ? 29 : length;
}

CalendarDate DateOfDay(int k, DayNum n) {
    // Days from Julian 1 March of year 0 (day 1721118) or its Gregorian counterpart; the year
    // counted from March puts the leap day at its end.
    std::int64_t c = 0;
    std::int64_t doy = 0;
    std::int64_t year = 0;
    if (k == kGregorian) {
        const std::int64_t a = std::int64_t{n} - 1721120;
        const std::int64_t era = FloorDiv(a, 146097);
        const std::int64_t doe = a - era * 146097;
        const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
        year = yoe + era * 400;
        doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    } else {
        const std::int64_t a = std::int64_t{n} - 1721118;
        c = FloorDiv(a, 1461);
        const std::int64_t r = a - c * 1461;
        const std::int64_t yoc = (r - r / 1460) / 365;
        year = c * 4 + yoc;
        doy = r - 365 * yoc;
    }
    const std::int64_t mp = (5 * doy + 2) / 153;  // 0 = March .. 11 = February
    const int day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    if (month <= 2) ++year;
    if (k == kWorld) return JulianToWorldMonth(static_cast<int>(year), month, day);
    return {static_cast<int>(year), month, day};
}

DayDates DatesOfDay(DayNum n) {
    const CalendarDate julian = DateOfDay(kJulian, n);
    return {WorldDate(JulianToWorldMonth(julian.Year, julian.Month, julian.Day)),
            JulianDate(julian), GregorianDate(DateOfDay(kGregorian, n))};
}

DayNum JulianPascha(int y) {
    // Gauss's form for the Julian calendar: the age of the paschal moon, then on to the Sunday.
    const auto a = FloorMod(FloorMod(y, 19) * 19 + 15, 30);
    const auto b = FloorMod(y, 7) * 4 + FloorMod(y, 4) * 2;
    const auto e = FloorMod(6 * a + b + 6, 7);
    return DayNumber(kJulian, 22, 3, y) + static_cast<DayNum>(a + e);
}

int WeekDayOf(DayNum n) {
    return static_cast<int>(FloorMod(n, 7)) + 1;
}

int WeekDayPos(int firstWeekday, int weekday) {
    return static_cast<int>(
               FloorMod(weekday - FloorMod(std::int64_t{firstWeekday} - 1, 7) + 13, 7)) +
           1;
}

int WeekNumber(DayNum first, int firstWD, DayNum n) {
    // Days from the Sunday on or before `first` through n; weeks are counted up.
    const std::int64_t a = FloorMod(firstWD, 7) + std::int64_t{n} - first + 1;
    return static_cast<int>(-FloorDiv(-a, 7));
}

}  // namespace velorith
