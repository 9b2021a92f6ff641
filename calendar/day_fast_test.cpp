// The fast in the day model and the reports: built only behind its switch, from the rank the
// day's data gives, and printed as each day's last line in the style of the notes.
#include <gtest/gtest.h>

#include <string>

#include "calendar/day_builder.h"
#include "calendar/fast_text_test.h"
#include "calendar/fasting.h"
#include "data/rtf_reader.h"
#include "reports/golden_fixture.h"
#include "reports/report_fixture.h"

namespace velorith {
namespace {

using testing::Fast;
using testing::FastText;
using testing::Texts;

using testing::TempFolder;

class DayFastTest : public ::testing::Test {
  protected:
    void SetUp() override { testing::WriteGoldenDataSet(folder_); }

    // The first year from 2020 whose Julian day/month falls on weekday `wd`.
    static int YearWith(int day, int month, int wd) {
        for (int y = 2020;; ++y)
            if (WeekDayOf(DayNumber(kJulian, day, month, y)) == wd) return y;
    }

    TempFolder folder_;
};

int Count(const std::string& text, const std::string& part) {
    int n = 0;
    for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1))
        ++n;
    return n;
}

TEST_F(DayFastTest, FilledOnlyWhenSwitchedOnAndEasedByTheDataRank) {
    // St Demetrius ("{3}" on 26 October) on a Wednesday: fish instead of dry eating.
    const int y = YearWith(26, 10, 3);
    auto calendar = testing::CalendarOn(folder_, kJulian, y, 10, 26);
    const DayNum feast = DayNumber(kJulian, 26, 10, y);
    EXPECT_FALSE(calendar->DayAt(feast).Fast.has_value());

    calendar->Settings().ShowFasting = true;
    calendar->ResetReports();
    const DayInfo info = calendar->DayAt(feast);
    ASSERT_TRUE(info.Fast.has_value());
    EXPECT_EQ(Texts(*info.Fast).Line,
              "Постный день, память святого с полиелеем. Разрешается рыба.");
    ASSERT_TRUE(calendar->DayAt(feast - 7).Fast.has_value());
    EXPECT_EQ(Texts(*calendar->DayAt(feast - 7).Fast).Line, "Постный день. Сухоядение.");
    // A plain day has a fast with no line.
    EXPECT_EQ(calendar->DayAt(feast + 1).Fast->Level, FastLevel::None);
}

TEST_F(DayFastTest, TheDayReportEndsWithTheFastLineInTheNotesStyle) {
    // 1 January: a note of group 4 in the data; Christmastide on a Wednesday or Friday.
    const int y = YearWith(1, 1, 3);
    auto calendar = testing::CalendarOn(folder_, kJulian, y, 1, 1);
    const std::string without = calendar->Render(ReportKind::Day);
    calendar->Settings().ShowFasting = true;
    calendar->ResetReports();
    const std::string with = calendar->Render(ReportKind::Day);

    const std::string plainWithout = RtfToPlainText(without);
    const std::string plainWith = RtfToPlainText(with);
    EXPECT_EQ(plainWith, plainWithout + "\n    Святки. Поста нет.\n");
    // The same indent as the data's note of the day.
    const std::string note = "\\f1    \\f0  ";
    EXPECT_NE(with.find(note + "Заметка о службе."), std::string::npos) << with;
    EXPECT_NE(with.find(note + "Святки. Поста нет.\\par\r\n"), std::string::npos) << with;

    calendar->Settings().ShowFasting = false;
    calendar->ResetReports();
    EXPECT_EQ(calendar->Render(ReportKind::Day), without);
}

TEST_F(DayFastTest, EveryDayOfTheWeekMonthAndYearReportsHasItsLine) {
    auto calendar = testing::CalendarOn(folder_, kJulian, 2025, 8, 10);
    const std::string weekOff = calendar->Render(ReportKind::Week);
    const std::string monthOff = calendar->Render(ReportKind::Month);
    EXPECT_EQ(Count(RtfToPlainText(monthOff), "Успенский пост"), 0);

    calendar->Settings().ShowFasting = true;
    calendar->ResetReports();
    // The week of 4 to 10 August 2025 (Julian), all in the Dormition fast: a line each.
    const std::string week = RtfToPlainText(calendar->Render(ReportKind::Week));
    EXPECT_EQ(Count(week, "    Успенский пост"), 7) << week;
    EXPECT_NE(week.find("\n    Успенский пост, Преображение Господне. Разрешается рыба.\n"),
              std::string::npos)
        << week;

    // August: the fourteen days of the fast, then the Wednesdays and Fridays after it.
    const std::string month = RtfToPlainText(calendar->Render(ReportKind::Month));
    EXPECT_EQ(Count(month, "Успенский пост"), 14) << month;
    int fastDays = 0;
    for (int d = 1; d <= 31; ++d)
        if (!Fast(DayNumber(kJulian, d, 8, 2025), Rank::None).Line.empty()) ++fastDays;
    EXPECT_EQ(
        Count(month, "Постный день") + Count(month, "Успенский пост") + Count(month, "Усекновение"),
        fastDays);

    // The year: the dry Wednesdays and Fridays, and the feast that eases the Apostles' fast
    // (24 June 2025 is a Monday: fish instead of hot food without oil).
    const std::string year = RtfToPlainText(calendar->Render(ReportKind::Year));
    EXPECT_GE(Count(year, "Сухоядение."), 80);
    EXPECT_EQ(Count(year, "Петров пост, Рождество Иоанна Предтечи. Разрешается рыба."), 1);

    calendar->Settings().ShowFasting = false;
    calendar->ResetReports();
    EXPECT_EQ(calendar->Render(ReportKind::Week), weekOff);
    EXPECT_EQ(calendar->Render(ReportKind::Month), monthOff);
}

}  // namespace
}  // namespace velorith
