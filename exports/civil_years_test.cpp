// The civil years of a feed, taken from a calendar on a data folder the test writes.
#include "exports/civil_years.h"

#include <gtest/gtest.h>

#include "data/test_folder.h"

namespace velorith::exports {
namespace {

class CivilYears : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_.Write("December.DAT", "[25]\n0={1}Рождество Христово.\n");
        calendar_.State().SetRange(1901, 2100);
        calendar_.SelectDate(kJulian, 2025, 4, 7);
    }
    velorith::testing::TempFolder folder_;
    Calendar calendar_{folder_.path()};
};

TEST_F(CivilYears, EveryDayOfEachYearOnce) {
    const auto years = CivilYearFrames(calendar_, 2024, 2025);
    ASSERT_EQ(years.size(), 2u);
    EXPECT_EQ(years[0].Days.size(), 366u);
    EXPECT_EQ(years[1].Days.size(), 365u);
    EXPECT_EQ(years[0].Days.front().Day, DayNumber(kGregorian, 1, 1, 2024));
    EXPECT_EQ(years[1].Days.back().Day, DayNumber(kGregorian, 31, 12, 2025));
    for (const ReportFrame& year : years) {
        for (std::size_t i = 1; i < year.Days.size(); ++i)
            ASSERT_EQ(year.Days[i].Day, year.Days[i - 1].Day + 1);
    }
    // The Julian Nativity, 25 December old style, is 7 January of the civil year.
    EXPECT_EQ(years[1].Days[6].Entries.at(0).Text, "Рождество Христово.");
}

TEST_F(CivilYears, SelectionStaysAsItWas) {
    // Each reckoning, the World one with its months counted from September.
    for (const auto& [cal, date] :
         {std::pair{kJulian, CalendarDate{2025, 4, 7}}, std::pair{kWorld, CalendarDate{7533, 8, 7}},
          std::pair{kGregorian, CalendarDate{2025, 12, 31}}}) {
        calendar_.SelectDate(cal, date.Year, date.Month, date.Day);
        const ReportFrame before = calendar_.Frame(ReportKind::Week);
        CivilYearFrames(calendar_, 2030, 2031);
        EXPECT_EQ(calendar_.State().CurCal, cal);
        EXPECT_EQ(calendar_.State().CurDay, DayNumber(cal, date));
        const ReportFrame after = calendar_.Frame(ReportKind::Week);
        EXPECT_EQ(after.First, before.First);
        EXPECT_EQ(after.Title, before.Title);
    }
    EXPECT_TRUE(CivilYearFrames(calendar_, 2026, 2025).empty());
}

// A year asked for by its number is the year report the window shows when that year is selected.
TEST_F(CivilYears, AYearByNumberIsTheSelectedYearsReport) {
    const ReportFrame byNumber = calendar_.YearFrame(kGregorian, 2026);
    calendar_.SelectDate(kGregorian, 2026, 6, 1);
    const ReportFrame selected = calendar_.Frame(ReportKind::Year);
    EXPECT_EQ(byNumber.Title, selected.Title);
    EXPECT_EQ(byNumber.First, selected.First);
    EXPECT_EQ(byNumber.Last, selected.Last);
    ASSERT_EQ(byNumber.Days.size(), selected.Days.size());
    for (std::size_t i = 0; i < byNumber.Days.size(); ++i) {
        EXPECT_EQ(byNumber.Days[i].Day, selected.Days[i].Day);
        EXPECT_EQ(byNumber.Days[i].Entries.size(), selected.Days[i].Entries.size());
        EXPECT_EQ(byNumber.Days[i].Line.Cycle, selected.Days[i].Line.Cycle);
    }
}

TEST_F(CivilYears, SpanInsideTheWorkingRange) {
    const DateState& state = calendar_.State();
    EXPECT_TRUE(CivilYearsInRange(state, 2000, 2099));
    EXPECT_TRUE(CivilYearsInRange(state, 2100, 2100));  // 31 December is Julian 18 December
    EXPECT_FALSE(CivilYearsInRange(state, 2100, 2101));
    EXPECT_FALSE(CivilYearsInRange(state, 1899, 1950));
    EXPECT_FALSE(CivilYearsInRange(state, 2025, 2024));
    EXPECT_FALSE(CivilYearsInRange(state, -5, 3000));
}

}  // namespace
}  // namespace velorith::exports
