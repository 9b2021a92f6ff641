#include "calendar/lectionary_cycle.h"

#include <algorithm>

namespace velorith {
namespace {

// The first Sunday strictly after `day`.
DayNum SundayAfter(DayNum day) {
    return day + 7 - (WeekDayOf(day) % 7);
}

// The Sunday that ends the week of `day` (the day itself on a Sunday).
DayNum WeekEnd(DayNum day) {
    return day + (7 - WeekDayOf(day));
}

int LukeWeek(DayNum day, DayNum lukeStart) {
    return (day - lukeStart) / 7 + 1;
}

}  // namespace

DayNum LukeStartOf(int julianYear) {
    return SundayAfter(DayNumber(kJulian, 14, 9, julianYear)) + 1;
}

CyclePosition PositionOf(DayNum day) {
    CyclePosition pos;
    pos.WeekDay = WeekDayOf(day);
    const int year = JulianYearOfDay(day);
    const DayNum pascha = JulianPascha(year);
    if (day >= pascha + kPublicanFromPascha && day <= pascha + kPentecostFromPascha) {
        pos.Movable = true;
        pos.FromPascha = day - pascha;
        return pos;
    }
    const bool afterPentecost = day > pascha + kPentecostFromPascha;
    const DayNum pentecost = afterPentecost ? pascha + kPentecostFromPascha
                                            : JulianPascha(year - 1) + kPentecostFromPascha;
    const DayNum publican = afterPentecost ? JulianPascha(year + 1) + kPublicanFromPascha
                                           : pascha + kPublicanFromPascha;
    const int pentecostYear = afterPentecost ? year : year - 1;

    const int plain = (day - pentecost - 1) / 7 + 1;
    pos.WeekFromPentecost = plain;
    const DayNum lukeStart = LukeStartOf(pentecostYear);
    const DayNum fitFrom = SundayAfter(DayNumber(kJulian, 6, 1, pentecostYear + 1)) + 1;
    const int weeksToPublican = (publican - WeekEnd(day)) / 7;
    const int counted = kLastSeriesWeek - weeksToPublican;  // counted back from the Publican
    // The last two weeks before the Publican always take their own readings.
    const bool fitted = day >= fitFrom || weeksToPublican <= 1;
    pos.LukeStarted = day >= lukeStart;
    pos.CanaaniteYear = 17 + LukeWeek(publican, lukeStart) > kLastSeriesWeek;

    pos.ApostleWeek = fitted ? counted : std::min(plain, kLastSeriesWeek);
    if (!pos.LukeStarted) {
        pos.GospelWeek = std::min(plain, kLastSeriesWeek);
    } else if (pos.WeekDay == 7) {
        if (weeksToPublican == 1)
            pos.GospelWeek = kZacchaeusSunday;
        else if (weeksToPublican == 2 && pos.CanaaniteYear)
            pos.GospelWeek = kCanaaniteSunday;
        else if (fitted)
            pos.GospelWeek = pos.CanaaniteYear ? counted + 1 : counted;
        else
            // The step back is the weekdays' only: where the count from Pentecost had reached
            // Luke before Luke began (an early Pascha), the Sundays go on by that count, so no
            // Sunday reads the Gospel of the Sunday before it.
            pos.GospelWeek =
                std::min(std::max(17 + LukeWeek(day, lukeStart), plain), kLastLukeSunday);
    } else {
        pos.GospelWeek =
            fitted ? counted : std::min(17 + LukeWeek(day, lukeStart), kLastSeriesWeek);
    }
    return pos;
}

int MatinsGospelOf(DayNum day) {
    if (WeekDayOf(day) != 7) return 0;
    const int year = JulianYearOfDay(day);
    const DayNum pascha = JulianPascha(year);
    constexpr int kAllSaints = kPentecostFromPascha + 7;
    constexpr int kPalmSunday = -7;
    if (day >= pascha + kPalmSunday && day < pascha + kAllSaints) return 0;
    const DayNum first =
        day >= pascha + kAllSaints ? pascha + kAllSaints : JulianPascha(year - 1) + kAllSaints;
    return (day - first) / 7 % 11 + 1;
}

}  // namespace velorith
