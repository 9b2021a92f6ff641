// Integer division rounded down, for calendar arithmetic that must stay exact before the
// epoch of the formulas (Julian year 0) and never misbehave on stray negative input.
#pragma once

#include <cstdint>

namespace velorith {

constexpr std::int64_t FloorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

// The remainder that matches FloorDiv: always in 0..b-1 for positive b.
constexpr std::int64_t FloorMod(std::int64_t a, std::int64_t b) {
    return a - FloorDiv(a, b) * b;
}

}  // namespace velorith
