// velorith-report end to end: the built program run on fixture data folders.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "data/base_files.h"
#include "data/test_folder.h"
#include "data/text_encoding.h"
#include "tools/report_test_run.h"

namespace velorith {
namespace {

using testing::TempFolder;

using testing::ReadFile;
using testing::Result;
using testing::RunProgram;

class VelorithReport : public ::testing::Test {
  protected:
    void SetUp() override {
        // A whole data set, most of it empty: a missing file would be named on standard error.
        data_ = testing::WholeDataFolder(folder_);
        Write("April.DAT", "[7]\n0={1}Пасха Господня.\n1=Мч. Калиопия.\n[8]\n1=Свт. Георгия.\n");
        Write("Weekdays.DAT", "[1]\ndays=0\nred=1\n0=Светлое Христово Воскресение.\n");
        std::ofstream(data_ / "Abbr.DAT", std::ios::binary)
            << "{\\rtf1\\ansi \xC0\xE1\xE1\xF0.\\par}";
    }
    void Write(std::string_view name, std::string_view utf8) {
        testing::WriteDataFile(data_, name, utf8);
    }
    Result Report(std::vector<std::string> args) {
        args.insert(args.begin(), {"--data", data_.string()});
        return RunProgram(folder_, std::move(args));
    }
    // A bad command line: status 2, one line on standard error, nothing on standard output.
    void ExpectRefused(std::vector<std::string> args) {
        const Result r = Report(args);
        std::string shown;
        for (const auto& a : args)
            shown += a + " ";
        EXPECT_EQ(r.status, 2) << shown;
        EXPECT_EQ(r.out, "") << shown;
        EXPECT_FALSE(r.err.empty()) << shown;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << shown << r.err;
    }
    TempFolder folder_;
    std::filesystem::path data_;
};

TEST_F(VelorithReport, VersionAndHelp) {
    const Result version = RunProgram(folder_, {"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, "1.0.10\n");
    const Result help = RunProgram(folder_, {"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--report day|week|month|year|feasts|search|abbr"), std::string::npos);
}

TEST_F(VelorithReport, DayAsTextAndAsRtf) {
    const Result text = Report({"--style", "julian", "--date", "2025-4-7"});
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_EQ(text.err, "");
    EXPECT_EQ(text.out,
              "\n    7 апреля 2025 года от Р.Х. по старому стилю\n\n"
              "    Светлое Христово Воскресение.\n\n"
              "(+) Пасха Господня.\n\n"
              " ·  Мч. Калиопия.\n\n");

    const Result rtf = Report({"--style=julian", "--date=2025-4-7", "--format", "rtf", "--font",
                               "Arial", "--font-size", "12"});
    ASSERT_EQ(rtf.status, 0);
    EXPECT_TRUE(rtf.out.starts_with(
        "{\\rtf1\\ansi\\ansicpg1251\\deff0\\deflang1049{\\fonttbl{\\f0\\fswiss\\fprq2\\fcharset204 "
        "Arial;}"));
    EXPECT_NE(rtf.out.find("\\fs24\r\n\r\n\\cf2 \\par\r\n"), std::string::npos);
    EXPECT_NE(rtf.out.find(Utf8ToCp1251("7 апреля 2025 года").value()), std::string::npos);
    EXPECT_TRUE(rtf.out.ends_with("\\par\r\n}\r\n"));

    // The same day in the World and the Gregorian reckoning.
    const Result world = Report({"--style", "world", "--date", "7533-8-7"});
    EXPECT_NE(world.out.find("7 апреля 7533 года от Сотворения Мира"), std::string::npos);
    const Result gregorian = Report({"--date", "2025-4-20", "--all-styles", "--indiction"});
    EXPECT_NE(gregorian.out.find("20 апреля 2025 года от Р.Х. по новому стилю\n"
                                 "    7 апреля 2025 года от Р.Х. по старому стилю\n"
                                 "    7 апреля 7533 года от Сотворения Мира\n"),
              std::string::npos);
    EXPECT_NE(gregorian.out.find("-го индиктиона"), std::string::npos);
}

TEST_F(VelorithReport, EveryReport) {
    for (const std::string report : {"week", "month", "year", "feasts"}) {
        const Result r = Report({"--report", report, "--date", "2025-4-20"});
        EXPECT_EQ(r.status, 0) << report << r.err;
        EXPECT_NE(r.out.find(std::string(99, '.')), std::string::npos) << report;
    }
    const Result search =
        Report({"--report", "search", "--find", "КАЛИОПИЯ", "--date", "2025-1-1"});
    EXPECT_EQ(search.status, 0);
    EXPECT_NE(search.out.find("Строка поиска: \"КАЛИОПИЯ\""), std::string::npos);
    EXPECT_NE(search.out.find(" ·  Мч. Калиопия."), std::string::npos);
    const Result whole = Report({"--report", "search", "--find", "калиоп", "--whole-word"});
    EXPECT_NE(whole.out.find("Ничего не найдено"), std::string::npos);

    const Result abbr = Report({"--report", "abbr", "--format", "rtf"});
    EXPECT_EQ(abbr.out, "{\\rtf1\\ansi \xC0\xE1\xE1\xF0.\\par}");
    EXPECT_EQ(Report({"--report", "abbr"}).out, "Аббр.\n");
}

TEST_F(VelorithReport, ReadingsShownUnlessSwitchedOff) {
    const std::vector<std::string> pascha = {"--style", "julian", "--date", "2025-4-7"};
    const std::string without = Report(pascha).out;  // the folder has no lectionary yet
    Write("Readings.DAT",
          "[Movable]\n0.a=Деян. 1:1-8\n0.g=Ин. 1:1-17\n7.m=Ин. 20:19-31\n"
          "[Matins]\n1=Мф. 28:16-20\n");
    const Result shown = Report(pascha);
    ASSERT_EQ(shown.status, 0) << shown.err;
    EXPECT_EQ(shown.out, without.substr(0, without.size() - 1) +
                             "\n    Лит.: Ап. Деян. 1:1-8. Ев. Ин. 1:1-17.\n\n");
    EXPECT_EQ(Report({"--readings", "--style", "julian", "--date", "2025-4-7"}).out, shown.out);
    EXPECT_EQ(Report({"--no-readings", "--style", "julian", "--date", "2025-4-7"}).out, without);
    // Every day of a week has its lines, the RTF document too.
    const Result week = Report({"--report", "week", "--style", "julian", "--date", "2025-4-14"});
    EXPECT_NE(week.out.find("    Утр.: Ев. Ин. 20:19-31.\n"), std::string::npos) << week.out;
    const Result rtf = Report({"--style", "julian", "--date", "2025-4-7", "--format", "rtf"});
    EXPECT_NE(rtf.out.find(Utf8ToCp1251("Лит.: Ап. Деян. 1:1-8.").value()), std::string::npos);
    const Result rtfOff =
        Report({"--style", "julian", "--date", "2025-4-7", "--format", "rtf", "--no-readings"});
    EXPECT_EQ(rtfOff.out.find(Utf8ToCp1251("Лит.:").value()), std::string::npos);
    ExpectRefused({"--no-readings=1"});
    ExpectRefused({"--readings=no"});
}

TEST_F(VelorithReport, FastShownUnlessSwitchedOff) {
    // Wednesday 10 April 2025 (Julian), in Bright Week; Wednesday 17 April, after Thomas Sunday.
    const std::vector<std::string> bright = {"--style", "julian", "--date", "2025-4-10"};
    const Result shown = Report(bright);
    ASSERT_EQ(shown.status, 0) << shown.err;
    const Result without = Report({"--no-fasting", "--style", "julian", "--date", "2025-4-10"});
    EXPECT_EQ(shown.out, without.out.substr(0, without.out.size() - 1) +
                             "\n    Светлая седмица. Поста нет.\n\n");
    EXPECT_EQ(Report({"--fasting", "--style", "julian", "--date", "2025-4-10"}).out, shown.out);
    // The last of the two switches wins.
    EXPECT_EQ(Report({"--fasting", "--no-fasting", "--style", "julian", "--date", "2025-4-10"}).out,
              without.out);
    const Result week = Report({"--report", "week", "--style", "julian", "--date", "2025-4-17"});
    EXPECT_NE(week.out.find("    Постный день. Разрешается рыба.\n"), std::string::npos)
        << week.out;
    // In the Gregorian reckoning the same day is 23 April; the RTF document carries it too.
    const Result rtf = Report({"--date", "2025-4-23", "--format", "rtf"});
    EXPECT_NE(rtf.out.find(Utf8ToCp1251("Светлая седмица. Поста нет.").value()), std::string::npos);
    const Result rtfOff = Report({"--date", "2025-4-23", "--format", "rtf", "--no-fasting"});
    EXPECT_EQ(rtfOff.out.find(Utf8ToCp1251("Поста нет.").value()), std::string::npos);
    ExpectRefused({"--no-fasting=1"});
    ExpectRefused({"--fasting=no"});
}

TEST_F(VelorithReport, BadInputIsRefused) {
    ExpectRefused({"--bogus"});
    ExpectRefused({"stray"});
    ExpectRefused({"--report", "decade"});
    ExpectRefused({"--report"});
    ExpectRefused({"--style", "martian"});
    ExpectRefused({"--date", "2025-02-30"});
    ExpectRefused({"--date", "2025-13-1"});
    ExpectRefused({"--date", "2025-0-1"});
    ExpectRefused({"--date", "2025-1"});
    ExpectRefused({"--date", "-2025-1-1"});
    ExpectRefused({"--date", "2025-1-1x"});
    ExpectRefused({"--date", "99999999999999999999-1-1"});
    ExpectRefused({"--style", "world", "--date", "7533-6-29"});  // February 2025
    ExpectRefused({"--style", "gregorian", "--date", "1900-2-29"});
    ExpectRefused({"--date", "1800-1-1"});
    ExpectRefused({"--date", "2101-1-1"});
    ExpectRefused({"--range", "2000-2010", "--date", "2011-1-1"});
    ExpectRefused({"--style", "world", "--date", "7609-1-1"});
    ExpectRefused({"--style", "world", "--date", "7408-12-31"});
    ExpectRefused({"--range", "3000-1"});
    ExpectRefused({"--range", "0-10"});
    ExpectRefused({"--range", "1-3001"});
    ExpectRefused({"--font-size", "0"});
    ExpectRefused({"--font-size", "ten"});
    ExpectRefused({"--font", "A;B"});
    ExpectRefused({"--format", "pdf"});
    ExpectRefused({"--report", "search"});
    ExpectRefused({"--report", "search", "--find", "   "});
    ExpectRefused({"--whole-word=yes"});
    ExpectRefused({"--find", "Николая"});
    ExpectRefused({"--report", "week", "--whole-word"});
    ExpectRefused({"--data", (folder_ / "missing").string()});
    // A date that exists in one reckoning only.
    EXPECT_EQ(Report({"--style", "world", "--date", "7532-6-29"}).status, 0);
    EXPECT_EQ(Report({"--style", "gregorian", "--date", "2000-2-29"}).status, 0);
    // The edges of the working range in the World reckoning.
    EXPECT_EQ(Report({"--style", "world", "--date", "7409-1-1"}).status, 0);
    EXPECT_EQ(Report({"--style", "world", "--date", "7608-12-31"}).status, 0);
}

TEST_F(VelorithReport, JsonAndIcsOfADay) {
    const Result json = Report({"--style", "julian", "--date", "2025-4-7", "--format", "json"});
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_TRUE(
        json.out.starts_with("{\"formatVersion\":3,\"kind\":\"day\",\"reckoning\":\"julian\","));
    EXPECT_TRUE(json.out.ends_with("}]}\n"));
    EXPECT_EQ(std::count(json.out.begin(), json.out.end(), '\n'), 1);  // one line
    EXPECT_NE(json.out.find("\"text\":\"Пасха Господня.\""), std::string::npos);
    EXPECT_NE(json.out.find("\"text\":\"20 апреля 2025 года от Р.Х. по новому стилю\""),
              std::string::npos);

    const Result ics =
        Report({"--date", "2025-4-20", "--format", "ics", "--calendar-name", "Храм"});
    ASSERT_EQ(ics.status, 0) << ics.err;
    EXPECT_TRUE(ics.out.starts_with("BEGIN:VCALENDAR\r\n"));
    EXPECT_NE(ics.out.find("\r\nX-WR-CALNAME:Храм\r\n"), std::string::npos);
    EXPECT_NE(ics.out.find("\r\nUID:2025-04-20@calendar.velorith.org\r\n"), std::string::npos);
    EXPECT_NE(ics.out.find("\r\nSUMMARY:Пасха Господня.\r\n"), std::string::npos);
    EXPECT_EQ(std::count(ics.out.begin(), ics.out.end(), '\n'),
              std::count(ics.out.begin(), ics.out.end(), '\r'));

    // A feed of civil years: every day of 2024 (a leap year) and 2025, once.
    const Result feed = Report({"--range-years", "2024-2025", "--format", "ics"});
    ASSERT_EQ(feed.status, 0) << feed.err;
    std::size_t events = 0;
    for (auto at = feed.out.find("BEGIN:VEVENT"); at != std::string::npos;
         at = feed.out.find("BEGIN:VEVENT", at + 1))
        ++events;
    EXPECT_EQ(events, 731u);
    EXPECT_NE(feed.out.find("UID:2024-01-01@"), std::string::npos);
    EXPECT_NE(feed.out.find("UID:2025-12-31@"), std::string::npos);
    EXPECT_EQ(Report({"--range-years", "2025-2025", "--format", "ics", "--report", "year"}).status,
              0);
}

TEST_F(VelorithReport, BadExportOptionsAreRefused) {
    ExpectRefused({"--format", "xml"});
    ExpectRefused({"--format", "ics", "--report", "search", "--find", "Пасха"});
    ExpectRefused({"--format", "ics", "--report", "abbr"});
    ExpectRefused({"--range-years", "2025-2026"});  // a feed is a calendar file
    ExpectRefused({"--range-years", "2025-2026", "--format", "rtf"});
    ExpectRefused({"--range-years", "2025-2026", "--format", "ics", "--report", "month"});
    ExpectRefused({"--range-years", "2025-2026", "--format", "ics", "--date", "2025-1-1"});
    ExpectRefused({"--range-years", "2026-2025", "--format", "ics"});
    ExpectRefused({"--range-years", "2025", "--format", "ics"});
    ExpectRefused({"--range-years", "0-2025", "--format", "ics"});
    ExpectRefused({"--range-years", "2000-2100", "--format", "ics"});  // more than 100 years
    // Outside the working range (Julian years 1901-2100 unless --range says otherwise).
    ExpectRefused({"--range-years", "2100-2101", "--format", "ics"});
    ExpectRefused({"--range-years", "1899-1901", "--format", "ics"});
    ExpectRefused({"--range", "2000-2010", "--range-years", "2010-2011", "--format", "ics"});
    ExpectRefused({"--calendar-name", "", "--format", "ics"});
    ExpectRefused({"--calendar-name", "a\tb", "--format", "ics"});
    ExpectRefused({"--date", "2101-1-1", "--format", "json"});
}

TEST_F(VelorithReport, TodayByDefaultInAnyReckoning) {
    for (const std::string style : {"world", "julian", "gregorian"}) {
        const Result r = Report({"--style", style});
        EXPECT_EQ(r.status, 0) << style << r.err;
        EXPECT_NE(r.out.find(" года от "), std::string::npos) << style;
    }
    // Today outside the working range cannot be shown.
    ExpectRefused({"--range", "1901-1902"});
}

TEST_F(VelorithReport, OutputFile) {
    const auto file = folder_ / "day.rtf";
    const Result r = Report({"--date", "2025-4-21", "--format", "rtf", "--output", file.string()});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(ReadFile(file), Report({"--date", "2025-4-21", "--format", "rtf"}).out);
    // Only the finished file is left, no temporary one.
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder_.path())) {
        files += entry.path().filename().string().starts_with(".day.rtf") ? 100 : 1;
    }
    EXPECT_LT(files, 100);

    const Result missingDir =
        Report({"--date", "2025-4-21", "--output", (folder_ / "no" / "such" / "x.txt").string()});
    EXPECT_EQ(missingDir.status, 1);
    EXPECT_EQ(missingDir.out, "");
    EXPECT_FALSE(missingDir.err.empty());
    const Result dir = Report({"--date", "2025-4-21", "--output", folder_.path().string()});
    EXPECT_EQ(dir.status, 1);
    // A device is written in place, never replaced.
    const Result full = Report({"--date", "2025-4-21", "--output", "/dev/full"});
    EXPECT_EQ(full.status, 1);
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/full"));
    const Result null = Report({"--date", "2025-4-21", "--output", "/dev/null"});
    EXPECT_EQ(null.status, 0);
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));
}

