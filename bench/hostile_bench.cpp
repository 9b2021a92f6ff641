// Cost against the size of hostile data: one entry of growing length searched, balanced and
// exported as JSON, and a lectionary of a growing number of rules near a date. Each series
// should grow in a straight line with its argument (balancing, search, JSON), or not at all (a
// year's readings: the rules are found through an index). The "per" counters give the cost
// per byte or per rule, which stays flat when the cost is linear.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "calendar/readings.h"
#include "data/entry_markup.h"
#include "data/ini_file.h"
#include "exports/report_json.h"
#include "reports/calendar.h"

namespace fs = std::filesystem;
using namespace velorith;

namespace {

// A data folder of one month file whose 1 January holds an entry of `bytes` letters "а"
// (Windows-1251), and nothing else.
class HugeEntryFolder {
  public:
    explicit HugeEntryFolder(std::size_t bytes) {
        path_ = fs::temp_directory_path() / ("velorith-bench-" + std::to_string(bytes));
        fs::create_directories(path_);
        std::ofstream out(path_ / "January.DAT", std::ios::binary);
        out << "[1]\r\n1=" << std::string(bytes, '\xE0') << "\r\n1=Мч. Второй.\r\n";
    }
    ~HugeEntryFolder() {
        std::error_code ec;
        fs::remove_all(path_, ec);
    }
    HugeEntryFolder(const HugeEntryFolder&) = delete;
    HugeEntryFolder& operator=(const HugeEntryFolder&) = delete;

    std::unique_ptr<Calendar> Open() const {
        auto c = std::make_unique<Calendar>(path_);
        c->State().SetRange(1901, 2100);
        c->SelectDate(kJulian, 2025, 1, 1);
        return c;
    }

  private:
    fs::path path_;
};

void PerByte(benchmark::State& state) {
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * state.range(0));
}

void BM_BalanceMarkup(benchmark::State& state) {
    // Damaged markup all along: groups that do not close, stray braces, destinations.
    std::string value;
    while (value.size() < static_cast<std::size_t>(state.range(0)))
        value += "{\\b Мч.} } {\\*\\x скрыто} {\\i Первый \\v x ";
    for (auto _ : state)
        benchmark::DoNotOptimize(BalanceMarkup(value));
    PerByte(state);
}
BENCHMARK(BM_BalanceMarkup)
    ->RangeMultiplier(4)
    ->Range(1 << 16, 1 << 24)
    ->Unit(benchmark::kMillisecond);

// The search for one letter that the whole entry consists of: every character is a hit.
void BM_SearchHugeEntryText(benchmark::State& state) {
    const HugeEntryFolder folder(static_cast<std::size_t>(state.range(0)));
    auto c = folder.Open();
    for (auto _ : state)
        benchmark::DoNotOptimize(c->RenderText(ReportKind::Search, "а", false));
    PerByte(state);
}
BENCHMARK(BM_SearchHugeEntryText)
    ->RangeMultiplier(4)
    ->Range(1 << 18, 1 << 24)
    ->Unit(benchmark::kMillisecond);

void BM_SearchHugeEntryRtf(benchmark::State& state) {
    const HugeEntryFolder folder(static_cast<std::size_t>(state.range(0)));
    auto c = folder.Open();
    for (auto _ : state)
        benchmark::DoNotOptimize(c->SetFindReport("а", false));
    PerByte(state);
}
BENCHMARK(BM_SearchHugeEntryRtf)
    ->RangeMultiplier(4)
    ->Range(1 << 18, 1 << 22)
    ->Unit(benchmark::kMillisecond);

void BM_DayJsonHugeEntry(benchmark::State& state) {
    const HugeEntryFolder folder(static_cast<std::size_t>(state.range(0)));
    auto c = folder.Open();
    for (auto _ : state)
        benchmark::DoNotOptimize(exports::RenderJson(c->Frame(ReportKind::Day)));
    PerByte(state);
}
BENCHMARK(BM_DayJsonHugeEntry)
    ->RangeMultiplier(4)
    ->Range(1 << 18, 1 << 24)
    ->Unit(benchmark::kMillisecond);

// A year's readings with `rules` Saturdays and Sundays kept near dates spread over the year.
void BM_YearReadingsNearRules(benchmark::State& state) {
    std::string text = "[Near]\n";
    for (std::int64_t n = 1; n <= state.range(0); ++n) {
        const std::int64_t day = n % 28 + 1;
        const std::int64_t month = n % 12 + 1;
        const std::int64_t weekday = n % 2 == 0 ? 7 : -6;
        text += std::to_string(n) + ".when=" + std::to_string(day) + "." + std::to_string(month) +
                "." + std::to_string(weekday) + "\n" + std::to_string(n) + ".a=Рим. 1:1\n";
    }
    const Lectionary lx = Lectionary::FromIni(IniFile::FromText(text));
    const DayNum first = DayNumber(kJulian, 1, 1, 2025);
    std::size_t services = 0;
    for (auto _ : state) {
        for (DayNum day = first; day < first + 365; ++day)
            services += ReadingsOf(lx, day, Rank::None).Services.size();
    }
    benchmark::DoNotOptimize(services);
    state.counters["rules"] = static_cast<double>(state.range(0));
}
BENCHMARK(BM_YearReadingsNearRules)
    ->RangeMultiplier(8)
    ->Range(8, 1 << 18)
    ->Unit(benchmark::kMillisecond);

// One day's readings with `rules` rules of other dates: the cost of a day stays the same
// however many rules the file holds.
void BM_DayReadingsNearRules(benchmark::State& state) {
    std::string text = "[Near]\n";
    for (std::int64_t n = 1; n <= state.range(0); ++n) {
        text += std::to_string(n) + ".when=" + std::to_string(n % 28 + 1) + ".7.7\n" +
                std::to_string(n) + ".a=Рим. 1:1\n";
    }
    const Lectionary lx = Lectionary::FromIni(IniFile::FromText(text));
    const DayNum day = DayNumber(kJulian, 15, 1, 2025);
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadingsOf(lx, day, Rank::None));
    state.counters["rules"] = static_cast<double>(state.range(0));
}
BENCHMARK(BM_DayReadingsNearRules)
    ->RangeMultiplier(8)
    ->Range(8, 1 << 18)
    ->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
