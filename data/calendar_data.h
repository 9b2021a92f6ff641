// The calendar's data as the rest of the program sees it: the data files' paths, the six tables,
// the month files read on demand, and the red days of the displayed month.
#pragma once

#include <array>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/base_files.h"
#include "data/data_file_cache.h"
#include "data/lectionary.h"
#include "data/load_problems.h"
#include "data/tables.h"
#include "data/year_placements.h"
#include "reckoning/date_state.h"
#include "reckoning/navigation.h"

namespace velorith {

// What a month file says of one day, ready for the day report.
struct MonthDayTexts {
    bool anyRedKey = false;           // a "red" line of any value: red in the day report
    bool gridRed = false;             // "Red" is exactly "1": red in the month grid
    std::array<TextLines, 5> groups;  // lines of groups 0..4 in file order
};

// The lines of a month file's section and the parsed file they point into.
struct MonthLines {
    std::shared_ptr<const IniFile> file;
    std::vector<std::string_view> lines;
};

// The lectionary's file in the data folder; it is not one of the base files.
inline constexpr std::string_view kReadingsFileName = "Readings.DAT";

class CalendarData : public MonthListener, public YearAssembler {
  public:
    // Builds BaseFiles for the data folder; the tables stay empty until LoadTables.
    explicit CalendarData(const std::filesystem::path& folder);

    // The data files (the base files and the lectionary) larger than kMaxDataFileSize: each is
    // read as empty, so that no file can make the program take gigabytes.
    std::vector<std::filesystem::path> OversizedFiles() const;

    // Runs the six loaders and loads the lectionary (at start-up, once).
    void LoadTables();
    // What LoadTables found wrong with the data files (the base files and the lectionary);
    // each bad one reads as empty.
    const DataLoadReport& LoadReport() const { return loadReport_; }
    // Begins a round of look-ups: each month file's status is asked again on its next read, so
    // a changed file is read anew. Each report and each month shown begins one.
    void Revalidate() { monthFiles_.Revalidate(); }

    // The lines of the section of a Julian date as views into the parsed file, which they hold:
    // valid whatever is read meanwhile.
    MonthLines MonthLinesOf(int julianDay, int julianMonth, int julianYearDays);
    // The lines of the section of a Julian date, read through the month-file cache.
    std::vector<std::string> MonthSection(int julianDay, int julianMonth, int julianYearDays);
    // The same section taken apart into groups and red marks. Each day is taken apart once per
    // version of its file and kept, in the month files KeepParsedDaysOf allows: the reference
    // holds until the file changes and is read anew, or until the days of that many other month
    // files have been asked for.
    const MonthDayTexts& MonthDay(int julianDay, int julianMonth, int julianYearDays);
    // Keeps the parsed days, and the decoded files, of only the `months` month files asked
    // last (at least three: a day and its neighbours span two). The window keeps them all,
    // since it shows the same days again and again; a program that walks through a year once
    // gives back what it has passed, so that the next months reuse its memory.
    void KeepParsedDaysOf(std::size_t months);
    // The value of a key of that section (last occurrence, key compared ignoring case).
    std::string MonthKey(int julianDay, int julianMonth, int julianYearDays, std::string_view key);

    // The placements of a Julian year, computed on first use and kept for the next few asks.
    std::shared_ptr<const YearPlacements> Placements(int julianYear) {
        return placements_.Get(tables, julianYear);
    }
    // The placements of the displayed year: those of state.PaschaInfo's year (after
    // SetYearInfo) become the ones the red days are marked from.
    void SetYearDates(const DateState& state);
    const YearPlacements& Displayed() const { return *displayed_; }
    // Marks RedDays for the displayed month of state (after the month's boundaries are set).
    void SetRedDays(const DateState& state);

    // Binds a date state: registers this object as its month listener, so that SetMonthInfo
    // marks the red days, and lets the argument-free forms below act on it.
    void Attach(DateState& state);
    // The attached state's month changed: its red days are marked when next asked for, so that
    // a program that shows no month grid (the command-line companion) never reads them.
    void SetRedDays() override { redDaysStale_ = state_ != nullptr; }
    // RedDays of the attached state's month, brought up to date first.
    const std::vector<bool>& AttachedRedDays();
    void SetYearDates() override;

    BaseFileList BaseFiles;
    Tables tables;
    Lectionary lectionary;  // the readings of the days, from kReadingsFileName
    // Red days of the displayed month, indexed 1..month length (element 0 unused).
    std::vector<bool> RedDays;

  private:
    // The section's lines as views into the cached file: valid until the cache is asked again.
    std::vector<std::string_view> SectionLines(int julianDay, int julianMonth, int julianYearDays);

    // A month file's days as taken apart, for the version of the file they were taken from.
    struct ParsedMonth {
        std::shared_ptr<const IniFile> file;
        std::vector<std::optional<MonthDayTexts>> days;  // by day, 1..31; sized on first use
    };

    std::filesystem::path folder_;
    DataFileCache monthFiles_;
    std::array<ParsedMonth, kBaseFileCount> parsedMonths_;
    // The month files whose days are kept, the one asked last first, and how many may be.
    std::vector<int> recentMonths_;
    std::size_t parsedMonthsKept_ = kBaseFileCount;
    void KeepParsed(int index);
    // Gives back the days of the months asked longest ago, beyond the `keep` asked last.
    void GiveBackParsed(std::size_t keep);
    PlacementCache placements_;
    std::shared_ptr<const YearPlacements> displayed_ = std::make_shared<const YearPlacements>();
    DateState* state_ = nullptr;
    bool redDaysStale_ = false;
    DataLoadReport loadReport_;
};

}  // namespace velorith