TEST_F(VelorithReport, TextOutputCarriesNoControlSequences) {
    Write("April.DAT", "[7]\n0=Мч. \x1b]0;owned\x07Калиопия.\x1b[2J\n");
    const Result r = Report({"--date", "2025-4-20"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Мч. ]0;ownedКалиопия.[2J"), std::string::npos) << r.out;
    EXPECT_EQ(r.out.find('\x1b'), std::string::npos);
    EXPECT_EQ(r.out.find('\x07'), std::string::npos);
}

// The permissions and the content of a file, to see what a run did to it.
mode_t ModeOf(const std::filesystem::path& file) {
    struct stat st {};
    ::stat(file.c_str(), &st);
    return st.st_mode & 07777;
}

bool NoTemporaryIn(const std::filesystem::path& folder) {
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        if (entry.path().filename().string().starts_with(".")) return false;
    }
    return true;
}

TEST_F(VelorithReport, OutputFileThroughLinksKeepingItsMode) {
    const std::string expected = Report({"--date", "2025-4-21"}).out;
    const auto out = folder_ / "out";
    std::filesystem::create_directories(out);
    // A link is written through: the file it names gets the report, the link stays a link.
    std::ofstream(out / "real.txt") << "old";
    ::chmod((out / "real.txt").c_str(), 0600);
    std::filesystem::create_symlink("real.txt", out / "link.txt");
    Result r = Report({"--date", "2025-4-21", "--output", (out / "link.txt").string()});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_TRUE(std::filesystem::is_symlink(out / "link.txt"));
    EXPECT_EQ(ReadFile(out / "real.txt"), expected);
    EXPECT_EQ(ModeOf(out / "real.txt"), 0600u);
    // A dangling link names the file to create.
    std::filesystem::create_symlink("new.txt", out / "dangling.txt");
    r = Report({"--date", "2025-4-21", "--output", (out / "dangling.txt").string()});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadFile(out / "new.txt"), expected);
    EXPECT_TRUE(NoTemporaryIn(out));

    // A folder, named with or without its slash, is named as the cause.
    for (const std::string& name : {out.string(), out.string() + "/"}) {
        r = Report({"--date", "2025-4-21", "--output", name});
        EXPECT_EQ(r.status, 1);
        EXPECT_NE(r.err.find("Is a directory"), std::string::npos) << r.err;
    }
    // A FIFO is written in place, never replaced.
    ASSERT_EQ(::mkfifo((out / "fifo").c_str(), 0600), 0);
    const int reader = ::open((out / "fifo").c_str(), O_RDONLY | O_NONBLOCK);
    r = Report({"--date", "2025-4-21", "--output", (out / "fifo").string()});
    EXPECT_EQ(r.status, 0) << r.err;
    std::string piped(expected.size() + 16, '\0');
    piped.resize(
        static_cast<std::size_t>(std::max<ssize_t>(0, ::read(reader, piped.data(), piped.size()))));
    ::close(reader);
    EXPECT_EQ(piped, expected);
    EXPECT_TRUE(std::filesystem::is_fifo(out / "fifo"));
}

