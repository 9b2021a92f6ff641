// velorith-report: renders any report of any date, as the desktop program would show or save it.
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "data/load_problems.h"
#include "data/text_encoding.h"
#include "exports/civil_years.h"
#include "exports/format_registry.h"
#include "reckoning/navigation.h"
#include "reports/calendar.h"
#include "tools/output_file.h"
#include "tools/site_writer.h"
#include "tools/velorith_report_options.h"

namespace fs = std::filesystem;
using namespace velorith;

namespace {

constexpr std::string_view kProgram = "velorith-report: ";

// One line on standard error. A message quotes what the user or the data gave (a file name, a
// calendar name, a data file's damage); its control characters could drive the terminal, so
// they go the way they go in the reports, and a line break becomes a space.
void Say(std::string_view message) {
    std::string line = SanitizeForTerminal(message);
    for (char& c : line)
        if (c == '\n' || c == '\t') c = ' ';
    std::cerr << kProgram << line << '\n';
}

int Complain(std::string_view message, int status) {
    Say(message);
    return status;
}

// What --range means in the reckoning of display: the years of that reckoning a date may have.
std::string RangeOf(const DateState& state, int cal) {
    return std::to_string(state.MinYears[cal]) + "-" + std::to_string(state.MaxYears[cal]) +
           (cal == kWorld    ? " (World years)"
            : cal == kJulian ? " (Julian years)"
                             : "");
}

// The days an export may write: those with a civil date in years 1..3000. A report that
// reaches past either end is cut there with a note; one with no such day is refused.
int CutToCivilYears(ReportFrame& frame) {
    const int gone = exports::KeepCivilDays(frame);
    if (frame.First > frame.Last) {
        return Complain(
            "the report's days lie outside the civil years 1-3000, which JSON and iCalendar "
            "dates can hold",
            2);
    }
    if (gone > 0) {
        Say("note: " + std::to_string(gone) + " day" + (gone == 1 ? "" : "s") +
            " outside the civil years 1-3000 left out");
    }
    return 0;
}

// What is wrong with the data the run reads, one line each: files that are there but cannot be
// read whole are named one by one, the missing ones together. Readings.DAT matters only with
// the readings shown, Abbr.DAT only to the abbreviations.
std::vector<std::string> DataWarnings(const DataLoadReport& load, const fs::path& folder,
                                      const ReportOptions& o) {
    std::vector<std::string> lines;
    if (load.NoData()) {
        lines.push_back("no calendar data found in " + folder.string() +
                        "; the days are shown without their commemorations");
        return lines;
    }
    std::string missing;
    for (const LoadProblem& p : load.Problems) {
        const std::string name = p.File.filename().string();
        if (name == kReadingsFileName && !o.readings) continue;
        if (name == kBaseFileNames[kAbbrFile] && o.report != ReportKind::Abbreviations) continue;
        if (p.Kind == LoadProblemKind::Missing) {
            missing += (missing.empty() ? "" : ", ") + name;
        } else if (p.Kind == LoadProblemKind::TooLarge) {
            lines.push_back(p.File.string() + " is larger than " +
                            std::to_string(kMaxDataFileSize >> 20) + " MB and is read as empty");
        } else {
            lines.push_back(p.File.string() + " " + std::string(LoadProblemText(p.Kind)) +
                            " and is read as empty");
        }
    }
    if (!missing.empty())
        lines.insert(lines.begin(), folder.string() + ": missing data files: " + missing);
    return lines;
}

// The folder the desktop program reads: "Calendar" beside the executable, or the installed
// share folder relative to it.
fs::path DefaultDataFolder() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    const fs::path dir = ec ? fs::current_path(ec) : exe.parent_path();
    const fs::path beside = dir / "Calendar";
    if (fs::is_directory(beside, ec)) return beside;
    const fs::path installed = dir / ".." / "share" / "velorith" / "Calendar";
    if (fs::is_directory(installed, ec)) return installed.lexically_normal();
    return beside;
}

