// The Church's rules of the fast, as the Russian Church's calendars print them (the monastic
// typikon): one table of stretches of the year and days of their own, each with a level for
// every weekday and the relaxations a feast brings; the fixed feasts the rules name; the eight
// levels a fast line ends with. Data, not logic: fasting.cpp reads the table, dataset/README.md
// describes it for data editors.
#pragma once

#include <array>
#include <climits>
#include <cstdint>
#include <span>
#include <string_view>

#include "calendar/day_info.h"

namespace velorith {

// Days counted from the Pascha of the day's Julian year, both ends included.
struct PaschaSpan {
    int From = INT_MIN;
    int To = INT_MAX;
};

// Julian dates written month * 100 + day (1225 is 25 December), both ends included; a span whose
// end comes before its start runs over the new year.
struct DateSpan {
    int From = 101;
    int To = 1231;
};

inline constexpr PaschaSpan kAnyPaschaDay{};
inline constexpr DateSpan kAnyDate{};

// One row: a day lies in the row when it lies in both spans. The first row a day lies in gives
// its fast; FastLevel::None in the day's weekday column means no fast line at all.
struct FastRule {
    FastPeriod Period;  // names the rule in the day's line
    PaschaSpan Pascha;
    DateSpan Date;
    std::array<FastLevel, 7> ByWeekDay;  // Monday .. Sunday
    FastLevel WithDoxology;              // a saint with the great doxology eases it to this
    FastLevel WithPolyeleos;             // a polyeleos, vigil or great feast eases it to this
};

// A feast of fixed Julian date whose rank the rules rely on, whatever rank the month file
// gives that day.
struct FastFeastRule {
    FastFeast Feast = FastFeast::None;  // follows the stretch's name: "Петров пост, <feast>."
    int Date = 0;                       // month * 100 + day
    Rank Sign = Rank::None;
};

std::span<const FastRule> FastRules();
std::span<const FastFeastRule> FastFeasts();

}  // namespace velorith
