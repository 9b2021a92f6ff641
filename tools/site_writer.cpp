#include "tools/site_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <vector>

#include "exports/civil_years.h"
#include "exports/html_page.h"
#include "exports/report_ics.h"
#include "exports/report_json.h"
#include "tools/output_file.h"
#include "tools/site_pages.h"

namespace fs = std::filesystem;

namespace velorith::site {
namespace {

// A write that failed: the path and the system's reason, as one line.
struct WriteFailure : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Writes the site's files, each complete under a temporary name of its folder and then renamed
// over the old one: a server reading the folder meanwhile serves the old page or the new one.
class SiteFiles {
  public:
    explicit SiteFiles(fs::path root)
        : root_(std::move(root)), suffix_(".tmp" + std::to_string(getpid())) {}

    void Put(const std::string& relative, std::string_view bytes) {
        const fs::path target = root_ / relative;
        const fs::path folder = target.parent_path();
        if (folder != madeFolder_) {
            std::error_code ec;
            fs::create_directories(folder, ec);
            if (ec) throw WriteFailure("cannot create " + folder.string() + ": " + ec.message());
            madeFolder_ = folder;
        }
        ++count_;
        // A page that would not change is left alone: a nightly run then touches only the
        // pages whose day changed, and servers and caches keep the dates of the others.
        if (SameBytes(target, bytes)) {
            ++unchanged_;
            return;
        }
        // Appended piece by piece: GCC 12 warns falsely of overlapping copies on "." + string.
        std::string name = ".";
        name += target.filename().string();
        name += suffix_;
        const fs::path temporary = folder / name;
        const int fd =
            ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd < 0) Fail(temporary);
        const bool written = WriteAll(fd, bytes);
        const int writeErrno = errno;
        if (::close(fd) != 0 || !written) {
            if (!written) errno = writeErrno;
            const int reason = errno;
            ::unlink(temporary.c_str());
            errno = reason;
            Fail(target);
        }
        if (::rename(temporary.c_str(), target.c_str()) != 0) {
            const int reason = errno;
            ::unlink(temporary.c_str());
            errno = reason;
            Fail(target);
        }
    }

    std::size_t Count() const { return count_; }
    std::size_t Unchanged() const { return unchanged_; }

  private:
    // Whether the regular file at the path holds exactly these bytes.
    static bool SameBytes(const fs::path& path, std::string_view bytes) {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
        if (fd < 0) return false;
        struct stat st {};
        bool same = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) &&
                    static_cast<std::size_t>(st.st_size) == bytes.size();
        std::string held;
        if (same) {
            held.resize(bytes.size());
            std::size_t got = 0;
            while (got < held.size()) {
                const ssize_t n = ::read(fd, held.data() + got, held.size() - got);
                if (n <= 0) break;
                got += static_cast<std::size_t>(n);
            }
            same = got == held.size() && held == bytes;
        }
        ::close(fd);
        return same;
    }

    [[noreturn]] static void Fail(const fs::path& path) {
        throw WriteFailure("cannot write " + path.string() + ": " + std::strerror(errno));
    }

    fs::path root_;
    std::string suffix_;
    fs::path madeFolder_;
    std::size_t count_ = 0;
    std::size_t unchanged_ = 0;
};

// The folder exists, or is made, and takes a new file: else the one line that says why not.
std::string CheckFolder(const fs::path& folder) {
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) return "--site: cannot make the folder " + folder.string() + ": " + ec.message();
    if (!fs::is_directory(folder, ec)) return "--site: " + folder.string() + " is not a folder";
    const fs::path probe = folder / (".velorith-site-check" + std::to_string(getpid()));
    const int fd =
        ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        return "--site: cannot write in the folder " + folder.string() + ": " +
               std::strerror(errno);
    }
    ::close(fd);
    ::unlink(probe.c_str());
    return {};
}

// A day's JSON: the day report of that day alone, as --format json writes it.
std::string DayJson(const DayInfo& day) {
    ReportFrame frame;
    frame.Kind = ReportKind::Day;
    frame.Reckoning = day.Reckoning;
    frame.First = frame.Last = day.Day;
    frame.Days.push_back(day);
    return exports::RenderJson(frame);
}

}  // namespace

