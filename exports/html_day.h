// One day of the calendar as an HTML <article>: its date in a <time> element, the same date in
// the other reckonings, the day line, the commemorations with their rank signs, the readings and
// the fast. Red days and great feasts carry the calendar's own marks.
#pragma once

#include <string>
#include <string_view>

#include "calendar/day_info.h"
#include "calendar/phrases.h"

namespace velorith::exports {

struct HtmlDayOptions {
    int HeadingLevel = 2;                 // 1 on a page of the day alone
    bool Indiction = false;               // the year of the indiction under the day line
    std::string_view Href;                // the heading links there when set (a day's own page)
    int Hits = -1;                        // the search's hits on the day; none when negative
    const Phrases* Words = &PhrasesOf();  // the catalogue of the day's texts
};

void AppendDayArticle(std::string& out, const DayInfo& day, const HtmlDayOptions& options);

// "2026-12-07": the day's civil (Gregorian) date as <time datetime> wants it; empty outside the
// civil years 1..3000, which that form cannot hold.
std::string CivilIsoDate(const DayInfo& day);

// The commemoration's text with its looks.
void AppendEntryText(std::string& out, const DayEntry& entry);
// The principal commemoration with its looks, else the day line.
void AppendPrincipal(std::string& out, const DayInfo& day, const Phrases& words = PhrasesOf());
// The fast's line, escaped ("Рождественский пост. Разрешается рыба.").
void AppendFastLine(std::string& out, const DayFast& fast, const Phrases& words = PhrasesOf());

}  // namespace velorith::exports
