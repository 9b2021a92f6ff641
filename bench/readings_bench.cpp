// The readings of every day of a year, as the year report with readings asks for them, and the
// lectionary's loading at start-up.
#include <benchmark/benchmark.h>

#include "calendar/readings.h"

namespace velorith {
namespace {

void BM_ReadingsOfAYear(benchmark::State& state) {
    const Lectionary lx = Lectionary::Load(VELORITH_READINGS_FILE);
    const DayNum first = DayNumber(kJulian, 1, 1, static_cast<int>(state.range(0)));
    const DayNum last = DayNumber(kJulian, 31, 12, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        for (DayNum day = first; day <= last; ++day) {
            DayReadings r = ReadingsOf(lx, day, Rank::Polyeleos);
            benchmark::DoNotOptimize(r);
        }
    }
    state.SetItemsProcessed(state.iterations() * (last - first + 1));
}
BENCHMARK(BM_ReadingsOfAYear)->Arg(2024)->Arg(2100);

void BM_LoadLectionary(benchmark::State& state) {
    for (auto _ : state) {
        Lectionary lx = Lectionary::Load(VELORITH_READINGS_FILE);
        benchmark::DoNotOptimize(lx);
    }
}
BENCHMARK(BM_LoadLectionary);

}  // namespace
}  // namespace velorith
