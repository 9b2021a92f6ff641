// Placement of weeks and days in the movable cycle, tones and the great indiction.
#include "reckoning/movable_cycle.h"

#include <string_view>

#include "reckoning/int_math.h"

namespace velorith {

namespace {

constexpr std::string_view kAfterPentecost = "-я по Пятидесятнице";
constexpr std::string_view kOfLent = "-я Великого поста";
constexpr std::string_view kAfterPascha = "-я по Пасхе";

void AppendNumbered(std::string& out, std::int64_t n, std::string_view text) {
    out += std::to_string(n);
    out += text;
}

}  // namespace

std::string WeekLabel(int week, int paschaWeek, int firstPentWeek) {
    // Wide arithmetic: no week number, however wild, overflows.
    const std::int64_t w = week;
    const std::int64_t p = paschaWeek;
    std::string label;
    if (w <= p - 11) {
        // Before the Triodion the weeks still count from the previous year's Pentecost.
        AppendNumbered(label, std::int64_t{firstPentWeek} + w - 1, kAfterPentecost);
    } else if (w == p - 10) {
        label = "О мытаре и фарисее";
    } else if (w == p - 9) {
        label = "О блудном сыне";
    } else if (w == p - 8) {
        label = "Сырная седмица";
    } else if (w <= p - 2) {
        AppendNumbered(label, w - p + 8, kOfLent);
    } else if (w == p - 1) {
        label = "Страстная седмица";
    } else if (w == p) {
        label = "Светлая седмица";
    } else if (w <= p + 6) {
        AppendNumbered(label, w - p + 1, kAfterPascha);
    } else {
        AppendNumbered(label, w - p - 6, kAfterPentecost);
    }
    return label;
}

std::vector<std::string> WeekLabels(int yearWeeks, int paschaWeek, int firstPentWeek) {
    std::vector<std::string> labels;
    if (yearWeeks <= 0) return labels;
    labels.reserve(static_cast<std::size_t>(yearWeeks));
    for (int w = 1; w <= yearWeeks; ++w)
        labels.push_back(WeekLabel(w, paschaWeek, firstPentWeek));
    return labels;
}

std::vector<std::string> WeekLabels(const DateState& s) {
    return WeekLabels(s.Cur().YearWeeks, s.PaschaInfo.PaschaWeek, s.PaschaInfo.FirstPentWeek);
}

CyclePlace CyclePlaceOf(int week, int weekDay, int paschaWeek, int firstPentWeek) {
    const std::int64_t w = week;
    const std::int64_t p = paschaWeek;
    const std::int64_t f = firstPentWeek;
    using enum CycleSeason;
    if (weekDay == 7) {
        if (w == p - 1) return {HolyWeek, 0, true};
        if (w < p - 7) return {AfterPentecost, w + f - 2, true};
        if (w < p - 1) return {Lent, w - p + 7, true};
        if (w < p + 7) return {AfterPascha, w - p + 1, true};
        return {AfterPentecost, w - p - 7, true};
    }
    if (w < p - 7) return {AfterPentecost, w + f - 1, false};
    if (w < p - 1) return {Lent, w - p + 8, false};
    if (w == p - 1) return {HolyWeek, 0, false};
    if (w == p) return {BrightWeek, 0, false};
    if (w < p + 7) return {AfterPascha, w - p + 1, false};
    return {AfterPentecost, w - p - 6, false};
}

int ToneOf(DayNum n, DayNum curPascha, DayNum prevPascha) {
    std::int64_t b = std::int64_t{n} - curPascha;
    // Palm Sunday through Bright Saturday, and the week of Pentecost, have no tone.
    if ((b >= -7 && b <= 6) || (b >= 49 && b <= 55)) return 0;
    // Days since Thomas Sunday of the Pascha that last preceded the day.
    b = b < 0 ? std::int64_t{n} - prevPascha - 7 : b - 7;
    const auto tone = static_cast<int>(FloorMod(FloorDiv(b, 7) + 1, 8));
    return tone == 0 ? 8 : tone;
}

int ToneOf(const DateState& s) {
    return ToneOf(s.CurDay, s.PaschaInfo.CurPascha, s.PaschaInfo.PrevPascha);
}

GreatIndiction GreatIndictionOf(int worldYear) {
    const auto c = static_cast<int>(FloorMod(worldYear, 532));
    const auto q = static_cast<int>(FloorDiv(worldYear, 532));
    return c == 0 ? GreatIndiction{532, q} : GreatIndiction{c, q + 1};
}

}  // namespace velorith
