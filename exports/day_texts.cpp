#include "exports/day_texts.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "calendar/phrases.h"
#include "data/text_encoding.h"
#include "reports/day_phrases.h"

namespace velorith::exports {

std::string_view KindName(ReportKind kind) {
    switch (kind) {
        case ReportKind::Day:
            return "day";
        case ReportKind::Week:
            return "week";
        case ReportKind::Month:
            return "month";
        case ReportKind::Year:
            return "year";
        case ReportKind::Feasts:
            return "feasts";
        case ReportKind::Search:
            return "search";
        case ReportKind::Abbreviations:
            return "abbr";
    }
    return "day";
}

std::string_view ReckoningName(Reckoning reckoning) {
    switch (reckoning) {
        case kWorld:
            return "world";
        case kJulian:
            return "julian";
        case kGregorian:
            return "gregorian";
        default:
            return "";
    }
}

std::string_view RankName(Rank rank) {
    switch (rank) {
        case Rank::None:
            return "none";
        case Rank::SixStichera:
            return "sixStichera";
        case Rank::Doxology:
            return "doxology";
        case Rank::Polyeleos:
            return "polyeleos";
        case Rank::Vigil:
            return "vigil";
        case Rank::GreatFeast:
            return "greatFeast";
    }
    return "none";
}

std::string_view SourceName(EntrySource source) {
    switch (source) {
        case EntrySource::MonthFile:
            return "month";
        case EntrySource::Relocatable:
            return "relocatable";
        case EntrySource::Relocatable1:
            return "relocatable1";
        case EntrySource::Special:
            return "special";
    }
    return "month";
}

std::string_view FastLevelName(FastLevel level) {
    switch (level) {
        // "Поста нет." is no fast either: one word for both, the period tells them apart.
        case FastLevel::None:
        case FastLevel::FastFree:
            return "none";
        case FastLevel::NoMeat:
            return "noMeat";
        case FastLevel::Fish:
            return "fish";
        case FastLevel::Caviar:
            return "caviar";
        case FastLevel::Oil:
            return "oil";
        case FastLevel::HotNoOil:
            return "hotNoOil";
        case FastLevel::Dry:
            return "dry";
        case FastLevel::Total:
            return "total";
    }
    return "none";
}

std::string DateText(Reckoning reckoning, const CalendarDate& date, const Phrases& words) {
    std::string text = DateInWords(reckoning, date.Day, date.Month, date.Year, words);
    text += CalNames(reckoning, words);
    return text;
}

namespace {

template <std::size_t N, typename Key>
std::string_view NameIn(const std::array<std::string_view, N>& names, Key key) {
    const auto index = static_cast<std::size_t>(key);
    return index < N ? names[index] : names[0];
}

}  // namespace

std::string_view FastPeriodName(FastPeriod period) {
    static constexpr std::array<std::string_view, kFastPeriods> kNames = {"christmastide",
                                                                          "theophany",
                                                                          "fastFreeWeek",
                                                                          "brightWeek",
                                                                          "theophanyEve",
                                                                          "nativityEve",
                                                                          "beheading",
                                                                          "exaltation",
                                                                          "transfiguration",
                                                                          "annunciationInLent",
                                                                          "annunciationInHolyWeek",
                                                                          "lazarusSaturday",
                                                                          "palmSunday",
                                                                          "greatCanonThursday",
                                                                          "greatCanonTuesday",
                                                                          "lentFirstWeek",
                                                                          "lent",
                                                                          "holyWeek",
                                                                          "cheesefareWeek",
                                                                          "fastDay",
                                                                          "apostlesFast",
                                                                          "dormitionFast",
                                                                          "nativityFast"};
    return NameIn(kNames, period);
}

std::string_view FastFeastName(FastFeast feast) {
    static constexpr std::array<std::string_view, kFastFeasts> kNames = {"none",
                                                                         "nativityOfTheForerunner",
                                                                         "apostlesPeterAndPaul",
                                                                         "dormition",
                                                                         "nativityOfTheTheotokos",
                                                                         "protection",
                                                                         "entryOfTheTheotokos",
                                                                         "stNicholas"};
    return NameIn(kNames, feast);
}

std::string_view ServiceKeyName(ServiceKind service) {
    static constexpr std::array<std::string_view, kServiceKinds> kNames = {
        "matins", "firstHour", "sixthHour", "vespers", "liturgy", "royalHours"};
    return NameIn(kNames, service);
}

std::string_view GroupRoleName(GroupRole role) {
    static constexpr std::array<std::string_view, kGroupRoles> kNames = {
        "ordinary", "feast", "nextDay", "priorDay", "hour"};
    return NameIn(kNames, role);
}

std::string_view ReadingKindName(ReadingKind kind) {
    static constexpr std::array<std::string_view, kReadingKinds> kNames = {"apostle", "gospel",
                                                                           "oldTestament"};
    return NameIn(kNames, kind);
}

std::string_view NoLiturgyName(NoLiturgyKind kind) {
    static constexpr std::array<std::string_view, kNoLiturgyKinds> kNames = {"none", "noLiturgy",
                                                                             "presanctified"};
    return NameIn(kNames, kind);
}

std::string_view GroupName(int group) {
    static constexpr std::array<std::string_view, 5> kNames = {"principal", "saints",
                                                               "russianSaints", "icons", "notes"};
    return group >= 0 && group < 5 ? kNames[static_cast<std::size_t>(group)] : "notes";
}

std::string_view SeasonName(CycleSeason season) {
    static constexpr std::array<std::string_view, kCycleSeasons> kNames = {
        "afterPentecost", "lent", "holyWeek", "brightWeek", "afterPascha"};
    return NameIn(kNames, season);
}

std::string IsoDate(DayNum day) {
    const CalendarDate civil = DateOfDay(kGregorian, day);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", civil.Year, civil.Month, civil.Day);
    return text;
}

std::string PrincipalText(const DayInfo& day, const Phrases& words) {
    return CleanText(PrincipalOf(day, words));
}

bool HasCleanText(std::string_view text) {
    // What CleanText keeps of a text is not empty when one byte of it is neither a blank nor a
    // control character: printable ASCII, or the start of a character past U+009F (every
    // other byte of a sequence belongs to one, or is malformed and kept as U+FFFD).
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        if (b > 0x20 && b < 0x7F) return true;
        if (b >= 0x80 &&
            !(b == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
              static_cast<unsigned char>(text[i + 1]) < 0xA0)) {
            return true;
        }
        if (b == 0xC2) ++i;
    }
    return false;
}

std::string CleanText(std::string_view text) {
    // The terminal's rule for control characters serves here too; then the ends are trimmed.
    std::string out = SanitizeForTerminal(text);
    const auto last = out.find_last_not_of(" \t\n");
    out.resize(last == std::string::npos ? 0 : last + 1);
    out.erase(0, std::min(out.size(), out.find_first_not_of(" \t\n")));
    return out;
}

}  // namespace velorith::exports
