// The rows of the great feasts report and of the search: one row per day found, kept sortable
// by day number, and the placing of a Julian date on its day of the displayed year.
#pragma once

#include <string>
#include <vector>

#include "reports/day_report.h"

namespace velorith {

struct HitRow {
    DayNum day = 0;       // the sort key
    std::string heading;  // the date lines and the day line
    std::string text;     // the entry texts of the row
};

// One row per day found, sortable by day number; empty before and after each report.
using HitList = std::vector<HitRow>;

// The displayed year, noted when the report saved the date state.
struct DisplayedYear {
    int julianYear = 0;  // Julian year of the current date
    DayNum first = 0;    // YearFirst and YearLast of the current reckoning
    DayNum last = 0;
    bool Holds(DayNum d) const { return first <= d && d <= last; }
};

DisplayedYear NoteDisplayedYear(const DateState& state);

// The one day of the displayed year that bears the Julian date (julianDay, julianMonth), or 0
// when that date does not fall in it.
DayNum PlaceJulianDate(const DisplayedYear& year, int julianDay, int julianMonth);

// Places the Julian date on its day of the displayed year and, when it falls there, makes that
// day the working day and adds a row: the date lines and day line, and `text` with its rank
// sign and an end of line. Returns false, adding nothing, when the date is not in the year.
// `owned`, when given, holds the same text and may be taken, so that a long line is not
// copied again.
template <typename S>
bool AddFoundDay(BasicDayBlock<S>& block, ReportContext context, const DisplayedYear& year,
                 int julianDay, int julianMonth, std::string_view text, HitList& hitList,
                 std::string* owned = nullptr);

// Sorts the rows by day, keeping the order in which rows of one day were found.
void SortHits(HitList& hitList);

}  // namespace velorith
