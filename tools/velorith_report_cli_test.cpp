// velorith-report for unattended jobs and scripts, end to end: data that is missing or broken
// is said (and fails --strict), a closed pipe ends the run quietly, the help speaks the user's
// language, and the lines format and the options of feeds.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <csignal>
#include <fstream>
#include <iterator>
#include <map>
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
using Outcome = testing::Result;

// The program with the environment `env` alone (and PATH), its standard output in a file or a
// pipe already closed at its reading end.
Outcome Start(const TempFolder& scratch, std::vector<std::string> args,
              const std::map<std::string, std::string>& env = {}, bool closedPipe = false,
              const std::string& program = VELORITH_REPORT_EXE) {
    std::vector<std::string> envText = {"PATH=/usr/bin:/bin"};
    for (const auto& [name, value] : env)
        envText.push_back(name + "=" + value);
    return testing::RunProgram(scratch, std::move(args), program, &envText, closedPipe);
}

std::size_t LineCount(const std::string& text) {
    return static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
}

class ReportForScripts : public ::testing::Test {
  protected:
    // A whole data folder: every file the calendar reads, most of them empty.
    void SetUp() override {
        data_ = testing::WholeDataFolder(folder_);
        Write("April.DAT", "[7]\n0={1}Пасха Господня.\n1=Мч. Калиопия.\n");
        Write("December.DAT", "[25]\n0={1}Рождество Господа Бога и Спаса нашего Иисуса Христа.\n");
    }
    void Write(std::string_view name, std::string_view utf8) {
        testing::WriteDataFile(data_, name, utf8);
    }
    Outcome Report(std::vector<std::string> args,
                   const std::map<std::string, std::string>& env = {}) {
        args.insert(args.begin(), {"--data", data_.string()});
        return Start(folder_, std::move(args), env);
    }
    void ExpectRefused(std::vector<std::string> args) {
        const Outcome r = Report(args);
        std::string shown;
        for (const auto& a : args)
            shown += a + " ";
        EXPECT_EQ(r.status, 2) << shown;
        EXPECT_EQ(r.out, "") << shown;
        EXPECT_EQ(LineCount(r.err), 1u) << shown << r.err;
    }
    TempFolder folder_;
    std::filesystem::path data_;
};

