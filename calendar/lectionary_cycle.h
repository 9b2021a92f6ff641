// Where a day stands in the yearly round of readings: in the Triodion and Pentecostarion
// (counted from Pascha), or in the weeks after Pentecost (counted separately for the Apostle
// and for the Gospel), and which Resurrection Gospel its Sunday Matins reads. Pure arithmetic
// on day numbers; the texts of the readings live in the lectionary data.
//
// The rules followed, as the Typikon orders them for the Russian Church:
// - The weeks after Pentecost: week 1 begins on the Monday after Pentecost; week N runs from
//   Monday to the Sunday that ends it ("Sunday N"). The Sunday of the Publican and the Pharisee
//   is always Sunday 33 of the readings, whatever its count from Pentecost.
// - The Apostle follows the count from Pentecost.
// - The Gospel follows the same count (Matthew, Mark on the weekdays from week 12; in years of
//   an early Pascha, weeks 18 and 19 of Luke before the Exaltation) up to the Sunday after the
//   Exaltation (the Sunday after 14 September). From the Monday after it the Gospel begins
//   Luke: Luke week L is week 17 + L, whatever the Apostle's week is (the Lukan jump: a step
//   forward when Pascha was late, a step back when it was early). The step back is the
//   weekdays' only: a Sunday reads by the count from Pentecost where that count is ahead of
//   Luke's, so that no Sunday reads the Gospel of the Sunday before it.
// - Before the Triodion the count is fitted to the Publican: from the Monday after the Sunday
//   after the Theophany, both books count back from the Publican (the week that ends with the
//   Publican is week 33, the one before it 32, ...). Where the Gospel's forward count would
//   have run past its readings (more weeks than readings: the "stepping back"), the Sunday
//   before the Sunday of Zacchaeus reads the Gospel of the Canaanite woman (Sunday 17) and the
//   Sundays before it count back from Sunday 31; otherwise (fewer weeks: the "stepping
//   forward") the readings left over are passed by. The Sunday before the Publican is always
//   the Sunday of Zacchaeus (Sunday 32).
// - Sunday Matins reads the eleven Resurrection Gospels in turn, the first on the Sunday of
//   All Saints, through to the fifth Sunday of Lent; from Palm Sunday to the Sunday before All
//   Saints the services have their own.
#pragma once

#include "data/lectionary.h"
#include "reckoning/calendar_dates.h"

namespace velorith {

// The last week of the readings after Pentecost before the Triodion, and its Sundays.
inline constexpr int kLastSeriesWeek = 33;
inline constexpr int kZacchaeusSunday = 32;
inline constexpr int kCanaaniteSunday = 17;
inline constexpr int kLastLukeSunday = 31;
// Days from Pascha: the Sunday of the Publican and the Pharisee, and Pentecost.
inline constexpr int kPublicanFromPascha = kFirstMovableDay;
inline constexpr int kPentecostFromPascha = kLastMovableDay;

struct CyclePosition {
    // True from the Sunday of the Publican to Pentecost: the day's readings are those of its
    // day from Pascha. Otherwise the weeks after Pentecost apply.
    bool Movable = false;
    int FromPascha = 0;         // days from the Pascha of the day's Triodion (Movable only)
    int WeekFromPentecost = 0;  // the plain count: week 1 begins the Monday after Pentecost
    int ApostleWeek = 0;        // the week whose Apostle is read (1..33)
    int GospelWeek = 0;         // the week whose Gospel is read (1..33; 17 on the Canaanite Sunday)
    int WeekDay = 1;            // 1 = Monday .. 7 = Sunday
    bool LukeStarted = false;   // on or after the first Monday of Luke
    bool CanaaniteYear = false;  // the year before this Triodion reads the Canaanite woman
};

CyclePosition PositionOf(DayNum day);

// The Resurrection Gospel (1..11) of a Sunday's Matins, or 0 for a weekday and for the
// Sundays from Palm Sunday to the Sunday before All Saints.
int MatinsGospelOf(DayNum day);

// The first Monday of the Luke readings in the Julian year `julianYear`: the Monday after the
// Sunday after 14 September.
DayNum LukeStartOf(int julianYear);

}  // namespace velorith
