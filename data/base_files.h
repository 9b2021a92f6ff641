// The data folder's files and where each one sits in BaseFiles.
#pragma once

#include <array>
#include <filesystem>
#include <string_view>

namespace velorith {

inline constexpr int kBaseFileCount = 20;

// Index 0..11 by month, except that February is 1 in a Julian leap year and 12 otherwise.
inline constexpr std::array<std::string_view, kBaseFileCount> kBaseFileNames = {
    "January.DAT",  "February29.DAT", "March.DAT",      "April.DAT",        "May.DAT",
    "June.DAT",     "July.DAT",       "August.DAT",     "September.DAT",    "October.DAT",
    "November.DAT", "December.DAT",   "February28.DAT", "Relocatable.DAT",  "Relocatable1.DAT",
    "Special.DAT",  "Weekdays.DAT",   "Weekdays1.DAT",  "SpecWeekDays.DAT", "Abbr.DAT",
};

enum BaseFileIndex : int {
    kFebruary29File = 1,
    kFebruary28File = 12,
    kRelocatableFile = 13,
    kRelocatable1File = 14,
    kSpecialFile = 15,
    kWeekdaysFile = 16,
    kWeekdays1File = 17,
    kSpecWeekDaysFile = 18,
    kAbbrFile = 19,
};

using BaseFileList = std::array<std::filesystem::path, kBaseFileCount>;

// The full paths of the data files in the folder `folder` (the "Calendar" folder itself).
BaseFileList MakeBaseFiles(const std::filesystem::path& folder);

// Index in BaseFiles of the month file of Julian month `month` (1..12) in a Julian year of
// `yearDays` days; -1 for a month outside 1..12.
int MonthFileIndex(int month, int yearDays);

}  // namespace velorith
