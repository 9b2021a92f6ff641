#include "data/calendar_data.h"

#include <gtest/gtest.h>

#include <chrono>

#include "data/test_folder.h"
#include "reckoning/test_dates.h"

namespace velorith {
namespace {

using testing::SelectDate;
using testing::TempFolder;

TEST(DataFileCache, ParsesOnceAndAgainWhenTheFileChanges) {
    TempFolder dir;
    const auto file = dir.Write("a.DAT", "[1]\n0=one\n");
    DataFileCache cache;
    for (int i = 0; i < 366; ++i)
        ASSERT_EQ(cache.Get(file).Section(1).size(), 1u);
    EXPECT_EQ(cache.ParseCount(), 1u);

    // Within a round of look-ups the file is not asked again; the next round sees the change.
    dir.Write("a.DAT", "[1]\n0=one\n0=two\n");  // another size
    EXPECT_EQ(cache.Get(file).Section(1).size(), 1u);
    cache.Revalidate();
    EXPECT_EQ(cache.Get(file).Section(1).size(), 2u);
    EXPECT_EQ(cache.ParseCount(), 2u);

    // The same size, another modification time.
    dir.Write("a.DAT", "[1]\n0=one\n0=TWO\n");
    const auto t = std::filesystem::last_write_time(file);
    std::filesystem::last_write_time(file, t + std::chrono::seconds(5));
    cache.Revalidate();
    EXPECT_EQ(cache.Get(file).Section(1).back(), "0=TWO");

    std::filesystem::remove(file);
    cache.Revalidate();
    EXPECT_TRUE(cache.Get(file).Section(1).empty());
    dir.Write("a.DAT", "[1]\n0=back\n");
    cache.Revalidate();
    EXPECT_EQ(cache.Get(file).Section(1).front(), "0=back");
}

TEST(DataFileCache, KeepsAtMostItsCapacity) {
    TempFolder dir;
    DataFileCache cache(2);
    const auto a = dir.Write("a", "[1]\n0=a\n");
    const auto b = dir.Write("b", "[1]\n0=b\n");
    const auto c = dir.Write("c", "[1]\n0=c\n");
    cache.Get(a);
    cache.Get(b);
    cache.Get(c);
    EXPECT_EQ(cache.Get(c).Section(1).front(), "0=c");
    EXPECT_EQ(cache.ParseCount(), 3u);
    EXPECT_EQ(cache.Get(a).Section(1).front(), "0=a");  // evicted, parsed again
    EXPECT_EQ(cache.ParseCount(), 4u);

    // A smaller cache gives back the files used longest ago at once; a caller still holding one
    // reads it whole.
    const auto held = cache.Share(c);
    cache.Get(a);
    cache.SetCapacity(1);
    EXPECT_EQ(held->Section(1).front(), "0=c");
    EXPECT_EQ(cache.Get(a).Section(1).front(), "0=a");
    EXPECT_EQ(cache.ParseCount(), 4u);
    EXPECT_EQ(cache.Get(c).Section(1).front(), "0=c");  // given back, parsed again
    EXPECT_EQ(cache.ParseCount(), 5u);
}

TEST(CalendarData, MonthDayGroupsAndRedMarks) {
    TempFolder dir;
    dir.Write("March.DAT",
              "[1]\nred=\n0={1} Праздник.\n1=Мч. Вонифатия.\n4=Пост.\n[2]\nRed=1\n"
              "3={3} Икона.\n2=a\n2=b\n[3]\nred=2\n");
    CalendarData data(dir.path());
    const MonthDayTexts one = data.MonthDay(1, 3, 365);
    EXPECT_TRUE(one.anyRedKey);
    EXPECT_FALSE(one.gridRed);
    EXPECT_EQ(LinesRtf(one.groups[0]), "\\f1 (+)\\f0  Праздник.\\par\r\n");
    EXPECT_EQ(LinesRtf(one.groups[1]), "\\f1  · \\f0  Мч. Вонифатия.\\par\r\n");
    EXPECT_EQ(LinesRtf(one.groups[4]), "\\f1    \\f0  Пост.\\par\r\n");
    const MonthDayTexts two = data.MonthDay(2, 3, 365);
    EXPECT_TRUE(two.anyRedKey);
    EXPECT_TRUE(two.gridRed);
    EXPECT_EQ(LinesRtf(two.groups[2]), "\\f1  · \\f0  a\\par\r\n\\f1  · \\f0  b\\par\r\n");
    EXPECT_EQ(LinesRtf(two.groups[3]), "\\f1  + \\f0  Икона.\\par\r\n");
    EXPECT_FALSE(data.MonthDay(3, 3, 365).gridRed);
    EXPECT_EQ(data.MonthKey(2, 3, 365, "RED"), "1");
    EXPECT_TRUE(data.MonthSection(1, 13, 365).empty());
    EXPECT_TRUE(data.MonthSection(4, 3, 365).empty());
}

// Told to keep three month files' days, the data keeps those asked last: a day's neighbours in
// another month do not take its own away, and a month walked past is given back and read
// again, the same, when it is asked for once more.
TEST(CalendarData, KeepsTheMonthsAskedLastAndReadsAPassedOneAgain) {
    TempFolder dir;
    const char* const names[] = {"January.DAT", "March.DAT", "April.DAT", "May.DAT", "June.DAT"};
    for (const char* name : names)
        dir.Write(name, std::string("[1]\n0=") + name + "\n1=Мч.\n4=Пост.\n");
    CalendarData data(dir.path());
    data.KeepParsedDaysOf(3);
    const auto text = [](const MonthDayTexts& day) { return LinesRtf(day.groups[0]); };

    const MonthDayTexts& march = data.MonthDay(1, 3, 365);
    const TextLine* const marchLine = &march.groups[0].front();
    EXPECT_EQ(text(data.MonthDay(1, 4, 365)), "\\f1  · \\f0  April.DAT\\par\r\n");
    EXPECT_EQ(text(data.MonthDay(1, 1, 365)), "\\f1  · \\f0  January.DAT\\par\r\n");
    // Three months asked: the first one's day is still the same object.
    EXPECT_EQ(&data.MonthDay(1, 3, 365).groups[0].front(), marchLine);
    EXPECT_EQ(march.groups[0].front().Value(), "March.DAT");

    // A line taken from a day (as a day's model takes it) points into its file's text, and
    // keeps that text whole after the month and its file are given back and others read.
    const TextLine kept = march.groups[0].front();
    const TextLine keptNote = march.groups[4].front();
    for (int month : {5, 6, 4, 5, 6})  // March falls out of the three kept
        EXPECT_EQ(data.MonthDay(1, month, 365).groups[4].size(), 1u);
    EXPECT_EQ(kept.Value(), "March.DAT");
    EXPECT_EQ(keptNote.Value(), "Пост.");
    const MonthDayTexts& again = data.MonthDay(1, 3, 365);
    EXPECT_EQ(text(again), "\\f1  · \\f0  March.DAT\\par\r\n");
    EXPECT_EQ(again.groups[1].size(), 1u);
    EXPECT_EQ(again.groups[4].size(), 1u);
}

TEST(CalendarData, MissingFolderGivesEmptyTablesAndNoRedDays) {
    TempFolder dir;
    CalendarData data(dir / "absent");
    data.LoadTables();
    EXPECT_EQ(data.tables.Relocatable.Count(), 0);
    EXPECT_EQ(data.tables.Special.Count(), 0);
    DateState state;
    state.SetRange(1901, 2100);
    SelectDate(state, kGregorian, 2025, 1, 7);
    data.SetYearDates(state);
    data.SetRedDays(state);
    ASSERT_EQ(data.RedDays.size(), 32u);
    for (bool red : data.RedDays)
        EXPECT_FALSE(red);
    EXPECT_EQ(data.BaseFiles[19], dir / "absent" / "Abbr.DAT");
}

class RedDaysTest : public ::testing::Test {
  protected:
    RedDaysTest() {
        dir.Write("January.DAT", "[7]\nRed=1\n[8]\nred=\n[14]\nRed=1\n");
        dir.Write("February28.DAT", "[2]\nRed=1\n");
        dir.Write("February29.DAT", "[29]\nRed=1\n");
        dir.Write("September.DAT", "[8]\nRed=1\n");
        dir.Write("December.DAT", "[25]\nRed=1\n[26]\nRed=0\n");
        // The first Sunday after the Nativity, red; its PrevDate lies in Julian December.
        dir.Write("Relocatable1.DAT", "[1]\nday=25\nmonth=12\nweekday=7\nred=1\n");
        dir.Write("Relocatable.DAT", "[1]\ndays=0\nred=1\n[2]\ndays=1\n");
        state.SetRange(1901, 2100);
        data.LoadTables();
    }

