// The classes the web pages give a commemoration's line by its rank sign, for the stylesheet.
// Classes, not words: they stay the same in every language.
#pragma once

#include <array>
#include <string_view>

#include "data/signs.h"

namespace velorith::exports {

// By Rank.
inline constexpr std::array<std::string_view, 6> kRankClasses = {
    "rank-none", "rank-six", "rank-doxology", "rank-polyeleos", "rank-vigil", "rank-great",
};

constexpr std::string_view RankClass(Rank rank) {
    return kRankClasses[static_cast<int>(rank)];
}

}  // namespace velorith::exports
