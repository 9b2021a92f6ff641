// The reports write the words of the catalogue they are given: a second catalogue, made here
// with English names, changes the dates, titles and day lines of the rendered documents and
// nothing else, without a change of code.
#include <gtest/gtest.h>

#include <span>

#include "reports/day_report.h"
#include "reports/period_reports.h"
#include "reports/report_fixture.h"
#include "reports/report_heading.h"

namespace velorith {
namespace {

using testing::CalendarOn;
using testing::Count;
using testing::TempFolder;
using testing::WriteSmallDataSet;

Phrases EnglishNames() {
    Phrases en = PhrasesOf(Language::Russian);
    en.WeekdayNames = {{
        {},
        {"", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"},
        {"", "Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Lord's Day"},
        {"", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"},
    }};
    en.MonthNames = {{
        {},
        {"", "January", "February", "March", "April", "May", "June", "July", "August", "September",
         "October", "November", "December"},
        {"", "of January", "of February", "of March", "of April", "of May", "of June", "of July",
         "of August", "of September", "of October", "of November", "of December"},
    }};
    en.ReckoningNames = {"", " A.M.", " A.D. (Old Style)", " A.D. (New Style)"};
    en.YearOfDate = "";
    en.YearOfTitle = "";
    en.WeekFrom = "from ";
    en.WeekTo = "to ";
    en.SundayOf[static_cast<std::size_t>(CycleSeason::AfterPentecost)] = " after Pentecost.";
    en.WeekdayOf[static_cast<std::size_t>(CycleSeason::AfterPentecost)] = " week after Pentecost.";
    en.ToneBefore = " Tone ";
    en.ToneAfter = ".";
    return en;
}

// `text` with each of `pairs`' first texts replaced by its second, everywhere.
std::string Replaced(std::string text,
                     std::initializer_list<std::pair<std::string_view, std::string_view>> pairs) {
    for (const auto& [from, to] : pairs) {
        std::size_t at = 0;
        while ((at = text.find(from, at)) != std::string::npos) {
            text.replace(at, from.size(), to);
            at += to.size();
        }
    }
    return text;
}

class CatalogueWords : public ::testing::Test {
  protected:
    void SetUp() override { WriteSmallDataSet(folder_); }
    ReportContext Russian() { return {calendar_->State(), calendar_->Data(), settings_}; }
    ReportContext English() { return {calendar_->State(), calendar_->Data(), settings_, english_}; }
    TempFolder folder_;
    std::unique_ptr<Calendar> calendar_;
    ReportSettings settings_;
    const Phrases english_ = EnglishNames();
};

// The Sunday of All Saints (Gregorian 15 June 2025), in all three reckonings: the English day
// report is the Russian one with the names and the cycle's words exchanged, byte for byte.
TEST_F(CatalogueWords, DayReportTakesTheNamesOfItsCatalogue) {
    calendar_ = CalendarOn(folder_, kGregorian, 2025, 6, 15);
    settings_.ShowAllStyles = true;
    const std::string russian = DayReportIn<RtfStyle>(Russian());
    ASSERT_NE(russian.find("15 июня 2025 года от Р.Х. по новому стилю"), std::string::npos)
        << russian;
    ASSERT_NE(russian.find("Неделя 1-я по Пятидесятнице."), std::string::npos) << russian;

    const std::string english = DayReportIn<RtfStyle>(English());
    EXPECT_EQ(
        english,
        Replaced(russian,
                 {{"15 июня 2025 года от Р.Х. по новому стилю", "15 of June 2025 A.D. (New Style)"},
                  {"2 июня 2025 года от Р.Х. по старому стилю", "2 of June 2025 A.D. (Old Style)"},
                  {"2 июня 7533 года от Сотворения Мира", "2 of June 7533 A.M."},
                  {"Неделя 1-я по Пятидесятнице.", "Lord's Day 1 after Pentecost."},
                  {" Глас 8-й.", " Tone 8."}}));
    // The Russian report is what it was: the catalogue of one context does not leak into another.
    EXPECT_EQ(DayReportIn<RtfStyle>(Russian()), russian);
}

// The titles of the week (Sunday to Saturday), month and year reports and the month headings
// of the year report.
TEST_F(CatalogueWords, PeriodTitlesTakeTheNamesOfTheirCatalogue) {
    calendar_ = CalendarOn(folder_, kGregorian, 2025, 6, 11);
    const std::string week = WeekReportIn<TextStyle>(English());
    EXPECT_NE(week.find("from 8 of June 2025"), std::string::npos) << week;
    EXPECT_NE(week.find("to 14 of June 2025 A.D. (New Style)"), std::string::npos) << week;
    EXPECT_NE(week.find("Wednesday 1 week after Pentecost."), std::string::npos) << week;

    const std::string month = MonthReportIn<TextStyle>(English());
    EXPECT_NE(month.find("June 2025 A.D. (New Style)"), std::string::npos) << month;
    EXPECT_EQ(Count(month, "Lord's Day "), 5) << month;  // the Sundays of June 2025

    const std::string year = YearReportIn<TextStyle>(English());
    EXPECT_NE(year.find("2025 A.D. (New Style)"), std::string::npos);
    for (const std::string_view name : std::span(english_.MonthNames[kNominative]).subspan(1))
        EXPECT_EQ(Count(year, "\n    " + std::string(name) + "\n"), 1) << name;
    for (const std::string_view russian : {"Январь", "июня", " год", "Неделя ", "Глас", "стилю"})
        EXPECT_EQ(year.find(russian), std::string::npos) << russian;
}

// The headings' functions on their own, in the World reckoning whose months count from
// September.
TEST(CatalogueHeadings, TitlesInAnotherCatalogue) {
    const Phrases en = EnglishNames();
    EXPECT_EQ(YearTitle(kGregorian, 2025, en), "2025 A.D. (New Style)");
    EXPECT_EQ(MonthTitle(kWorld, 1, 7534, en), "September 7534 A.M.");
    EXPECT_EQ(MonthTitle(kWorld, 1, 7534), "Сентябрь 7534 года от Сотворения Мира");
    EXPECT_EQ(YearTitle(kGregorian, 2025), "2025 год от Р.Х. по новому стилю");
}

}  // namespace
}  // namespace velorith
