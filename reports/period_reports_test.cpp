#include "reports/period_reports.h"

#include <gtest/gtest.h>

#include <array>

#include "calendar/phrases.h"
#include "reports/report_fixture.h"

namespace velorith {
namespace {

using testing::CalendarOn;
using testing::Count;
using testing::TempFolder;
using testing::WriteSmallDataSet;

constexpr std::string_view kIndent = "\\f1    \\f0  ";
const std::string kDots(99, '.');

struct Snapshot {
    std::array<DateRec, 4> dates;
    PaschaInfoRec pascha;
    DayNum day;
    int weekDay;
    bool operator==(const Snapshot&) const = default;
};
Snapshot Take(const DateState& s) {
    return {s.Dates, s.PaschaInfo, s.CurDay, s.CurWeekDay};
}

// Month headings of a year report in order.
std::vector<std::string> MonthHeadings(const std::string& doc) {
    std::vector<std::string> names;
    const std::string lead = "\\cf1 \\par\r\n" + std::string(kIndent);
    for (auto p = doc.find(lead); p != std::string::npos; p = doc.find(lead, p + 1)) {
        const auto begin = p + lead.size();
        const auto end = doc.find("\\par\r\n", begin);
        // A heading is followed by its dotted line (a day block by its date); the year's title
        // is not a month heading.
        const std::string name = doc.substr(begin, end - begin);
        if (doc.compare(end + 6, kDots.size(), kDots) == 0 &&
            name.find(" год") == std::string::npos) {
            names.push_back(name);
        }
    }
    return names;
}

// Every reckoning: one piece per day of a leap year and twelve headings in the year's order.
TEST(YearReport, EveryDayAndTwelveHeadingsInEachReckoning) {
    TempFolder folder;
    WriteSmallDataSet(folder);
    struct Case {
        int cal, year, month;
        std::string_view first, last;
    };
    for (const Case& c :
         {Case{kWorld, 7532, 3, "Сентябрь", "Август"}, Case{kJulian, 2024, 6, "Январь", "Декабрь"},
          Case{kGregorian, 2024, 6, "Январь", "Декабрь"}}) {
        auto calendar = CalendarOn(folder, c.cal, c.year, c.month, 10);
        const Snapshot before = Take(calendar->State());
        const std::string doc = calendar->RenderReport(kYearTab);
        EXPECT_EQ(Take(calendar->State()), before);
        const auto headings = MonthHeadings(doc);
        ASSERT_EQ(headings.size(), 12u) << c.cal;
        EXPECT_EQ(headings.front(), c.first);
        EXPECT_EQ(headings.back(), c.last);
        // The title's dotted line, one under each heading, one after each of the 366 days.
        EXPECT_EQ(Count(doc, kDots), 1 + 12 + 366) << c.cal;
        EXPECT_EQ(Count(doc, "\\cf1 \\par\r\n" + kDots + "\\par\r\n\r\n"), 366 + 12 - 12);
        EXPECT_NE(doc.find(std::string(kIndent) + std::to_string(c.year) + " год" +
                           std::string(CalNames(c.cal)) + "\\par\r\n" + kDots),
                  std::string::npos);
        EXPECT_TRUE(doc.ends_with("\\par\r\n}\r\n"));
    }
}

// A Gregorian year shows the indiction line on its first day and on Julian 1 September.
TEST(YearReport, IndictionOnTheFirstDayAndOnJulianFirstOfSeptember) {
    TempFolder folder;
    auto calendar = CalendarOn(folder, kGregorian, 2025, 5, 5);
    calendar->Settings().ShowIndiction = true;
    const std::string doc = calendar->RenderReport(kYearTab);
    ASSERT_EQ(Count(doc, "-го индиктиона"), 2);
    const auto second = doc.rfind("-го индиктиона");
    EXPECT_NE(doc.find("14 сентября", second), std::string::npos);
    EXPECT_LT(doc.find("14 сентября", second), doc.find("15 сентября", second));

    auto julian = CalendarOn(folder, kJulian, 2025, 9, 20);
    julian->Settings().ShowIndiction = true;
    EXPECT_EQ(Count(julian->RenderReport(kMonthTab), "-го индиктиона"), 1);
}

TEST(MonthReport, TitleDaysAndRedBlocks) {
    TempFolder folder;
    WriteSmallDataSet(folder);
    auto calendar = CalendarOn(folder, kJulian, 2025, 4, 10);
    const std::string doc = calendar->RenderReport(kMonthTab);
    EXPECT_NE(
        doc.find("\\cf1 \\par\r\n" + std::string(kIndent) +
                 "Апрель 2025 года от Р.Х. по старому стилю\\par\r\n" + kDots + "\\par\r\n\r\n"),
        std::string::npos);
    EXPECT_EQ(Count(doc, kDots), 1 + 30);
    // Pascha's block is red from its first line to its last entry; the separator is navy.
    const auto pascha = doc.find("\\cf2 \\par\r\n" + std::string(kIndent) + "7 апреля\\par");
    ASSERT_NE(pascha, std::string::npos);
    const auto end = doc.find("\\cf1 \\par\r\n" + kDots, pascha);
    EXPECT_EQ(doc.substr(pascha, end - pascha).find("\\cf1 "), std::string::npos);
    EXPECT_NE(doc.substr(pascha, end - pascha).find("Поста нет."), std::string::npos);
}

class WeekAcrossNewYear : public ::testing::Test {
  protected:
    // Entries that exist only in the assembly of one year: one on Gregorian 29 December 2025
    // (from Pascha 2025) and one on Gregorian 2 January 2026 (from Pascha 2026).
    void SetUp() override {
        const DayNum p2025 = DayNumber(kGregorian, 20, 4, 2025);
        const DayNum p2026 = DayNumber(kGregorian, 12, 4, 2026);
        folder_.Write("Relocatable.DAT",
                      "[1]\ndays=" + std::to_string(DayNumber(kGregorian, 29, 12, 2025) - p2025) +
                          "\n11=Старогоднее.\n"
                          "[2]\ndays=" +
                          std::to_string(DayNumber(kGregorian, 2, 1, 2026) - p2026) +
                          "\n11=Новогоднее.\n");
    }
    TempFolder folder_;
};

TEST_F(WeekAcrossNewYear, EachDayTakesItsOwnYearsEntries) {
    for (const int day : {30, 2}) {
        auto calendar = day == 30 ? CalendarOn(folder_, kGregorian, 2025, 12, 30)
                                  : CalendarOn(folder_, kGregorian, 2026, 1, 2);
        const std::string dayBefore = calendar->RenderReport(kDayTab);
        const Snapshot before = Take(calendar->State());
        const YearPlacements placedBefore = calendar->Data().Displayed();
        const std::vector<bool> redBefore = calendar->RedDays();
        const std::string doc = calendar->RenderReport(kWeekTab);
        EXPECT_EQ(Take(calendar->State()), before);
        // Every placement of the displayed year is as it was, and so are the grid's red days.
        EXPECT_EQ(calendar->Data().Displayed(), placedBefore);
        EXPECT_EQ(calendar->Data().Displayed(),
                  PlaceYear(calendar->Data().tables, day == 30 ? 2025 : 2026));
        EXPECT_EQ(calendar->RedDays(), redBefore);
        EXPECT_NE(doc.find("Седмица\\par\r\n" + std::string(kIndent) +
                           "с 28 декабря 2025 года\\par\r\n" + std::string(kIndent) +
                           "по 3 января 2026 года от Р.Х. по новому стилю\\par\r\n" + kDots),
                  std::string::npos)
            << day;
        const auto dec29 = doc.find("29 декабря 2025 года\\par");
        const auto jan1 = doc.find("1 января 2026 года\\par");
        const auto jan2 = doc.find("2 января 2026 года\\par");
        const auto jan3 = doc.find("3 января 2026 года\\par");
        ASSERT_NE(jan2, std::string::npos);
        EXPECT_LT(dec29, doc.find("Старогоднее."));
        EXPECT_LT(doc.find("Старогоднее."), jan1);
        EXPECT_LT(jan2, doc.find("Новогоднее."));
        EXPECT_LT(doc.find("Новогоднее."), jan3);
        // Afterwards the current date's day report is what it was.
        EXPECT_EQ(calendar->RenderReport(kDayTab), dayBefore);
    }
}

TEST(WeekReport, WeekInsideTheYearShowsNoYears) {
    TempFolder folder;
    WriteSmallDataSet(folder);
    auto calendar = CalendarOn(folder, kJulian, 2025, 4, 9);
    const std::string doc = calendar->RenderReport(kWeekTab);
    EXPECT_NE(doc.find("\\par\r\n" + std::string(kIndent) + "7 апреля\\par"), std::string::npos);
    EXPECT_NE(doc.find("по 13 апреля 2025 года от Р.Х. по старому стилю"), std::string::npos);
    EXPECT_EQ(Count(doc, kDots), 1 + 7);
    // Each day ends with navy, a line break in the file, and the dotted line.
    EXPECT_EQ(Count(doc, "\\cf1 \r\n\\par\r\n" + kDots + "\\par\r\n"), 7);
}

}  // namespace
}  // namespace velorith
