// velorith-report: renders any report of any date, as the desktop program would show or save it.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "reckoning/navigation.h"
#include "reports/calendar.h"
#include "reports/rtf_reader.h"
#include "tools/velorith_report_options.h"

namespace fs = std::filesystem;
using namespace velorith;

namespace {

constexpr std::string_view kProgram = "velorith-report: ";

int Complain(std::string_view message, int status) {
    std::cerr << kProgram << message << '\n';
    return status;
}

int CannotWrite(const fs::path& target, int error) {
    return Complain("cannot write " + target.string() + ": " + std::strerror(error), 1);
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

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// Writes the file whole or not at all: a temporary file beside it, renamed over it at the end.
int WriteOutputFile(const fs::path& target, std::string_view bytes) {
    const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
    std::string temp = (dir / ("." + target.filename().string() + ".XXXXXX")).string();
    std::vector<char> name(temp.begin(), temp.end());
    name.push_back('\0');
    const int fd = ::mkstemp(name.data());
    if (fd < 0) return CannotWrite(target, errno);
    temp.assign(name.data());
    bool ok = WriteAll(fd, bytes);
    int error = ok ? 0 : errno;
    if (ok && ::fsync(fd) != 0) ok = false, error = errno;
    // The file gets the permissions an ordinary new file would (mkstemp makes it private).
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(fd, 0666 & ~mask);
    if (::close(fd) != 0 && ok) ok = false, error = errno;
    if (ok && std::rename(temp.c_str(), target.c_str()) != 0) ok = false, error = errno;
    if (!ok) {
        ::unlink(temp.c_str());
        return CannotWrite(target, error);
    }
    return 0;
}

// A device or pipe named as the output (/dev/stdout, a FIFO) is written in place; renaming a file
// over it would replace the device itself.
int WriteOutputDevice(const fs::path& target, std::string_view bytes) {
    const int fd = ::open(target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    bool ok = fd >= 0 && WriteAll(fd, bytes);
    int error = ok ? 0 : errno;
    if (fd >= 0 && ::close(fd) != 0 && ok) ok = false, error = errno;
    if (!ok) return CannotWrite(target, error);
    return 0;
}

int WriteOutput(const ReportOptions& o, std::string_view bytes) {
    if (o.output) {
        std::error_code ec;
        const fs::file_status status = fs::status(*o.output, ec);
        if (!ec && fs::exists(status) && !fs::is_regular_file(status) &&
            !fs::is_directory(status)) {
            return WriteOutputDevice(*o.output, bytes);
        }
        return WriteOutputFile(*o.output, bytes);
    }
    if (!WriteAll(STDOUT_FILENO, bytes)) {
        return Complain(std::string("cannot write standard output: ") + std::strerror(errno), 1);
    }
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

    ReportSettings& settings = calendar.Settings();
    settings.FontName = o.font;
    settings.FontSize = static_cast<std::int16_t>(o.fontSize);
    settings.ShowIndiction = o.indiction;
    settings.ShowAllStyles = o.allStyles;
    settings.ShowReadings = o.readings;

    std::string bytes;
    if (!o.rtf) {
        bytes = calendar.RenderText(o.report, o.find.value_or(""), o.wholeWord);
    } else if (o.report == ReportKind::Abbreviations) {
        bytes = calendar.AbbrDocument();
    } else if (o.report == ReportKind::Search) {
        bytes = Calendar::DocumentBytes(calendar.SetFindReport(*o.find, o.wholeWord).value_or(""));
    } else {
        bytes = Calendar::DocumentBytes(calendar.Render(o.report));
    }
    return WriteOutput(o, bytes);
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
