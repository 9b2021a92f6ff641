// Building the DayInfo of a day: a pure function of the day, the reckoning it is shown in, the
// placements of its year and the month files. Nothing shared moves.
#pragma once

#include <string>
#include <string_view>

#include "calendar/day_info.h"
#include "data/calendar_data.h"
#include "data/entry_markup.h"
#include "data/year_placements.h"
#include "reckoning/date_state.h"

namespace velorith {

// What a listed day takes from the year it is shown in: the week number that names its place in
// the cycle and the Pascha data of that year. A report walking a year gives the values its walk
// has; a day looked at by itself has those of its own year (DayContextOf).
struct DayContext {
    DayNum Day = 0;
    velorith::Reckoning Reckoning = kJulian;
    int Week = 0;
    PaschaInfoRec Pascha;
};

// The context of the date state's current day.
DayContext DayContextOf(const DateState& state);
// The context of a day shown by itself in reckoning k: its own year's week and Pascha data.
DayContext DayContextOf(DayNum day, int k);

// Additions to the day that have a switch.
struct DayOptions {
    bool Fasting = false;
    bool Readings = false;
};

// Everything known of the day. The placements are those of context.Pascha.PaschaYear.
DayInfo BuildDayInfo(const DayContext& context, const YearPlacements& placed, CalendarData& data,
                     const DayOptions& options = {});

// The visible text of a fragment of the data's RTF (a value as the data files hold it).
std::string PlainTextOf(std::string_view value);

}  // namespace velorith
