// The movable cycle of the church year, all of it hanging on Pascha: the labels of the weeks
// of the year, the phrase that names a day's place in the cycle, the tone (glas) of a day and
// the year of the great indiction. Pure rules on the Pascha data of DateState.
#pragma once

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

// The phrase that names a day of week w with weekday weekDay (1 = Monday .. 7 = Sunday) in
// the cycle, e.g. "3-я по Пасхе." (a Sunday), "5-ой седмицы Великого поста.",
// "Светлой седмицы."; it always ends with ".".
std::string CyclePhrase(int w, int weekDay, int paschaWeek, int firstPentWeek);
// Appends the phrase to out; for the reports, which build long documents.
void AppendCyclePhrase(std::string& out, int w, int weekDay, int paschaWeek, int firstPentWeek);
// The phrase of the selected day (Dates(CurCal).Week, CurWeekDay).
std::string CyclePhrase(const DateState& s);

// Tone 1..8 of day n, or 0 when the day has none (Palm Sunday to the Saturday of Bright Week,
// Pentecost to the Saturday after it).
int ToneOf(DayNum n, DayNum curPascha, DayNum prevPascha);
// Tone of the selected day in the current year.
int ToneOf(const DateState& s);
// " Глас N-й." for a tone 1..8; empty for no tone.
std::string ToneText(int tone);

// The place of a World year in the great indiction (the 532-year cycle).
struct GreatIndiction {
    int Year = 0;    // year within the great indiction, 1..532
    int Number = 0;  // number of the great indiction, from 1
    bool operator==(const GreatIndiction&) const = default;
};
GreatIndiction GreatIndictionOf(int worldYear);

}  // namespace velorith
