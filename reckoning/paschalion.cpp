// The Pascha data of the current year, from the Julian Paschalion.
#include "reckoning/date_state.h"
#include "reckoning/int_math.h"

namespace velorith {

DayNum DateState::GetPascha(int y) {
    // The World year y ends in August of Julian year y - 5508, which holds its Pascha; a
    // Gregorian year holds the Pascha of the Julian year of the same number.
    const std::int64_t j = CurCal == kWorld ? std::int64_t{y} - kWorldYearOffset : y;
    PaschaInfo.PaschaYear = static_cast<std::int16_t>(j);
    return JulianPascha(static_cast<int>(j));
}

void DateState::SetPaschaInfo() {
    const DateRec& r = Cur();
    PaschaInfoRec& p = PaschaInfo;
    p.PrevPascha = GetPascha(r.Year - 1);
    p.CurPascha = GetPascha(r.Year);  // leaves PaschaYear at the current year's Pascha
    // Pentecost is Pascha + 49 and begins week 1 after Pentecost.
    p.FirstPentWeek = static_cast<std::int16_t>(WeekNumber(p.PrevPascha + 49, 7, r.YearFirst));
    p.LastPentWeek = static_cast<std::int16_t>(WeekNumber(p.CurPascha + 49, 7, r.YearLast));
    p.PaschaWeek = static_cast<std::int16_t>(WeekNumber(r.YearFirst, r.YearFirstWD, p.CurPascha));
}

}  // namespace velorith
