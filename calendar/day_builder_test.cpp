#include "calendar/day_builder.h"

#include <gtest/gtest.h>

#include <string>

#include "data/rtf_reader.h"
#include "reckoning/test_dates.h"
#include "reports/day_phrases.h"
#include "reports/golden_fixture.h"
#include "reports/report_fixture.h"

namespace velorith {
namespace {

using testing::TempFolder;

class DayModelTest : public ::testing::Test {
  protected:
    void SetUp() override { testing::WriteGoldenDataSet(folder_); }
    TempFolder folder_;
};

// For every day of two years in each reckoning, the day's facts are what its day report shows:
// the day line, every entry with its sign column, in order, and the colour.
TEST_F(DayModelTest, DayInfoAgreesWithTheDayReportOnEveryDay) {
    for (const Reckoning cal : kReckonings) {
        const CalendarDate start = DateOfDay(cal, DayNumber(kJulian, 1, 1, 2024));
        auto calendar = testing::CalendarOn(folder_, cal, start.Year, start.Month, start.Day);
        const DayNum first = calendar->State().CurDay;
        for (DayNum d = first; d < first + 731; ++d) {
            const CalendarDate date = DateOfDay(cal, d);
            calendar->SelectDate(cal, date.Year, date.Month, date.Day);
            const DayInfo info = calendar->DayAt(d);
            const std::string rtf = calendar->Render(ReportKind::Day);
            const std::string text = RtfToPlainText(rtf);
            SCOPED_TRACE(std::to_string(cal) + " " + std::to_string(d));
            ASSERT_EQ(info.Dates.In(cal), date);
            ASSERT_NE(text.find(DayLineText(info, false, "    ") + "\n"), std::string::npos)
                << text;
            std::size_t at = 0;
            for (const DayEntry& e : info.Entries) {
                const std::string line =
                    std::string(PlainLinePrefix(e.Sign, e.Group == 4)) + e.Text.str() + "\n";
                at = text.find(line, at);
                ASSERT_NE(at, std::string::npos) << line << " in\n" << text;
            }
            ASSERT_EQ(info.Red(), rtf.find("\\cf2 ") != std::string::npos);
        }
    }
}

TEST_F(DayModelTest, PaschaHeadsItsDayAndNamesWhyItIsRed) {
    auto calendar = testing::CalendarOn(folder_, kJulian, 2025, 4, 7);
    const DayInfo info = calendar->DayAt(JulianPascha(2025));
    ASSERT_FALSE(info.Entries.empty());
    EXPECT_EQ(info.Entries.front().Source, EntrySource::Relocatable);
    EXPECT_EQ(info.Entries.front().Sign, Rank::GreatFeast);
    EXPECT_EQ(PrincipalOf(info), "СВЕТЛОЕ ХРИСТОВО ВОСКРЕСЕНИЕ.");
    EXPECT_EQ(info.HighestRank(), Rank::GreatFeast);
    EXPECT_TRUE(info.RedWhy.Sunday);
    EXPECT_TRUE(info.RedWhy.Entry);
    EXPECT_EQ(info.Tone, 0);
    // The day's entries wrap the month file's lines of each group.
    std::string group1;
    for (const DayEntry& e : info.Entries)
        if (e.Group == 1) group1 += e.Text.str() + "|";
    EXPECT_EQ(group1, "Перед.|Мч. Калиопия.|После.|");
}

// The readings are built only behind their switch; when on, the day report closes the day with
// them and the saint's readings follow the day's at the saint's rank ("{3}" on 9 May).
TEST_F(DayModelTest, ReadingsAreFilledOnlyWhenSwitchedOn) {
    folder_.Write("Readings.DAT",
                  "[Movable]\n0.a=Деян. 1:1-8\n0.g=Ин. 1:1-17\n0.order=feast\n"
                  "[Fixed]\n9.5.a=Евр. 13:17-21\n9.5.g=Лк. 6:17-23\n");
    auto calendar = testing::CalendarOn(folder_, kJulian, 2025, 4, 7);
    EXPECT_FALSE(calendar->DayAt(JulianPascha(2025)).Readings.has_value());
    const std::string without = RtfToPlainText(calendar->Render(ReportKind::Day));

    calendar->Settings().ShowReadings = true;
    calendar->ResetReports();
    const DayInfo pascha = calendar->DayAt(JulianPascha(2025));
    ASSERT_TRUE(pascha.Readings.has_value());
    ASSERT_EQ(pascha.Readings->Services.size(), 1u);
    EXPECT_EQ(ServiceLineText(pascha.Readings->Services[0]),
              "Лит.: Ап. Деян. 1:1-8. Ев. Ин. 1:1-17.");
    const std::string with = RtfToPlainText(calendar->Render(ReportKind::Day));
    EXPECT_EQ(with, without + "\n    Лит.: Ап. Деян. 1:1-8. Ев. Ин. 1:1-17.\n");

    const DayInfo nicholas = calendar->DayAt(DayNumber(kJulian, 9, 5, 2025));
    ASSERT_TRUE(nicholas.Readings.has_value());
    ASSERT_FALSE(nicholas.Readings->Services.empty());
    EXPECT_TRUE(ServiceLineText(nicholas.Readings->Services.back()).ends_with("Ев. Лк. 6:17-23."));
}

// A day by itself has its own year's context whatever the reckoning it is shown in.
TEST_F(DayModelTest, ADayByItselfHasItsOwnYearsContext) {
    DateState s;
    s.SetRange(1901, 2100);
    for (int cal = kWorld; cal <= kGregorian; ++cal) {
        for (const DayNum d : {DayNumber(kJulian, 30, 12, 2024), DayNumber(kJulian, 1, 9, 2025),
                               DayNumber(kGregorian, 1, 1, 2025), JulianPascha(2030)}) {
            const CalendarDate date = DateOfDay(cal, d);
            s.CurCal = static_cast<std::int16_t>(cal);
            testing::SelectDate(s, cal, date.Year, date.Month, date.Day);
            const DayContext c = DayContextOf(d, cal);
            EXPECT_EQ(c.Week, s.Cur().Week) << cal << " " << d;
            EXPECT_EQ(c.Pascha, s.PaschaInfo) << cal << " " << d;
        }
    }
}

// A movable great feast heads its day, before the saints of the date; another movable entry
// follows them, as every day's do.
TEST(DayModel, AMovableGreatFeastHeadsItsDay) {
    TempFolder folder;
    folder.Write("March.DAT", "[31]\n0={3}Свт. Ионы.\n[30]\n0=Прп. Иоанна Лествичника.\n");
    folder.Write("Relocatable.DAT",
                 "[1]\ndays=-7\nred=1\n0={1}Вход Господень в Иерусалим.\n"
                 "[2]\ndays=-8\n0=Воскрешение прав. Лазаря.\n");
    auto calendar = testing::CalendarOn(folder, kJulian, 2025, 3, 31);
    const DayInfo palm = calendar->DayAt(DayNumber(kJulian, 31, 3, 2025));
    ASSERT_EQ(palm.Entries.size(), 2u);
    EXPECT_EQ(palm.Entries[0].Text, "Вход Господень в Иерусалим.");
    EXPECT_EQ(palm.Entries[1].Text, "Свт. Ионы.");
    const DayInfo lazarus = calendar->DayAt(DayNumber(kJulian, 30, 3, 2025));
    ASSERT_EQ(lazarus.Entries.size(), 2u);
    EXPECT_EQ(lazarus.Entries[0].Text, "Прп. Иоанна Лествичника.");
    const std::string report = calendar->Render(ReportKind::Day);
    EXPECT_LT(report.find("Вход Господень"), report.find("Свт. Ионы"));
}

TEST(PlainTextOf, MarkupIsDroppedAndPlainValuesPassThrough) {
    EXPECT_EQ(PlainTextOf("Мч. Феодота."), "Мч. Феодота.");
    EXPECT_EQ(PlainTextOf("Мч. {\\b Феодота}."), "Мч. Феодота.");
    EXPECT_EQ(PlainTextOf("a\\'e0b"), "aаb");
}

}  // namespace
}  // namespace velorith