// Status 1 and a line on what failed.
int StdoutFailed(int error) {
    if (error == EPIPE) {
        // The reader has gone (… | head): end as cat and seq do, killed by SIGPIPE without a
        // word, so that a shell's pipeline sees the usual status 141.
        std::signal(SIGPIPE, SIG_DFL);
        std::raise(SIGPIPE);
    }
    return Complain(std::string("cannot write standard output: ") + std::strerror(error), 1);
}

int WriteOutput(const ReportOptions& o, std::string_view bytes) {
    if (o.output) {
        const std::string failure = WriteOutputFile(*o.output, bytes);
        return failure.empty() ? 0 : Complain(failure, 1);
    }
    return WriteAll(STDOUT_FILENO, bytes) ? 0 : StdoutFailed(errno);
}

exports::RenderJob JobOf(Calendar& calendar, const ReportOptions& o) {
    exports::RenderJob job{calendar,
                           o.report,
                           o.find ? std::string_view(*o.find) : std::string_view(),
                           o.wholeWord,
                           {o.calendarName, std::time(nullptr)}};
    ApplyFeedOptions(o.feed, job.ics);
    job.ics.FeedHints = o.rangeYears.has_value();  // a file of civil years is a feed
    return job;
}

// The year or great-feasts reports of the civil years of --range-years; status 2 when they
// leave the working range.
int RenderFeed(Calendar& calendar, const ReportOptions& o, std::string& bytes) {
    const YearSpan span = *o.rangeYears;
    if (!exports::CivilYearsInRange(calendar.State(), span.first, span.last)) {
        return Complain("--range-years: the years " + std::to_string(span.first) + "-" +
                            std::to_string(span.last) + " leave the working range " +
                            RangeOf(calendar.State(), kGregorian),
                        2);
    }
    bytes = o.format->RenderYears(JobOf(calendar, o), span.first, span.last);
    return 0;
}

// The static site of --site: its files, or one line on what stopped it.
int WriteSiteOf(Calendar& calendar, const ReportOptions& o) {
    const site::SiteResult written =
        site::WriteSite(calendar, {*o.site, o.rangeYears->first, o.rangeYears->last, o.calendarName,
                                   o.baseUrl.value_or(""), std::time(nullptr)});
    return written.Status == 0 ? 0 : Complain(written.Message, written.Status);
}

// Ends the process once the document is written. The calendar's caches hold some ten thousand
// small blocks; freeing them one by one took a twentieth of a year report's time, and the
// kernel takes the whole heap back at once.
[[noreturn]] void EndWith(int status) {
    std::fflush(nullptr);
    std::_Exit(status);
}

