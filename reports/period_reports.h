// The week, month and year reports: every day of the period that holds the current date, each
// as its day block under a dotted separator. A copy of the date state walks the days; the
// state itself never moves.
#pragma once

#include <string>

#include "reports/report_context.h"
#include "reports/report_style.h"

namespace velorith {

// The week (Sunday to Saturday) of the current date. The days of a week that reaches into
// another year show that year's Pascha data and entries.
template <typename S>
std::string WeekReportIn(ReportContext context);
// The month of the current date in the current reckoning.
template <typename S>
std::string MonthReportIn(ReportContext context);
// The year of the current date in the current reckoning, with a heading for each month.
template <typename S>
std::string YearReportIn(ReportContext context);

inline std::string WeekReport(ReportContext context) {
    return WeekReportIn<RtfStyle>(context);
}
inline std::string MonthReport(ReportContext context) {
    return MonthReportIn<RtfStyle>(context);
}
inline std::string YearReport(ReportContext context) {
    return YearReportIn<RtfStyle>(context);
}

}  // namespace velorith
