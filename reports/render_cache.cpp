#include "reports/render_cache.h"

namespace velorith {

DayNum RenderCache::PaneKey(int tab, const DateState& state) {
    const DateRec& cur = state.Cur();
    switch (tab) {
        case kDayTab:
            return state.CurDay;
        case kWeekTab:
            return cur.WeekFirst;
        case kMonthTab:
            return cur.MonthFirst;
        case kYearTab:
        case kFeastsTab:
            return cur.YearFirst;
        default:
            return 0;
    }
}

bool RenderCache::NeedsRender(int tab, const DateState& state, bool force) const {
    if (tab < kDayTab || tab > kFeastsTab) return false;
    if (force) return true;
    const auto i = static_cast<std::size_t>(tab);
    return LastKey[i] != PaneKey(tab, state) || LastCal[i] != state.CurCal;
}

void RenderCache::Record(int tab, DayNum key, int cal) {
    if (tab < 0 || tab >= kTabCount) return;
    const auto i = static_cast<std::size_t>(tab);
    LastKey[i] = key;
    LastCal[i] = cal;
}

}  // namespace velorith
