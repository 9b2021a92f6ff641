#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "reckoning/movable_cycle.h"
#include "reckoning/test_dates.h"

namespace velorith {
namespace {

using testing::SelectDate;

TEST(MovableCycle, TonesAroundPascha2025) {
    const DayNum pascha = DayNumber(kGregorian, 20, 4, 2025);
    const DayNum prev = DayNumber(kGregorian, 5, 5, 2024);
    EXPECT_EQ(ToneOf(pascha - 8, pascha, prev), 8);  // Saturday before Palm Sunday
    for (int b = -7; b <= 6; ++b)
        EXPECT_EQ(ToneOf(pascha + b, pascha, prev), 0) << b;
    EXPECT_EQ(ToneOf(pascha + 7, pascha, prev), 1);  // Thomas Sunday
    EXPECT_EQ(ToneOf(pascha + 13, pascha, prev), 1);
    EXPECT_EQ(ToneOf(pascha + 14, pascha, prev), 2);
    EXPECT_EQ(ToneOf(pascha + 48, pascha, prev), 6);
    for (int b = 49; b <= 55; ++b)
        EXPECT_EQ(ToneOf(pascha + b, pascha, prev), 0) << b;
    EXPECT_EQ(ToneOf(pascha + 56, pascha, prev), 8);  // All Saints
    EXPECT_EQ(ToneOf(pascha + 63, pascha, prev), 1);
    // Before Palm Sunday the count runs from the previous Thomas Sunday.
    EXPECT_EQ(ToneOf(prev + 7 + 7 * 8, pascha, prev), 1);
}

TEST(MovableCycle, GreatIndiction) {
    EXPECT_EQ(GreatIndictionOf(7533), (GreatIndiction{85, 15}));
    EXPECT_EQ(GreatIndictionOf(7512), (GreatIndiction{64, 15}));
    EXPECT_EQ(GreatIndictionOf(7448), (GreatIndiction{532, 14}));
    EXPECT_EQ(GreatIndictionOf(7449), (GreatIndiction{1, 15}));
    EXPECT_EQ(GreatIndictionOf(532), (GreatIndiction{532, 1}));
    EXPECT_EQ(GreatIndictionOf(1), (GreatIndiction{1, 1}));
}

int LeadingNumber(const std::string& label) {
    return std::stoi(label);
}

// Every year of the widest range in every reckoning: one label per week, Holy Week and
// Bright Week where Pascha puts them, and the counts after Pentecost meeting the year's ends.
TEST(MovableCycle, WeekLabelsOfEveryYear) {
    DateState s;
    for (int k = kWorld; k <= kGregorian; ++k) {
        const int offset = k == kWorld ? 5508 : 0;
        for (int y = 1 + offset; y <= 3000 + offset; ++y) {
            SelectDate(s, k, y, 6, 1);
            const auto labels = WeekLabels(s);
            const int p = s.PaschaInfo.PaschaWeek;
            ASSERT_EQ(static_cast<int>(labels.size()), s.Cur().YearWeeks) << y;
            ASSERT_EQ(labels[p - 2], "Страстная седмица") << y;
            ASSERT_EQ(labels[p - 1], "Светлая седмица") << y;
            ASSERT_EQ(labels[p - 11], "О мытаре и фарисее") << y;
            ASSERT_EQ(labels[p - 3], "6-я Великого поста") << y;
            ASSERT_EQ(labels.back(),
                      std::to_string(s.PaschaInfo.LastPentWeek) + "-я по Пятидесятнице")
                << y;
            if (p > 11) {
                ASSERT_EQ(LeadingNumber(labels.front()), s.PaschaInfo.FirstPentWeek) << y;
            }
        }
    }
}

TEST(MovableCycle, WeekLabelTexts) {
    // Pascha in week 17, the year starting in week 30 after Pentecost.
    const int p = 17;
    const int f = 30;
    EXPECT_EQ(WeekLabel(1, p, f), "30-я по Пятидесятнице");
    EXPECT_EQ(WeekLabel(6, p, f), "35-я по Пятидесятнице");
    EXPECT_EQ(WeekLabel(7, p, f), "О мытаре и фарисее");
    EXPECT_EQ(WeekLabel(8, p, f), "О блудном сыне");
    EXPECT_EQ(WeekLabel(9, p, f), "Сырная седмица");
    EXPECT_EQ(WeekLabel(10, p, f), "1-я Великого поста");
    EXPECT_EQ(WeekLabel(15, p, f), "6-я Великого поста");
    EXPECT_EQ(WeekLabel(16, p, f), "Страстная седмица");
    EXPECT_EQ(WeekLabel(17, p, f), "Светлая седмица");
    EXPECT_EQ(WeekLabel(18, p, f), "2-я по Пасхе");
    EXPECT_EQ(WeekLabel(23, p, f), "7-я по Пасхе");
    EXPECT_EQ(WeekLabel(24, p, f), "1-я по Пятидесятнице");
    EXPECT_TRUE(WeekLabels(0, p, f).empty());
}

// Arguments no caller should pass give some answer, never a fault.
TEST(MovableCycle, ExtremeArgumentsAreHarmless) {
    constexpr int kLow = std::numeric_limits<int>::min();
    constexpr int kHigh = std::numeric_limits<int>::max();
    for (int a : {kLow, -1, 0, kHigh}) {
        for (int b : {kLow, 0, kHigh}) {
            EXPECT_FALSE(WeekLabel(a, b, a).empty());
            EXPECT_TRUE(CyclePlaceOf(a, 7, b, a).Sunday);
            EXPECT_FALSE(CyclePlaceOf(b, 3, a, b).Sunday);
            const int tone = ToneOf(a, b, a);
            EXPECT_GE(tone, 0);
            EXPECT_LE(tone, 8);
        }
        const GreatIndiction g = GreatIndictionOf(a);
        EXPECT_GE(g.Year, 1);
        EXPECT_LE(g.Year, 532);
    }
}

}  // namespace
}  // namespace velorith
