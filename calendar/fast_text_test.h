// Test helper: a day's fast with the words the reports print for it, so that the rules' tests
// read as the lines a reader sees.
#pragma once

#include <string>

#include "calendar/fasting.h"
#include "reports/day_phrases.h"

namespace velorith::testing {

// A day's fast with the words the reports print for it.
struct FastText {
    FastLevel Level = FastLevel::None;
    std::string Reason;  // empty without a fast line
    std::string Line;
};

inline FastText Texts(const DayFast& f) {
    if (f.Level == FastLevel::None) return {};
    return {f.Level, FastReasonText(f), FastLineText(f)};
}

inline FastText Fast(DayNum day, Rank rank) {
    return Texts(FastOfDay(day, rank));
}

inline FastText Fast(const FastQuery& q) {
    return Texts(FastOfDay(q));
}

}  // namespace velorith::testing
