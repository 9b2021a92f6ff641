#include "tools/velorith_report_options.h"

#include <array>
#include <charconv>
#include <utility>

#include "data/text_encoding.h"
#include "exports/civil_years.h"
#include "reckoning/date_state.h"
#include "tools/site_writer.h"

namespace velorith {
namespace {

// A whole decimal number without sign, within [lo, hi].
std::optional<int> ParseNumber(std::string_view text, int lo, int hi) {
    if (text.empty() || text.size() > 9) return std::nullopt;
    int value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc() || end != text.data() + text.size() || text.front() == '-' ||
        text.front() == '+')
        return std::nullopt;
    if (value < lo || value > hi) return std::nullopt;
    return value;
}

// "A-B" split at its first "-"; nullopt without one.
std::optional<std::pair<std::string_view, std::string_view>> SplitDash(std::string_view text) {
    const auto dash = text.find('-');
    if (dash == std::string_view::npos) return std::nullopt;
    return std::pair{text.substr(0, dash), text.substr(dash + 1)};
}

// "A-B" with 1 <= A <= B <= 3000: years of the working range for --range (each reckoning's own,
// as the desktop program holds them), civil years for --range-years.
std::optional<YearSpan> ParseYearSpan(std::string_view text) {
    const auto parts = SplitDash(text);
    const auto a = parts ? ParseNumber(parts->first, 1, 3000) : std::nullopt;
    const auto b = parts ? ParseNumber(parts->second, 1, 3000) : std::nullopt;
    if (!a || !b || *a > *b) return std::nullopt;
    return YearSpan{*a, *b};
}

// C0 controls, DEL, and the C1 controls (U+0080..U+009F, "\xC2\x80".."\xC2\x9F" in UTF-8).
bool HasControlCharacter(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c == 0x7F) return true;
        if (c == 0xC2 && i + 1 < text.size() && static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
            static_cast<unsigned char>(text[i + 1]) <= 0x9F)
            return true;
    }
    return false;
}

// The value a word names in a table of words; none for a word it lacks.
template <typename Value, std::size_t N>
std::optional<Value> Lookup(const std::array<std::pair<std::string_view, Value>, N>& table,
                            std::string_view word) {
    for (const auto& [name, value] : table) {
        if (name == word) return value;
    }
    return std::nullopt;
}

// The complaint about a word the table lacks, listing the words it holds.
template <typename Value, std::size_t N>
std::string UnknownWord(std::string_view option, std::string_view what, std::string_view word,
                        const std::array<std::pair<std::string_view, Value>, N>& table) {
    std::string text(option);
    text += ": unknown ";
    text += what;
    text += " \"";
    text += word;
    text += "\" (";
    for (std::size_t i = 0; i < N; ++i) {
        if (i > 0) text += ", ";
        text += table[i].first;
    }
    text += ')';
    return text;
}

constexpr std::array<std::pair<std::string_view, ReportKind>, 7> kReports = {{
    {"day", ReportKind::Day},
    {"week", ReportKind::Week},
    {"month", ReportKind::Month},
    {"year", ReportKind::Year},
    {"feasts", ReportKind::Feasts},
    {"search", ReportKind::Search},
    {"abbr", ReportKind::Abbreviations},
}};

// The options that take no value.
constexpr std::array<std::pair<std::string_view, bool ReportOptions::*>, 12> kFlags = {{
    {"--help", &ReportOptions::help},
    {"-h", &ReportOptions::help},
    {"--version", &ReportOptions::version},
    {"-V", &ReportOptions::version},
    {"--strict", &ReportOptions::strict},
    {"--fast", &ReportOptions::fasting},
    {"--whole-word", &ReportOptions::wholeWord},
    {"--indiction", &ReportOptions::indiction},
    {"--all-styles", &ReportOptions::allStyles},
    {"--fasting", &ReportOptions::fasting},
    {"--readings", &ReportOptions::readings},
    {"--zachala", &ReportOptions::zachala},
}};

// The options that turn off what is on by default. --fast names the day's "fast" as the JSON
// does; --fasting, its older name, stays for the scripts that use it.
constexpr std::array<std::pair<std::string_view, bool ReportOptions::*>, 3> kOffFlags = {{
    {"--no-fast", &ReportOptions::fasting},
    {"--no-fasting", &ReportOptions::fasting},
    {"--no-readings", &ReportOptions::readings},
}};

