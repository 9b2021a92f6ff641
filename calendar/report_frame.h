// A report as facts rather than markup: which kind of report, the span of days it covers, and
// the DayInfo of each day it lists, in order. The JSON and iCalendar outputs render it.
#pragma once

#include <string>
#include <vector>

#include "calendar/day_info.h"
#include "calendar/phrases.h"

namespace velorith {

enum class ReportKind { Day, Week, Month, Year, Feasts, Search, Abbreviations };

struct ReportFrame {
    ReportKind Kind = ReportKind::Day;
    velorith::Reckoning Reckoning = kJulian;  // the reckoning the report is displayed in
    DayNum First = 0;  // the span the report covers (for search: the displayed year)
    DayNum Last = 0;
    std::string Title;           // the report's heading as plain text ("" for the day report)
    std::string FindText;        // search: the text looked for
    bool WholeWord = false;      // search: whole words only
    std::vector<DayInfo> Days;   // the days the report lists (search: the days with a hit)
    std::vector<int> HitCounts;  // search: the hits on each listed day, parallel to Days
    // The catalogue the frame's texts are to be written in (the calendar's, Russian unless set);
    // it outlives the frame.
    const Phrases* Words = &PhrasesOf();
};

}  // namespace velorith
