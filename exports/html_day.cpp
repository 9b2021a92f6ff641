#include "exports/html_day.h"

#include <algorithm>
#include <cstdio>

#include "exports/day_texts.h"
#include "exports/html_classes.h"
#include "exports/html_text.h"
#include "reports/day_phrases.h"

namespace velorith::exports {
namespace {

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

void AppendSign(std::string& out, Rank sign, const PageWords& words) {
    const std::string_view mark = Trimmed(PlainLinePrefix(sign, false));
    if (sign == Rank::None) {
        out += "<span class=\"sign\" aria-hidden=\"true\">";
        AppendEscaped(out, mark);
        out += "</span>";
        return;
    }
    out += "<abbr class=\"sign\" title=\"";
    AppendEscaped(out, words.RankNames[static_cast<std::size_t>(sign)]);
    out += "\">";
    AppendEscaped(out, mark);
    out += "</abbr>";
}

void AppendEntries(std::string& out, const DayInfo& day, const PageWords& words) {
    int group = -1;
    for (const DayEntry& e : day.Entries) {
        if (e.Group != group) {
            if (group >= 0) out += "</ul>\n";
            group = e.Group;
            out += e.Group == 4 ? "<ul class=\"entries notes\">\n" : "<ul class=\"entries\">\n";
        }
        out += "<li class=\"";
        out += RankClass(e.Sign);
        out += "\">";
        if (e.Group != 4) AppendSign(out, e.Sign, words);
        AppendEntryText(out, e);
        out += "</li>\n";
    }
    if (group >= 0) out += "</ul>\n";
}

void AppendReadings(std::string& out, const DayReadings& readings, const Phrases& phrases) {
    if (readings.Services.empty() && readings.NoLiturgy == NoLiturgyKind::None) return;
    out += "<ul class=\"readings\" aria-label=\"";
    AppendEscaped(out, phrases.Page.Readings);
    out += "\">\n";
    for (const ServiceReadings& service : readings.Services) {
        out += "<li>";
        AppendEscaped(out, ServiceLineText(service, phrases));
        out += "</li>\n";
    }
    if (readings.NoLiturgy != NoLiturgyKind::None) {
        out += "<li>";
        AppendEscaped(out, NoLiturgyText(readings.NoLiturgy, phrases));
        out += "</li>\n";
    }
    out += "</ul>\n";
}

}  // namespace

std::string CivilIsoDate(const DayInfo& day) {
    const CalendarDate& d = day.Dates.Gregorian;
    if (d.Year < 1 || d.Year > 3000) return {};
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", d.Year, d.Month, d.Day);
    return text;
}

void AppendEntryText(std::string& out, const DayEntry& entry) {
    AppendStyled(out, entry.Text, entry.Spans);
}

void AppendPrincipal(std::string& out, const DayInfo& day, const Phrases& phrases) {
    if (const DayEntry* principal = day.PrincipalEntry()) {
        AppendEntryText(out, *principal);
    } else {
        AppendEscaped(out, DayLinePlain(day, phrases));
    }
}

void AppendFastLine(std::string& out, const DayFast& fast, const Phrases& phrases) {
    AppendEscaped(out, FastLineText(fast, phrases));
}

void AppendDayArticle(std::string& out, const DayInfo& day, const HtmlDayOptions& options) {
    const Phrases& phrases = *options.Words;
    const bool great = day.HighestRank() == Rank::GreatFeast;
    out += "<article class=\"day";
    if (day.Red()) out += " red";
    if (great) out += " great";
    if (day.KeepsFast()) out += " fasting";
    out += "\">\n<header>\n";
    const char level = static_cast<char>('0' + std::clamp(options.HeadingLevel, 1, 6));
    out += "<h";
    out += level;
    out += '>';
    if (!options.Href.empty()) {
        out += "<a href=\"";
        AppendEscaped(out, options.Href);
        out += "\">";
    }
    const std::string iso = CivilIsoDate(day);
    const std::string date = DateText(day.Reckoning, day.Dates.In(day.Reckoning), phrases);
    if (!iso.empty()) {
        out += "<time datetime=\"";
        out += iso;
        out += "\">";
        AppendEscaped(out, date);
        out += "</time>";
    } else {
        AppendEscaped(out, date);
    }
    if (!options.Href.empty()) out += "</a>";
    if (great) {
        out += " <abbr class=\"great-feast\" title=\"";
        AppendEscaped(out, phrases.Page.GreatFeastMark);
        out += "\">\xE2\x8A\x95</abbr>";
    }
    out += "</h";
    out += level;
    out += ">\n<p class=\"other-dates\" title=\"";
    AppendEscaped(out, phrases.Page.OtherDates);
    out += "\">";
    const auto others = OtherReckonings(day.Reckoning);
    for (std::size_t i = 0; i < others.size(); ++i) {
        if (i > 0) out += "; ";
        AppendEscaped(out, DateText(others[i], day.Dates.In(others[i]), phrases));
    }
    out += "</p>\n<p class=\"day-line\">";
    AppendEscaped(out, DayLinePlain(day, phrases));
    out += "</p>\n";
    if (options.Indiction) {
        out += "<p class=\"indiction\">";
        AppendEscaped(out, IndictionText(day.Indiction, phrases));
        out += "</p>\n";
    }
    if (options.Hits >= 0) {
        out += "<p class=\"hits\">";
        AppendEscaped(out, phrases.Page.Hits);
        out += std::to_string(options.Hits);
        out += "</p>\n";
    }
    out += "</header>\n";
    AppendEntries(out, day, phrases.Page);
    if (day.Readings) AppendReadings(out, *day.Readings, phrases);
    if (day.Fast && day.Fast->Level != FastLevel::None) {
        out += "<p class=\"fast\">";
        AppendFastLine(out, *day.Fast, phrases);
        out += "</p>\n";
    }
    out += "</article>\n";
}

}  // namespace velorith::exports
