// The words of a language that the renderers compose a day's lines from: the day's place in the
// movable cycle, the tone, the indiction, the services and labels of the readings, the fast's
// periods, feasts and phrases. The day model holds keys; only a renderer turns them into words,
// through the catalogue of the language it writes. Another language is another catalogue (and
// a data set), not code.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "calendar/day_info.h"
#include "reckoning/movable_cycle.h"

namespace velorith {

enum class Language : std::uint8_t { Russian };

struct Phrases {
    // The cycle phrase by season: a Sunday's and a weekday's; a numbered season's phrase follows
    // the number.
    std::array<std::string_view, kCycleSeasons> SundayOf;
    std::array<std::string_view, kCycleSeasons> WeekdayOf;
    std::string_view ToneBefore;  // " Глас " N "-й."
    std::string_view ToneAfter;
    std::string_view IndictionYear;  // N "-й год " M "-го индиктиона"
    std::string_view IndictionNumber;
    std::array<std::string_view, kServiceKinds> Services;
    std::array<std::string_view, kReadingKinds> ReadingLabels;  // before a reference
    std::string_view ZachaloBefore;  // " (зач. " N ")": a zachalo after its reference
    std::string_view ZachaloAfter;
    std::array<std::string_view, kNoLiturgyKinds> NoLiturgy;  // by NoLiturgyKind
    std::array<std::string_view, kFastLevels> FastPhrases;    // by FastLevel
    std::array<std::string_view, kFastPeriods> FastPeriods;   // by FastPeriod
    std::array<std::string_view, kFastFeasts> FastFeasts;     // by FastFeast
    std::array<std::string_view, kRanks> FastRankCauses;      // by Rank: what eased a fast
};

// The catalogue of a language.
const Phrases& PhrasesOf(Language language = Language::Russian);

// "3-я по Пасхе.", "5-ой седмицы Великого поста.": the phrase of a place in the cycle.
void AppendCyclePhrase(std::string& out, const CyclePlace& place, const Phrases& phrases);
std::string CyclePhrase(const CyclePlace& place, const Phrases& phrases = PhrasesOf());
// " Глас N-й." for a tone 1..8; empty for no tone.
std::string ToneText(int tone, const Phrases& phrases = PhrasesOf());

}  // namespace velorith
