// The scripture readings of a day: the Liturgy's Apostle and Gospel, the Gospel of Matins and
// Lent's Old Testament readings, built from the lectionary by the day's place in the yearly
// round (calendar/lectionary_cycle.h) and its fixed feast or saint.
//
// How a day's readings combine with a feast's or a saint's own (each set read as a group,
// labelled by the data when a service reads more than one):
// - a great feast of the Lord (fixed or movable) reads its own alone: no ordinary readings and
//   no saint's;
// - the Nativity of the Forerunner, the chief apostles, the twelve great feasts of the Mother of
//   God, the Beheading of the Forerunner and the like read their own first on a Sunday, then the
//   Sunday's ("под зачало"); on a weekday they read their own alone;
// - a weekday's ordinary readings displaced by its feast (those above, a great feast of the
//   Lord, a feast or saint with a vigil on a Saturday, which is then read alone) are read the
//   day before, after that day's, unless that day is a Sunday: a Monday's are read on Tuesday;
// - the Saturdays and Sundays before and after the Nativity and the Theophany and the Sunday of
//   the Forefathers read theirs in place of the day's; a Sunday of Zacchaeus keeps its own
//   beside them; the Saturdays and Sundays about the Exaltation read theirs first;
// - a saint of polyeleos or vigil rank (the day's highest rank is Polyeleos or above), and on a
//   weekday a saint whose readings the data marks as read on weekdays, is read after the day's,
//   but before it on a Saturday of the weeks after Pentecost (the Saturday being the saints'
//   day); the Sundays of the Fathers of the Councils likewise; a saint's Matins Gospel is read
//   on a weekday;
// - the eves of the Nativity and the Theophany on a weekday read the Royal Hours, Vespers and
//   the Liturgy of their own alone; on a Saturday or a Sunday the Royal Hours are read on the
//   Friday before (a day without a Liturgy), and the eve reads the Saturday's or Sunday's
//   readings with the eve's own and Vespers' prophecies;
// - no saint's readings in Holy Week and Bright Week.
// On a Sunday, Matins reads the Resurrection Gospel of its turn unless a great feast has its
// own Matins Gospel.
//
// The services in this order: Matins, the Royal Hours, the First Hour (Great Thursday only), the
// Sixth Hour, Vespers, the Liturgy; each with its readings in the order they are read. A day
// without a Liturgy Gospel (the weekdays of Lent, Wednesday and Friday of Cheesefare week, Great
// Friday, the Friday of moved Royal Hours) says why in NoLiturgy.
#pragma once

#include "calendar/day_info.h"
#include "data/lectionary.h"

namespace velorith {

// The highest ranks of the days before and after: a feast with a vigil displaces its weekday's
// ordinary readings to a neighbour.
struct NeighbourRanks {
    Rank Before = Rank::None;
    Rank After = Rank::None;
};

// `highest` is the day's highest rank.
DayReadings ReadingsOf(const Lectionary& lectionary, DayNum day, Rank highest,
                       NeighbourRanks neighbours = {});

}  // namespace velorith
