#include "reports/feasts_report.h"

#include <gtest/gtest.h>

#include <vector>

#include "reports/report_fixture.h"

namespace velorith {
namespace {

using testing::CalendarOn;
using testing::Count;
using testing::TempFolder;

constexpr std::string_view kEntry = "ВХОД ГОСПОДЕНЬ В ИЕРУСАЛИМ.";
constexpr std::string_view kAscension = "ВОЗНЕСЕНИЕ ГОСПОДНЕ.";
constexpr std::string_view kPentecost = "ДЕНЬ СВЯТОЙ ТРОИЦЫ. ПЯТИДЕСЯТНИЦА.";
constexpr std::string_view kTheophany = "КРЕЩЕНИЕ ГОСПОДА";
constexpr std::string_view kMeeting = "СРЕТЕНИЕ ГОСПОДА";
constexpr std::string_view kAnnunciation = "БЛАГОВЕЩЕНИЕ";
constexpr std::string_view kTransfiguration = "ПРЕОБРАЖЕНИЕ";
constexpr std::string_view kDormition = "УСПЕНИЕ";
constexpr std::string_view kNativityTheotokos = "РОЖДЕСТВО ПРЕСВЯТОЙ";
constexpr std::string_view kExaltation = "ВОЗДВИЖЕНИЕ";
constexpr std::string_view kEntryTemple = "ВВЕДЕНИЕ ВО ХРАМ";
constexpr std::string_view kNativity = "РОЖДЕСТВО ГОСПОДА БОГА";
constexpr std::string_view kCircumcision = "ОБРЕЗАНИЕ";
constexpr std::string_view kForerunner = "РОЖДЕСТВО ЧЕСТНОГО";
constexpr std::string_view kApostles = "СЛАВНЫХ И ВСЕХВАЛЬНЫХ";
constexpr std::string_view kBeheading = "УСЕКНОВЕНИЕ";
constexpr std::string_view kProtection = "ПОКРОВ";

// Each text occurs exactly once, in the given order.
void ExpectOrder(const std::string& doc, const std::vector<std::string_view>& texts) {
    std::size_t last = 0;
    for (const std::string_view t : texts) {
        EXPECT_EQ(Count(doc, t), 1) << t;
        const auto p = doc.find(t);
        EXPECT_GT(p, last) << t;
        last = p;
    }
}

std::string Feasts(const TempFolder& folder, int cal, int y, int m, int d) {
    auto calendar = CalendarOn(folder, cal, y, m, d);
    const DayNum day = calendar->State().CurDay;
    std::string doc = calendar->RenderReport(kFeastsTab);
    EXPECT_EQ(calendar->State().CurDay, day);
    return doc;
}

TEST(FeastsReport, JulianOrder) {
    TempFolder folder;
    const std::string doc = Feasts(folder, kJulian, 2025, 7, 1);
    ExpectOrder(doc, {"\\cf2 \\par\r\n",
                      "СВЕТЛОЕ ХРИСТОВО ВОСКРЕСЕНИЕ. ПАСХА.",
                      "Двунадесятые переходящие праздники",
                      kEntry,
                      kAscension,
                      kPentecost,
                      "Двунадесятые непереходящие праздники",
                      kTheophany,
                      kMeeting,
                      kAnnunciation,
                      kTransfiguration,
                      kDormition,
                      kNativityTheotokos,
                      kExaltation,
                      kEntryTemple,
                      kNativity,
                      "Великие праздники",
                      kCircumcision,
                      kForerunner,
                      kApostles,
                      kBeheading,
                      kProtection});
    // Pascha's lines are red and end navy; the Entry has no tone and no title here.
    EXPECT_NE(doc.find("\\cf2 \\par\r\n\\f1    \\f0  7 апреля\\par\r\n\\par\r\n\\f1    \\f0  "
                       "СВЕТЛОЕ ХРИСТОВО ВОСКРЕСЕНИЕ. ПАСХА.\\cf1 \\par\r\n"),
              std::string::npos);
    EXPECT_NE(
        doc.find("Неделя Страстной седмицы.\\par\r\n\\par\r\n\\f1    \\f0  " + std::string(kEntry)),
        std::string::npos);
    // Feast texts get the middle-dot sign; Pentecost's piece ends with an extra blank line.
    EXPECT_NE(doc.find("\\f1  \xC2\xB7 \\f0  " + std::string(kTheophany)), std::string::npos);
    EXPECT_NE(doc.find(std::string(kPentecost) + "\\par\r\n\\par\r\n" + std::string(99, '.') +
                       "\\par\r\n\\par\r\n\r\n"),
              std::string::npos);
}

TEST(FeastsReport, GregorianYearStartsWithTheNativity) {
    TempFolder folder;
    for (const int month : {1, 12}) {  // the Julian year of the current date differs
        const std::string doc = Feasts(folder, kGregorian, 2025, month, 5);
        ExpectOrder(doc, {kNativity, kTheophany, kMeeting, kAnnunciation, kTransfiguration,
                          kDormition, kNativityTheotokos, kExaltation, kEntryTemple, kCircumcision,
                          kForerunner, kApostles, kBeheading, kProtection});
        EXPECT_LT(doc.find("7 января"), doc.find(kNativity));
        EXPECT_LT(doc.find("14 января"), doc.find(kCircumcision));
    }
}

TEST(FeastsReport, WorldYearStartsInSeptember) {
    TempFolder folder;
    const std::string doc = Feasts(folder, kWorld, 7533, 3, 1);
    ExpectOrder(doc, {kEntry, kAscension, kPentecost, kNativityTheotokos, kExaltation, kEntryTemple,
                      kNativity, kTheophany, kMeeting, kAnnunciation, kTransfiguration, kDormition,
                      kProtection, kCircumcision, kForerunner, kApostles, kBeheading});
}

// The kind of each day agrees with the report's list: over the Julian years of two different
// Paschas, Pascha once, the twelve twelve times, the five further great feasts five times.
TEST(FeastsReport, GreatFeastKindOfEveryDayOfAYear) {
    for (const int year : {2025, 2026}) {
        int counts[4] = {};
        for (DayNum d = DayNumber(kJulian, 1, 1, year); d < DayNumber(kJulian, 1, 1, year + 1); ++d)
            ++counts[static_cast<int>(GreatFeastOf(d))];
        EXPECT_EQ(counts[static_cast<int>(GreatFeastKind::Pascha)], 1) << year;
        EXPECT_EQ(counts[static_cast<int>(GreatFeastKind::Twelve)], 12) << year;
        EXPECT_EQ(counts[static_cast<int>(GreatFeastKind::Great)], 5) << year;
    }
    EXPECT_EQ(GreatFeastOf(DayNumber(kGregorian, 20, 4, 2025)), GreatFeastKind::Pascha);
    EXPECT_EQ(GreatFeastOf(DayNumber(kGregorian, 13, 4, 2025)), GreatFeastKind::Twelve);  // Palm
    EXPECT_EQ(GreatFeastOf(DayNumber(kGregorian, 7, 1, 2025)), GreatFeastKind::Twelve);
    EXPECT_EQ(GreatFeastOf(DayNumber(kGregorian, 14, 10, 2025)), GreatFeastKind::Great);
    EXPECT_EQ(GreatFeastOf(DayNumber(kGregorian, 21, 4, 2025)), GreatFeastKind::None);
}

}  // namespace
}  // namespace velorith
