#include "exports/civil_years.h"

namespace velorith::exports {

bool CivilYearsInRange(const DateState& state, int first, int last) {
    return first <= last && first >= state.MinYears[kGregorian] &&
           last <= state.MaxYears[kGregorian] &&
           state.InRange(kGregorian, DayNumber(kGregorian, 1, 1, first)) &&
           state.InRange(kGregorian, DayNumber(kGregorian, 31, 12, last));
}

std::vector<ReportFrame> CivilYearFrames(Calendar& calendar, int first, int last) {
    const DateState& state = calendar.State();
    const int cal = state.CurCal;
    const DateRec selected = state.Cur();
    std::vector<ReportFrame> years;
    for (int year = first; year <= last; ++year) {
        // A year report in the Gregorian reckoning lists exactly the days of a civil year.
        calendar.SelectDate(kGregorian, year, 1, 1);
        years.push_back(calendar.Frame(ReportKind::Year));
    }
    if (!years.empty()) calendar.SelectDate(cal, selected.Year, selected.Month, selected.Day);
    return years;
}

}  // namespace velorith::exports