// A user who may not write a file in a folder open to all: a shell redirect refuses it, and so
// does the companion, though it could rename a new file over it. Root may write anything, so the
// companion runs as nobody then.
TEST_F(VelorithReport, OutputFileTheUserMayNotWriteIsRefused) {
    const auto out = folder_ / "shared";
    std::filesystem::create_directories(out);
    ::chmod(folder_.path().c_str(), 0755);
    ::chmod(data_.c_str(), 0755);
    ::chmod(out.c_str(), 0777);
    std::ofstream(out / "locked.txt") << "keep";
    ::chmod((out / "locked.txt").c_str(), 0444);
    std::vector<std::string> args = {"--data",    data_.string(), "--date",
                                     "2025-4-21", "--output",     (out / "locked.txt").string()};
    if (::geteuid() == 0) {
        if (!std::filesystem::exists("/usr/bin/setpriv")) GTEST_SKIP() << "no setpriv";
        args.insert(args.begin(),
                    {"--reuid=65534", "--regid=65534", "--clear-groups", VELORITH_REPORT_EXE});
    }
    const Result r = ::geteuid() == 0 ? RunProgram(folder_, args, "/usr/bin/setpriv")
                                      : RunProgram(folder_, args);
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_NE(r.err.find("Permission denied"), std::string::npos) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
    EXPECT_EQ(ReadFile(out / "locked.txt"), "keep");
    EXPECT_TRUE(NoTemporaryIn(out));
}

