// The movable cycle of the church year, all of it hanging on Pascha: the labels of the weeks
// of the year, the phrase that names a day's place in the cycle, the tone (glas) of a day and
// the year of the great indiction. Pure rules on the Pascha data of DateState.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "reckoning/date_state.h"

namespace velorith {

// Label of week w (1-based, Sunday-to-Saturday) of a year whose Pascha begins week
// paschaWeek and whose first day lies in week firstPentWeek after the previous Pentecost,
// e.g. "12-я по Пятидесятнице", "О мытаре и фарисее", "3-я Великого поста",
// "Страстная седмица", "Светлая седмица", "2-я по Пасхе".
std::string WeekLabel(int w, int paschaWeek, int firstPentWeek);

// The labels of weeks 1..yearWeeks, in week order; exactly yearWeeks of them (none when
// yearWeeks is not positive).
std::vector<std::string> WeekLabels(int yearWeeks, int paschaWeek, int firstPentWeek);
// The week labels of the current year of the current reckoning.
std::vector<std::string> WeekLabels(const DateState& s);

// The place of a day in the movable cycle, as its phrase names it: the season and, where the
// season counts its weeks, the week's number. A Sunday takes the number of the week it closes
// in the counts after Pentecost and of Lent; Pascha is the first Sunday after Pascha.
enum class CycleSeason : std::uint8_t { AfterPentecost, Lent, HolyWeek, BrightWeek, AfterPascha };
inline constexpr int kCycleSeasons = 5;
struct CyclePlace {
    CycleSeason Season = CycleSeason::AfterPentecost;
    std::int64_t Number = 0;  // the week's number; 0 for Holy and Bright Week
    bool Sunday = false;
    bool operator==(const CyclePlace&) const = default;
};
// The place of a day of week w with weekday weekDay (1 = Monday .. 7 = Sunday).
CyclePlace CyclePlaceOf(int w, int weekDay, int paschaWeek, int firstPentWeek);

// Tone 1..8 of day n, or 0 when the day has none (Palm Sunday to the Saturday of Bright Week,
// Pentecost to the Saturday after it).
int ToneOf(DayNum n, DayNum curPascha, DayNum prevPascha);
// Tone of the selected day in the current year.
int ToneOf(const DateState& s);

// The place of a World year in the great indiction (the 532-year cycle).
struct GreatIndiction {
    int Year = 0;    // year within the great indiction, 1..532
    int Number = 0;  // number of the great indiction, from 1
    bool operator==(const GreatIndiction&) const = default;
};
GreatIndiction GreatIndictionOf(int worldYear);

}  // namespace velorith
