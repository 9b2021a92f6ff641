// What every report reads and moves: the date state (walked through the days a report lists),
// the data, the report settings and the catalogue of the language the report is written in.
#pragma once

#include "calendar/phrases.h"
#include "data/calendar_data.h"
#include "reckoning/date_state.h"
#include "reports/document_sink.h"
#include "reports/rtf_writer.h"

namespace velorith {

struct ReportContext {
    DateState& state;
    CalendarData& data;
    const ReportSettings& settings;
    const Phrases& phrases = PhrasesOf();
    // Where the month and year reports hand their text as they go; none: returned whole.
    const DocumentSink* sink = nullptr;
};

// Makes day d the working day: the three reckonings' dates and the weekday follow it. The
// boundaries of the year, month and week stay those of the current date.
inline void MoveWorkingDate(DateState& state, DayNum d) {
    state.MoveToDay(d);
}

// As MoveWorkingDate, and the week number of the day in the year of the current reckoning.
inline void MoveWorkingDateAndWeek(DateState& state, DayNum d) {
    MoveWorkingDate(state, d);
    DateRec& cur = state.Cur();
    cur.Week = static_cast<std::int16_t>(WeekNumber(cur.YearFirst, cur.YearFirstWD, d));
}

}  // namespace velorith
