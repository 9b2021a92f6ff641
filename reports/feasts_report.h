// The great feasts of the year of the current date ("Основные"): Pascha, the twelve great
// feasts (movable, then fixed) and the five further great feasts, in the calendar order of the
// displayed year.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "reports/report_context.h"
#include "reports/report_style.h"

namespace velorith {

template <typename S>
std::string FeastsReportIn(ReportContext context);
inline std::string FeastsReport(ReportContext context) {
    return FeastsReportIn<RtfStyle>(context);
}
// The days of those feasts in the displayed year, in calendar order.
std::vector<DayNum> FeastDays(const DateState& state);

// Which of the feasts of this report a day is: Pascha, one of the twelve great feasts, one of
// the five further great feasts, or none of them. Reckoned from the day's Julian date and
// Pascha, whatever the data files say.
enum class GreatFeastKind : std::uint8_t { None, Pascha, Twelve, Great };
GreatFeastKind GreatFeastOf(DayNum day);

}  // namespace velorith
