// Report speed: the day report, the year report, a search over a year and the reading of a
// year report, on a small generated data set and, when it is there, on the shipped one
// (Calendar/ beside the benchmark).
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "data/base_files.h"
#include "data/ini_file.h"
#include "data/rtf_reader.h"
#include "data/text_encoding.h"
#include "reports/calendar.h"

namespace fs = std::filesystem;
using namespace velorith;

namespace {

// Four lines a day in every month file, and some movable entries and titles.
fs::path GeneratedDataSet() {
    const fs::path folder =
        fs::temp_directory_path() / ("velorith-bench-" + std::to_string(getpid()));
    fs::create_directories(folder);
    const auto write = [&](std::string_view name, const std::string& text) {
        std::ofstream(folder / name, std::ios::binary) << Utf8ToCp1251Lossy(text);
    };
    for (int m = 0; m < 13; ++m) {
        std::string text;
        for (int d = 1; d <= 31; ++d) {
            // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) on "[" + string.
            text += '[';
            text += std::to_string(d);
            text += "]\n";
            if (d % 7 == 0) text += "Red=1\n";
            text += "0={2}Свт. Николая, архиеп. Мир Ликийских, чудотворца.\n";
            text += "1=Мчч. Тимофея и Мавры.\n1=Прп. Феодосия Печерского.\n";
            text += "4=Поста нет.\n";
        }
        write(kBaseFileNames[static_cast<std::size_t>(m)], text);
    }
    std::string relocatable;
    std::string weekdays;
    for (int i = 1; i <= 60; ++i) {
        const std::string n = std::to_string(i);
        relocatable += "[" + n + "]\ndays=" + std::to_string(i * 5 - 70) + "\n11=Перед " + n +
                       ".\n19=После " + n + ".\n";
        weekdays += "[" + n + "]\ndays=" + std::to_string(i * 7 - 70) + "\n0=Неделя " + n + ".\n";
    }
    write("Relocatable.DAT", relocatable);
    write("Weekdays.DAT", weekdays);
    return folder;
}

fs::path ShippedDataSet() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    const fs::path folder = exe.parent_path() / "Calendar";
    return !ec && fs::exists(folder / "January.DAT") ? folder : fs::path();
}

std::unique_ptr<Calendar> CalendarOn(const fs::path& folder) {
    auto calendar = std::make_unique<Calendar>(folder);
    calendar->State().SetRange(1901, 2100);
    calendar->SelectDate(kGregorian, 2025, 5, 14);
    return calendar;
}

void DayReport(benchmark::State& state, const fs::path& folder) {
    auto calendar = CalendarOn(folder);
    for (auto _ : state)
        benchmark::DoNotOptimize(calendar->RenderReport(kDayTab));
}

void YearReport(benchmark::State& state, const fs::path& folder) {
    auto calendar = CalendarOn(folder);
    for (auto _ : state)
        benchmark::DoNotOptimize(calendar->RenderReport(kYearTab));
}

void SearchYear(benchmark::State& state, const fs::path& folder) {
    auto calendar = CalendarOn(folder);
    for (auto _ : state)
        benchmark::DoNotOptimize(calendar->SetFindReport("николая", false));
}

// The day model of every day of the displayed year.
void YearOfDays(benchmark::State& state, const fs::path& folder) {
    auto calendar = CalendarOn(folder);
    for (auto _ : state)
        benchmark::DoNotOptimize(calendar->Frame(ReportKind::Year));
}

void YearReportText(benchmark::State& state, const fs::path& folder) {
    auto calendar = CalendarOn(folder);
    for (auto _ : state)
        benchmark::DoNotOptimize(calendar->RenderText(ReportKind::Year));
}

// The year report as the companion makes it in one run: a new calendar reads the data, keeps
// the days of three months, and hands the text on as it goes. What a run costs above starting
// the program.
void FreshYearReportText(benchmark::State& state, const fs::path& folder) {
    std::size_t written = 0;
    const DocumentSink sink = [&written](std::string& part) { written += part.size(); };
    for (auto _ : state) {
        auto calendar = CalendarOn(folder);
        calendar->Data().KeepParsedDaysOf(3);
        written += calendar->RenderText(ReportKind::Year, {}, false, &sink).size();
    }
    benchmark::DoNotOptimize(written);
}

// Reading and taking apart the twelve month files (Windows-1251), as every start does.
void ReadMonthFiles(benchmark::State& state, const fs::path& folder) {
    std::size_t sections = 0;
    for (auto _ : state) {
        for (std::size_t m = 0; m < 12; ++m)
            sections += IniFile::Load(folder / kBaseFileNames[m]).SectionCount();
    }
    benchmark::DoNotOptimize(sections);
}

void ReadYearReport(benchmark::State& state, const fs::path& folder) {
    auto calendar = CalendarOn(folder);
    const std::string bytes = Calendar::DocumentBytes(calendar->RenderReport(kYearTab));
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadRtf(bytes));
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}

void RegisterAll(const std::string& name, const fs::path& folder) {
    benchmark::RegisterBenchmark(("DayReport/" + name).c_str(), DayReport, folder)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark(("YearReport/" + name).c_str(), YearReport, folder)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("YearOfDays/" + name).c_str(), YearOfDays, folder)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("YearReportText/" + name).c_str(), YearReportText, folder)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("SearchYear/" + name).c_str(), SearchYear, folder)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("ReadYearReport/" + name).c_str(), ReadYearReport, folder)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("FreshYearReportText/" + name).c_str(), FreshYearReportText,
                                 folder)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark(("ReadMonthFiles/" + name).c_str(), ReadMonthFiles, folder)
        ->Unit(benchmark::kMicrosecond);
}

}  // namespace

int main(int argc, char** argv) {
    const fs::path generated = GeneratedDataSet();
    RegisterAll("generated", generated);
    if (const fs::path shipped = ShippedDataSet(); !shipped.empty())
        RegisterAll("shipped", shipped);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::error_code ec;
    fs::remove_all(generated, ec);
    return 0;
}
