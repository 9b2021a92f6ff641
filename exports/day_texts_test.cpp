// The shared words of the exports: dates as the reports write them, the day's principal entry,
// and text made safe for interchange.
#include "exports/day_texts.h"

#include <gtest/gtest.h>

#include "exports/test_days.h"

namespace velorith::exports {
namespace {

using namespace testing;

TEST(DayTexts, DateTextInEachReckoning) {
    EXPECT_EQ(DateText(kGregorian, {2025, 1, 7}), "7 января 2025 года от Р.Х. по новому стилю");
    EXPECT_EQ(DateText(kJulian, {2024, 12, 25}), "25 декабря 2024 года от Р.Х. по старому стилю");
    // World months count from September.
    EXPECT_EQ(DateText(kWorld, {7533, 1, 1}), "1 сентября 7533 года от Сотворения Мира");
    EXPECT_EQ(DateText(kWorld, {7533, 12, 31}), "31 августа 7533 года от Сотворения Мира");
}

TEST(DayTexts, PrincipalEntryAndHighestRank) {
    DayInfo day = FastWednesday();
    EXPECT_EQ(day.PrincipalEntry(), &day.Entries[0]);
    day.Entries.push_back(Entry(0, Rank::Polyeleos, "  "));  // an empty text names nothing
    EXPECT_EQ(day.PrincipalEntry(), &day.Entries[0]);
    day.Entries.push_back(Entry(0, Rank::Vigil, "Свт. Николая."));
    EXPECT_EQ(PrincipalText(day), "Свт. Николая.");
    EXPECT_EQ(day.HighestRank(), Rank::Vigil);
    day.Entries = {Entry(2, Rank::None, "Прп. Григория Декаполита.")};
    EXPECT_EQ(day.PrincipalEntry(), nullptr);
    EXPECT_EQ(PrincipalText(day), "Среда 26-ой седмицы по Пятидесятнице. Глас 1-й.");
    EXPECT_EQ(day.HighestRank(), Rank::None);
}

TEST(DayTexts, FastDayAsksMoreThanNoFast) {
    DayInfo day = FastWednesday();
    EXPECT_TRUE(day.KeepsFast());
    day.Fast->Level = FastLevel::FastFree;
    EXPECT_FALSE(day.KeepsFast());
    day.Fast->Level = FastLevel::NoMeat;
    EXPECT_TRUE(day.KeepsFast());
    day.Fast.reset();
    EXPECT_FALSE(day.KeepsFast());
}

TEST(DayTexts, CleanText) {
    EXPECT_EQ(CleanText("  Мч. Калиопия.\t\n"), "Мч. Калиопия.");
    EXPECT_EQ(CleanText("a\tb\nc\x07\x7F\u0085d"), "a\tb\ncd");
    EXPECT_EQ(CleanText("\xD0\x9C\xD1"), "М\uFFFD");   // cut short at the end
    EXPECT_EQ(CleanText("\xC0\xAF"), "\uFFFD\uFFFD");  // overlong
    EXPECT_EQ(CleanText(""), "");
}

}  // namespace
}  // namespace velorith::exports
