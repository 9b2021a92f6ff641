// The fasts of the Church year as spans of days: the four fasting seasons (Great Lent with Holy
// Week, the Apostles' fast, the Dormition fast, the Nativity fast) and the three fasts of one
// day (the eve of Theophany, the Beheading of the Forerunner, the Exaltation of the Cross), as
// the calendar's own fasting rules place them. The weekly fast of Wednesdays and Fridays is no
// season and is left to the day events.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "calendar/day_info.h"
#include "calendar/phrases.h"

namespace velorith::exports {

enum class FastSeason : std::uint8_t {
    None,
    GreatLent,
    Apostles,
    Dormition,
    Nativity,
    TheophanyEve,
    Beheading,
    Exaltation,
};

// The season a day's fast belongs to; None for a day outside them.
FastSeason FastSeasonOf(DayNum day);

struct FastSpan {
    FastSeason Season = FastSeason::None;
    DayNum First = 0;
    DayNum Last = 0;
};

// The seasons with a day in first..last, in order, each whole: a season that began before
// `first` or ends after `last` is given from its first to its last day (within the civil years
// 1..3000), so that a feed refreshed a year later names the same span.
std::vector<FastSpan> FastSpansOverlapping(DayNum first, DayNum last);

// "Великий пост", "Рождественский пост", ...: the season's name from the phrase catalogue.
std::string_view FastSeasonTitle(FastSeason season, const Phrases& words = PhrasesOf());
// "greatLent", "nativityFast", ...: a stable key (in UIDs).
std::string_view FastSeasonKey(FastSeason season);

}  // namespace velorith::exports
