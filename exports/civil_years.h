// The civil (Gregorian) years a calendar feed holds: the year reports of years first..last,
// shared by the companion's --range-years and the window's calendar export.
#pragma once

#include <vector>

#include "calendar/report_frame.h"
#include "reports/calendar.h"

namespace velorith::exports {

// Whether every day of the civil years first..last lies in the working range.
bool CivilYearsInRange(const DateState& state, int first, int last);

// The year report of each civil year first..last, in order, asked for by date: the selected
// date and reckoning never move. The caller has checked the span with CivilYearsInRange.
std::vector<ReportFrame> CivilYearFrames(Calendar& calendar, int first, int last);

}  // namespace velorith::exports