// A SIGTERM while the file is written: the old file stays, no temporary file is left, and the
// run ends by the signal. The run starts with the signal blocked, so that it is sure to be
// pending when the writing begins.
TEST_F(VelorithReport, OutputFileInterruptedLeavesNothingBehind) {
    const auto out = folder_ / "out";
    std::filesystem::create_directories(out);
    std::ofstream(out / "year.txt") << "old";
    std::vector<std::string> args = {VELORITH_REPORT_EXE, "--data",   data_.string(),
                                     "--report",          "year",     "--date",
                                     "2025-4-21",         "--output", (out / "year.txt").string()};
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawnattr_t attr;
    posix_spawnattr_init(&attr);
    sigset_t blocked;
    sigemptyset(&blocked);
    sigaddset(&blocked, SIGTERM);
    posix_spawnattr_setsigmask(&attr, &blocked);
    posix_spawnattr_setflags(&attr, POSIX_SPAWN_SETSIGMASK);
    pid_t pid = 0;
    ASSERT_EQ(posix_spawn(&pid, VELORITH_REPORT_EXE, nullptr, &attr, argv.data(), environ), 0);
    posix_spawnattr_destroy(&attr);
    ::kill(pid, SIGTERM);
    int status = 0;
    ::waitpid(pid, &status, 0);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGTERM) << status;
    EXPECT_EQ(ReadFile(out / "year.txt"), "old");
    EXPECT_TRUE(NoTemporaryIn(out));
}