int Run(const ReportOptions& o) {
    const fs::path dataFolder = o.data ? *o.data : DefaultDataFolder();
    std::error_code ec;
    if (o.data && !fs::is_directory(dataFolder, ec)) {
        return Complain("--data: no folder " + dataFolder.string(), 2);
    }

    Calendar calendar(dataFolder);
    // One pass through the days asked for: what is passed is not shown again.
    calendar.Data().KeepParsedDaysOf(3);
    const DataLoadReport& load = calendar.Data().LoadReport();
    if (o.data && load.NoData()) {
        // A publisher's typo would otherwise publish a calendar without a saint in it.
        return Complain("--data: " + dataFolder.string() + " holds none of the calendar's files",
                        2);
    }
    const std::vector<std::string> warnings = DataWarnings(load, dataFolder, o);
    for (const std::string& line : warnings)
        Say(line);
    if (o.strict && !warnings.empty()) return Complain("--strict: nothing written", 2);
    DateState& state = calendar.State();
    state.SetRange(o.minYear, o.maxYear);
    ReportSettings& settings = calendar.Settings();
    settings.FontName = o.font;
    settings.FontSize = static_cast<std::int16_t>(o.fontSize);
    settings.ShowIndiction = o.indiction;
    settings.ShowAllStyles = o.allStyles;
    settings.ShowFasting = o.fasting;
    settings.ShowReadings = o.readings;
    settings.ShowZachala = o.zachala;

    if (o.site) return WriteSiteOf(calendar, o);

    std::string bytes;
    if (o.rangeYears) {
        const int status = RenderFeed(calendar, o, bytes);
        EndWith(status != 0 ? status : WriteOutput(o, bytes));
    }

    // The selected date as a day number, checked against the working range before anything
    // is computed for it.
    if (o.date) {
        if (o.date->year < state.MinYears[o.cal] || o.date->year > state.MaxYears[o.cal] ||
            !state.InRange(o.cal, DayNumber(o.cal, o.date->day, o.date->month, o.date->year))) {
            return Complain(
                "--date: the date lies outside the working range " + RangeOf(state, o.cal), 2);
        }
        calendar.SelectDate(o.cal, o.date->year, o.date->month, o.date->day);
    } else {
        const CivilDate today = LocalToday();
        const DayNum day = DayNumber(kGregorian, today.Day, today.Month, today.Year);
        if (today.Year < 1 || today.Year > 3000 || !state.InRange(o.cal, day)) {
            return Complain(
                "today lies outside the working range " + RangeOf(state, o.cal) + "; give --date",
                2);
        }
        calendar.SelectDate(kGregorian, today.Year, today.Month, today.Day);
        if (o.cal != kGregorian) calendar.ChangeCal(o.cal);
    }

    if (o.report == ReportKind::Abbreviations) {
        // A damaged list is shown as far as it is sound, and said so.
        const std::string problem = calendar.Abbreviations().problem;
        if (!problem.empty()) Say(calendar.Data().BaseFiles[kAbbrFile].string() + ": " + problem);
        if (!problem.empty() && o.strict) return Complain("--strict: nothing written", 2);
    }
    exports::RenderJob job = JobOf(calendar, o);
    if (o.format->RenderFrame != nullptr) {
        ReportFrame frame = calendar.Frame(o.report, job.findText, job.wholeWord);
        if (const int status = CutToCivilYears(frame); status != 0) return status;
        EndWith(WriteOutput(o, o.format->RenderFrame(std::move(frame), job)));
    }
    if (o.output) EndWith(WriteOutput(o, o.format->Render(job)));
    // Standard output takes the document as it is made; after a failed write the rest is
    // still rendered but not tried.
    int writeError = 0;
    const DocumentSink toStdout = [&writeError](std::string& part) {
        if (writeError == 0 && !WriteAll(STDOUT_FILENO, part)) writeError = errno;
    };
    job.sink = &toStdout;
    const std::string rest = o.format->Render(job);
    EndWith(writeError != 0 ? StdoutFailed(writeError) : WriteOutput(o, rest));
}

}  // namespace

int main(int argc, char** argv) {
    // A closed pipe, or a file grown past the size limit (ulimit -f), is a write error
    // (status 1, the temporary file removed), not a silent death by signal.
    std::signal(SIGPIPE, SIG_IGN);
    std::signal(SIGXFSZ, SIG_IGN);
    std::vector<std::string_view> args;
    for (int i = 1; i < argc; ++i)
        args.emplace_back(argv[i]);
    const ParsedOptions parsed = ParseReportOptions(args);
    if (!parsed.error.empty()) return Complain(parsed.error, 2);
    const ReportOptions& o = parsed.options;
    if (o.help) {
        const bool russian =
            RussianLocale(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"));
        return WriteOutput(ReportOptions{}, ReportUsage(russian));
    }
    if (o.version) return WriteOutput(ReportOptions{}, std::string(VELORITH_VERSION) + "\n");
    try {
        return Run(o);
    } catch (const std::exception& e) {
        return Complain(e.what(), 1);
    }
}
