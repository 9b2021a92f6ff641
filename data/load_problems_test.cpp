// The data folder's files checked as the calendar loads them: every way a file can fail to be
// read is told apart, and a sound folder reports nothing.
#include "data/load_problems.h"

#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "data/base_files.h"
#include "data/calendar_data.h"
#include "data/file_bytes.h"
#include "data/test_folder.h"

namespace velorith {
namespace {

using testing::TempFolder;

// A folder with a file of every kind the readers meet: a sound one, a folder, a link to
// nothing, a pipe without a writer, one of 100 bytes and a link to the sound one.
struct EveryKindOfFile {
    TempFolder folder;
    std::filesystem::path good = folder.WriteBytes("January.DAT", "[1]\n0=\xCE\xE1\xF0\n");
    std::filesystem::path big = folder.WriteBytes("June.DAT", std::string(100, 'x'));
    EveryKindOfFile() {
        std::filesystem::create_directory(folder / "March.DAT");
        std::filesystem::create_symlink(folder / "nowhere.DAT", folder / "April.DAT");
        EXPECT_EQ(::mkfifo((folder / "May.DAT").c_str(), 0600), 0);
        std::filesystem::create_symlink(good, folder / "July.DAT");
    }
};

TEST(LoadProblems, EachKindOfBadFileIsToldApart) {
    const EveryKindOfFile files;
    const TempFolder& folder = files.folder;
    EXPECT_EQ(CheckDataFile(files.good, 64), std::nullopt);
    EXPECT_EQ(CheckDataFile(folder / "February28.DAT", 64), LoadProblemKind::Missing);
    EXPECT_EQ(CheckDataFile(folder / "March.DAT", 64), LoadProblemKind::NotRegularFile);
    EXPECT_EQ(CheckDataFile(folder / "April.DAT", 64), LoadProblemKind::DanglingLink);
    EXPECT_EQ(CheckDataFile(folder / "May.DAT", 64), LoadProblemKind::NotRegularFile);
    EXPECT_EQ(CheckDataFile(files.big, 64), LoadProblemKind::TooLarge);
    EXPECT_EQ(CheckDataFile(files.big, 100), std::nullopt);           // the limit itself is allowed
    EXPECT_EQ(CheckDataFile(folder / "July.DAT", 64), std::nullopt);  // a link to a sound file

    if (::geteuid() != 0) {  // root reads any file
        std::filesystem::permissions(files.good, std::filesystem::perms::none);
        EXPECT_EQ(CheckDataFile(files.good, 64), LoadProblemKind::Unreadable);
    }
}

// The reader itself asks what it opened: a pipe, a folder, a link to nothing or a file over the
// limit reads as nothing, at once, and a sound file or a link to one reads whole.
TEST(LoadProblems, TheReaderTakesOnlyWhatItCanReadWhole) {
    const EveryKindOfFile files;
    const TempFolder& folder = files.folder;
    EXPECT_EQ(ReadFileBytes(files.good, 64), std::optional<std::string>("[1]\n0=\xCE\xE1\xF0\n"));
    EXPECT_EQ(ReadFileBytes(folder / "July.DAT", 64), ReadFileBytes(files.good, 64));
    EXPECT_EQ(ReadFileBytes(folder / "February28.DAT", 64), std::nullopt);
    EXPECT_EQ(ReadFileBytes(folder / "March.DAT", 64), std::nullopt);
    EXPECT_EQ(ReadFileBytes(folder / "April.DAT", 64), std::nullopt);
    EXPECT_EQ(ReadFileBytes(folder / "May.DAT", 64), std::nullopt);  // no writer: must not wait
    EXPECT_EQ(ReadFileBytes(files.big, 99), std::nullopt);
    EXPECT_EQ(ReadFileBytes(files.big, 100)->size(), 100u);
    EXPECT_EQ(ReadFileBytes(folder.WriteBytes("empty.DAT", ""), 64),
              std::optional<std::string>(""));
}

TEST(LoadProblems, TheCalendarDataReportsItsFolder) {
    TempFolder folder;
    CalendarData empty(folder.path() / "none");
    empty.LoadTables();
    EXPECT_TRUE(empty.LoadReport().NoData());
    EXPECT_EQ(empty.LoadReport().Problems.size(), kBaseFileCount + 1u);  // with Readings.DAT

    for (const std::string_view name : kBaseFileNames)
        folder.Write(name, "");
    folder.Write(std::string(kReadingsFileName), "");
    CalendarData whole(folder.path());
    whole.LoadTables();
    EXPECT_FALSE(whole.LoadReport().NoData());
    EXPECT_TRUE(whole.LoadReport().Problems.empty());

    std::filesystem::remove(folder / "Special.DAT");
    std::filesystem::create_directory(folder / "Special.DAT");
    CalendarData broken(folder.path());
    broken.LoadTables();
    ASSERT_EQ(broken.LoadReport().Problems.size(), 1u);
    EXPECT_EQ(broken.LoadReport().Problems[0].File, folder / "Special.DAT");
    EXPECT_EQ(broken.LoadReport().Problems[0].Kind, LoadProblemKind::NotRegularFile);
    EXPECT_EQ(broken.LoadReport().FilesPresent, kBaseFileCount + 1);
}

}  // namespace
}  // namespace velorith
