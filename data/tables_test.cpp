#include "data/tables.h"

#include <gtest/gtest.h>

#include "data/test_folder.h"

namespace velorith {
namespace {

using testing::TempFolder;

TEST(LoadTables, StopAtTheFirstMissingOrEmptySection) {
    TempFolder dir;
    const auto gap = dir.Write("gap.DAT", "[1]\ndays=1\n[2]\ndays=2\n[4]\ndays=4\n");
    EXPECT_EQ(LoadRelocatable(gap).Count(), 2);

    const auto noFirst = dir.Write("nofirst.DAT", "[2]\ndays=2\n[3]\ndays=3\n");
    EXPECT_EQ(LoadRelocatable(noFirst).Count(), 0);

    const auto empty = dir.Write("empty.DAT", "[1]\ndays=1\n[2]\n\n[3]\ndays=3\n");
    EXPECT_EQ(LoadRelocatable(empty).Count(), 1);

    EXPECT_EQ(LoadRelocatable(dir / "absent.DAT").Count(), 0);
    EXPECT_EQ(LoadSpecial(dir.Write("blank.DAT", "")).Count(), 0);

    // A section of lines without keys still is an entry: it has lines.
    const auto keyless = dir.Write("keyless.DAT", "[1]\n; a note\n[2]\ndays=5\n");
    const auto table = LoadRelocatable(keyless);
    ASSERT_EQ(table.Count(), 2);
    EXPECT_EQ(table[1].Days, 0);
    EXPECT_EQ(table[2].Days, 5);
}

TEST(LoadTables, RedIsSetByANonEmptyValueOfTheLastRedLine) {
    TempFolder dir;
    const auto file =
        dir.Write("r.DAT", "[1]\nred=\n[2]\nRed=1\n[3]\nRED = x\n[4]\nred=1\nred=\n[5]\n0=t\n");
    const auto table = LoadSpecial(file);
    ASSERT_EQ(table.Count(), 5);
    EXPECT_FALSE(table[1].Red);
    EXPECT_TRUE(table[2].Red);
    EXPECT_TRUE(table[3].Red);
    EXPECT_FALSE(table[4].Red);
    EXPECT_FALSE(table[5].Red);
}

TEST(LoadTables, TextKeysAddLinesInFileOrder) {
    TempFolder dir;
    const auto file = dir.Write("t.DAT",
                                "[1]\n"
                                "0 = {1}  Пасха.\n"
                                "11=Первая.\n"
                                "0=Второй.\n"
                                "11={3}Вторая.\n"
                                "19=a\n21=b\n29=c\n31=d\n39=e\n"
                                "4={1} Примечание.\n"
                                "days=x\n"
                                "unknown=z\n"
                                "no equals\n");
    const auto table = LoadRelocatable(file);
    ASSERT_EQ(table.Count(), 1);
    const auto& e = table[1];
    EXPECT_EQ(LinesRtf(e.Text0), "\\f1 (+)\\f0  Пасха.\\par\r\n\\f1  · \\f0  Второй.\\par\r\n");
    EXPECT_EQ(LinesRtf(e.Text11), "\\f1  · \\f0  Первая.\\par\r\n\\f1  + \\f0  Вторая.\\par\r\n");
    EXPECT_EQ(LinesRtf(e.Text19), "\\f1  · \\f0  a\\par\r\n");
    EXPECT_EQ(LinesRtf(e.Text21), "\\f1  · \\f0  b\\par\r\n");
    EXPECT_EQ(LinesRtf(e.Text29), "\\f1  · \\f0  c\\par\r\n");
    EXPECT_EQ(LinesRtf(e.Text31), "\\f1  · \\f0  d\\par\r\n");
    EXPECT_EQ(LinesRtf(e.Text39), "\\f1  · \\f0  e\\par\r\n");
    EXPECT_EQ(LinesRtf(e.Text4), "\\f1    \\f0  {1} Примечание.\\par\r\n");
    EXPECT_EQ(e.Days, 0);
}

TEST(LoadTables, NumberKeysReadLenientlyAndTheLastOneCounts) {
    TempFolder dir;
    const auto reloc = LoadRelocatable(
        dir.Write("r.DAT", "[1]\ndays=2.5\n[2]\ndays=3.5\n[3]\ndays=-7\ndays=-8\n"));
    ASSERT_EQ(reloc.Count(), 3);
    EXPECT_EQ(reloc[1].Days, 2);
    EXPECT_EQ(reloc[2].Days, 4);
    EXPECT_EQ(reloc[3].Days, -8);

    const auto r1 =
        LoadRelocatable1(dir.Write("r1.DAT", "[1]\nDay=25\nMONTH=12\nweekday=-7\n11=x\n"));
    ASSERT_EQ(r1.Count(), 1);
    EXPECT_EQ(r1[1].Day, 25);
    EXPECT_EQ(r1[1].Month, 12);
    EXPECT_EQ(r1[1].Weekday, -7);
    EXPECT_EQ(LinesRtf(r1[1].Text11), "\\f1  · \\f0  x\\par\r\n");

    const auto w1 = LoadWeekdays1(dir.Write("w1.DAT", "[1]\nday=2\nmonth=2\nweekday=6\n0=Title\n"));
    ASSERT_EQ(w1.Count(), 1);
    EXPECT_EQ(w1[1].Day, 2);
    EXPECT_EQ(w1[1].Month, 2);
    EXPECT_EQ(w1[1].Weekday, 6);
    EXPECT_EQ(w1[1].Title, "Title");
}

TEST(LoadTables, TitlesAreBareAndTheLastZeroLineWins) {
    TempFolder dir;
    const auto file =
        dir.Write("w.DAT", "[1]\n0=Первое\n0=, продолжение\ndays=-49\n[2]\n0={1} Знак\n");
    const auto weekdays = LoadWeekdays(file);
    ASSERT_EQ(weekdays.Count(), 2);
    EXPECT_EQ(weekdays[1].Title, ", продолжение");
    EXPECT_EQ(weekdays[1].Days, -49);
    EXPECT_EQ(weekdays[2].Title, "{1} Знак");

    const auto special = LoadSpecWeekDays(file);
    ASSERT_EQ(special.Count(), 2);
    EXPECT_EQ(special[1].Title, ", продолжение");
}

}  // namespace
}  // namespace velorith
