// Placing every table entry on its days in the current Julian year and the year before.
#pragma once

#include "data/tables.h"
#include "data/year_placements.h"
#include "reckoning/date_state.h"

namespace velorith {

// The day near n with the weekday rule w: 1..7 the first such weekday after n, -1..-7 the last
// such weekday before n, 0 the Sunday before n. Any other w gives 0 (no date).
DayNum NearWeekday(DayNum n, int w);

}  // namespace velorith
