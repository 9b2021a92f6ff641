// Test helper: selects a date in a reckoning with the full recomputation, without a window.
#pragma once

#include "reckoning/date_state.h"

namespace velorith::testing {

inline void SelectDate(DateState& s, int k, int y, int m, int d) {
    s.CurCal = static_cast<std::int16_t>(k);
    DateRec& r = s.Cur();
    r.Year = static_cast<std::int16_t>(y);
    r.Month = static_cast<std::int16_t>(m);
    r.Day = static_cast<std::int16_t>(d);
    s.SetLeap(k);
    s.ClampDay();
    s.SetDayNumber();
    s.SetYearInfo();
    s.SetMonthInfo();
    s.SetWeekInfo();
    s.SyncCals();
}

}  // namespace velorith::testing
