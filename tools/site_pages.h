// The pages of a parish's static site: a page per day, per month (its grid) and per year (its
// great feasts), the index that opens today's page, the embeddable "today" block and the
// sitemap. Every address is relative to the page, so the site works under any folder of any
// server; pages share one stylesheet, "style.css" at the site's root.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "calendar/day_info.h"
#include "calendar/phrases.h"

namespace velorith::site {

// What every page of the site knows of the whole.
struct SiteFrame {
    std::string_view Name;  // the calendar's name: the index's heading, every page's header
    int FirstYear = 0;      // the civil years the site holds
    int LastYear = 0;
    bool Indiction = false;
    const Phrases* Words = &PhrasesOf();  // the catalogue of the pages' words
};

// "2026/12/07/", "2026/12/", "2026/": a page's folder from the site's root.
std::string DayPath(int year, int month, int day);
std::string MonthPath(int year, int month);
std::string YearPath(int year);

// A day's page; prev and next are the neighbouring days inside the site (null at its ends).
std::string DayPage(const SiteFrame& site, const DayInfo& day, const DayInfo* prev,
                    const DayInfo* next);
// A month's page: its grid of weeks, each day with its principal commemoration and its fast.
// The days are those of the month, in order.
std::string MonthPage(const SiteFrame& site, int year, int month, std::span<const DayInfo> days);
// A year's page: its great feasts and the list of its months.
std::string YearPage(const SiteFrame& site, int year, std::span<const DayInfo> days);
// The site's front page: today's page opened by a few lines of script, and every month listed
// for readers without script.
std::string IndexPage(const SiteFrame& site);
// The "today" block a parish embeds in its own pages (an iframe): today's date, principal
// commemoration and fast, read from that day's day.json.
std::string TodayPage(const SiteFrame& site);
// The sitemap of every page; absolute addresses under base (ending in "/") when one is given.
std::string Sitemap(const SiteFrame& site, std::string_view base);

}  // namespace velorith::site