bool IsBaseUrl(std::string_view url) {
    if (!url.starts_with("https://") && !url.starts_with("http://")) return false;
    const std::size_t host = url.find("://") + 3;
    if (host >= url.size() || url[host] == '/') return false;
    for (const char c : url) {
        const auto u = static_cast<unsigned char>(c);
        if (u <= ' ' || u >= 0x7F || c == '"' || c == '<' || c == '>' || c == '\\' || c == '`' ||
            c == '{' || c == '}' || c == '|' || c == '^' || c == '#' || c == '?')
            return false;
    }
    return true;
}

std::string BaseWithSlash(std::string_view url) {
    std::string base(url);
    if (!base.empty() && base.back() != '/') base += '/';
    return base;
}

SiteResult WriteSite(Calendar& calendar, const SiteRequest& request) {
    SiteResult result;
    if (!exports::CivilYearsInRange(calendar.State(), request.FirstYear, request.LastYear)) {
        result.Status = 2;
        result.Message = "--range-years: the years " + std::to_string(request.FirstYear) + "-" +
                         std::to_string(request.LastYear) + " leave the working range " +
                         std::to_string(calendar.State().MinYears[kGregorian]) + "-" +
                         std::to_string(calendar.State().MaxYears[kGregorian]);
        return result;
    }
    if (std::string problem = CheckFolder(request.Folder); !problem.empty()) {
        result.Status = 2;
        result.Message = std::move(problem);
        return result;
    }
    const SiteFrame site{request.CalendarName, request.FirstYear, request.LastYear,
                         calendar.Settings().ShowIndiction, &calendar.Catalogue()};
    const exports::IcsOptions ics{request.CalendarName, request.Stamp};
    SiteFiles files(request.Folder);
    try {
        files.Put("style.css", exports::HtmlStyleSheet());
        exports::IcsWriter feed(ics);
        // One year in memory at a time; the last day of the year before links to the first of
        // the next, so it is kept until then.
        std::optional<DayInfo> lastOfPrevious;
        for (int year = request.FirstYear; year <= request.LastYear; ++year) {
            ReportFrame frame = calendar.YearFrame(kGregorian, year);
            const std::vector<DayInfo>& days = frame.Days;
            const std::string yearPath = YearPath(year);
            for (std::size_t i = 0; i < days.size(); ++i) {
                const DayInfo* prev = i > 0            ? &days[i - 1]
                                      : lastOfPrevious ? &*lastOfPrevious
                                                       : nullptr;
                const DayInfo* next = i + 1 < days.size() ? &days[i + 1] : nullptr;
                std::optional<DayInfo> firstOfNext;
                if (next == nullptr && year < request.LastYear) {
                    // Only its address is needed: the date is enough.
                    firstOfNext.emplace();
                    firstOfNext->Dates.Gregorian = {year + 1, 1, 1};
                    next = &*firstOfNext;
                }
                const CalendarDate& c = days[i].Dates.Gregorian;
                const std::string folder = DayPath(c.Year, c.Month, c.Day);
                files.Put(folder + "index.html", DayPage(site, days[i], prev, next));
                files.Put(folder + "day.json", DayJson(days[i]));
            }
            std::size_t begin = 0;
            for (int month = 1; month <= 12; ++month) {
                std::size_t end = begin;
                while (end < days.size() && days[end].Dates.Gregorian.Month == month)
                    ++end;
                files.Put(
                    MonthPath(year, month) + "index.html",
                    MonthPage(site, year, month, std::span(days).subspan(begin, end - begin)));
                begin = end;
            }
            files.Put(yearPath + "index.html", YearPage(site, year, days));
            files.Put(yearPath + "calendar.ics", exports::RenderIcs(frame, ics));
            feed.Add(frame);
            if (!days.empty()) lastOfPrevious = days.back();
        }
        files.Put("calendar.ics", std::move(feed).Finish());
        files.Put("today.html", TodayPage(site));
        files.Put("sitemap.xml", Sitemap(site, request.BaseUrl));
        // The front page last: a site is whole once it is there.
        files.Put("index.html", IndexPage(site));
    } catch (const WriteFailure& failure) {
        result.Status = 1;
        result.Message = failure.what();
    }
    result.Files = files.Count();
    result.Unchanged = files.Unchanged();
    return result;
}

}  // namespace velorith::site
