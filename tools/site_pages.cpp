#include "tools/site_pages.h"

#include <cstdio>

#include "calendar/phrases.h"
#include "exports/day_texts.h"
#include "exports/html_day.h"
#include "exports/html_page.h"
#include "exports/html_text.h"
#include "reckoning/name_tables.h"
#include "reports/day_phrases.h"
#include "reports/report_heading.h"

namespace velorith::site {
namespace {

using exports::AppendEscaped;

constexpr std::string_view kStyle = "style.css";

std::string TwoDigits(int n) {
    char text[8];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}

const CalendarDate& Civil(const DayInfo& day) {
    return day.Dates.Gregorian;
}

std::string PathOf(const DayInfo& day) {
    return DayPath(Civil(day).Year, Civil(day).Month, Civil(day).Day);
}

void Link(std::string& out, std::string_view href, std::string_view text,
          std::string_view rel = {}) {
    out += "<a href=\"";
    AppendEscaped(out, href);
    out += '"';
    if (!rel.empty()) {
        out += " rel=\"";
        out += rel;
        out += '"';
    }
    out += '>';
    AppendEscaped(out, text);
    out += "</a>";
}

// The header every page opens with: the calendar's name linking home, and the way up.
void SiteHeader(std::string& out, const SiteFrame& site, std::string_view root,
                std::string_view trail) {
    out += "<header class=\"site\">\n<p class=\"site-name\">";
    Link(out, std::string(root) + (root.empty() ? "./" : ""), site.Name);
    out += "</p>\n";
    out += trail;
    out += "</header>\n";
}

void Footer(std::string& out, const SiteFrame& site, std::string_view root,
            std::string_view extra) {
    out += "<footer class=\"no-print\">\n<p>";
    out += extra;
    Link(out, std::string(root) + "calendar.ics", site.Words->Page.Feed);
    out += "</p>\n</footer>\n";
}

std::string MonthName(const SiteFrame& site, int month) {
    return std::string(MonthNames(month, kNominative, *site.Words));
}

// A month's caption: "Декабрь 2026".
std::string MonthCaption(const SiteFrame& site, int year, int month) {
    return MonthName(site, month) + " " + std::to_string(year);
}

// "<nav class="pager">" with its two links, either of which may be missing.
void Pager(std::string& out, std::string_view label, std::string_view prevHref,
           std::string_view prevText, std::string_view nextHref, std::string_view nextText) {
    out += "<nav class=\"pager\" aria-label=\"";
    AppendEscaped(out, label);
    out += "\">";
    if (!prevHref.empty())
        Link(out, prevHref, std::string("← ") + std::string(prevText), "prev");
    else
        out += "<span></span>";
    if (!nextHref.empty()) Link(out, nextHref, std::string(nextText) + " →", "next");
    out += "</nav>\n";
}

std::string Page(std::string_view title, std::string_view root, std::string_view head,
                 std::string_view body) {
    const std::string style = std::string(root) + std::string(kStyle);
    return exports::HtmlDocument({title, style, head, body});
}

}  // namespace

std::string DayPath(int year, int month, int day) {
    return std::to_string(year) + "/" + TwoDigits(month) + "/" + TwoDigits(day) + "/";
}
std::string MonthPath(int year, int month) {
    return std::to_string(year) + "/" + TwoDigits(month) + "/";
}
std::string YearPath(int year) {
    return std::to_string(year) + "/";
}

std::string DayPage(const SiteFrame& site, const DayInfo& day, const DayInfo* prev,
                    const DayInfo* next) {
    constexpr std::string_view root = "../../../";
    const CalendarDate& c = Civil(day);
    const PageWords& words = site.Words->Page;
    std::string body;
    body.reserve(6144);
    std::string trail = "<nav aria-label=\"";
    AppendEscaped(trail, words.Navigation);
    trail += "\"><ul><li>";
    Link(trail, "../../", std::to_string(c.Year));
    trail += "</li><li>";
    Link(trail, "../", MonthCaption(site, c.Year, c.Month));
    trail += "</li></ul></nav>\n";
    SiteHeader(body, site, root, trail);
    body += "<main>\n";
    exports::AppendDayArticle(body, day, {1, site.Indiction, {}, -1, site.Words});
    body += "</main>\n";
    const auto href = [&](const DayInfo* d) {
        return d != nullptr ? std::string(root) + PathOf(*d) : std::string();
    };
    Pager(body, words.Neighbours, href(prev), words.PreviousDay, href(next), words.NextDay);
    std::string extra;
    Link(extra, "day.json", words.DayAsJson);
    extra += " · ";
    Footer(body, site, root, extra);
    const std::string title =
        exports::DateText(day.Reckoning, day.Dates.In(day.Reckoning), *site.Words) + " — " +
        std::string(site.Name);
    return Page(title, root,
                "<link rel=\"alternate\" type=\"application/json\" href=\"day.json\">\n", body);
}

std::string MonthPage(const SiteFrame& site, int year, int month, std::span<const DayInfo> days) {
    constexpr std::string_view root = "../../";
    const PageWords& words = site.Words->Page;
    const std::string caption = MonthCaption(site, year, month);
    std::string body;
    body.reserve(days.size() * 400 + 4096);
    std::string trail = "<nav aria-label=\"";
    AppendEscaped(trail, words.Navigation);
    trail += "\"><ul><li>";
    Link(trail, "../", std::to_string(year));
    trail += "</li></ul></nav>\n";
    SiteHeader(body, site, root, trail);
    body += "<main>\n<h1>";
    AppendEscaped(body, caption);
    body += "</h1>\n<table class=\"month\">\n<caption class=\"visually-hidden\">";
    AppendEscaped(body, MonthTitle(kGregorian, month, year, *site.Words));
    body += "</caption>\n<thead><tr>";
    for (const std::string_view name : words.WeekdayShort) {
        body += "<th scope=\"col\">";
        AppendEscaped(body, name);
        body += "</th>";
    }
    body += "</tr></thead>\n<tbody>\n";
    int column = 1;  // Monday
    body += "<tr>";
    if (!days.empty()) {
        for (; column < days.front().WeekDay; ++column)
            body += "<td class=\"empty\"></td>";
    }
    for (const DayInfo& day : days) {
        if (column > 7) {
            body += "</tr>\n<tr>";
            column = 1;
        }
        body += "<td";
        if (day.Red() || day.KeepsFast()) {
            body += " class=\"";
            if (day.Red()) body += "red";
            if (day.Red() && day.KeepsFast()) body += ' ';
            if (day.KeepsFast()) body += "fasting";
            body += '"';
        }
        body += ">";
        const std::string dayFolder = TwoDigits(Civil(day).Day) + "/";
        body += "<a class=\"num\" href=\"" + dayFolder + "\">";
        const std::string iso = exports::CivilIsoDate(day);
        body += "<time datetime=\"" + iso + "\">" + std::to_string(Civil(day).Day) + "</time></a>";
        body += "<span class=\"weekday-name\">, ";
        AppendEscaped(body, DayNames(day.WeekDay, kCivilDay, *site.Words));
        body += "</span> ";
        if (day.HighestRank() == Rank::GreatFeast) {
            body += "<abbr class=\"great-feast\" title=\"";
            AppendEscaped(body, words.GreatFeastMark);
            body += "\">\xE2\x8A\x95</abbr> ";
        }
        body += "<span class=\"principal\">";
        exports::AppendPrincipal(body, day, *site.Words);
        body += "</span>";
        if (day.KeepsFast()) {
            body += "<span class=\"fast-mark\">";
            AppendEscaped(body, FastPhraseText(day.Fast->Level, *site.Words));
            body += "</span>";
        }
        body += "</td>";
        ++column;
    }
    for (; column <= 7; ++column)
        body += "<td class=\"empty\"></td>";
    body += "</tr>\n</tbody>\n</table>\n</main>\n";
    const int prevYear = month == 1 ? year - 1 : year;
    const int prevMonth = month == 1 ? 12 : month - 1;
    const int nextYear = month == 12 ? year + 1 : year;
    const int nextMonth = month == 12 ? 1 : month + 1;
    Pager(body, words.Neighbours,
          prevYear >= site.FirstYear ? std::string(root) + MonthPath(prevYear, prevMonth) : "",
          MonthCaption(site, prevYear, prevMonth),
          nextYear <= site.LastYear ? std::string(root) + MonthPath(nextYear, nextMonth) : "",
          MonthCaption(site, nextYear, nextMonth));
    Footer(body, site, root, {});
    return Page(caption + " — " + std::string(site.Name), root, {}, body);
}

std::string YearPage(const SiteFrame& site, int year, std::span<const DayInfo> days) {
    constexpr std::string_view root = "../";
    const PageWords& words = site.Words->Page;
    std::string body;
    SiteHeader(body, site, root, {});
    body += "<main>\n<h1>";
    AppendEscaped(body, YearTitle(kGregorian, year, *site.Words));
    body += "</h1>\n<h2>";
    AppendEscaped(body, words.Months);
    body += "</h2>\n<ul class=\"months\">\n";
    for (int month = 1; month <= 12; ++month) {
        body += "<li>";
        Link(body, MonthPath(year, month).substr(YearPath(year).size()), MonthName(site, month));
        body += "</li>\n";
    }
    body += "</ul>\n<h2>";
    AppendEscaped(body, words.GreatFeastsOfYear);
    body += "</h2>\n<ul class=\"feasts\">\n";
    for (const DayInfo& day : days) {
        if (day.HighestRank() != Rank::GreatFeast) continue;
        body += "<li><a href=\"";
        body += PathOf(day).substr(YearPath(year).size());
        body += "\"><time datetime=\"" + exports::CivilIsoDate(day) + "\">";
        AppendEscaped(body, std::to_string(Civil(day).Day) + " " +
                                std::string(MonthNames(Civil(day).Month, kGenitive, *site.Words)));
        body += "</time></a> — ";
        exports::AppendPrincipal(body, day, *site.Words);
        body += "</li>\n";
    }
    body += "</ul>\n</main>\n";
    Pager(body, words.Neighbours,
          year > site.FirstYear ? std::string(root) + YearPath(year - 1) : "",
          std::to_string(year - 1),
          year < site.LastYear ? std::string(root) + YearPath(year + 1) : "",
          std::to_string(year + 1));
    std::string extra;
    Link(extra, "calendar.ics", words.YearFeed);
    extra += " · ";
    Footer(body, site, root, extra);
    return Page(std::to_string(year) + " — " + std::string(site.Name), root, {}, body);
}

std::string IndexPage(const SiteFrame& site) {
    std::string body;
    body += "<main>\n<h1>";
    AppendEscaped(body, site.Name);
    body += "</h1>\n";
    // Today's page by the reader's own clock; the list below serves readers without script
    // and the days outside the site's years.
    body +=
        "<script>(function(){var d=new Date(),y=d.getFullYear();function "
        "t(n){return(n<10?\"0\":\"\")+n;}"
        "if(y>=" +
        std::to_string(site.FirstYear) + "&&y<=" + std::to_string(site.LastYear) +
        ")location.replace(y+\"/\"+t(d.getMonth()+1)+\"/\"+t(d.getDate())+\"/\");})();</script>\n";
    body += "<noscript><p>";
    AppendEscaped(body, site.Words->Page.NoScriptToday);
    body += "</p></noscript>\n";
    for (int year = site.FirstYear; year <= site.LastYear; ++year) {
        body += "<h2>";
        Link(body, YearPath(year), std::to_string(year));
        body += "</h2>\n<ul class=\"months\">\n";
        for (int month = 1; month <= 12; ++month) {
            body += "<li>";
            Link(body, MonthPath(year, month), MonthCaption(site, year, month));
            body += "</li>\n";
        }
        body += "</ul>\n";
    }
    body += "</main>\n";
    Footer(body, site, "", {});
    return Page(site.Name, "", {}, body);
}

std::string TodayPage(const SiteFrame& site) {
    std::string body;
    body +=
        "<main>\n<section class=\"today-block\" aria-labelledby=\"today-date\">\n"
        "<h1 class=\"today-date\" id=\"today-date\"><a id=\"today-link\" href=\"./\">";
    const PageWords& words = site.Words->Page;
    AppendEscaped(body, words.Today);
    body += "</a></h1>\n<p id=\"today-principal\">";
    AppendEscaped(body, words.TodayLoading);
    body += "</p>\n<p id=\"today-fast\" class=\"fast\" hidden></p>\n</section>\n</main>\n";
    // Reads today's day.json beside today's page and shows three of its texts; textContent
    // keeps every text a text.
    body +=
        "<script>(function(){var d=new Date();function t(n){return(n<10?\"0\":\"\")+n;}"
        "var p=d.getFullYear()+\"/\"+t(d.getMonth()+1)+\"/\"+t(d.getDate())+\"/\";"
        "fetch(p+\"day.json\").then(function(r){if(!r.ok)throw r.status;return r.json();})"
        ".then(function(j){var day=j.days[0],a=document.getElementById(\"today-link\");"
        "a.textContent=day.dates.gregorian.text;a.href=p;"
        "if(day.red)document.getElementById(\"today-date\").className+=\" red\";"
        "document.getElementById(\"today-principal\").textContent=day.principal;"
        "if(day.fast&&day.fast.line){var f=document.getElementById(\"today-fast\");"
        "f.textContent=day.fast.line;f.hidden=false;}}).catch(function(){});})();</script>\n";
    return exports::HtmlDocument({std::string(words.Today) + " — " + std::string(site.Name), kStyle,
                                  "<base target=\"_top\">\n", body});
}

std::string Sitemap(const SiteFrame& site, std::string_view base) {
    std::string out =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<urlset xmlns=\"http://www.sitemaps.org/schemas/sitemap/0.9\">\n";
    const auto url = [&](const std::string& path) {
        out += "<url><loc>";
        AppendEscaped(out, base);
        AppendEscaped(out, path);
        out += "</loc></url>\n";
    };
    url("");
    for (int year = site.FirstYear; year <= site.LastYear; ++year) {
        url(YearPath(year));
        for (int month = 1; month <= 12; ++month) {
            url(MonthPath(year, month));
            for (int day = 1; day <= MonthLength(kGregorian, month, year); ++day)
                url(DayPath(year, month, day));
        }
    }
    out += "</urlset>\n";
    return out;
}

}  // namespace velorith::site
