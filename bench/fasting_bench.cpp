// The fast of every day of a year, as the year report asks for it.
#include <benchmark/benchmark.h>

#include "calendar/fasting.h"

namespace velorith {
namespace {

void BM_FastOfEveryDayOfAYear(benchmark::State& state) {
    const DayNum first = DayNumber(kJulian, 1, 1, static_cast<int>(state.range(0)));
    const DayNum last = DayNumber(kJulian, 31, 12, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        for (DayNum n = first; n <= last; ++n) {
            DayFast fast = FastOfDay(n, n % 3 == 0 ? Rank::Polyeleos : Rank::None);
            benchmark::DoNotOptimize(fast);
        }
    }
    state.SetItemsProcessed(state.iterations() * (last - first + 1));
}
BENCHMARK(BM_FastOfEveryDayOfAYear)->Arg(2025)->Arg(2026)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace velorith