TEST_F(VelorithReport, DefaultDataFolderBesideTheProgram) {
    // Without --data the program reads Calendar/ beside it; a folder elsewhere is not read, and
    // the report is still made.
    const Result r = RunProgram(folder_, {"--date", "2025-4-20"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("20 апреля 2025 года"), std::string::npos);
}

// Runs the program in a child with a limit on the size of the files it writes (ulimit -f).
Result RunWithFileLimit(const TempFolder& scratch, std::vector<std::string> args, rlim_t bytes) {
    const auto out = scratch / "stdout.txt";
    const auto err = scratch / "stderr.txt";
    args.insert(args.begin(), VELORITH_REPORT_EXE);
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int o = ::open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int e = ::open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        ::dup2(o, 1);
        ::dup2(e, 2);
        const rlimit limit{bytes, bytes};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::execv(VELORITH_REPORT_EXE, argv.data());
        ::_exit(127);
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    Result r;
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -100 - WTERMSIG(status);
    r.out = ReadFile(out);
    r.err = ReadFile(err);
    return r;
}

// A file grown past the limit is a write error like a closed pipe: a message, status 1, and
// the temporary file gone; the old file stays as it was.
TEST_F(VelorithReport, AFileSizeLimitIsAWriteError) {
    const auto out = folder_ / "out";
    std::filesystem::create_directories(out);
    std::ofstream(out / "t.ics") << "old";
    Result r = RunWithFileLimit(folder_,
                                {"--data", data_.string(), "--range-years", "2001-2003", "--format",
                                 "ics", "--output", (out / "t.ics").string()},
                                1000);
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_NE(r.err.find("File too large"), std::string::npos) << r.err;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
    EXPECT_EQ(ReadFile(out / "t.ics"), "old");
    EXPECT_TRUE(NoTemporaryIn(out));
    // Standard output redirected to a file meets the same limit.
    r = RunWithFileLimit(
        folder_, {"--data", data_.string(), "--report", "year", "--date", "2025-1-1"}, 1000);
    EXPECT_EQ(r.status, 1) << r.err;
    EXPECT_NE(r.err.find("cannot write standard output: File too large"), std::string::npos);
}

// A FIFO that nobody reads fails after a short wait instead of blocking for ever; a reader that
// comes a little after the start gets the report.
TEST_F(VelorithReport, AFifoWithoutAReaderDoesNotBlockForEver) {
    const auto fifo = folder_ / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    Result r = Report({"--date", "2025-4-21", "--output", fifo.string()});
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("no program reads from that pipe"), std::string::npos) << r.err;

    const std::string expected = Report({"--date", "2025-4-21"}).out;
    const auto got = folder_ / "got.txt";
    const pid_t reader = ::fork();
    if (reader == 0) {
        ::usleep(500 * 1000);
        const int in = ::open(fifo.c_str(), O_RDONLY);
        const int keep = ::open(got.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        char buffer[4096];
        for (ssize_t n; (n = ::read(in, buffer, sizeof buffer)) > 0;)
            [[maybe_unused]] const ssize_t w = ::write(keep, buffer, static_cast<std::size_t>(n));
        ::_exit(0);
    }
    r = Report({"--date", "2025-4-21", "--output", fifo.string()});
    int status = 0;
    ::waitpid(reader, &status, 0);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(ReadFile(got), expected);
}

// What the user typed comes back in a complaint without its control characters, on one line.
TEST_F(VelorithReport, ComplaintsCarryNoControlCharacters) {
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"--format", "ics", "--calendar-name",
                                   "a\x1b]0;x\x07"
                                   "b"},
          {"--format", "ics", "--calendar-name", "a\r\nb"},
          {"--format", "ics", "--calendar-name",
           "a\xC2\x9B"
           "2Jb"},
          {"--date",
           "a\xC2\x9B"
           "2J\x1b"
           "b"},
          {"--report", "x\x1b[2J"}}) {
        const Result r = Report(args);
        EXPECT_EQ(r.status, 2);
        EXPECT_EQ(r.err.find_first_of("\x1b\x07\r"), std::string::npos) << r.err;
        EXPECT_EQ(r.err.find("\xC2\x9B"), std::string::npos) << r.err;
        EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
    }
    const Result path = Report({"--data", (folder_ / "no\x1b[2Jpe").string()});
    EXPECT_EQ(path.status, 2);
    EXPECT_EQ(path.err.find('\x1b'), std::string::npos);
}

