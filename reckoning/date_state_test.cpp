#include <gtest/gtest.h>

#include <array>

#include "reckoning/date_state.h"
#include "reckoning/test_dates.h"

namespace velorith {
namespace {

using testing::SelectDate;

TEST(DateState, StartUpMonthLengthsAndRange) {
    DateState s;
    EXPECT_EQ(s.Dates[kWorld].FebMonth, 6);
    EXPECT_EQ(s.Dates[kJulian].FebMonth, 2);
    EXPECT_EQ(s.Dates[kGregorian].FebMonth, 2);
    const std::array<std::int16_t, 13> calendar = {0,  31, 28, 31, 30, 31, 30,
                                                   31, 31, 30, 31, 30, 31};
    const std::array<std::int16_t, 13> world = {0, 30, 31, 30, 31, 31, 28, 31, 30, 31, 30, 31, 31};
    EXPECT_EQ(s.Dates[kJulian].MonthDays, calendar);
    EXPECT_EQ(s.Dates[kGregorian].MonthDays, calendar);
    EXPECT_EQ(s.Dates[kWorld].MonthDays, world);

    // The default range 1901..2100 in each reckoning.
    EXPECT_EQ(s.MinYears, (std::array<std::int16_t, 4>{0, 7409, 1901, 1901}));
    EXPECT_EQ(s.MaxYears, (std::array<std::int16_t, 4>{0, 7608, 2100, 2100}));
    EXPECT_EQ(s.MinDays[kWorld], DayNumber(kJulian, 1, 9, 1900));
    EXPECT_EQ(s.MaxDays[kWorld], DayNumber(kJulian, 31, 8, 2100));
    EXPECT_EQ(s.MinDays[kJulian], DayNumber(kJulian, 1, 1, 1901));
    EXPECT_EQ(s.MaxDays[kGregorian], DayNumber(kGregorian, 31, 12, 2100));
    EXPECT_TRUE(s.InRange(kJulian, DayNumber(kJulian, 25, 12, 2100)));
    EXPECT_FALSE(s.InRange(kGregorian, DayNumber(kJulian, 25, 12, 2100)));

    // The widest range starts the World reckoning in Julian year 0; years beyond 1..3000
    // are held to it.
    s.SetRange(-5, 9999);
    EXPECT_EQ(s.MinYears[kJulian], 1);
    EXPECT_EQ(s.MaxYears[kJulian], 3000);
    EXPECT_EQ(s.MinDays[kWorld], 1721302);
}

TEST(DateState, LeapFieldsFollowEachRecordsYear) {
    DateState s;
    SelectDate(s, kJulian, 1900, 2, 10);  // Julian 1900 is leap, Gregorian 1900 is not
    EXPECT_EQ(s.Dates[kJulian].MonthDays[2], 29);
    EXPECT_EQ(s.Dates[kJulian].YearDays, 366);
    EXPECT_EQ(s.Dates[kWorld].MonthDays[6], 29);
    EXPECT_EQ(s.Dates[kWorld].YearDays, 366);
    EXPECT_EQ(s.Dates[kGregorian].MonthDays[2], 28);
    EXPECT_EQ(s.Dates[kGregorian].YearDays, 365);

    // Unknown reckonings change nothing.
    const auto before = s.Dates;
    s.SetLeap(0);
    s.SetLeap(4);
    s.YearDayToDate(-1);
    EXPECT_EQ(s.Dates, before);
}

TEST(DateState, YearMonthAndWeekBoundaries) {
    DateState s;
    SelectDate(s, kGregorian, 2000, 1, 1);
    const DateRec& g = s.Dates[kGregorian];
    EXPECT_EQ(g.YearFirst, 2451545);
    EXPECT_EQ(g.YearFirstWD, 6);
    EXPECT_EQ(g.YearLast, 2451545 + 365);
    EXPECT_EQ(g.YearWeeks, 54);  // 1 January and 31 December each fill a week alone
    EXPECT_EQ(g.Week, 1);
    EXPECT_EQ(g.WeekFirst, 2451545 - 6);  // Sunday 26 December 1999
    EXPECT_EQ(g.WeekLast, 2451545);
    EXPECT_EQ(g.MonthFirst, 2451545);
    EXPECT_EQ(g.MonthLast, 2451545 + 30);
    EXPECT_EQ(g.MonthFirstWD, 6);

    // The World year runs September to August.
    SelectDate(s, kWorld, 7533, 6, 15);  // Julian 15 February 2025
    const DateRec& w = s.Dates[kWorld];
    EXPECT_EQ(w.YearFirst, DayNumber(kJulian, 1, 9, 2024));
    EXPECT_EQ(w.YearLast, DayNumber(kJulian, 31, 8, 2025));
    EXPECT_EQ(w.MonthFirst, DayNumber(kJulian, 1, 2, 2025));
    EXPECT_EQ(w.MonthLast, DayNumber(kJulian, 28, 2, 2025));
    EXPECT_EQ(w.WeekLast - w.WeekFirst, 6);
    EXPECT_EQ(WeekDayOf(w.WeekFirst), 7);
}

TEST(DateState, ClampDayShortensToTheMonth) {
    DateState s;
    SelectDate(s, kGregorian, 2025, 2, 31);
    EXPECT_EQ(s.Dates[kGregorian].Day, 28);
    SelectDate(s, kJulian, 2024, 2, 31);
    EXPECT_EQ(s.Dates[kJulian].Day, 29);
    SelectDate(s, kWorld, 7533, 6, 30);
    EXPECT_EQ(s.Dates[kWorld].Day, 28);
}

class RecordingListener : public MonthListener {
  public:
    explicit RecordingListener(const DateState& s) : s_(s) {}
    void SetRedDays() override {
        ++calls;
        first = s_.Cur().MonthFirst;
        last = s_.Cur().MonthLast;
    }
    int calls = 0;
    DayNum first = 0;
    DayNum last = 0;

