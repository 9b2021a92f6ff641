// Export speed: a year of the shipped data set (Calendar/ beside the benchmark) as facts, as
// JSON and as iCalendar. The companion's own start is measured by running it, not here.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "bench/shipped_data_set.h"
#include "exports/report_ics.h"
#include "exports/report_json.h"
#include "reports/calendar.h"

namespace fs = std::filesystem;
using namespace velorith;

namespace {

// A calendar on 20 April 2025 of the new style.
struct YearCalendar : bench::ShippedCalendar {
    YearCalendar() : ShippedCalendar(2025, 4, 20) {}
};

void BM_YearFrame(benchmark::State& state) {
    YearCalendar c;
    for (auto _ : state)
        benchmark::DoNotOptimize(c.calendar.Frame(ReportKind::Year));
}
BENCHMARK(BM_YearFrame)->Unit(benchmark::kMillisecond);

void BM_YearJson(benchmark::State& state) {
    YearCalendar c;
    const ReportFrame frame = c.calendar.Frame(ReportKind::Year);
    for (auto _ : state)
        benchmark::DoNotOptimize(exports::RenderJson(frame));
    state.SetLabel(std::to_string(frame.Days.size()) + " days");
}
BENCHMARK(BM_YearJson)->Unit(benchmark::kMillisecond);

void BM_YearIcs(benchmark::State& state) {
    YearCalendar c;
    const ReportFrame frame = c.calendar.Frame(ReportKind::Year);
    for (auto _ : state)
        benchmark::DoNotOptimize(exports::RenderIcs(frame, {"Календарь", 1765000000}));
    state.SetLabel(std::to_string(frame.Days.size()) + " days");
}
BENCHMARK(BM_YearIcs)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
