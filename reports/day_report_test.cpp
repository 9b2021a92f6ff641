#include "reports/day_report.h"

#include <gtest/gtest.h>

#include "data/text_encoding.h"
#include "reports/report_fixture.h"

namespace velorith {
namespace {

using testing::CalendarOn;
using testing::TempFolder;
using testing::WriteSmallDataSet;

constexpr std::string_view kDayPrologue =
    "{\\rtf1\\ansi\\ansicpg1251\\deff0\\deflang1049{\\fonttbl{\\f0\\fswiss\\fprq2\\fcharset204 "
    "System;}{\\f1\\fmodern\\fprq1\\fcharset204 Courier New;}}\r\n"
    "{\\colortbl ;\\red0\\green0\\blue128;\\red255\\green0\\blue0;}\r\n"
    "\\viewkind4\\uc1\\pard\\f0\\fs20\r\n";
constexpr std::string_view kIndent = "\\f1    \\f0  ";
constexpr std::string_view kDot = "\\f1  \xC2\xB7 \\f0  ";
constexpr std::string_view kGreat = "\\f1 (+)\\f0  ";

std::string Line(std::string_view lead, std::string_view text) {
    return std::string(lead) + std::string(text) + "\\par\r\n";
}

class DayReportTest : public ::testing::Test {
  protected:
    void SetUp() override { WriteSmallDataSet(folder_); }
    std::string Day(int cal, int y, int m, int d) {
        calendar_ = CalendarOn(folder_, cal, y, m, d);
        return calendar_->RenderReport(kDayTab);
    }
    TempFolder folder_;
    std::unique_ptr<Calendar> calendar_;
};

// Pascha: the movable group-0 text first, each entry wrapping the month file's group 1, the
// title in place of the weekday line, no tone; the whole document byte for byte.
TEST_F(DayReportTest, PaschaDocumentByteForByte) {
    const std::string doc = Day(kJulian, 2025, 4, 7);
    std::string expected(kDayPrologue);
    expected += "\r\n\\cf2 ";
    expected +=
        "\\par\r\n" + Line(kIndent, "7 апреля 2025 года от Р.Х. по старому стилю") + "\\par\r\n";
    expected += Line(std::string(kIndent), "Светлое Христово Воскресение.");
    expected += "\\par\r\n";
    expected += Line(kGreat, "СВЕТЛОЕ ХРИСТОВО ВОСКРЕСЕНИЕ.");
    expected += Line(kGreat, "Пасха Господня.");
    expected += "\\par\r\n";
    expected += Line(kDot, "Второе перед.");
    expected += Line(kDot, "Перед.");
    expected += Line(kDot, "Мч. Калиопия.");
    expected += Line(kDot, "После.");
    expected += Line(kDot, "Второе после.");
    expected += "\\par\r\n";
    expected += Line(kIndent, "Поста нет.");
    expected += "\\par\r\n}\r\n";
    EXPECT_EQ(doc, expected);
    // Saved as Windows-1251, byte for byte the same text.
    EXPECT_EQ(Calendar::DocumentBytes(doc), Utf8ToCp1251(expected).value());
}

TEST_F(DayReportTest, MovableGroupZeroFollowsTheMonthFileOffPascha) {
    const std::string doc = Day(kJulian, 2025, 4, 8);
    const std::string expected =
        "\\par\r\n" + Line("\\f1  + \\f0  ", "Свт. Георгия.") + Line(kDot, "Переходящее.");
    EXPECT_NE(doc.find(expected), std::string::npos) << doc;
}

TEST_F(DayReportTest, TitlesAndTails) {
    // Only a tail: weekday and cycle phrase, its full stop replaced by the tail.
    EXPECT_NE(Day(kJulian, 2025, 4, 8).find(Line(kIndent, "Понедельник Светлой седмицы, хвост.")),
              std::string::npos);
    // Two titles: one line, no weekday.
    EXPECT_NE(Day(kJulian, 2025, 4, 9).find("\\par\r\n" + Line(kIndent, "Первый. Второй.")),
              std::string::npos);
    // Two tails join.
    EXPECT_NE(Day(kJulian, 2025, 4, 10).find(Line(kIndent, "Среда Светлой седмицы, один, два.")),
              std::string::npos);
    // A title and a tail: the title, then the weekday line with the tail, on one line.
    EXPECT_NE(Day(kJulian, 2025, 4, 11)
                  .find(Line(std::string(kIndent) + "Заглавие." + std::string(kIndent),
                             "Четверг Светлой седмицы, хвост.")),
              std::string::npos);
}

TEST_F(DayReportTest, CyclePhraseAndTone) {
    // Thomas Sunday: tone 1; Saturday before Palm Sunday has a tone, Palm Sunday none.
    EXPECT_NE(Day(kJulian, 2025, 4, 14).find(Line(kIndent, "Неделя 2-я по Пасхе. Глас 1-й.")),
              std::string::npos);
    EXPECT_NE(Day(kJulian, 2025, 3, 31).find(Line(kIndent, "Неделя Страстной седмицы.")),
              std::string::npos);
    EXPECT_NE(Day(kJulian, 2025, 3, 30).find("Суббота 6-ой седмицы Великого поста. Глас "),
              std::string::npos);
}

TEST_F(DayReportTest, RedDays) {
    // A "red" key of any value makes the day red; a plain weekday is navy; Sundays are red.
    EXPECT_EQ(Day(kJulian, 2025, 1, 15).substr(kDayPrologue.size() + 2, 5), "\\cf2 ");
    EXPECT_EQ(Day(kJulian, 2025, 1, 16).substr(kDayPrologue.size() + 2, 5), "\\cf1 ");
    EXPECT_EQ(Day(kJulian, 2025, 1, 20).substr(kDayPrologue.size() + 2, 5), "\\cf2 ");
}

TEST_F(DayReportTest, FebruaryFileByTheJulianYear) {
    const std::string leap = Day(kJulian, 2024, 2, 28);
    EXPECT_NE(leap.find("Двадцать восьмое високосного."), std::string::npos);
    EXPECT_NE(Day(kJulian, 2024, 2, 29).find("Прп. Кассиана Римлянина."), std::string::npos);
    EXPECT_NE(Day(kJulian, 2025, 2, 28).find("Двадцать восьмое простого."), std::string::npos);
    // Gregorian 13 March 2024 is Julian 29 February.
    EXPECT_NE(Day(kGregorian, 2024, 3, 13).find("Прп. Кассиана Римлянина."), std::string::npos);
}

TEST_F(DayReportTest, IndictionAndAllStyles) {
    calendar_ = CalendarOn(folder_, kWorld, 7533, 1, 1);
    calendar_->Settings().ShowIndiction = true;
    calendar_->Settings().ShowAllStyles = true;
    const std::string doc = calendar_->RenderReport(kDayTab);
    // 7533 = 14 * 532 + 85.
    const std::string expected =
        "\\par\r\n" + Line(kIndent, "85-й год 15-го индиктиона") + "\\par\r\n" +
        Line(kIndent, "1 сентября 7533 года от Сотворения Мира") +
        Line(kIndent, "1 сентября 2024 года от Р.Х. по старому стилю") +
        Line(kIndent, "14 сентября 2024 года от Р.Х. по новому стилю") + "\\par\r\n";
    EXPECT_NE(doc.find(expected), std::string::npos) << doc;

    calendar_->Settings().ShowIndiction = false;
    calendar_->Settings().ShowAllStyles = false;
    const std::string plain = calendar_->RenderReport(kDayTab);
    EXPECT_EQ(plain.find("индиктиона"), std::string::npos);
    EXPECT_NE(plain.find("\\par\r\n" + Line(kIndent, "1 сентября 7533 года от Сотворения Мира") +
                         "\\par\r\n"),
              std::string::npos);
}

}  // namespace
}  // namespace velorith
