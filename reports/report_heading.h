// The title lines the period reports open with.
#pragma once

#include "reports/report_style.h"

#include <string>
#include <string_view>

#include "calendar/phrases.h"
#include "reckoning/date_state.h"
#include "reports/rtf_writer.h"

namespace velorith {

// "<year> год" and the name of the current reckoning: the title of the year and great feasts
// reports and of the search.
std::string YearTitle(const DateState& state, const Phrases& phrases = PhrasesOf());
std::string YearTitle(int cal, int year, const Phrases& phrases = PhrasesOf());
// "<month> <year> года" and the reckoning's name: the month report's title; the month counts in
// the reckoning's own order.
std::string MonthTitle(int cal, int month, int year, const Phrases& phrases = PhrasesOf());
// The week report's title in its two dated parts, "с <first day>" and "по <last day>" with the
// reckoning's name; the report sets them on lines of their own after the catalogue's week word,
// the JSON title runs them on.
std::string WeekTitleFrom(int cal, DayNum first, const Phrases& phrases = PhrasesOf());
std::string WeekTitleTo(int cal, DayNum last, const Phrases& phrases = PhrasesOf());

// A period document's prologue (navy) and, after an empty line, its indented title ruled off.
template <typename S>
std::string TitledPrologueIn(const ReportSettings& settings, std::string_view title);

}  // namespace velorith
