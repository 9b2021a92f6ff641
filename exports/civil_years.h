// The civil (Gregorian) years a calendar feed holds: the year reports of years first..last,
// shared by the companion's --range-years and the window's calendar export; and the cut of a
// report to the days whose civil date an export can write.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "calendar/report_frame.h"
#include "exports/report_ics.h"
#include "reports/calendar.h"

namespace velorith::exports {

// Whether every day of the civil years first..last lies in the working range.
bool CivilYearsInRange(const DateState& state, int first, int last);

// Calls `take` with the year report of each civil year first..last, in order, one at a time,
// each asked for by date: the selected date and reckoning never move. The caller has checked
// the span with CivilYearsInRange.
void ForEachCivilYear(Calendar& calendar, int first, int last,
                      const std::function<void(const ReportFrame&)>& take);
// The same for a report kind a feed can span: the year reports, or for the great feasts report
// the days of each year that are great feasts (Pascha, the twelve and the five further ones).
void ForEachCivilYear(Calendar& calendar, ReportKind kind, int first, int last,
                      const std::function<void(const ReportFrame&)>& take);
// Whether a feed of the civil years can hold reports of this kind (year and feasts).
bool SpansCivilYears(ReportKind kind);
// The frame that describes the civil years first..last as one report of the kind, without its
// days: the head of a document of many years.
ReportFrame CivilYearsHead(ReportKind kind, int first, int last);

// The same, all kept.
std::vector<ReportFrame> CivilYearFrames(Calendar& calendar, int first, int last);
// The calendar file of the civil years first..last, written a year at a time.
std::string CivilYearsIcs(Calendar& calendar, int first, int last, const IcsOptions& options);
std::string CivilYearsIcs(Calendar& calendar, ReportKind kind, int first, int last,
                          const IcsOptions& options);

// Leaves out of the frame the days whose civil date lies outside years 1..3000 (HasCivilDate),
// with their hit counts, and narrows its span to match. Returns how many days went; when the
// span holds no such day at all, First > Last afterwards.
int KeepCivilDays(ReportFrame& frame);

}  // namespace velorith::exports
