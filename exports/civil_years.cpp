#include "exports/civil_years.h"

namespace velorith::exports {

bool CivilYearsInRange(const DateState& state, int first, int last) {
    return first <= last && first >= state.MinYears[kGregorian] &&
           last <= state.MaxYears[kGregorian] &&
           state.InRange(kGregorian, DayNumber(kGregorian, 1, 1, first)) &&
           state.InRange(kGregorian, DayNumber(kGregorian, 31, 12, last));
}

std::vector<ReportFrame> CivilYearFrames(Calendar& calendar, int first, int last) {
    std::vector<ReportFrame> years;
    // A year report in the Gregorian reckoning lists exactly the days of a civil year.
    for (int year = first; year <= last; ++year)
        years.push_back(calendar.YearFrame(kGregorian, year));
    return years;
}

}  // namespace velorith::exports
