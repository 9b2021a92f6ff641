// velorith-report end to end: the built program run on fixture data folders.
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "data/test_folder.h"
#include "data/text_encoding.h"

extern char** environ;

namespace velorith {
namespace {

using testing::TempFolder;

struct Result {
    int status = -1;
    std::string out;
    std::string err;
};

std::string ReadFile(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Runs the program with its output going to files, so that nothing can block on a pipe.
Result RunProgram(const TempFolder& scratch, std::vector<std::string> args) {
    const auto out = scratch / "stdout.txt";
    const auto err = scratch / "stderr.txt";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    args.insert(args.begin(), VELORITH_REPORT_EXE);
    std::vector<char*> argv;
    for (auto& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    Result r;
    if (posix_spawn(&pid, VELORITH_REPORT_EXE, &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    r.out = ReadFile(out);
    r.err = ReadFile(err);
    return r;
}

class VelorithReport : public ::testing::Test {
  protected:
    void SetUp() override {
        data_ = folder_.path() / "Calendar";
        std::filesystem::create_directories(data_);
        Write("April.DAT", "[7]\n0={1}Пасха Господня.\n1=Мч. Калиопия.\n[8]\n1=Свт. Георгия.\n");
        Write("Weekdays.DAT", "[1]\ndays=0\nred=1\n0=Светлое Христово Воскресение.\n");
        std::ofstream(data_ / "Abbr.DAT", std::ios::binary)
            << "{\\rtf1\\ansi \xC0\xE1\xE1\xF0.\\par}";
    }
    void Write(std::string_view name, std::string_view utf8) {
        std::ofstream(data_ / name, std::ios::binary) << Utf8ToCp1251(utf8).value();
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
    ExpectRefused({"--data", (folder_ / "missing").string()});
    // A date that exists in one reckoning only.
    EXPECT_EQ(Report({"--style", "world", "--date", "7532-6-29"}).status, 0);
    EXPECT_EQ(Report({"--style", "gregorian", "--date", "2000-2-29"}).status, 0);
    // The edges of the working range in the World reckoning.
    EXPECT_EQ(Report({"--style", "world", "--date", "7409-1-1"}).status, 0);
    EXPECT_EQ(Report({"--style", "world", "--date", "7608-12-31"}).status, 0);
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

TEST_F(VelorithReport, DefaultDataFolderBesideTheProgram) {
    // Without --data the program reads Calendar/ beside it; a folder elsewhere is not read, and
    // the report is still made.
    const Result r = RunProgram(folder_, {"--date", "2025-4-20"});
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("20 апреля 2025 года"), std::string::npos);
}

}  // namespace
}  // namespace velorith