constexpr std::array<std::pair<std::string_view, int>, 3> kStyles = {{
    {"world", kWorld},
    {"julian", kJulian},
    {"gregorian", kGregorian},
}};

}  // namespace

bool DateExists(int cal, const YmdDate& date) {
    return date.day >= 1 && date.day <= MonthLength(cal, date.month, date.year);
}

ParsedOptions ParseReportOptions(const std::vector<std::string_view>& args) {
    ParsedOptions parsed;
    ReportOptions& o = parsed.options;
    const auto fail = [&](std::string message) {
        parsed.error = std::move(message);
        return parsed;
    };
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string_view arg = args[i];
        std::optional<std::string_view> inlineValue;
        if (arg.starts_with("--")) {
            if (const auto eq = arg.find('='); eq != std::string_view::npos) {
                inlineValue = arg.substr(eq + 1);
                arg = arg.substr(0, eq);
            }
        }
        const std::string name(arg);
        // The value of an option that takes one: after "=" or as the next argument.
        std::optional<std::string_view> value;
        const auto takeValue = [&]() -> bool {
            if (inlineValue) {
                value = inlineValue;
            } else if (i + 1 < args.size()) {
                value = args[++i];
            } else {
                return false;
            }
            return true;
        };

        if (const auto flag = Lookup(kFlags, name)) {
            if (inlineValue) return fail(name + " takes no value");
            o.** flag = true;
        } else if (const auto off = Lookup(kOffFlags, name)) {
            if (inlineValue) return fail(name + " takes no value");
            o.** off = false;
        } else if (name == "--report" || name == "--style" || name == "--date" ||
                   name == "--find" || name == "--range" || name == "--font" ||
                   name == "--font-size" || name == "--data" || name == "--format" ||
                   name == "--output" || name == "--range-years" || name == "--calendar-name" ||
                   IsFeedOption(name) || name == "--site" || name == "--base-url") {
            if (!takeValue()) return fail(name + " needs a value");
            const std::string_view v = *value;
            if (!IsValidUtf8(v)) return fail(name + ": the value is not valid UTF-8");
            if (IsFeedOption(name)) {
                if (std::string error = ParseFeedOption(name, v, o.feed); !error.empty())
                    return fail(std::move(error));
            } else if (name == "--report") {
                const auto kind = Lookup(kReports, v);
                if (!kind) return fail(UnknownWord(name, "report", v, kReports));
                o.report = *kind;
                o.reportGiven = true;
            } else if (name == "--style") {
                const auto cal = Lookup(kStyles, v);
                if (!cal) return fail(UnknownWord(name, "reckoning", v, kStyles));
                o.cal = *cal;
            } else if (name == "--date") {
                const auto first = SplitDash(v);
                const auto second = first ? SplitDash(first->second) : std::nullopt;
                const auto y = first ? ParseNumber(first->first, 1, 99999) : std::nullopt;
                const auto m = second ? ParseNumber(second->first, 0, 99) : std::nullopt;
                const auto d = second ? ParseNumber(second->second, 0, 99) : std::nullopt;
                if (!y || !m || !d) {
                    return fail("--date: \"" + std::string(v) + "\" is not a date Y-M-D");
                }
                o.date = YmdDate{*y, *m, *d};
            } else if (name == "--find") {
                if (HasControlCharacter(v))
                    return fail("--find: the text holds a control character");
                o.find = std::string(v);
            } else if (name == "--range") {
                const auto span = ParseYearSpan(v);
                if (!span) {
                    return fail("--range: \"" + std::string(v) +
                                "\" is not a range A-B with 1 <= A <= B <= 3000");
                }
                o.minYear = span->first;
                o.maxYear = span->last;
            } else if (name == "--font") {
                // ";" would end the name inside the document's font table.
                if (v.empty() || HasControlCharacter(v) || v.find(';') != std::string_view::npos) {
                    return fail("--font: \"" + std::string(v) + "\" is not a font name");
                }
                o.font = std::string(v);
            } else if (name == "--font-size") {
                const auto size = ParseNumber(v, 1, 1638);
                if (!size) {
                    return fail("--font-size: \"" + std::string(v) +
                                "\" is not a size from 1 to 1638 points");
                }
                o.fontSize = *size;
            } else if (name == "--data") {
                if (v.empty()) return fail("--data needs a folder");
                o.data = std::filesystem::path(v);
            } else if (name == "--format") {
                o.format = exports::FindFormat(v);
                if (o.format == nullptr) {
                    return fail(std::string(name) + ": unknown format \"" + std::string(v) +
                                "\" (" + exports::FormatNames(", ") + ")");
                }
            } else if (name == "--range-years") {
                const auto span = ParseYearSpan(v);
                if (!span) {
                    return fail("--range-years: \"" + std::string(v) +
                                "\" is not a span of years A-B with 1 <= A <= B <= 3000");
                }
                if (span->last - span->first >= exports::kMaxCalendarYears) {
                    return fail("--range-years: at most " +
                                std::to_string(exports::kMaxCalendarYears) + " years in one file");
                }
                o.rangeYears = *span;
            } else if (name == "--calendar-name") {
                if (v.empty() || HasControlCharacter(v)) {
                    return fail("--calendar-name: \"" + std::string(v) + "\" is not a name");
                }
                o.calendarName = std::string(v);
            } else if (name == "--output") {
                if (v.empty()) return fail("--output needs a file name");
                o.output = std::filesystem::path(v);
            } else if (name == "--site") {
                if (v.empty()) return fail("--site needs a folder");
                o.site = std::filesystem::path(v);
            } else if (name == "--base-url") {
                if (!site::IsBaseUrl(v)) {
                    return fail("--base-url: \"" + std::string(v) +
                                "\" is not an http or https address without query or fragment");
                }
                o.baseUrl = site::BaseWithSlash(v);
            }
        } else if (arg.starts_with("-")) {
            return fail("unknown option " + name + " (see --help)");
        } else {
            return fail("unexpected argument \"" + std::string(arg) + "\" (see --help)");
        }
    }
    if (o.help || o.version) return parsed;
    if (o.date && !DateExists(o.cal, *o.date)) {
        return fail("--date: " + std::to_string(o.date->year) + "-" +
                    std::to_string(o.date->month) + "-" + std::to_string(o.date->day) +
                    " does not exist in that reckoning");
    }
    if (o.format->DaysOnly &&
        (o.report == ReportKind::Search || o.report == ReportKind::Abbreviations)) {
        return fail("--format " + std::string(o.format->Name) + ": the " +
                    std::string(o.report == ReportKind::Search ? "search" : "abbr") +
                    " report has no days to put in a calendar (day, week, month, year, feasts)");
    }
    if (o.site) {
        // A site is every page of its years: the options of one report do not apply.
        if (!o.rangeYears) return fail("--site needs --range-years A-B, the civil years it holds");
        if (o.output) return fail("--site writes a folder; it does not go with --output");
        if (o.date) return fail("--site names its years; it does not go with --date");
        if (o.reportGiven) return fail("--site writes every page; it does not go with --report");
        if (o.find || o.wholeWord) return fail("--find belongs to --report search");
        return parsed;
    }
    if (o.baseUrl) return fail("--base-url belongs to --site");
    if (o.rangeYears) {
        if (o.format->RenderYears == nullptr)
            return fail("--range-years needs --format ics, json or lines");
        if (o.reportGiven && !exports::SpansCivilYears(o.report)) {
            return fail(
                "--range-years gives the year or great-feasts reports; it does not go "
                "with --report " +
                std::string(kReports[static_cast<std::size_t>(o.report)].first));
        }
        if (o.date) return fail("--range-years names its years; it does not go with --date");
        if (!o.reportGiven) o.report = ReportKind::Year;
    }
    if (o.format->Name != exports::kIcsFormat.Name) {
        // Options of the calendar file alone: elsewhere they would silently do nothing.
        if (o.feed.eventsGiven) return fail("--events belongs to --format ics");
        if (o.feed.uidDomain) return fail("--uid-domain belongs to --format ics");
        if (o.feed.summaryGiven) return fail("--summary-length belongs to --format ics");
    }
    if (o.report != ReportKind::Search) {
        // Silently ignoring them would print a different report than the one asked for.
        if (o.find) return fail("--find belongs to --report search");
        if (o.wholeWord) return fail("--whole-word belongs to --report search");
    }
    if (o.report == ReportKind::Search) {
        if (!o.find) return fail("--report search needs --find TEXT");
        if (o.find->find_first_not_of(' ') == std::string::npos) {
            return fail("--find: the search text is empty");
        }
    }
    return parsed;
}

