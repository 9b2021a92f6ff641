// The fast of a day, computed from the Church's rules in fast_rules.h: a pure function of the
// day's Julian date, weekday, distance from Pascha and the highest rank among its
// commemorations. Nothing is read or kept between calls.
#pragma once

#include "calendar/day_info.h"
#include "reckoning/calendar_dates.h"

namespace velorith {

struct FastQuery {
    int JulianMonth = 1;
    int JulianDay = 1;
    int WeekDay = 1;         // 1 = Monday .. 7 = Sunday
    int DaysFromPascha = 0;  // the day minus the Pascha of the day's Julian year
    Rank HighestRank = Rank::None;
};

// The fast of the day the query describes. A day outside every rule, or a query that names no
// weekday, month or day of a month, gets FastLevel::None (no line).
DayFast FastOfDay(const FastQuery& q);

// The same for day number `day`, deriving the date, weekday and Pascha.
DayFast FastOfDay(DayNum day, Rank highestRank);

}  // namespace velorith