TEST_F(VelorithReport, TheCalendarNameIsWrittenAsIcalendarText) {
    const Result r = Report(
        {"--date", "2025-4-20", "--format", "ics", "--calendar-name", "Храм; Троицы, \\ Москва"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("\r\nX-WR-CALNAME:Храм\\; Троицы\\, \\\\ Москва\r\n"), std::string::npos)
        << r.out.substr(0, 400);
}

// The number of lines of an iCalendar file that begin with `name`, and whether any of them
// names a year outside 1..3000.
std::pair<int, bool> DateLines(const std::string& ics, std::string_view name) {
    int count = 0;
    bool outside = false;
    for (std::size_t at = ics.find(name); at != std::string::npos; at = ics.find(name, at + 1)) {
        if (at != 0 && ics[at - 1] != '\n') continue;
        ++count;
        const std::size_t colon = ics.find(':', at);
        const int year = std::stoi(ics.substr(colon + 1, 4));
        outside = outside || year < 1 || year > 3000;
    }
    return {count, outside};
}

// Julian 1 January 1 is civil 30 December of year 0; the last 21 days of Julian 3000 are in
// civil 3001. Text and RTF show them as the window does; JSON and iCalendar leave them out and
// say so, and refuse a report that has nothing else.
TEST_F(VelorithReport, TheEndsOfTheRangeInEveryFormat) {
    const std::vector<std::string> wide = {"--range", "1-3000", "--style", "julian"};
    const auto with = [&wide](std::vector<std::string> more) {
        more.insert(more.begin(), wide.begin(), wide.end());
        return more;
    };
    for (const std::string date : {"3000-12-31", "1-1-1"}) {
        for (const std::string format : {"text", "rtf"}) {
            const Result r = Report(with({"--date", date, "--format", format}));
            EXPECT_EQ(r.status, 0) << date << format << r.err;
            EXPECT_EQ(r.err, "");
        }
        for (const std::string format : {"json", "ics"}) {
            const Result r = Report(with({"--date", date, "--format", format}));
            EXPECT_EQ(r.status, 2) << date << format;
            EXPECT_EQ(r.out, "");
            EXPECT_NE(r.err.find("civil years 1-3000"), std::string::npos) << r.err;
        }
    }
    // Julian 10 December 3000 is civil 31 December 3000: the last day an export may write, with
    // a duration in place of an end on 1 January 3001.
    Result r = Report(with({"--date", "3000-12-10", "--format", "ics"}));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("DTSTART;VALUE=DATE:30001231\r\n"), std::string::npos);
    EXPECT_EQ(DateLines(r.out, "DTEND").first, 0);
    EXPECT_NE(r.out.find("\r\nDURATION:P1D\r\n"), std::string::npos);
    // The Julian year 3000 and the first Julian year as whole reports: cut at the civil ends.
    for (const auto& [date, gone] : {std::pair<std::string, int>{"3000-6-1", 21}, {"1-6-1", 2}}) {
        r = Report(with({"--report", "year", "--date", date, "--format", "ics"}));
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_NE(r.err.find("note: " + std::to_string(gone) + " days outside the civil years"),
                  std::string::npos)
            << r.err;
        const auto [starts, startOutside] = DateLines(r.out, "DTSTART");
        const auto [ends, endOutside] = DateLines(r.out, "DTEND");
        EXPECT_EQ(starts, (date == "1-6-1" ? 365 : 366) - gone);
        EXPECT_FALSE(startOutside);
        EXPECT_FALSE(endOutside);
        EXPECT_GE(ends, starts - 1);

        r = Report(with({"--report", "year", "--date", date, "--format", "json"}));
        ASSERT_EQ(r.status, 0) << r.err;
        EXPECT_EQ(r.out.find("\"civilDate\":{\"year\":0,"), std::string::npos);
        EXPECT_EQ(r.out.find("\"gregorian\":{\"year\":3001,"), std::string::npos);
        EXPECT_EQ(r.out.find("\"gregorian\":{\"year\":0,"), std::string::npos);
    }
    // The World reckoning's first year begins in Julian year 0.
    r = Report({"--range", "1-3000", "--style", "world", "--report", "year", "--date", "5509-1-1",
                "--format", "ics"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.err.find("note: "), std::string::npos);
    EXPECT_FALSE(DateLines(r.out, "DTSTART").second);
    // A feed of the last civil year ends with a duration too.
    r = Report({"--range", "1-3000", "--range-years", "3000-3000", "--format", "ics"});
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(DateLines(r.out, "DTSTART").first, 365);
    EXPECT_FALSE(DateLines(r.out, "DTEND").second);
}

// --range holds the years of the reckoning shown, as the window's range does: Gregorian 13
// January 1901 (Julian 31 December 1900) is inside the default range.
TEST_F(VelorithReport, TheRangeIsInTheYearsOfTheReckoningShown) {
    EXPECT_EQ(Report({"--date", "1901-1-13"}).status, 0);
    EXPECT_EQ(Report({"--style", "gregorian", "--date", "1901-1-1"}).status, 0);
    ExpectRefused({"--style", "julian", "--date", "1900-12-31"});
    const Result r = Report({"--style", "world", "--date", "7400-1-1"});
    EXPECT_EQ(r.status, 2);
    EXPECT_NE(r.err.find("7409-7608 (World years)"), std::string::npos) << r.err;
    const Result help = RunProgram(folder_, {"--help"});
    EXPECT_EQ(help.out.find("in Julian years"), std::string::npos);
    EXPECT_NE(help.out.find("the years A to B\n                      of the reckoning of --style"),
              std::string::npos);
}

TEST_F(VelorithReport, ADamagedListOfAbbreviationsIsShownAsFarAsItIsSoundAndSaidSo) {
    std::ofstream(data_ / "Abbr.DAT", std::ios::binary)
        << "{\\rtf1\\ansi \xC0\xE1\xE1\xF0.} \xEF\xEE\xF2\xE5\xF0\xFF\\par}";
    const Result rtf = Report({"--report", "abbr", "--format", "rtf"});
    EXPECT_EQ(rtf.status, 0);
    EXPECT_EQ(rtf.out, "{\\rtf1\\ansi \xC0\xE1\xE1\xF0.}");
    EXPECT_NE(rtf.err.find("Abbr.DAT: its outer group closes at byte 18 of 30"), std::string::npos)
        << rtf.err;
    const Result text = Report({"--report", "abbr"});
    EXPECT_EQ(text.out, "Аббр.\n");
    EXPECT_EQ(std::count(text.err.begin(), text.err.end(), '\n'), 1);
    // A whole one goes out unchanged and unremarked.
    std::ofstream(data_ / "Abbr.DAT", std::ios::binary) << "{\\rtf1 a}\r\n";
    const Result whole = Report({"--report", "abbr", "--format", "rtf"});
    EXPECT_EQ(whole.out, "{\\rtf1 a}\r\n");
    EXPECT_EQ(whole.err, "");
}

TEST_F(VelorithReport, ADataFileTooLargeToReadIsNamed) {
    std::ofstream(data_ / "May.DAT") << "[1]\n1=x\n";
    std::filesystem::resize_file(data_ / "May.DAT", (64u << 20) + 1);
    const Result r = Report({"--date", "2025-4-20"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.err.find("May.DAT is larger than 64 MB and is read as empty"), std::string::npos)
        << r.err;
}

TEST_F(VelorithReport, EveryReportAsAWebPage) {
    for (const char* report : {"day", "week", "month", "year", "feasts", "abbr"}) {
        const Result r = Report({"--report", report, "--date", "2025-4-20", "--format", "html"});
        EXPECT_EQ(r.status, 0) << report << r.err;
        EXPECT_TRUE(r.out.starts_with("<!DOCTYPE html>\n<html lang=\"ru\">")) << report;
        EXPECT_TRUE(r.out.ends_with("</html>\n")) << report;
    }
    const Result day = Report({"--date", "2025-4-20", "--format", "html"});
    EXPECT_NE(day.out.find("<time datetime=\"2025-04-20\">"), std::string::npos);
    EXPECT_NE(day.out.find("Пасха Господня."), std::string::npos);
    const Result search = Report(
        {"--report", "search", "--find", "<Пасха>", "--date", "2025-4-20", "--format", "html"});
    EXPECT_EQ(search.status, 0);
    EXPECT_NE(search.out.find("&lt;Пасха&gt;"), std::string::npos);
}

TEST_F(VelorithReport, ASiteIsWrittenAndBadSiteOptionsAreRefused) {
    const auto site = folder_.path() / "site";
    const Result made = Report({"--site", site.string(), "--range-years", "2025-2025", "--base-url",
                                "https://parish.example"});
    EXPECT_EQ(made.status, 0) << made.err;
    EXPECT_EQ(made.out, "");
    EXPECT_NE(ReadFile(site / "2025" / "04" / "20" / "index.html").find("Пасха Господня."),
              std::string::npos);
    EXPECT_NE(ReadFile(site / "sitemap.xml").find("<loc>https://parish.example/2025/04/20/</loc>"),
              std::string::npos);

    ExpectRefused({"--site", site.string()});  // no years
    ExpectRefused({"--site", site.string(), "--range-years", "2100-2101"});
    ExpectRefused({"--site", site.string(), "--range-years", "1900-1900"});
    ExpectRefused({"--site", "", "--range-years", "2025-2025"});
    ExpectRefused({"--site", site.string(), "--range-years", "2025-2025", "--output", "x"});
    ExpectRefused({"--site", site.string(), "--range-years", "2025-2025", "--date", "2025-1-1"});
    ExpectRefused({"--site", site.string(), "--range-years", "2025-2025", "--report", "day"});
    ExpectRefused({"--site", site.string(), "--range-years", "2025-2025", "--base-url", "parish"});
    ExpectRefused({"--base-url", "https://parish.example"});  // without a site
    std::ofstream(folder_.path() / "file") << "x";
    ExpectRefused({"--site", (folder_.path() / "file").string(), "--range-years", "2025-2025"});
    ExpectRefused(
        {"--site", (folder_.path() / "file" / "site").string(), "--range-years", "2025-2025"});
}

}  // namespace
}  // namespace velorith
