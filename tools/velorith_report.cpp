// velorith-report: renders any report of any date, as the desktop program would show or save it.
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "data/text_encoding.h"
#include "exports/civil_years.h"
#include "exports/format_registry.h"
#include "reckoning/navigation.h"
#include "reports/calendar.h"
#include "tools/output_file.h"
#include "tools/velorith_report_options.h"

namespace fs = std::filesystem;
using namespace velorith;

namespace {

constexpr std::string_view kProgram = "velorith-report: ";

int Complain(std::string_view message, int status) {
    std::cerr << kProgram << message << '\n';
    return status;
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

int WriteOutput(const ReportOptions& o, std::string_view bytes) {
    if (o.output) {
        const std::string failure = WriteOutputFile(*o.output, bytes);
        return failure.empty() ? 0 : Complain(failure, 1);
    }
    if (!WriteAll(STDOUT_FILENO, bytes)) {
        return Complain(std::string("cannot write standard output: ") + std::strerror(errno), 1);
    }
    return 0;
}

exports::RenderJob JobOf(Calendar& calendar, const ReportOptions& o) {
    return {calendar,
            o.report,
            o.find ? std::string_view(*o.find) : std::string_view(),
            o.wholeWord,
            {o.calendarName, std::time(nullptr)}};
}

// The year reports of the civil years of --range-years; status 2 when they leave the working
// range.
int RenderFeed(Calendar& calendar, const ReportOptions& o, std::string& bytes) {
    const YearSpan span = *o.rangeYears;
    if (!exports::CivilYearsInRange(calendar.State(), span.first, span.last)) {
        return Complain("--range-years: the years " + std::to_string(span.first) + "-" +
                            std::to_string(span.last) + " leave the working range " +
                            std::to_string(o.minYear) + "-" + std::to_string(o.maxYear) +
                            " (Julian years)",
                        2);
    }
    const auto years = exports::CivilYearFrames(calendar, span.first, span.last);
    bytes = o.format->RenderYears(years, JobOf(calendar, o));
    return 0;
}

int Run(const ReportOptions& o) {
    const fs::path dataFolder = o.data ? *o.data : DefaultDataFolder();
    std::error_code ec;
    if (o.data && !fs::is_directory(dataFolder, ec)) {
        return Complain("--data: no folder " + dataFolder.string(), 2);
    }

    Calendar calendar(dataFolder);
    DateState& state = calendar.State();
    state.SetRange(o.minYear, o.maxYear);
    ReportSettings& settings = calendar.Settings();
    settings.FontName = o.font;
    settings.FontSize = static_cast<std::int16_t>(o.fontSize);
    settings.ShowIndiction = o.indiction;
    settings.ShowAllStyles = o.allStyles;
    settings.ShowFasting = o.fasting;
    settings.ShowReadings = o.readings;

    std::string bytes;
    if (o.rangeYears) {
        const int status = RenderFeed(calendar, o, bytes);
        return status != 0 ? status : WriteOutput(o, bytes);
    }

    // The selected date as a day number, checked against the working range before anything
    // is computed for it.
    if (o.date) {
        if (o.date->year < state.MinYears[o.cal] || o.date->year > state.MaxYears[o.cal] ||
            !state.InRange(o.cal, DayNumber(o.cal, o.date->day, o.date->month, o.date->year))) {
            return Complain("--date: the date lies outside the working range " +
                                std::to_string(o.minYear) + "-" + std::to_string(o.maxYear),
                            2);
        }
        calendar.SelectDate(o.cal, o.date->year, o.date->month, o.date->day);
    } else {
        const CivilDate today = LocalToday();
        const DayNum day = DayNumber(kGregorian, today.Day, today.Month, today.Year);
        if (today.Year < 1 || today.Year > 3000 || !state.InRange(o.cal, day)) {
            return Complain("today lies outside the working range " + std::to_string(o.minYear) +
                                "-" + std::to_string(o.maxYear) + "; give --date",
                            2);
        }
        calendar.SelectDate(kGregorian, today.Year, today.Month, today.Day);
        if (o.cal != kGregorian) calendar.ChangeCal(o.cal);
    }

    return WriteOutput(o, o.format->Render(JobOf(calendar, o)));
}

}  // namespace

int main(int argc, char** argv) {
    // A closed pipe is a write error (status 1), not a silent death by signal.
    std::signal(SIGPIPE, SIG_IGN);
    std::vector<std::string_view> args;
    for (int i = 1; i < argc; ++i)
        args.emplace_back(argv[i]);
    const ParsedOptions parsed = ParseReportOptions(args);
    if (!parsed.error.empty()) return Complain(parsed.error, 2);
    const ReportOptions& o = parsed.options;
    if (o.help) return WriteOutput(ReportOptions{}, ReportUsage());
    if (o.version) return WriteOutput(ReportOptions{}, std::string(VELORITH_VERSION) + "\n");
    try {
        return Run(o);
    } catch (const std::exception& e) {
        return Complain(e.what(), 1);
    }
}
