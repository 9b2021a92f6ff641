#include "exports/fast_seasons.h"

#include "calendar/fasting.h"
#include "calendar/phrases.h"
#include "exports/report_ics.h"

namespace velorith::exports {

FastSeason FastSeasonOf(DayNum day) {
    // The period does not depend on the day's rank (a rank only eases the level).
    const DayFast fast = FastOfDay(day, Rank::None);
    if (fast.Level == FastLevel::None) return FastSeason::None;
    switch (fast.Period) {
        case FastPeriod::LentFirstWeek:
        case FastPeriod::Lent:
        case FastPeriod::GreatCanonTuesday:
        case FastPeriod::GreatCanonThursday:
        case FastPeriod::AnnunciationInLent:
        case FastPeriod::LazarusSaturday:
        case FastPeriod::PalmSunday:
        case FastPeriod::HolyWeek:
        case FastPeriod::AnnunciationInHolyWeek:
            return FastSeason::GreatLent;
        case FastPeriod::ApostlesFast:
            return FastSeason::Apostles;
        case FastPeriod::DormitionFast:
        case FastPeriod::Transfiguration:
            return FastSeason::Dormition;
        case FastPeriod::NativityFast:
        case FastPeriod::NativityEve:
            return FastSeason::Nativity;
        case FastPeriod::TheophanyEve:
            return FastSeason::TheophanyEve;
        case FastPeriod::Beheading:
            return FastSeason::Beheading;
        case FastPeriod::Exaltation:
            return FastSeason::Exaltation;
        default:
            return FastSeason::None;
    }
}

std::vector<FastSpan> FastSpansOverlapping(DayNum first, DayNum last) {
    std::vector<FastSpan> spans;
    for (DayNum d = first; d <= last; ++d) {
        const FastSeason season = FastSeasonOf(d);
        if (season == FastSeason::None) continue;
        if (!spans.empty() && spans.back().Season == season && spans.back().Last == d - 1) {
            spans.back().Last = d;
        } else {
            spans.push_back({season, d, d});
        }
    }
    if (spans.empty()) return spans;
    const auto same = [](DayNum d, FastSeason season) {
        return HasCivilDate(d) && FastSeasonOf(d) == season;
    };
    FastSpan& head = spans.front();
    if (head.First == first)
        while (same(head.First - 1, head.Season))
            --head.First;
    FastSpan& tail = spans.back();
    if (tail.Last == last)
        while (same(tail.Last + 1, tail.Season))
            ++tail.Last;
    return spans;
}

std::string_view FastSeasonTitle(FastSeason season, const Phrases& words) {
    const auto period = [&words](FastPeriod p) {
        return words.FastPeriods[static_cast<std::size_t>(p)];
    };
    switch (season) {
        case FastSeason::GreatLent:
            return period(FastPeriod::Lent);
        case FastSeason::Apostles:
            return period(FastPeriod::ApostlesFast);
        case FastSeason::Dormition:
            return period(FastPeriod::DormitionFast);
        case FastSeason::Nativity:
            return period(FastPeriod::NativityFast);
        case FastSeason::TheophanyEve:
            return period(FastPeriod::TheophanyEve);
        case FastSeason::Beheading:
            return period(FastPeriod::Beheading);
        case FastSeason::Exaltation:
            return period(FastPeriod::Exaltation);
        case FastSeason::None:
            break;
    }
    return "";
}

std::string_view FastSeasonKey(FastSeason season) {
    switch (season) {
        case FastSeason::GreatLent:
            return "greatLent";
        case FastSeason::Apostles:
            return "apostlesFast";
        case FastSeason::Dormition:
            return "dormitionFast";
        case FastSeason::Nativity:
            return "nativityFast";
        case FastSeason::TheophanyEve:
            return "theophanyEve";
        case FastSeason::Beheading:
            return "beheading";
        case FastSeason::Exaltation:
            return "exaltation";
        case FastSeason::None:
            break;
    }
    return "none";
}

}  // namespace velorith::exports
