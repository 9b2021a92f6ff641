// The command line of velorith-report: what it asks for, read and checked before anything is
// rendered, so that a bad option never produces partial output.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/report_frame.h"
#include "exports/format_registry.h"
#include "exports/report_ics.h"
#include "tools/report_feed_options.h"

namespace velorith {

// A span of civil (Gregorian) years, for calendar feeds.
struct YearSpan {
    int first = 0;
    int last = 0;
};

struct YmdDate {
    int year = 0;
    int month = 0;
    int day = 0;
};

struct ReportOptions {
    ReportKind report = ReportKind::Day;
    bool reportGiven = false;     // --report was on the command line
    int cal = 3;                  // reckoning 1..3
    std::optional<YmdDate> date;  // in the reckoning's own month order; today when absent
    std::optional<std::string> find;
    bool wholeWord = false;
    bool indiction = false;
    bool allStyles = false;
    bool fasting = true;   // the fast of each day (--fasting / --no-fasting)
    bool readings = true;  // the readings of each day (--readings / --no-readings)
    bool zachala = false;  // the readings with their zachalo numbers (--zachala)
    int minYear = 1901;    // working range: years of each reckoning (World: + 5508)
    int maxYear = 2100;
    std::string font = "System";
    int fontSize = 10;
    std::optional<std::filesystem::path> data;
    const exports::Format* format = &exports::kTextFormat;  // what the report is written as
    std::optional<YearSpan> rangeYears;  // --range-years: the year reports of these civil years
    std::string calendarName = "Православный церковный календарь";  // the iCalendar's name
    std::optional<std::filesystem::path> output;
    std::optional<std::filesystem::path> site;  // --site DIR: the static site of --range-years
    std::optional<std::string> baseUrl;         // --base-url: the site's address, for the sitemap
    bool help = false;
    bool version = false;
    bool strict = false;  // --strict: a warning about the data fails the run (status 2)
    FeedOptions feed;     // --events, --uid-domain, --summary-length
};

// The options, or the one-line complaint about the first thing wrong with them.
struct ParsedOptions {
    ReportOptions options;
    std::string error;  // empty when the command line is sound
};

ParsedOptions ParseReportOptions(const std::vector<std::string_view>& args);

// Whether the date exists in reckoning cal (World months count from September).
bool DateExists(int cal, const YmdDate& date);

// The Russian help text (velorith_report_usage_ru.cpp).
std::string_view ReportUsageRussian();
// The help text, in Russian or English.
std::string_view ReportUsage(bool russian = false);
// Whether the messages' locale is Russian, as LC_ALL, LC_MESSAGES and LANG say it in that order
// (the first one set wins).
bool RussianLocale(const char* lcAll, const char* lcMessages, const char* lang);

}  // namespace velorith