  private:
    const DateState& s_;
};

TEST(DateState, MonthListenerSeesTheNewMonthBoundaries) {
    DateState s;
    RecordingListener listener(s);
    s.SetMonthListener(&listener);
    SelectDate(s, kJulian, 2024, 3, 10);
    EXPECT_EQ(listener.calls, 1);
    EXPECT_EQ(listener.first, DayNumber(kJulian, 1, 3, 2024));
    EXPECT_EQ(listener.last, DayNumber(kJulian, 31, 3, 2024));
    s.SetMonthListener(nullptr);
    SelectDate(s, kJulian, 2024, 4, 10);
    EXPECT_EQ(listener.calls, 1);
}

TEST(DateState, RestoreDateGivesBackEverySavedValue) {
    DateState s;
    SelectDate(s, kWorld, 7533, 8, 20);
    const auto dates = s.Dates;
    const auto pascha = s.PaschaInfo;
    const DayNum day = s.CurDay;
    const int weekDay = s.CurWeekDay;
    s.SaveDate();
    // Walk a report-like loop through other years, with the year data recomputed.
    for (DayNum n = day - 400; n < day + 400; n += 13) {
        s.CurDay = n;
        s.DayToJulian();
        s.JulianToWorld();
        s.JulianToGregorian();
        s.CurWeekDay = static_cast<std::int16_t>(WeekDayOf(n));
        s.SetYearInfo();
        s.SetWeekInfo();
    }
    SelectDate(s, kGregorian, 1950, 6, 1);
    s.RestoreDate();
    EXPECT_EQ(s.Dates, dates);
    EXPECT_EQ(s.PaschaInfo, pascha);
    EXPECT_EQ(s.CurDay, day);
    EXPECT_EQ(s.CurWeekDay, weekDay);
    // The reckoning is not part of the backup.
    EXPECT_EQ(s.CurCal, kGregorian);
}

}  // namespace
}  // namespace velorith