bool RussianLocale(const char* lcAll, const char* lcMessages, const char* lang) {
    for (const char* value : {lcAll, lcMessages, lang}) {
        if (value != nullptr && *value != '\0') return std::string_view(value).starts_with("ru");
    }
    return false;
}

std::string_view ReportUsage(bool russian) {
    if (russian) return ReportUsageRussian();
    return R"(Usage: velorith-report [options]
Renders a report of Velorith Calendar to standard output or a file.

  --report day|week|month|year|feasts|search|abbr   which report (default day)
  --style world|julian|gregorian    the reckoning (default gregorian)
  --date Y-M-D        the selected date in that reckoning; M counts in that reckoning's month
                      order (World: 1 = September ... 12 = August); default today
  --find TEXT         text to search for (with --report search only, which requires it)
  --whole-word        whole-word search (with --report search only)
  --indiction         show the indiction line
  --all-styles        show every date in all three reckonings
  --fast, --no-fast   show the fast of each day, or not (default: shown; the older names
                      --fasting and --no-fasting work too)
  --readings, --no-readings   show each day's scripture readings (default: shown)
  --zachala                   write each reading's zachalo number after it
  --range A-B         working range, 1 <= A <= B <= 3000 (default 1901-2100): the years A to B
                      of the reckoning of --style, as the desktop program's year range holds
                      them (World: the years A+5508 to B+5508)
  --font NAME         report font (default System);  --font-size N (default 10)
  --data DIR          data folder (default: the one the desktop program uses)
  --format text|rtf|json|ics|lines|html
                      text (default): the report as a pane shows it, UTF-8, one line per
                      paragraph; rtf: the document as the desktop program saves it (Windows-1251);
                      json: the report's facts (see velorith-report.schema.json); ics: an
                      iCalendar file, one all-day event per day; lines: one day a line, the ISO
                      date, a tab, the principal commemoration, a tab, the fast (ics and lines
                      not for search and abbr); html: a web page with its stylesheet inside
  --range-years A-B   with --format ics, json or lines: the civil (Gregorian) years A to B, at
                      most 100, in one file (a subscription feed); --report year (default) or
                      feasts
  --events all|feasts|fasts   with --format ics: every day (default), the great feasts alone,
                      or the fasts alone (each fasting season one event over its days)
  --uid-domain DOMAIN with --format ics: the domain of the events' UIDs (default
                      calendar.velorith.org); keep it the same so that refreshes update events
  --summary-length N  with --format ics: cut summaries to N characters at a word (default 60,
                      what a phone shows; the whole text opens the description); 0 keeps them
  --calendar-name NAME  the name calendar programs show for an ics file
                      (default "Православный церковный календарь")
  --output FILE       write there instead of standard output (a FIFO that no program reads
                      within 5 seconds is a write failure)
  --site DIR          with --range-years A-B: a static web site of those civil years in DIR
                      (a page per day, month and year, each day's JSON, iCalendar feeds, an
                      index that opens today's page, today.html to embed, sitemap.xml)
  --base-url URL      with --site: the site's address, for absolute addresses in sitemap.xml
  --strict            a data file that is missing, unreadable or too large, or no data at all,
                      fails the run (status 2, nothing written) instead of a warning
  -h, --help          this text (in Russian under a Russian locale);  -V, --version

json, ics and lines hold the civil years 1-3000: days outside them are left out, with a note.
A closed pipe (velorith-report ... | head) ends the run quietly, by SIGPIPE, as cat and seq do.
Exit status: 0 done; 1 the output could not be written; 2 a bad option or value, a date that
does not exist in the reckoning or lies outside the working range, or with --strict a warning
about the data.
)";
}

}  // namespace velorith
