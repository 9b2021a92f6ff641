// The scripture readings of a day: the Liturgy's Apostle and Gospel, the Gospel of Matins and
// Lent's Old Testament readings, built from the lectionary by the day's place in the yearly
// round (calendar/lectionary_cycle.h) and its fixed feast or saint.
//
// How a day's readings combine with a feast's or a saint's own:
// - a great feast of the Lord (fixed or movable) reads its own alone: no ordinary readings and
//   no saint's;
// - the great feasts of the Mother of God and the feasts of the Forerunner and the chief
//   apostles read their own first, then the day's;
// - the Saturdays and Sundays before and after the Nativity and the Theophany and the Sunday of
//   the Forefathers read theirs in place of the day's;
// - a saint of polyeleos or vigil rank (the day's highest rank is Polyeleos or above) is read
//   after the day's; the Sundays and Saturdays about the Exaltation and the Sundays of the
//   Fathers of the Councils likewise;
// - no saint's readings in Holy Week and Bright Week.
// On a Sunday, Matins reads the Resurrection Gospel of its turn unless a great feast has its
// own Matins Gospel.
//
// Lines, one per service, in this order:
//   "Утр.: Ев. Ин. 20:1-10."
//   "6-й час: Ис. 1:1-20."
//   "Веч.: Быт. 1:1-13. Притч. 1:1-20."
//   "Лит.: Ап. Деян. 1:1-8. Ев. Ин. 1:1-17."
// A day without a Liturgy Gospel (the weekdays of Lent, Wednesday and Friday of Cheesefare
// week, Great Friday) says why in NoLiturgyReason.
#pragma once

#include <string_view>

#include "calendar/day_info.h"
#include "data/lectionary.h"

namespace velorith {

inline constexpr std::string_view kMatinsService = "Утр.";
inline constexpr std::string_view kSixthHourService = "6-й час";
inline constexpr std::string_view kVespersService = "Веч.";
inline constexpr std::string_view kLiturgyService = "Лит.";
// The reasons given for a day without a Liturgy Gospel; worded apart from the data's own notes
// on the day's services ("Литургия Преждеосвященных Даров.") so that the day does not say the
// same thing twice.
inline constexpr std::string_view kNoLiturgy = "Апостола и Евангелия нет: литургии не бывает.";
inline constexpr std::string_view kPresanctified =
    "Апостола и Евангелия нет: литургия Преждеосвященных Даров.";

DayReadings ReadingsOf(const Lectionary& lectionary, DayNum day, Rank highest);

}  // namespace velorith
