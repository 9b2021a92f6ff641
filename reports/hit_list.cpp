#include "reports/hit_list.h"

#include <algorithm>
#include <type_traits>

#include "data/entry_markup.h"

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
                 int julianMonth, std::string_view text, HitList& hitList, std::string* owned) {
    const DayNum d = PlaceJulianDate(year, julianDay, julianMonth);
    if (d == 0) return false;
    MoveWorkingDate(c.state, d);
    c.state.SetYearInfo();  // also the day's week
    HitRow row;
    row.day = d;
    row.heading = block.DayHeading(false);
    // Only what the style writes is made: the balanced markup, or the visible text (the line
    // itself when it has no markup), each once however long the line.
    const auto [sign, rest] = ReadSignMarker(text);
    if constexpr (std::is_same_v<S, RtfStyle>) {
        if (owned != nullptr) {
            // The line becomes the row: its marker off, its sign's prefix on, its end.
            owned->erase(0, owned->size() - rest.size());
            BalanceMarkupInPlace(*owned);
            owned->insert(0, LinePrefix(sign, false));
            *owned += kParLineEnd;
            row.text = std::move(*owned);
        } else {
            S::AppendLine(row.text, sign, false, BalanceMarkup(rest), {});
        }
    } else if (HasMarkup(rest)) {
        S::AppendLine(row.text, sign, false, {}, PlainTextOf(BalanceMarkup(rest)));
    } else {
        S::AppendLine(row.text, sign, false, {}, rest);
    }
    hitList.push_back(std::move(row));
    return true;
}

template bool AddFoundDay<RtfStyle>(BasicDayBlock<RtfStyle>&, ReportContext, const DisplayedYear&,
                                    int, int, std::string_view, HitList&, std::string*);
template bool AddFoundDay<TextStyle>(BasicDayBlock<TextStyle>&, ReportContext, const DisplayedYear&,
                                     int, int, std::string_view, HitList&, std::string*);

void SortHits(HitList& hitList) {
    std::stable_sort(hitList.begin(), hitList.end(),
                     [](const HitRow& a, const HitRow& b) { return a.day < b.day; });
}

}  // namespace velorith
