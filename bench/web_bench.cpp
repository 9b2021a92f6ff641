// The web: the year report as a web page against the same report as text, the largest day page
// of a year, and a parish site of ten years written to disk (3,652 day pages with their JSON,
// 120 month pages, feeds), all on the shipped data set (Calendar/ beside the benchmark).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>

#include "bench/shipped_data_set.h"
#include "exports/format_registry.h"
#include "reports/calendar.h"
#include "tools/site_pages.h"
#include "tools/site_writer.h"

namespace fs = std::filesystem;
using namespace velorith;

namespace {

struct YearCalendar : bench::ShippedCalendar {
    YearCalendar() : ShippedCalendar(2026, 12, 7) {}
    exports::RenderJob Job() { return {calendar, ReportKind::Year, {}, false, {}}; }
};

void BM_YearText(benchmark::State& state) {
    YearCalendar c;
    std::size_t size = 0;
    for (auto _ : state) {
        const std::string text = exports::kTextFormat.Render(c.Job());
        size = text.size();
        benchmark::DoNotOptimize(text.data());
    }
    state.counters["bytes"] = static_cast<double>(size);
}
BENCHMARK(BM_YearText)->Unit(benchmark::kMillisecond);

void BM_YearHtml(benchmark::State& state) {
    YearCalendar c;
    std::size_t size = 0;
    for (auto _ : state) {
        const std::string page = exports::kHtmlFormat.Render(c.Job());
        size = page.size();
        benchmark::DoNotOptimize(page.data());
    }
    state.counters["bytes"] = static_cast<double>(size);
}
BENCHMARK(BM_YearHtml)->Unit(benchmark::kMillisecond);

// Every day page of a year; the counter is the largest.
void BM_DayPagesOfAYear(benchmark::State& state) {
    YearCalendar c;
    const ReportFrame frame = c.calendar.YearFrame(kGregorian, 2026);
    const site::SiteFrame siteFrame{"Храм Святой Троицы", 2026, 2026, false};
    std::size_t largest = 0;
    for (auto _ : state) {
        for (std::size_t i = 0; i < frame.Days.size(); ++i) {
            const std::string page =
                site::DayPage(siteFrame, frame.Days[i], i > 0 ? &frame.Days[i - 1] : nullptr,
                              i + 1 < frame.Days.size() ? &frame.Days[i + 1] : nullptr);
            largest = std::max(largest, page.size());
            benchmark::DoNotOptimize(page.data());
        }
    }
    state.counters["largest_bytes"] = static_cast<double>(largest);
}
BENCHMARK(BM_DayPagesOfAYear)->Unit(benchmark::kMillisecond);

// Argument 0: each run into a folder of its own (a first publication); 1: over the site of the
// run before (a nightly refresh). Folders are removed only at the end: on ext4 the inodes of a
// just-removed tree make the next files slow to create, which is no cost of the site's.
void BM_SiteOfTenYears(benchmark::State& state) {
    YearCalendar c;
    const fs::path base = fs::temp_directory_path() / "velorith-bench-site";
    std::error_code ec;
    fs::remove_all(base, ec);
    int run = 0;
    const auto request = [&](int n) {
        return site::SiteRequest{base / std::to_string(n), 2026, 2035, "Храм Святой Троицы", {}, 0};
    };
    if (state.range(0) == 1) site::WriteSite(c.calendar, request(0));
    std::size_t files = 0;
    for (auto _ : state) {
        const int n = state.range(0) == 0 ? ++run : 0;
        const site::SiteResult result = site::WriteSite(c.calendar, request(n));
        if (result.Status != 0) state.SkipWithError(result.Message.c_str());
        files = result.Files;
    }
    state.counters["files"] = static_cast<double>(files);
    fs::remove_all(base, ec);
}
BENCHMARK(BM_SiteOfTenYears)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

BENCHMARK_MAIN();
