#include "calendar/readings.h"

#include <vector>

#include "calendar/lectionary_cycle.h"

namespace velorith {
namespace {

constexpr int kHolyMonday = -6;
constexpr int kThomasSunday = 7;

// The day a near-feast rule gives in the Julian year `year`.
DayNum NearDayOf(const NearDayRule& rule, int year) {
    const DayNum base = DayNumber(kJulian, rule.Day, rule.Month, year);
    const int wd = WeekDayOf(base);
    if (rule.WeekDay > 0) {
        const int ahead = (rule.WeekDay - wd + 7) % 7;
        return base + (ahead == 0 ? 7 : ahead);
    }
    const int back = (wd + rule.WeekDay + 7) % 7;  // wd - |WeekDay|
    return base - (back == 0 ? 7 : back);
}

bool NearRuleHolds(const NearDayRule& rule, DayNum day) {
    const int year = JulianYearOfDay(day);
    for (int y = year - 1; y <= year + 1; ++y)
        if (NearDayOf(rule, y) == day) return true;
    return false;
}

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

// The readings of the day in the order they are read.
std::vector<const ReadingSet*> Arrange(const ReadingSet& ordinary,
                                       const std::vector<const ReadingSet*>& own, bool saintsRead,
                                       bool triodion) {
    std::vector<const ReadingSet*> out;
    if (triodion && ordinary.Order != ReadingOrder::Feast) {
        // A great feast of the Lord in the Triodion (the Meeting) is read with the Triodion's
        // day, its own first.
        for (const ReadingSet* s : own)
            if (s->Order == ReadingOrder::Feast || s->Order == ReadingOrder::First)
                out.push_back(s);
        out.push_back(&ordinary);
        for (const ReadingSet* s : own)
            if (s->Order == ReadingOrder::After && saintsRead) out.push_back(s);
        return out;
    }
    if (ordinary.Order == ReadingOrder::Feast) {
        out.push_back(&ordinary);
        for (const ReadingSet* s : own)
            if (s->Order == ReadingOrder::Feast || s->Order == ReadingOrder::First)
                out.push_back(s);
        return out;
    }
    for (const ReadingSet* s : own)
        if (s->Order == ReadingOrder::Feast) out.push_back(s);
    if (!out.empty()) return out;
    for (const ReadingSet* s : own)
        if (s->Order == ReadingOrder::First) out.push_back(s);
    bool replaced = false;
    for (const ReadingSet* s : own)
        if (s->Order == ReadingOrder::Own) out.push_back(s), replaced = true;
    if (!replaced) out.push_back(&ordinary);
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
    for (const NearDayRule& rule : lx.NearDays()) {
        // The Triodion's own days are not displaced by a Sunday kept near a feast.
        if (pos.Movable && rule.Readings.Order == ReadingOrder::Own) continue;
        if (NearRuleHolds(rule, day)) own.push_back(&rule.Readings);
    }

    const bool passionOrBright =
        pos.Movable && pos.FromPascha >= kHolyMonday && pos.FromPascha < kThomasSunday;
    const bool triodion = pos.Movable && pos.FromPascha < 0;
    const std::vector<const ReadingSet*> sets = Arrange(ordinary, own, !passionOrBright, triodion);

    std::vector<std::string> matins, hour, vespers, liturgy;
    bool gospel = false;
    for (const ReadingSet* s : sets) {
        Append(hour, s->SixthHour, "");
        Append(vespers, s->Vespers, "");
        Append(liturgy, s->Apostle, "Ап. ");
        Append(liturgy, s->Gospel, "Ев. ");
        gospel = gospel || !s->Gospel.empty();
        // A feast's Matins Gospel; on a Sunday only a great feast's sets the Resurrection
        // Gospel aside.
        const bool sundayKept =
            pos.WeekDay == 7 && s->Order == ReadingOrder::First && highest < Rank::GreatFeast;
        if (s == &ordinary || (s->Order != ReadingOrder::After && !sundayKept))
            Append(matins, s->Matins, "Ев. ");
    }
    if (matins.empty()) {
        const std::string_view resurrection = lx.MatinsGospel(MatinsGospelOf(day));
        if (!resurrection.empty()) matins.push_back("Ев. " + std::string(resurrection) + ".");
    }

    DayReadings out;
    AddService(out, kMatinsService, std::move(matins));
    AddService(out, kSixthHourService, std::move(hour));
    AddService(out, kVespersService, std::move(vespers));
    AddService(out, kLiturgyService, std::move(liturgy));
    if (!gospel && IsLentWeekday(pos))
        out.NoLiturgyReason = IsPresanctifiedDay(pos) ? kPresanctified : kNoLiturgy;
    return out;
}

}  // namespace velorith
