// The scripture readings of a day: the Liturgy's Apostle and Gospel, the Gospel of Matins and
// Lent's Old Testament readings, built from the lectionary by the day's place in the yearly
// round (calendar/lectionary_cycle.h) and its fixed feast or saint.
//
// How a day's readings combine with a feast's or a saint's own:
// - a great feast of the Lord (fixed or movable) reads its own alone: no ordinary readings and
//   no saint's;
// - the Nativity of the Forerunner, the chief apostles and the Protection read their own first,
//   then the day's;
// - the twelve great feasts of the Mother of God and the Beheading of the Forerunner do so on a
//   Sunday; on a weekday they read their own alone, and the weekday's ordinary readings are read
//   the day before ("под зачало"), after that day's, unless that day is a Sunday;
// - the Saturdays and Sundays before and after the Nativity and the Theophany and the Sunday of
//   the Forefathers read theirs in place of the day's;
// - a saint of polyeleos or vigil rank (the day's highest rank is Polyeleos or above) is read
//   after the day's, but before it on a Saturday of the weeks after Pentecost (the Saturday
//   being the saints' day); the Sundays and Saturdays about the Exaltation and the Sundays of
//   the Fathers of the Councils likewise;
// - no saint's readings in Holy Week and Bright Week.
// On a Sunday, Matins reads the Resurrection Gospel of its turn unless a great feast has its
// own Matins Gospel.
//
// The services in this order: Matins, the First Hour (Great Thursday only), the Sixth Hour,
// Vespers, the Liturgy; each with its readings in the order they are read. A day without a
// Liturgy Gospel (the weekdays of Lent, Wednesday and Friday of Cheesefare week, Great Friday)
// says why in NoLiturgy. The renderers print them ("Лит.: Ап. Деян. 1:1-8. Ев. Ин. 1:1-17.").
#pragma once

#include "calendar/day_info.h"
#include "data/lectionary.h"

namespace velorith {

DayReadings ReadingsOf(const Lectionary& lectionary, DayNum day, Rank highest);

}  // namespace velorith
