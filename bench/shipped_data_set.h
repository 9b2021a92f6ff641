// The shipped data set the benchmarks read (the Calendar folder the build writes beside them),
// and a calendar on it.
#pragma once

#include <filesystem>

#include "reports/calendar.h"

namespace velorith::bench {

inline std::filesystem::path ShippedDataSet() {
    std::error_code ec;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    return ec ? std::filesystem::path("Calendar") : exe.parent_path() / "Calendar";
}

// A calendar on the shipped data set with the default working range and a date of the new
// style selected.
struct ShippedCalendar {
    Calendar calendar{ShippedDataSet()};
    ShippedCalendar(int year, int month, int day) {
        calendar.State().SetRange(1901, 2100);
        calendar.SelectDate(kGregorian, year, month, day);
    }
};

}  // namespace velorith::bench