TEST_F(ReportForScripts, AWholeFolderSaysNothing) {
    const Outcome r = Report({"--date", "2025-4-20", "--strict"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    EXPECT_NE(r.out.find("Пасха Господня."), std::string::npos);
}

// A publisher's typo in --data would publish a calendar without a saint: refused.
TEST_F(ReportForScripts, AGivenFolderWithoutDataIsABadValue) {
    const auto empty = folder_ / "empty";
    std::filesystem::create_directory(empty);
    const Outcome r =
        Start(folder_, {"--data", empty.string(), "--range-years", "2025-2025", "--format", "ics",
                        "--output", (folder_ / "feed.ics").string()});
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(LineCount(r.err), 1u) << r.err;
    EXPECT_NE(r.err.find("holds none of the calendar's files"), std::string::npos) << r.err;
    EXPECT_FALSE(std::filesystem::exists(folder_ / "feed.ics"));
}

// Without --data and without data beside the program, the day is still computed, and said so;
// --strict makes it a failure with nothing written.
TEST_F(ReportForScripts, NoDataFoundByTheDefaultSearchIsSaid) {
    const auto bin = folder_ / "bin";
    std::filesystem::create_directory(bin);
    const auto program = bin / "velorith-report";
    std::filesystem::copy_file(VELORITH_REPORT_EXE, program);
    const Outcome r = Start(folder_, {"--date", "2025-4-20"}, {}, false, program.string());
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("20 апреля 2025 года"), std::string::npos);
    EXPECT_NE(r.err.find("no calendar data found in " + (bin / "Calendar").string()),
              std::string::npos)
        << r.err;
    EXPECT_EQ(LineCount(r.err), 1u);
    const Outcome strict =
        Start(folder_, {"--date", "2025-4-20", "--strict"}, {}, false, program.string());
    EXPECT_EQ(strict.status, 2);
    EXPECT_EQ(strict.out, "");
}

TEST_F(ReportForScripts, EveryBadDataFileIsNamed) {
    std::filesystem::remove(data_ / "March.DAT");
    std::filesystem::create_directory(data_ / "March.DAT");
    std::filesystem::remove(data_ / "May.DAT");
    std::filesystem::create_symlink(data_ / "gone.DAT", data_ / "May.DAT");
    std::filesystem::remove(data_ / "June.DAT");
    ASSERT_EQ(::mkfifo((data_ / "June.DAT").c_str(), 0600), 0);
    std::filesystem::resize_file(data_ / "July.DAT", (64u << 20) + 1);  // sparse
    std::filesystem::remove(data_ / "October.DAT");
    std::filesystem::remove(data_ / "Special.DAT");
    std::filesystem::remove(data_ / "Readings.DAT");

    const Outcome r = Report({"--date", "2025-4-20"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("Пасха Господня."), std::string::npos);  // the rest is read
    const std::string folder = data_.string();
    EXPECT_NE(r.err.find(folder + ": missing data files: October.DAT, Special.DAT, Readings.DAT\n"),
              std::string::npos)
        << r.err;
    EXPECT_NE(r.err.find(folder + "/March.DAT is not a regular file"), std::string::npos);
    EXPECT_NE(r.err.find(folder + "/May.DAT is a link to nothing"), std::string::npos);
    EXPECT_NE(r.err.find(folder + "/June.DAT is not a regular file"), std::string::npos);
    EXPECT_NE(r.err.find(folder + "/July.DAT is larger than 64 MB"), std::string::npos);
    EXPECT_EQ(LineCount(r.err), 5u) << r.err;

    // Without the readings, their missing file is none of the run's business.
    const Outcome noReadings = Report({"--date", "2025-4-20", "--no-readings"});
    EXPECT_EQ(noReadings.err.find("Readings.DAT"), std::string::npos) << noReadings.err;

    // --strict: the warnings, a last line, status 2, and the published file left as it was.
    const auto feed = folder_ / "feed.ics";
    std::ofstream(feed) << "old";
    const Outcome strict = Report(
        {"--strict", "--range-years", "2025-2025", "--format", "ics", "--output", feed.string()});
    EXPECT_EQ(strict.status, 2);
    EXPECT_NE(strict.err.find("--strict"), std::string::npos);
    EXPECT_EQ(ReadFile(feed), "old");
}

TEST_F(ReportForScripts, AnUnreadableFileIsNamed) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads every file";
    std::filesystem::permissions(data_ / "August.DAT", std::filesystem::perms::none);
    const Outcome r = Report({"--date", "2025-4-20"});
    EXPECT_NE(r.err.find("/August.DAT cannot be read"), std::string::npos) << r.err;
}

// A long report goes to standard output as it is made, and what arrives is the document the
// same run saves to a file.
TEST_F(ReportForScripts, AYearOnStandardOutputIsTheYearSaved) {
    for (const std::string format : {"text", "rtf", "json"}) {
        const auto saved = folder_ / ("year." + format);
        const std::vector<std::string> args = {"--report",     "year",     "--date", "2025-1-1",
                                               "--all-styles", "--format", format};
        std::vector<std::string> toFile = args;
        toFile.insert(toFile.end(), {"--output", saved.string()});
        ASSERT_EQ(Report(toFile).status, 0) << format;
        const Outcome out = Report(args);
        EXPECT_EQ(out.status, 0) << format;
        EXPECT_GT(out.out.size(), 128u * 1024u) << format;
        EXPECT_EQ(out.out, ReadFile(saved)) << format;
    }
}

// velorith-report ... | head: killed by SIGPIPE as cat and seq are, without a word, in every
// format.
TEST_F(ReportForScripts, AClosedPipeEndsTheRunQuietly) {
    for (const std::string format : {"text", "rtf", "json", "ics", "lines"}) {
        const Outcome r = Start(folder_,
                                {"--data", data_.string(), "--report", "year", "--date", "2025-1-1",
                                 "--format", format},
                                {}, true);
        EXPECT_EQ(r.signal, SIGPIPE) << format << " status " << r.status;
        EXPECT_EQ(r.err, "") << format;
    }
    const Outcome feed =
        Start(folder_, {"--data", data_.string(), "--range-years", "2025-2026", "--format", "json"},
              {}, true);
    EXPECT_EQ(feed.signal, SIGPIPE);
    EXPECT_EQ(feed.err, "");
}

TEST_F(ReportForScripts, HelpInTheUsersLanguage) {
    const auto russian = [](const Outcome& r) {
        return r.out.starts_with("Использование: velorith-report");
    };
    const auto english = [](const Outcome& r) {
        return r.out.starts_with("Usage: velorith-report");
    };
    EXPECT_TRUE(english(Start(folder_, {"--help"})));
    EXPECT_TRUE(russian(Start(folder_, {"--help"}, {{"LANG", "ru_RU.UTF-8"}})));
    EXPECT_TRUE(russian(Start(folder_, {"-h"}, {{"LC_MESSAGES", "ru_RU.UTF-8"}, {"LANG", "C"}})));
    // LC_ALL overrides the rest, both ways; an empty one counts as unset.
    EXPECT_TRUE(english(Start(folder_, {"-h"}, {{"LC_ALL", "C.UTF-8"}, {"LANG", "ru_RU.UTF-8"}})));
    EXPECT_TRUE(russian(Start(folder_, {"-h"}, {{"LC_ALL", "ru_UA.UTF-8"}, {"LANG", "en_US"}})));
    EXPECT_TRUE(russian(Start(folder_, {"-h"}, {{"LC_ALL", ""}, {"LANG", "ru_RU.UTF-8"}})));
    const Outcome version = Start(folder_, {"-V"});
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, VELORITH_VERSION "\n");
    // Both texts name every option the other names.
    const std::string en = Start(folder_, {"-h"}).out;
    const std::string ru = Start(folder_, {"-h"}, {{"LANG", "ru_RU.UTF-8"}}).out;
    for (std::size_t at = 0; (at = en.find("--", at)) != std::string::npos;) {
        const std::size_t end = en.find_first_not_of("abcdefghijklmnopqrstuvwxyz-", at + 2);
        const std::string option = en.substr(at, end - at);
        EXPECT_NE(ru.find(option), std::string::npos) << option;
        at = end;
    }
}

