#include "reports/hit_list.h"

#include <algorithm>

#include "data/signs.h"

namespace velorith {

DisplayedYear NoteDisplayedYear(const DateState& state) {
    return {state.Dates[kJulian].Year, state.Cur().YearFirst, state.Cur().YearLast};
}

DayNum PlaceJulianDate(const DisplayedYear& year, int julianDay, int julianMonth) {
    // The Julian year of the current date first; a displayed year that is not a Julian one
    // holds the date in the year after or before it.
    DayNum d = DayNumber(kJulian, julianDay, julianMonth, year.julianYear);
    if (d < year.first) d = DayNumber(kJulian, julianDay, julianMonth, year.julianYear + 1);
    if (d > year.last) d = DayNumber(kJulian, julianDay, julianMonth, year.julianYear - 1);
    return year.Holds(d) ? d : 0;
}

template <typename S>
bool AddFoundDay(BasicDayBlock<S>& block, ReportContext c, const DisplayedYear& year, int julianDay,
                 int julianMonth, std::string_view text, HitList& hitList) {
    const DayNum d = PlaceJulianDate(year, julianDay, julianMonth);
    if (d == 0) return false;
    MoveWorkingDate(c.state, d);
    c.state.SetYearInfo();  // also the day's week
    HitRow row;
    row.day = d;
    row.heading = block.DayHeading(false);
    const TextLine line = SignedTextLine(text);
    S::AppendLine(row.text, line.Sign, false, line.Value, PlainTextOf(line.Value));
    hitList.push_back(std::move(row));
    return true;
}

template bool AddFoundDay<RtfStyle>(BasicDayBlock<RtfStyle>&, ReportContext, const DisplayedYear&,
                                    int, int, std::string_view, HitList&);
template bool AddFoundDay<TextStyle>(BasicDayBlock<TextStyle>&, ReportContext, const DisplayedYear&,
                                     int, int, std::string_view, HitList&);

void SortHits(HitList& hitList) {
    std::stable_sort(hitList.begin(), hitList.end(),
                     [](const HitRow& a, const HitRow& b) { return a.day < b.day; });
}

}  // namespace velorith
