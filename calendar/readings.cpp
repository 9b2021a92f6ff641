#include "calendar/readings.h"

#include <vector>

#include "calendar/lectionary_cycle.h"
#include "reckoning/movable_days.h"

namespace velorith {
namespace {

using namespace movable;

// The day's ordinary readings: the movable day's, or the weeks' after Pentecost.
ReadingSet OrdinaryOf(const Lectionary& lx, const CyclePosition& pos) {
    if (pos.Movable) {
        const ReadingSet* set = lx.Movable(pos.FromPascha);
        return set ? *set : ReadingSet{};
    }
    ReadingSet set;
    const std::string_view a = lx.Apostle(pos.ApostleWeek, pos.WeekDay);
    const std::string_view g = lx.Gospel(pos.GospelWeek, pos.WeekDay);
    if (!a.empty()) set.Apostle.emplace_back(a);
    if (!g.empty()) set.Gospel.emplace_back(g);
    return set;
}

// A feast read before the day's readings (or in their place on a weekday, for Great).
bool ReadFirst(ReadingOrder order) {
    return order == ReadingOrder::First || order == ReadingOrder::Great;
}

// A weekday of the weeks after Pentecost whose own readings are a great feast's of the Mother of
// God or the Beheading's: the day's ordinary readings give way and are read the day before.
bool GivesWayToGreatFeast(const Lectionary& lx, DayNum day, const CyclePosition& pos) {
    if (pos.Movable || pos.WeekDay == 7) return false;
    const CalendarDate date = DateOfDay(kJulian, day);
    const ReadingSet* fixed = lx.Fixed(date.Day, date.Month);
    return fixed != nullptr && fixed->Order == ReadingOrder::Great;
}

// The readings of the day in the order they are read. `ahead` is the next day's ordinary set
// when that day gives way to a great feast (read "под зачало" after the day's own), else null;
// the day's kind says whether its ordinary readings give way to a great feast's and where a
// saint's stand.
// What decides the order of a day's readings besides the sets themselves.
struct DayKind {
    bool GivesWay = false;    // the ordinary readings give way to a great feast's
    bool SaintsRead = false;  // a saint's readings are read (not in Holy and Bright Week)
    bool Triodion = false;    // a day of the Triodion (before Pascha)
    bool SaintFirst = false;  // a Saturday after Pentecost: the saint's before the day's
};

std::vector<const ReadingSet*> Arrange(const ReadingSet& ordinary, const ReadingSet* ahead,
                                       const std::vector<const ReadingSet*>& own,
                                       const DayKind& kind) {
    const bool givesWay = kind.GivesWay;
    const bool saintsRead = kind.SaintsRead;
    const bool triodion = kind.Triodion;
    const bool saintFirst = kind.SaintFirst;
    std::vector<const ReadingSet*> out;
    if (triodion && ordinary.Order != ReadingOrder::Feast) {
        // A great feast of the Lord in the Triodion (the Meeting) is read with the Triodion's
        // day, its own first.
        for (const ReadingSet* s : own)
            if (s->Order == ReadingOrder::Feast || ReadFirst(s->Order)) out.push_back(s);
        out.push_back(&ordinary);
        for (const ReadingSet* s : own)
            if (s->Order == ReadingOrder::After && saintsRead) out.push_back(s);
        return out;
    }
    if (ordinary.Order == ReadingOrder::Feast) {
        out.push_back(&ordinary);
        for (const ReadingSet* s : own)
            if (s->Order == ReadingOrder::Feast || ReadFirst(s->Order)) out.push_back(s);
        return out;
    }
    for (const ReadingSet* s : own)
        if (s->Order == ReadingOrder::Feast) out.push_back(s);
    if (!out.empty()) return out;
    for (const ReadingSet* s : own)
        if (ReadFirst(s->Order)) out.push_back(s);
    if (saintFirst)
        for (const ReadingSet* s : own)
            if (s->Order == ReadingOrder::After && saintsRead) out.push_back(s);
    bool replaced = givesWay;
    for (const ReadingSet* s : own)
        if (s->Order == ReadingOrder::Own) out.push_back(s), replaced = true;
    if (!replaced) out.push_back(&ordinary);
    if (ahead != nullptr) out.push_back(ahead);
    if (!saintFirst)
        for (const ReadingSet* s : own)
            if (s->Order == ReadingOrder::After && saintsRead) out.push_back(s);
    return out;
}

void AddService(DayReadings& out, ServiceKind service, std::vector<Reading> readings) {
    if (readings.empty()) return;
    out.Services.push_back({service, std::move(readings)});
}

void Append(std::vector<Reading>& readings, const std::vector<std::string>& refs,
            ReadingKind kind) {
    for (const std::string& r : refs)
        readings.push_back({kind, r});
}

bool IsLentWeekday(const CyclePosition& pos) {
    if (!pos.Movable || pos.WeekDay > 5) return false;
    const int off = pos.FromPascha;
    const bool cheesefare = off == kCheesefareWednesday || off == kCheesefareFriday;
    return cheesefare || (off >= kCleanMonday && off <= kLastLentFriday) || off == kGreatFriday;
}

bool IsPresanctifiedDay(const CyclePosition& pos) {
    const int off = pos.FromPascha;
    return (off >= kCleanMonday && off <= kLastLentFriday &&
            (pos.WeekDay == 3 || pos.WeekDay == 5)) ||
           (off >= kHolyMonday && off <= kGreatWednesday);
}

}  // namespace

DayReadings ReadingsOf(const Lectionary& lx, DayNum day, Rank highest) {
    const CyclePosition pos = PositionOf(day);
    const ReadingSet ordinary = OrdinaryOf(lx, pos);

    std::vector<const ReadingSet*> own;
    const CalendarDate date = DateOfDay(kJulian, day);
    if (const ReadingSet* fixed = lx.Fixed(date.Day, date.Month)) {
        // A saint's own readings are read only at the rank that has them.
        if (fixed->Order != ReadingOrder::After || highest >= Rank::Polyeleos) own.push_back(fixed);
    }
    for (const NearDayRule* rule : lx.NearRulesOn(day)) {
        // The Triodion's own days are not displaced by a Sunday kept near a feast.
        if (pos.Movable && rule->Readings.Order == ReadingOrder::Own) continue;
        own.push_back(&rule->Readings);
    }

    const bool passionOrBright =
        pos.Movable && pos.FromPascha >= kHolyMonday && pos.FromPascha < kThomasSunday;
    const bool triodion = pos.Movable && pos.FromPascha < 0;
    // The great feasts marked "great" on a weekday read their own alone; the day's
    // ordinary readings are read the day before, after that day's own (not on a Sunday).
    const bool givesWay = GivesWayToGreatFeast(lx, day, pos);
    ReadingSet ahead;
    if (!pos.Movable && pos.WeekDay != 7) {
        const CyclePosition next = PositionOf(day + 1);
        if (GivesWayToGreatFeast(lx, day + 1, next)) ahead = OrdinaryOf(lx, next);
    }
    DayKind kind;
    kind.GivesWay = givesWay;
    kind.SaintsRead = !passionOrBright;
    kind.Triodion = triodion;
    kind.SaintFirst = !pos.Movable && pos.WeekDay == 6;
    const std::vector<const ReadingSet*> sets =
        Arrange(ordinary, ahead.Empty() ? nullptr : &ahead, own, kind);

    std::vector<Reading> matins, first, hour, vespers, liturgy;
    bool gospel = false;
    for (const ReadingSet* s : sets) {
        Append(first, s->FirstHour, ReadingKind::OldTestament);
        Append(hour, s->SixthHour, ReadingKind::OldTestament);
        Append(vespers, s->Vespers, ReadingKind::OldTestament);
        Append(liturgy, s->Apostle, ReadingKind::Apostle);
        Append(liturgy, s->Gospel, ReadingKind::Gospel);
        gospel = gospel || !s->Gospel.empty();
        // A feast's Matins Gospel; on a Sunday only a great feast's sets the Resurrection
        // Gospel aside.
        const bool sundayKept =
            pos.WeekDay == 7 && ReadFirst(s->Order) && highest < Rank::GreatFeast;
        if (s == &ordinary || (s->Order != ReadingOrder::After && s != &ahead && !sundayKept))
            Append(matins, s->Matins, ReadingKind::Gospel);
    }
    if (matins.empty()) {
        const std::string_view resurrection = lx.MatinsGospel(MatinsGospelOf(day));
        if (!resurrection.empty())
            matins.push_back({ReadingKind::Gospel, std::string(resurrection)});
    }

    DayReadings out;
    AddService(out, ServiceKind::Matins, std::move(matins));
    AddService(out, ServiceKind::FirstHour, std::move(first));
    AddService(out, ServiceKind::SixthHour, std::move(hour));
    AddService(out, ServiceKind::Vespers, std::move(vespers));
    AddService(out, ServiceKind::Liturgy, std::move(liturgy));
    if (!gospel && IsLentWeekday(pos))
        out.NoLiturgy =
            IsPresanctifiedDay(pos) ? NoLiturgyKind::Presanctified : NoLiturgyKind::NoLiturgy;
    return out;
}

}  // namespace velorith
