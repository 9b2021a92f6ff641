// The static site of a parish: velorith-report --site DIR --range-years A-B writes a page per
// day, month and year of the civil years A..B, each day's JSON beside its page, the iCalendar
// feeds, one stylesheet, the index, the "today" block and the sitemap. Each file is written
// under a temporary name and renamed into place, so a reader never gets half a page, even from
// an interrupted run. A file that would not change is not written again.
#pragma once

#include <ctime>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "reports/calendar.h"

namespace velorith::site {

struct SiteRequest {
    std::filesystem::path Folder;
    int FirstYear = 0;  // civil years
    int LastYear = 0;
    std::string CalendarName;
    std::string BaseUrl;  // "https://parish.example/" or empty
    std::time_t Stamp = 0;
};

struct SiteResult {
    int Status = 0;             // 0 written, 1 a file could not be written, 2 a bad request
    std::string Message;        // one line when Status is not 0
    std::size_t Files = 0;      // the site's files
    std::size_t Unchanged = 0;  // of them, those already there with the same bytes, left alone
};

// Whether the text is an address a sitemap can stand under: http or https, nothing a URL may
// not hold. The caller adds the final "/" when it is missing (BaseWithSlash).
bool IsBaseUrl(std::string_view url);
std::string BaseWithSlash(std::string_view url);

// Writes the site for the calendar's data and report settings. The calendar's selected date
// never moves: the years are asked for one by one. The years must lie inside the working range.
SiteResult WriteSite(Calendar& calendar, const SiteRequest& request);

}  // namespace velorith::site
