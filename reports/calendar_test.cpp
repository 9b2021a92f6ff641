#include "reports/calendar.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "reckoning/navigation.h"
#include "reports/report_fixture.h"

namespace velorith {
namespace {

using testing::CalendarOn;
using testing::TempFolder;

TEST(RtfWriter, PrologueCarriesFontSizeBoldItalicAndColour) {
    ReportSettings settings;
    settings.FontName = "Times New Roman";
    settings.FontSize = 12;
    settings.FontBold = true;
    const std::string head =
        "{\\rtf1\\ansi\\ansicpg1251\\deff0\\deflang1049{\\fonttbl{\\f0\\fswiss\\fprq2\\fcharset204 "
        "Times New Roman;}{\\f1\\fmodern\\fprq1\\fcharset204 Courier New;}}\r\n"
        "{\\colortbl ;\\red0\\green0\\blue128;\\red255\\green0\\blue0;}\r\n"
        "\\viewkind4\\uc1\\pard\\f0\\fs24\r\n";
    EXPECT_EQ(Prologue(settings, false), head + "\\b ");
    EXPECT_EQ(Prologue(settings, true), head + "\\b \\cf1 ");
    settings.FontItalic = true;
    EXPECT_EQ(Prologue(settings, true), head + "\\b \\i \\cf1 ");
    EXPECT_EQ(DotLine, std::string(99, '.'));
    EXPECT_EQ(kEpilogue, "\\par\r\n}");
}

TEST(RtfWriter, TextOutsideTheCodePageBecomesUnicodeEscapes) {
    EXPECT_EQ(RtfToCp1251("Я\xC2\xB7"), "\xDF\xB7");
    EXPECT_EQ(RtfToCp1251("a\xCE\xA9z"), "a\\u937?z");                  // Greek omega
    EXPECT_EQ(RtfToCp1251("\xF0\x9F\x98\x80"), "\\u-10179?\\u-8704?");  // a surrogate pair
    EXPECT_EQ(RtfToCp1251("a\xFFz"), "a?z");                            // not UTF-8
    EXPECT_EQ(RtfEscapeText("a{b}\\c"), "a\\{b\\}\\\\c");
}

// Bytes that only look like a character are no character: each becomes "?", never a \u escape
// of a NUL, of a lone surrogate or of a wrong pair.
TEST(RtfWriter, IllFormedSequencesBecomeQuestionMarks) {
    EXPECT_EQ(RtfToCp1251("a\xC0\x80z"), "a??z");            // overlong NUL
    EXPECT_EQ(RtfToCp1251("a\xED\xA0\x80z"), "a???z");       // an encoded surrogate
    EXPECT_EQ(RtfToCp1251("a\xF4\x90\x80\x80z"), "a????z");  // past U+10FFFF
    EXPECT_EQ(RtfToCp1251("a\xE2\x82"), "a??");              // cut short
}

class RenderCacheTest : public ::testing::Test {
  protected:
    void SetUp() override { calendar_ = CalendarOn(folder_, kJulian, 2025, 4, 9); }
    TempFolder folder_;
    std::unique_ptr<Calendar> calendar_;
};

TEST_F(RenderCacheTest, RendersOnlyWhenThePeriodOrReckoningChanges) {
    Calendar& c = *calendar_;
    const TabUpdate first = c.SetTabReport(kDayTab);
    EXPECT_TRUE(first.render);
    EXPECT_EQ(first.document, c.RenderReport(kDayTab));
    EXPECT_FALSE(c.SetTabReport(kDayTab).render);
    EXPECT_TRUE(c.SetTabReport(kDayTab, true).render);  // forced

    EXPECT_TRUE(c.SetTabReport(kWeekTab).render);
    Navigator nav(c.State(), nullptr, &c.Assembler());
    nav.MoveDays(1);  // another day of the same week
    EXPECT_FALSE(c.SetTabReport(kWeekTab).render);
    EXPECT_TRUE(c.SetTabReport(kDayTab).render);
    EXPECT_EQ(c.Cache().LastKey[kWeekTab], c.State().Cur().WeekFirst);

    // The same day in another reckoning renders again.
    c.ChangeCal(kGregorian);
    EXPECT_TRUE(c.SetTabReport(kDayTab).render);
    EXPECT_EQ(c.Cache().LastCal[kDayTab], kGregorian);

    // A change of options renders every pane anew, each when it is next shown.
    c.ResetReports();
    EXPECT_TRUE(c.SetTabReport(kDayTab).render);
    EXPECT_TRUE(c.SetTabReport(kYearTab).render);
    EXPECT_FALSE(c.SetTabReport(kYearTab).render);

    // The search and abbreviations panes are never rendered here.
    EXPECT_FALSE(c.SetTabReport(kSearchTab).render);
    EXPECT_FALSE(c.SetTabReport(kAbbrTab, true).render);
    EXPECT_TRUE(c.RenderReport(kSearchTab).empty());
}

TEST(CalendarTest, AbbreviationsDocumentIsTheFileUnchanged) {
    TempFolder folder;
    EXPECT_EQ(CalendarOn(folder, kJulian, 2025, 1, 1)->AbbrDocument(), "");
    const std::string bytes = "{\\rtf1\\ansi \xC0\xE1\xE1\xF0.\\par}\r\n";
    folder.WriteBytes("Abbr.DAT", bytes);
    EXPECT_EQ(CalendarOn(folder, kJulian, 2025, 1, 1)->AbbrDocument(), bytes);
}

// A folder in the file's place once made the read throw; a pipe would block it for ever.
TEST(CalendarTest, AbbreviationsThatAreNoFileGiveAnEmptyDocument) {
    TempFolder folder;
    std::filesystem::create_directory(folder / "Abbr.DAT");
    EXPECT_EQ(CalendarOn(folder, kJulian, 2025, 1, 1)->AbbrDocument(), "");
    std::filesystem::remove(folder / "Abbr.DAT");
    ASSERT_EQ(::mkfifo((folder / "Abbr.DAT").c_str(), 0600), 0);
    EXPECT_EQ(CalendarOn(folder, kJulian, 2025, 1, 1)->AbbrDocument(), "");
}

TEST(CalendarTest, EmptyDataFolderStillGivesEveryReport) {
    TempFolder folder;
    auto calendar = CalendarOn(folder, kWorld, 7533, 1, 1);
    for (int tab = kDayTab; tab <= kFeastsTab; ++tab) {
        const std::string doc = calendar->RenderReport(tab);
        EXPECT_TRUE(doc.starts_with("{\\rtf1")) << tab;
        EXPECT_TRUE(doc.ends_with("\\par\r\n}\r\n")) << tab;
    }
}

}  // namespace
}  // namespace velorith