    std::vector<int> RedList() const {
        std::vector<int> days;
        for (std::size_t k = 1; k < data.RedDays.size(); ++k)
            if (data.RedDays[k]) days.push_back(static_cast<int>(k));
        return days;
    }

    void Select(int k, int y, int m, int d) {
        SelectDate(state, k, y, m, d);
        data.SetYearDates(state);
        data.SetRedDays(state);
    }

    TempFolder dir;
    CalendarData data{dir.path()};
    DateState state;
};

TEST_F(RedDaysTest, JulianMonthsReadTheirOwnFile) {
    Select(kJulian, 2025, 1, 1);
    EXPECT_EQ(RedList(), (std::vector<int>{7, 14}));
    Select(kJulian, 2025, 2, 1);
    EXPECT_EQ(RedList(), std::vector<int>{2});
    EXPECT_EQ(data.RedDays.size(), 29u);
    Select(kJulian, 2024, 2, 1);
    EXPECT_EQ(RedList(), std::vector<int>{29});
    Select(kJulian, 2025, 4, 1);  // Pascha, Julian 7 April 2025, from the table
    EXPECT_EQ(RedList(), std::vector<int>{7});
}

TEST_F(RedDaysTest, WorldMonthsCountFromSeptember) {
    Select(kWorld, 7533, 1, 1);  // September of Julian 2024
    EXPECT_EQ(RedList(), std::vector<int>{8});
    Select(kWorld, 7533, 6, 1);  // February of Julian 2025
    EXPECT_EQ(RedList(), std::vector<int>{2});
    Select(kWorld, 7532, 6, 1);  // February of Julian 2024, a leap year
    EXPECT_EQ(RedList(), std::vector<int>{29});
    Select(kWorld, 7533, 4, 1);  // December of Julian 2024: the red Sunday lies in the year before
    EXPECT_EQ(RedList(), (std::vector<int>{25, 30}));
}

TEST_F(RedDaysTest, GregorianJanuaryWalksTwoJulianMonthsAndMarksThePrevDate) {
    Select(kGregorian, 2025, 1, 20);
    const DateState before = state;
    data.SetRedDays(state);
    // Julian 25 December 2024 = 7 January; Julian 30 December 2024, the Sunday after the
    // Nativity, = 12 January; Julian 1 January 2025 = 14 January, so Julian 7 = 20 January.
    EXPECT_EQ(RedList(), (std::vector<int>{7, 12, 20, 27}));
    EXPECT_EQ(state.CurDay, before.CurDay);
    EXPECT_EQ(state.Dates, before.Dates);
    EXPECT_EQ(state.PaschaInfo, before.PaschaInfo);
}

// The attached state's red days are marked when asked for after its month changed, and only
// then: a program that shows no grid never pays for them.
TEST_F(RedDaysTest, AttachedDataMarksEachNewMonthWhenAsked) {
    data.Attach(state);
    SelectDate(state, kJulian, 2025, 1, 1);
    EXPECT_TRUE(data.RedDays.empty());
    data.AttachedRedDays();
    EXPECT_EQ(RedList(), (std::vector<int>{7, 14}));
    SelectDate(state, kJulian, 2025, 9, 1);
    EXPECT_EQ(RedList(), (std::vector<int>{7, 14}));  // not asked yet
    EXPECT_EQ(data.AttachedRedDays().size(), 31u);
    EXPECT_EQ(RedList(), std::vector<int>{8});
}

}  // namespace
}  // namespace velorith
