#include "exports/civil_years.h"

#include <algorithm>

#include "reports/feasts_report.h"
#include "reports/report_heading.h"

namespace velorith::exports {

bool CivilYearsInRange(const DateState& state, int first, int last) {
    return first <= last && first >= state.MinYears[kGregorian] &&
           last <= state.MaxYears[kGregorian] &&
           state.InRange(kGregorian, DayNumber(kGregorian, 1, 1, first)) &&
           state.InRange(kGregorian, DayNumber(kGregorian, 31, 12, last));
}

void ForEachCivilYear(Calendar& calendar, int first, int last,
                      const std::function<void(const ReportFrame&)>& take) {
    // A year report in the Gregorian reckoning lists exactly the days of a civil year; each is
    // asked for by its number, so the selected date never moves.
    for (int year = first; year <= last; ++year)
        take(calendar.YearFrame(kGregorian, year));
}

bool SpansCivilYears(ReportKind kind) {
    return kind == ReportKind::Year || kind == ReportKind::Feasts;
}

void ForEachCivilYear(Calendar& calendar, ReportKind kind, int first, int last,
                      const std::function<void(const ReportFrame&)>& take) {
    if (kind != ReportKind::Feasts) return ForEachCivilYear(calendar, first, last, take);
    ForEachCivilYear(calendar, first, last, [&take](const ReportFrame& year) {
        ReportFrame feasts;
        feasts.Kind = ReportKind::Feasts;
        feasts.Reckoning = year.Reckoning;
        feasts.First = year.First;
        feasts.Last = year.Last;
        feasts.Title = year.Title;
        for (const DayInfo& day : year.Days)
            if (GreatFeastOf(day.Day) != GreatFeastKind::None) feasts.Days.push_back(day);
        take(feasts);
    });
}

ReportFrame CivilYearsHead(ReportKind kind, int first, int last) {
    ReportFrame head;
    head.Kind = kind;
    head.Reckoning = kGregorian;
    head.First = DayNumber(kGregorian, 1, 1, first);
    head.Last = DayNumber(kGregorian, 31, 12, last);
    head.Title = YearTitle(kGregorian, first);
    if (last != first) head.Title += " — " + YearTitle(kGregorian, last);
    return head;
}

std::vector<ReportFrame> CivilYearFrames(Calendar& calendar, int first, int last) {
    std::vector<ReportFrame> years;
    ForEachCivilYear(calendar, first, last,
                     [&years](const ReportFrame& frame) { years.push_back(frame); });
    return years;
}

std::string CivilYearsIcs(Calendar& calendar, int first, int last, const IcsOptions& options) {
    return CivilYearsIcs(calendar, ReportKind::Year, first, last, options);
}

std::string CivilYearsIcs(Calendar& calendar, ReportKind kind, int first, int last,
                          const IcsOptions& options) {
    IcsWriter writer(options);
    ForEachCivilYear(calendar, kind, first, last,
                     [&writer](const ReportFrame& frame) { writer.Add(frame); });
    return std::move(writer).Finish();
}

int KeepCivilDays(ReportFrame& frame) {
    const DayNum first = DayNumber(kGregorian, 1, 1, kFirstCivilYear);
    const DayNum last = DayNumber(kGregorian, 31, 12, kLastCivilYear);
    frame.First = std::max(frame.First, first);
    frame.Last = std::min(frame.Last, last);
    std::size_t kept = 0;
    for (std::size_t i = 0; i < frame.Days.size(); ++i) {
        if (!HasCivilDate(frame.Days[i].Day)) continue;
        if (kept != i) {
            frame.Days[kept] = std::move(frame.Days[i]);
            if (i < frame.HitCounts.size()) frame.HitCounts[kept] = frame.HitCounts[i];
        }
        ++kept;
    }
    const int gone = static_cast<int>(frame.Days.size() - kept);
    frame.Days.resize(kept);
    if (frame.HitCounts.size() > kept) frame.HitCounts.resize(kept);
    return gone;
}

}  // namespace velorith::exports
