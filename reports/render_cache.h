// Which pane must be rendered again: each pane remembers the period it shows (its key) and the
// reckoning it was rendered in, so switching tabs and clicking the same day stay cheap.
#pragma once

#include <array>

#include "reckoning/date_state.h"

namespace velorith {

// Tabs of the main window; the tab index is the pane index.
enum ReportTab : int {
    kDayTab = 0,
    kWeekTab = 1,
    kMonthTab = 2,
    kYearTab = 3,
    kFeastsTab = 4,
    kSearchTab = 5,
    kAbbrTab = 6,
    kTabCount = 7,
};

class RenderCache {
  public:
    // The period a pane shows: the day, or the first day of the week, month or year of the
    // current reckoning; 0 for the search and abbreviations panes, which are not rendered here.
    static DayNum PaneKey(int tab, const DateState& state);

    // True when the pane of `tab` (0..4) must be rendered for the current date: it shows another
    // period or reckoning, or `force` asks for it. Never for the search and abbreviations panes.
    bool NeedsRender(int tab, const DateState& state, bool force = false) const;

    // Notes that the pane of `tab` now shows `key` rendered in reckoning `cal`.
    void Record(int tab, DayNum key, int cal);

    // Every pane is rendered anew when next shown (after a change of font or display options).
    void Reset() { LastCal.fill(0); }

    std::array<DayNum, kTabCount> LastKey{};
    std::array<int, kTabCount> LastCal{};  // 0: render again
};

}  // namespace velorith
