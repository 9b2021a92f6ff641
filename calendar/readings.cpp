#include "calendar/readings.h"

#include <vector>

#include "calendar/lectionary_cycle.h"

namespace velorith {
namespace {

constexpr int kHolyMonday = -6;
constexpr int kThomasSunday = 7;

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
    const ReadingSet* fixed = lx.Fixed(date.Month, date.Day);
    return fixed != nullptr && fixed->Order == ReadingOrder::Great;
}

// The readings of the day in the order they are read. `ahead` is the next day's ordinary set
// when that day gives way to a great feast (read "под зачало" after the day's own), else null;
// `givesWay` drops the day's ordinary readings for the great feast's; `saintFirst` (a Saturday of
// the weeks after Pentecost) reads a saint's before the day's.
std::vector<const ReadingSet*> Arrange(const ReadingSet& ordinary, const ReadingSet* ahead,
                                       bool givesWay, const std::vector<const ReadingSet*>& own,
                                       bool saintsRead, bool triodion, bool saintFirst) {
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

void AddService(DayReadings& out, std::string_view service, std::vector<std::string> pieces) {
    if (pieces.empty()) return;
    ServiceReadings s;
    s.Service = service;
    s.Line = s.Service + ":";
    for (const std::string& p : pieces)
        s.Line += " " + p;
    s.Pieces = std::move(pieces);
    out.Services.push_back(std::move(s));
}

void Append(std::vector<std::string>& pieces, const std::vector<std::string>& refs,
            std::string_view label) {
    for (const std::string& r : refs)
        pieces.push_back(std::string(label) + r + ".");
}

bool IsLentWeekday(const CyclePosition& pos) {
    if (!pos.Movable || pos.WeekDay > 5) return false;
    const int off = pos.FromPascha;
    const bool cheesefare = off == -53 || off == -51;  // Wednesday and Friday
    return cheesefare || (off >= -48 && off <= -9) || off == -2;
}

bool IsPresanctifiedDay(const CyclePosition& pos) {
    const int off = pos.FromPascha;
    return (off >= -48 && off <= -9 && (pos.WeekDay == 3 || pos.WeekDay == 5)) ||
           (off >= -6 && off <= -4);
}

}  // namespace

DayReadings ReadingsOf(const Lectionary& lx, DayNum day, Rank highest) {
    const CyclePosition pos = PositionOf(day);
    const ReadingSet ordinary = OrdinaryOf(lx, pos);

    std::vector<const ReadingSet*> own;
    const CalendarDate date = DateOfDay(kJulian, day);
    if (const ReadingSet* fixed = lx.Fixed(date.Month, date.Day)) {
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
    const std::vector<const ReadingSet*> sets =
        Arrange(ordinary, ahead.Empty() ? nullptr : &ahead, givesWay, own, !passionOrBright,
                triodion, !pos.Movable && pos.WeekDay == 6);

    std::vector<std::string> matins, first, hour, vespers, liturgy;
    bool gospel = false;
    for (const ReadingSet* s : sets) {
        Append(first, s->FirstHour, "");
        Append(hour, s->SixthHour, "");
        Append(vespers, s->Vespers, "");
        Append(liturgy, s->Apostle, "Ап. ");
        Append(liturgy, s->Gospel, "Ев. ");
        gospel = gospel || !s->Gospel.empty();
        // A feast's Matins Gospel; on a Sunday only a great feast's sets the Resurrection
        // Gospel aside.
        const bool sundayKept =
            pos.WeekDay == 7 && ReadFirst(s->Order) && highest < Rank::GreatFeast;
        if (s == &ordinary || (s->Order != ReadingOrder::After && s != &ahead && !sundayKept))
            Append(matins, s->Matins, "Ев. ");
    }
    if (matins.empty()) {
        const std::string_view resurrection = lx.MatinsGospel(MatinsGospelOf(day));
        if (!resurrection.empty()) matins.push_back("Ев. " + std::string(resurrection) + ".");
    }

    DayReadings out;
    AddService(out, kMatinsService, std::move(matins));
    AddService(out, kFirstHourService, std::move(first));
    AddService(out, kSixthHourService, std::move(hour));
    AddService(out, kVespersService, std::move(vespers));
    AddService(out, kLiturgyService, std::move(liturgy));
    if (!gospel && IsLentWeekday(pos))
        out.NoLiturgyReason = IsPresanctifiedDay(pos) ? kPresanctified : kNoLiturgy;
    return out;
}

}  // namespace velorith