TEST_F(ReportForScripts, OneDayALine) {
    const Outcome day = Report({"--date", "2025-4-20", "--format", "lines"});
    EXPECT_EQ(day.status, 0) << day.err;
    EXPECT_EQ(day.out, "2025-04-20\tПасха Господня.\t\n");  // Pascha has no fast line
    const Outcome wednesday = Report({"--date", "2025-4-23", "--format", "lines"});
    EXPECT_EQ(wednesday.out, "2025-04-23\tСреда Светлой седмицы.\tСветлая седмица. Поста нет.\n");
    // A day the data says nothing of is named by its day line; no fast shown, no third field.
    EXPECT_EQ(Report({"--date", "2025-4-22", "--format", "lines", "--no-fast"}).out,
              "2025-04-22\tВторник Светлой седмицы.\t\n");
    // The older name of the switch does the same.
    EXPECT_EQ(Report({"--date", "2025-4-23", "--format", "lines", "--no-fasting"}).out,
              "2025-04-23\tСреда Светлой седмицы.\t\n");
    const Outcome year = Report({"--report", "year", "--date", "2024-6-1", "--format", "lines"});
    EXPECT_EQ(LineCount(year.out), 366u);
    const Outcome years = Report({"--range-years", "2024-2025", "--format", "lines"});
    EXPECT_EQ(LineCount(years.out), 366u + 365u);
    EXPECT_TRUE(years.out.starts_with("2024-01-01\t"));
    // A tab or line break inside a commemoration never splits its line.
    Write("April.DAT", "[7]\n0={1}Пасха\tГосподня.\n");
    EXPECT_EQ(Report({"--date", "2025-4-20", "--format", "lines", "--no-fast"}).out,
              "2025-04-20\tПасха Господня.\t\n");
    ExpectRefused({"--report", "abbr", "--format", "lines"});
}

TEST_F(ReportForScripts, FeedsOverYearsInEveryFormatOfFacts) {
    const Outcome feasts =
        Report({"--range-years", "2025-2026", "--report", "feasts", "--format", "lines"});
    EXPECT_EQ(feasts.status, 0) << feasts.err;
    EXPECT_EQ(LineCount(feasts.out), 36u);  // Pascha, the twelve and the five, each year
    EXPECT_NE(feasts.out.find("2025-01-07\tРождество Господа"), std::string::npos);
    const Outcome ics = Report({"--range-years", "2025-2025", "--format", "ics", "--events",
                                "feasts", "--uid-domain", "parish.example"});
    EXPECT_EQ(ics.status, 0) << ics.err;
    EXPECT_NE(ics.out.find("UID:2025-04-20@parish.example\r\n"), std::string::npos);
    EXPECT_NE(ics.out.find("REFRESH-INTERVAL;VALUE=DURATION:P1D\r\n"), std::string::npos);
    std::size_t events = 0;
    for (std::size_t at = 0; (at = ics.out.find("BEGIN:VEVENT", at)) != std::string::npos; ++at)
        ++events;
    EXPECT_EQ(events, 18u);
    // A single report's file is no feed: no refresh hints.
    const Outcome one = Report({"--date", "2025-4-20", "--format", "ics"});
    EXPECT_EQ(one.out.find("REFRESH-INTERVAL"), std::string::npos);
}

TEST_F(ReportForScripts, BadFeedOptionsAreRefused) {
    ExpectRefused({"--events", "feasts"});  // text has no events
    ExpectRefused({"--events", "saints", "--format", "ics"});
    ExpectRefused({"--uid-domain", "parish.example", "--format", "json"});
    for (const std::string& domain :
         std::vector<std::string>{"", "-parish.example", "parish..example", "приход.рф",
                                  "parish.example/x", std::string(64, 'a') + ".example"})
        ExpectRefused({"--uid-domain", domain, "--format", "ics"});
    ExpectRefused({"--summary-length", "5", "--format", "ics"});
    ExpectRefused({"--summary-length", "-1", "--format", "ics"});
    ExpectRefused({"--summary-length", "60", "--format", "lines"});
    ExpectRefused({"--range-years", "2025-2026", "--format", "rtf"});
    ExpectRefused({"--range-years", "2025-2026", "--format", "json", "--report", "day"});
    ExpectRefused({"--range-years", "2025-2026", "--format", "lines", "--report", "search",
                   "--find", "Пасха"});
    ExpectRefused({"--strict=yes"});
    ExpectRefused({"-x"});
}

}  // namespace
}  // namespace velorith
