#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "reckoning/navigation.h"

namespace velorith {
namespace {

using Log = std::vector<std::string>;

// Records every call the navigation makes on the window and the data layer, in order.
class Recorder : public CalendarView, public YearAssembler, public MonthListener {
  public:
    // What the window does with a choice from a list: a refused one puts the list back, then
    // everything is redrawn.
    void Choose(Navigator& nav, DateUnit unit, int newIndex, int oldIndex) {
        if (!nav.Choose(unit, newIndex, oldIndex))
            log.push_back("PutComboBack " + std::to_string(static_cast<int>(unit)) + " " +
                          std::to_string(oldIndex));
        nav.Redraw();
    }

  public:
    explicit Recorder(const DateState& s) : s_(s) {}
    void SetGridCal() override { log.push_back("SetGridCal"); }
    void SetTabReport() override { log.push_back("SetTabReport"); }
    void SetYearsMonths() override { log.push_back("SetYearsMonths"); }
    void SetWeeks() override { log.push_back("SetWeeks"); }
    void CheckCalMenu(int k) override { log.push_back("CheckCalMenu " + std::to_string(k)); }
    void Beep() override { log.push_back("Beep"); }
    void SetYearDates() override {
        log.push_back("SetYearDates " + std::to_string(s_.PaschaInfo.PaschaYear));
    }
    void SetRedDays() override { log.push_back("SetRedDays"); }

    Log log;

  private:
    const DateState& s_;
};

struct Snapshot {
    int cal;
    DayNum day;
    int weekDay;
    std::array<DateRec, 4> dates;
    PaschaInfoRec pascha;
    bool operator==(const Snapshot&) const = default;
};

const Log kRedraw = {"SetGridCal", "SetTabReport"};
const Log kRefused = {"Beep", "SetGridCal", "SetTabReport"};

class NavigationTest : public ::testing::Test {
  protected:
    NavigationTest() : rec(s), nav(s, &rec, &rec, [this] { return today; }) {
        s.SetMonthListener(&rec);
    }

    // Selects a date in reckoning k as start-up does, then forgets the calls it made.
    void Select(int k, int y, int m, int d) {
        s.CurCal = static_cast<std::int16_t>(k);
        s.Cur().Year = static_cast<std::int16_t>(y);
        s.Cur().Month = static_cast<std::int16_t>(m);
        s.Cur().Day = static_cast<std::int16_t>(d);
        nav.RecalcYear();
        rec.log.clear();
    }

    Snapshot Snap() const { return {s.CurCal, s.CurDay, s.CurWeekDay, s.Dates, s.PaschaInfo}; }

    std::array<int, 3> Ymd(int k) const {
        const DateRec& r = s.Dates[k];
        return {r.Year, r.Month, r.Day};
    }

    // The invariants that hold between any two navigation steps.
    void ExpectConsistent() const {
        for (int k = kWorld; k <= kGregorian; ++k) {
            const DateRec& r = s.Dates[k];
            ASSERT_EQ(DayNumber(k, r.Day, r.Month, r.Year), s.CurDay) << k;
            ASSERT_GE(r.Day, 1);
            ASSERT_LE(r.Day, r.MonthDays[r.Month]);
        }
        const DateRec& c = s.Cur();
        ASSERT_TRUE(s.InRange(s.CurCal, s.CurDay));
        ASSERT_EQ(s.CurWeekDay, WeekDayOf(s.CurDay));
        ASSERT_EQ(DayNumber(s.CurCal, 1, 1, c.Year), c.YearFirst);
        ASSERT_EQ(c.YearLast - c.YearFirst + 1, c.YearDays);
        ASSERT_EQ(DayNumber(s.CurCal, 1, c.Month, c.Year), c.MonthFirst);
        ASSERT_EQ(c.MonthLast - c.MonthFirst + 1, c.MonthDays[c.Month]);
        ASSERT_EQ(WeekDayOf(c.WeekFirst), 7);
        ASSERT_LE(c.WeekFirst, s.CurDay);
        ASSERT_GE(c.WeekLast, s.CurDay);
        ASSERT_EQ(c.Week, WeekNumber(c.YearFirst, c.YearFirstWD, s.CurDay));
        ASSERT_GE(s.PaschaInfo.CurPascha, c.YearFirst);
        ASSERT_LE(s.PaschaInfo.CurPascha, c.YearLast);
    }

