// The calendar arithmetic over whole years, as the year report and the search use it.
#include <benchmark/benchmark.h>

#include "reckoning/date_state.h"

namespace velorith {
namespace {

void SelectYear(DateState& s, int k, int year) {
    s.CurCal = static_cast<std::int16_t>(k);
    DateRec& r = s.Cur();
    r.Year = static_cast<std::int16_t>(year);
    r.Month = 1;
    r.Day = 1;
    s.SetLeap(k);
    s.SetDayNumber();
    s.SetYearInfo();
    s.SyncCals();
}

// Every day of a year selected through its own reckoning: day of year to date, day number,
// the other two records.
void BM_YearSweepByDate(benchmark::State& state) {
    const int k = static_cast<int>(state.range(0));
    DateState s;
    SelectYear(s, k, k == kWorld ? 7533 : 2025);
    const int days = s.Cur().YearDays;
    for (auto _ : state) {
        for (int d = 1; d <= days; ++d) {
            s.Cur().Day = static_cast<std::int16_t>(d);
            s.YearDayToDate(k);
            s.SetDayNumber();
            s.SyncCals();
        }
        benchmark::DoNotOptimize(s.Dates);
    }
    state.SetItemsProcessed(state.iterations() * days);
}
BENCHMARK(BM_YearSweepByDate)->Arg(kWorld)->Arg(kJulian)->Arg(kGregorian);

// Every day of a year moved to by its day number, as the period reports walk.
void BM_YearSweepByDayNumber(benchmark::State& state) {
    DateState s;
    SelectYear(s, kGregorian, 2025);
    const DayNum first = s.Cur().YearFirst;
    const DayNum last = s.Cur().YearLast;
    for (auto _ : state) {
        for (DayNum n = first; n <= last; ++n) {
            s.CurDay = n;
            s.DayToJulian();
            s.JulianToWorld();
            s.JulianToGregorian();
            s.CurWeekDay = static_cast<std::int16_t>(WeekDayOf(n));
        }
        benchmark::DoNotOptimize(s.Dates);
    }
    state.SetItemsProcessed(state.iterations() * (last - first + 1));
}
BENCHMARK(BM_YearSweepByDayNumber);

// The year computation with its Paschalion, run on every change of year.
void BM_SetYearInfo(benchmark::State& state) {
    DateState s;
    SelectYear(s, kJulian, 1901);
    int year = 1901;
    for (auto _ : state) {
        s.Cur().Year = static_cast<std::int16_t>(year);
        s.SetLeap(kJulian);
        s.SetDayNumber();
        s.SetYearInfo();
        benchmark::DoNotOptimize(s.PaschaInfo);
        year = year == 2100 ? 1901 : year + 1;
    }
}
BENCHMARK(BM_SetYearInfo);

}  // namespace
}  // namespace velorith