    DateState s;
    Recorder rec;
    CivilDate today{2025, 4, 20};
    Navigator nav;
};

TEST_F(NavigationTest, NextMonthShortensTheDay) {
    Select(kGregorian, 2025, 1, 31);
    nav.StepOn(DateUnit::Month);
    EXPECT_EQ(Ymd(kGregorian), (std::array<int, 3>{2025, 2, 28}));
    // A month within the year re-marks red days and reassembles nothing.
    EXPECT_EQ(rec.log, (Log{"SetRedDays", "SetGridCal", "SetTabReport"}));

    Select(kJulian, 2024, 1, 31);
    nav.StepOn(DateUnit::Month);
    EXPECT_EQ(Ymd(kJulian), (std::array<int, 3>{2024, 2, 29}));

    Select(kJulian, 2025, 3, 31);
    nav.StepBack(DateUnit::Month);
    EXPECT_EQ(Ymd(kJulian), (std::array<int, 3>{2025, 2, 28}));
    ExpectConsistent();
}

TEST_F(NavigationTest, WorldMonthStepCrossesIntoTheNextYear) {
    Select(kWorld, 7532, 12, 1);
    EXPECT_EQ(Ymd(kJulian), (std::array<int, 3>{2024, 8, 1}));
    nav.StepOn(DateUnit::Month);
    EXPECT_EQ(Ymd(kWorld), (std::array<int, 3>{7533, 1, 1}));
    EXPECT_EQ(Ymd(kJulian), (std::array<int, 3>{2024, 9, 1}));
    // The year changed: the assembly sees the new year's Pascha before the red days.
    EXPECT_EQ(rec.log,
              (Log{"SetYearDates 2025", "SetRedDays", "SetWeeks", "SetGridCal", "SetTabReport"}));
    ExpectConsistent();

    nav.StepBack(DateUnit::Month);
    EXPECT_EQ(Ymd(kWorld), (std::array<int, 3>{7532, 12, 1}));
    EXPECT_EQ(s.PaschaInfo.PaschaYear, 2024);
}

TEST_F(NavigationTest, RefusedStepsBeepAndChangeNothing) {
    struct Case {
        int k, y, m, d;
        bool next;
        DateUnit unit;
    };
    const Case cases[] = {
        {kGregorian, 1901, 6, 15, false, DateUnit::Year},
        {kGregorian, 1901, 1, 1, false, DateUnit::Day},
        {kGregorian, 1901, 1, 5, false, DateUnit::Week},
        {kGregorian, 1901, 1, 20, false, DateUnit::Month},
        {kGregorian, 2100, 12, 28, true, DateUnit::Week},
        {kGregorian, 2100, 12, 31, true, DateUnit::Day},
        {kGregorian, 2100, 3, 1, true, DateUnit::Year},
        {kGregorian, 2100, 12, 1, true, DateUnit::Month},
        {kWorld, 7608, 12, 31, true, DateUnit::Day},  // Julian 31 August 2100
        {kWorld, 7409, 1, 1, false, DateUnit::Day},   // Julian 1 September 1900
    };
    for (const Case& c : cases) {
        Select(c.k, c.y, c.m, c.d);
        const Snapshot before = Snap();
        if (c.next) {
            nav.StepOn(c.unit);
        } else {
            nav.StepBack(c.unit);
        }
        EXPECT_EQ(rec.log, kRefused) << c.y << "-" << c.m << "-" << c.d;
        EXPECT_EQ(Snap(), before) << c.y << "-" << c.m << "-" << c.d;
    }
}

TEST_F(NavigationTest, SwitchOutsideTheOtherReckoningsRangeIsRefused) {
    // Julian 25 December 2100 is Gregorian 8 January 2101.
    Select(kJulian, 2100, 12, 25);
    const Snapshot before = Snap();

    rec.Choose(nav, DateUnit::Reckoning, 2, 1);
    EXPECT_EQ(rec.log, (Log{"PutComboBack 0 1", "SetGridCal", "SetTabReport"}));
    EXPECT_EQ(Snap(), before);

    rec.log.clear();
    nav.ChooseReckoning(kGregorian);
    EXPECT_EQ(rec.log, (Log{"Beep"}));  // the menu redraws only an accepted change
    EXPECT_EQ(Snap(), before);

    rec.log.clear();
    nav.StepOn(DateUnit::Reckoning);
    EXPECT_EQ(rec.log, kRefused);
    EXPECT_EQ(Snap(), before);

    // Its World year 7609 is past the range too (it ends on Julian 31 August 2100).
    rec.log.clear();
    nav.StepBack(DateUnit::Reckoning);
    EXPECT_EQ(rec.log, kRefused);
    EXPECT_EQ(Snap(), before);

    // Two weeks earlier the Gregorian date is still in 2100.
    nav.MoveWeeks(-2);
    nav.ChooseReckoning(kGregorian);
    EXPECT_EQ(s.CurCal, kGregorian);
    EXPECT_EQ(Ymd(kGregorian), (std::array<int, 3>{2100, 12, 25}));
}

TEST_F(NavigationTest, SwitchingReckoningRecomputesItsBoundaries) {
    Select(kGregorian, 2025, 1, 5);  // Julian 23 December 2024
    nav.ChooseReckoning(kJulian);
    EXPECT_EQ(s.CurCal, kJulian);
    EXPECT_EQ(s.Dates[kJulian].YearFirst, DayNumber(kJulian, 1, 1, 2024));
    EXPECT_EQ(s.PaschaInfo.PaschaYear, 2024);
    EXPECT_EQ(rec.log, (Log{"SetYearDates 2024", "SetRedDays", "SetYearsMonths", "SetWeeks",
                            "CheckCalMenu 2", "SetGridCal", "SetTabReport"}));
    ExpectConsistent();

    // Elsewhere in the Gregorian reckoning, then Julian again: nothing left over.
    nav.ChooseReckoning(kGregorian);
    nav.StepOn(DateUnit::Year);
    nav.StepOn(DateUnit::Year);
    rec.log.clear();
    rec.Choose(nav, DateUnit::Reckoning, 1, 2);
    EXPECT_EQ(s.Dates[kJulian].YearFirst, DayNumber(kJulian, 1, 1, 2026));
    EXPECT_EQ(rec.log.back(), "SetTabReport");
    ExpectConsistent();

    nav.StepOn(DateUnit::Reckoning);
    nav.StepOn(DateUnit::Reckoning);
    EXPECT_EQ(s.CurCal, kWorld);
    EXPECT_EQ(s.Dates[kWorld].YearFirst, DayNumber(kJulian, 1, 9, 2026));
    ExpectConsistent();
}

TEST_F(NavigationTest, WeekChoiceIntoThePreviousYear) {
    // Gregorian 2000 began on a Saturday; Monday 3 January is in week 2.
    Select(kGregorian, 2000, 1, 3);
    EXPECT_EQ(s.Cur().Week, 2);
    rec.Choose(nav, DateUnit::Week, 0, 1);
    EXPECT_EQ(Ymd(kGregorian), (std::array<int, 3>{1999, 12, 27}));
    EXPECT_EQ(Ymd(kJulian), (std::array<int, 3>{1999, 12, 14}));
    EXPECT_EQ(Ymd(kWorld), (std::array<int, 3>{7508, 4, 14}));
    EXPECT_EQ(s.PaschaInfo.PaschaYear, 1999);
    EXPECT_EQ(rec.log,
              (Log{"SetYearDates 1999", "SetRedDays", "SetWeeks", "SetGridCal", "SetTabReport"}));
    ExpectConsistent();

    // A choice that leaves the range is put back.
    Select(kGregorian, 1901, 1, 7);
    const Snapshot before = Snap();
    rec.Choose(nav, DateUnit::Week, 0, 2);
    EXPECT_EQ(rec.log, (Log{"PutComboBack 3 2", "SetGridCal", "SetTabReport"}));
    EXPECT_EQ(Snap(), before);
    rec.Choose(nav, DateUnit::Day, 0, 7);
    EXPECT_EQ(Snap(), before);
}

TEST_F(NavigationTest, DayStepsRecomputeOnlyWhatChanged) {
    Select(kJulian, 2024, 12, 31);
    nav.MoveDays(1);  // another year
    EXPECT_EQ(Ymd(kJulian), (std::array<int, 3>{2025, 1, 1}));
    EXPECT_EQ(rec.log, (Log{"SetYearDates 2025", "SetRedDays", "SetWeeks"}));

    Select(kJulian, 2025, 1, 31);
    nav.MoveDays(1);  // another month
    EXPECT_EQ(Ymd(kJulian), (std::array<int, 3>{2025, 2, 1}));
    EXPECT_EQ(rec.log, (Log{"SetRedDays"}));

    Select(kJulian, 2025, 1, 30);
    nav.MoveDays(1);  // the same month
    EXPECT_EQ(Ymd(kJulian), (std::array<int, 3>{2025, 1, 31}));
    EXPECT_TRUE(rec.log.empty());

    Select(kGregorian, 2025, 3, 3);
    nav.MoveWeeks(-1);
    EXPECT_EQ(Ymd(kGregorian), (std::array<int, 3>{2025, 2, 24}));
    nav.MoveWeeks(10);
    EXPECT_EQ(Ymd(kGregorian), (std::array<int, 3>{2025, 5, 5}));
    ExpectConsistent();
}

TEST_F(NavigationTest, GoDayRendersTheReportOnly) {
    Select(kGregorian, 2025, 2, 10);
    nav.GoDay(28);
    EXPECT_EQ(Ymd(kGregorian), (std::array<int, 3>{2025, 2, 28}));
    EXPECT_EQ(rec.log, (Log{"SetTabReport"}));
    ExpectConsistent();

    rec.log.clear();
    const Snapshot before = Snap();
    for (int d : {0, 29, -3, 40000})
        nav.GoDay(d);
    EXPECT_EQ(Snap(), before);
    EXPECT_EQ(rec.log.front(), "Beep");
}

TEST_F(NavigationTest, NearMonthDays) {
    Select(kGregorian, 2025, 1, 15);
    nav.GoNearMonth(30, 1);
    EXPECT_EQ(Ymd(kGregorian), (std::array<int, 3>{2024, 12, 30}));
    EXPECT_EQ(rec.log.back(), "SetTabReport");
    nav.GoNearMonth(2, 2);
    EXPECT_EQ(Ymd(kGregorian), (std::array<int, 3>{2025, 1, 2}));
    nav.GoNearMonth(1, 0);
    EXPECT_EQ(Ymd(kGregorian), (std::array<int, 3>{2025, 2, 1}));
    nav.GoNearMonth(31, 1);
    EXPECT_EQ(Ymd(kGregorian), (std::array<int, 3>{2025, 1, 31}));
    ExpectConsistent();

    // The grid never offers a day outside the range; should one come, it is refused.
    Select(kGregorian, 1901, 1, 15);
    const Snapshot before = Snap();
    nav.GoNearMonth(30, 1);
    nav.GoNearMonth(0, 2);
    EXPECT_EQ(Snap(), before);
    EXPECT_EQ(rec.log.front(), "Beep");
}

TEST_F(NavigationTest, TodayKeepsTheCurrentReckoning) {
    Select(kWorld, 7409, 3, 3);
    nav.GoToday();  // Gregorian 20 April 2025 = Julian 7 April 2025
    EXPECT_EQ(s.CurCal, kWorld);
    EXPECT_EQ(Ymd(kWorld), (std::array<int, 3>{7533, 8, 7}));
    EXPECT_EQ(Ymd(kGregorian), (std::array<int, 3>{2025, 4, 20}));
    EXPECT_EQ(s.CurDay, 2460786);
    EXPECT_EQ(rec.log,
              (Log{"SetYearDates 2025", "SetRedDays", "SetWeeks", "SetGridCal", "SetTabReport"}));
    ExpectConsistent();

    // A clock that gives no real date is not followed.
    today = {2025, 2, 29};
    const Snapshot before = Snap();
    rec.log.clear();
    nav.GoToday();
    EXPECT_EQ(Snap(), before);
    EXPECT_EQ(rec.log, kRefused);
}

TEST_F(NavigationTest, ChoicesFromTheSelectors) {
    Select(kJulian, 2025, 5, 31);
    rec.Choose(nav, DateUnit::Year, 2024 - 1901, 2025 - 1901);
    EXPECT_EQ(Ymd(kJulian), (std::array<int, 3>{2024, 5, 31}));
    rec.Choose(nav, DateUnit::Month, 5, 4);
    EXPECT_EQ(Ymd(kJulian), (std::array<int, 3>{2024, 6, 30}));
    rec.Choose(nav, DateUnit::Day, 3, 1);
    EXPECT_EQ(Ymd(kJulian), (std::array<int, 3>{2024, 7, 2}));
    ExpectConsistent();

    // Indices no list offers are put back, and nothing changes.
    const Snapshot before = Snap();
    rec.log.clear();
    rec.Choose(nav, DateUnit::Year, 5000, 0);
    rec.Choose(nav, DateUnit::Year, -1, 0);
    rec.Choose(nav, DateUnit::Month, 12, 0);
    rec.Choose(nav, DateUnit::Reckoning, -1, 1);
    rec.Choose(nav, DateUnit::Reckoning, 3, 1);
    rec.Choose(nav, DateUnit::Week, 2147483647, -2147483647);
    rec.Choose(nav, static_cast<DateUnit>(9), 1, 0);
    EXPECT_EQ(Snap(), before);
    EXPECT_EQ(rec.log.front(), "PutComboBack 1 0");

    rec.log.clear();
    nav.ChooseReckoning(0);
    nav.ChooseReckoning(4);
    nav.StepBack(static_cast<DateUnit>(-1));
    nav.StepOn(static_cast<DateUnit>(5));
    nav.MoveDays(100000);
    nav.MoveWeeks(-2147483647);
    EXPECT_EQ(Snap(), before);
}

// Many random steps, from every operation, keep the date state whole and inside the range.
TEST_F(NavigationTest, RandomWalkKeepsTheInvariants) {
    Select(kGregorian, 2025, 4, 20);
    std::mt19937 random(20250420);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); };
    for (int step = 0; step < 20000; ++step) {
        switch (pick(0, 7)) {
            case 0:
                nav.StepBack(static_cast<DateUnit>(pick(0, 4)));
                break;
            case 1:
                nav.StepOn(static_cast<DateUnit>(pick(0, 4)));
                break;
            case 2: {
                const auto unit = static_cast<DateUnit>(pick(0, 4));
                const int old = unit == DateUnit::Week ? s.Cur().Week - 1 : pick(0, 6);
                rec.Choose(nav, unit, pick(0, unit == DateUnit::Year ? 199 : 11), old);
                break;
            }
            case 3:
                nav.GoDay(pick(1, s.Cur().MonthDays[s.Cur().Month]));
                break;
            case 4:
                nav.GoNearMonth(pick(1, 31), pick(1, 2));
                break;
            case 5:
                nav.ChooseReckoning(pick(1, 3));
                break;
            case 6:
                nav.GoToday();
                break;
            default:
                rec.Choose(nav, DateUnit::Week, pick(0, s.Cur().YearWeeks - 1), s.Cur().Week - 1);
                break;
        }
        ASSERT_NO_FATAL_FAILURE(ExpectConsistent()) << "step " << step;
    }
}

}  // namespace
}  // namespace velorith
