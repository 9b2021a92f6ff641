#include "data/calendar_data.h"

#include <algorithm>

#include "data/section_reader.h"
#include "data/signs.h"
#include "data/text_encoding.h"

namespace velorith {
namespace {

template <typename Entry>
void MarkRed(const Table<Entry>& table, const Placements& placed, DayNum first, DayNum last,
             std::vector<bool>& red) {
    auto mark = [&](DayNum day) {
        if (day != 0 && day >= first && day <= last)
            red[static_cast<std::size_t>(day - first + 1)] = true;
    };
    for (int k = 1; k <= table.Count() && placed.Has(k); ++k) {
        if (!table[k].Red) continue;
        mark(placed[k].Date);
        mark(placed[k].PrevDate);
    }
}

}  // namespace

CalendarData::CalendarData(const std::filesystem::path& folder)
    : BaseFiles(MakeBaseFiles(folder)), folder_(folder) {}

void CalendarData::LoadTables() {
    std::vector<std::filesystem::path> files(BaseFiles.begin(), BaseFiles.end());
    files.push_back(folder_ / kReadingsFileName);
    loadReport_ = CheckDataFiles(files, kMaxDataFileSize);
    tables.Relocatable = LoadRelocatable(BaseFiles[kRelocatableFile]);
    tables.Relocatable1 = LoadRelocatable1(BaseFiles[kRelocatable1File]);
    tables.Weekdays = LoadWeekdays(BaseFiles[kWeekdaysFile]);
    tables.Weekdays1 = LoadWeekdays1(BaseFiles[kWeekdays1File]);
    tables.SpecWeekDays = LoadSpecWeekDays(BaseFiles[kSpecWeekDaysFile]);
    tables.Special = LoadSpecial(BaseFiles[kSpecialFile]);
    lectionary = Lectionary::Load(folder_ / kReadingsFileName);
}

std::vector<std::filesystem::path> CalendarData::OversizedFiles() const {
    std::vector<std::filesystem::path> files(BaseFiles.begin(), BaseFiles.end());
    files.push_back(folder_ / kReadingsFileName);
    std::vector<std::filesystem::path> oversized;
    for (const auto& file : files) {
        std::error_code ec;
        if (std::filesystem::is_regular_file(file, ec) &&
            std::filesystem::file_size(file, ec) > kMaxDataFileSize && !ec)
            oversized.push_back(file);
    }
    return oversized;
}

std::vector<std::string_view> CalendarData::SectionLines(int julianDay, int julianMonth,
                                                         int julianYearDays) {
    const int index = MonthFileIndex(julianMonth, julianYearDays);
    if (index < 0) return {};
    return monthFiles_.Get(BaseFiles[index]).Section(julianDay);
}

MonthLines CalendarData::MonthLinesOf(int julianDay, int julianMonth, int julianYearDays) {
    MonthLines month;
    const int index = MonthFileIndex(julianMonth, julianYearDays);
    if (index < 0) return month;
    month.file = monthFiles_.Share(BaseFiles[index]);
    month.lines = month.file->Section(julianDay);
    return month;
}

std::vector<std::string> CalendarData::MonthSection(int julianDay, int julianMonth,
                                                    int julianYearDays) {
    const auto lines = SectionLines(julianDay, julianMonth, julianYearDays);
    return {lines.begin(), lines.end()};
}

const MonthDayTexts& CalendarData::MonthDay(int julianDay, int julianMonth, int julianYearDays) {
    static const MonthDayTexts kNone;
    const int index = MonthFileIndex(julianMonth, julianYearDays);
    if (index < 0 || julianDay < 1 || julianDay > 31) return kNone;
    KeepParsed(index);
    ParsedMonth& parsed = parsedMonths_[static_cast<std::size_t>(index)];
    std::shared_ptr<const IniFile> file =
        monthFiles_.Share(BaseFiles[static_cast<std::size_t>(index)]);
    if (parsed.file != file) {
        parsed.file = std::move(file);
        parsed.days.clear();
    }
    if (parsed.days.empty()) parsed.days.resize(32);
    std::optional<MonthDayTexts>& slot = parsed.days[static_cast<std::size_t>(julianDay)];
    if (slot) return *slot;
    MonthDayTexts& day = slot.emplace();
    const std::vector<std::string_view> lines = parsed.file->Section(julianDay);
    // The groups sized by the lines written "N=...", as the data writes them; a line written
    // otherwise only costs its group a larger buffer later.
    std::array<std::size_t, 5> counts{};
    for (const std::string_view line : lines) {
        if (line.size() >= 2 && line[1] == '=' && line[0] >= '0' && line[0] <= '4')
            ++counts[static_cast<std::size_t>(line[0] - '0')];
    }
    for (std::size_t g = 0; g < counts.size(); ++g)
        day.groups[g].reserve(counts[g]);
    // The texts point into the file's decoded text, which the day's lines then keep alive.
    const std::shared_ptr<const void> owner = parsed.file;
    for (const std::string_view line : lines) {
        const KeyValueView kv = SplitKeyView(line);
        // The keys of a month file are ASCII ("0".."4", "red"), so no lower-cased copy is made.
        const std::string_view key = kv.key;
        const auto isRed = [](std::string_view k) {
            return k.size() == 3 && (k[0] | 0x20) == 'r' && (k[1] | 0x20) == 'e' &&
                   (k[2] | 0x20) == 'd';
        };
        if (isRed(key)) {
            day.anyRedKey = true;
            day.gridRed = kv.value == "1";  // the last "red" line decides, as ReadKey does
        } else if (key.size() == 1 && key[0] >= '0' && key[0] <= '3') {
            day.groups[static_cast<std::size_t>(key[0] - '0')].push_back(
                SignedTextLine(kv.value, owner));
        } else if (key == "4") {
            day.groups[4].push_back(NoteTextLine(kv.value, owner));
        }
    }
    return day;
}

void CalendarData::KeepParsedDaysOf(std::size_t months) {
    parsedMonthsKept_ = std::max<std::size_t>(months, 3);
    // The decoded files go with their days, so that the next months reuse their memory.
    monthFiles_.SetCapacity(parsedMonthsKept_);
    GiveBackParsed(parsedMonthsKept_);
}

void CalendarData::GiveBackParsed(std::size_t keep) {
    while (recentMonths_.size() > keep) {
        ParsedMonth& passed = parsedMonths_[static_cast<std::size_t>(recentMonths_.back())];
        // A new table, so that its memory goes too: "= {}" would only empty it.
        passed.days = decltype(passed.days)();
        passed.file.reset();
        recentMonths_.pop_back();
    }
}

void CalendarData::KeepParsed(int index) {
    if (!recentMonths_.empty() && recentMonths_.front() == index) return;
    const auto at = std::find(recentMonths_.begin(), recentMonths_.end(), index);
    if (at != recentMonths_.end()) {
        std::rotate(recentMonths_.begin(), at, at + 1);
        return;
    }
    GiveBackParsed(parsedMonthsKept_ - 1);
    recentMonths_.insert(recentMonths_.begin(), index);
}

std::string CalendarData::MonthKey(int julianDay, int julianMonth, int julianYearDays,
                                   std::string_view key) {
    const auto lines = SectionLines(julianDay, julianMonth, julianYearDays);
    return FindKey(std::span<const std::string_view>(lines), key);
}

void CalendarData::SetYearDates(const DateState& state) {
    displayed_ = Placements(state.PaschaInfo.PaschaYear);
}

void CalendarData::SetRedDays(const DateState& state) {
    Revalidate();
    const DateRec& cur = state.Cur();
    const int length = cur.Month >= 1 && cur.Month <= 12 ? cur.MonthDays[cur.Month] : 0;
    RedDays.assign(static_cast<std::size_t>(std::max(length, 0)) + 1, false);
    if (length <= 0) return;
    const DayNum first = cur.MonthFirst;
    const DayNum last = cur.MonthLast;

    if (state.CurCal == kGregorian) {
        // The Gregorian month spans two Julian months: each day is looked up by its Julian date.
        int k = 1;
        for (DayNum c = first; c <= last && k <= length; ++c, ++k) {
            const CalendarDate julian = DateOfDay(kJulian, c);
            RedDays[static_cast<std::size_t>(k)] =
                MonthKey(julian.Day, julian.Month, IsLeapYear(kJulian, julian.Year) ? 366 : 365,
                         "Red") == "1";
        }
    } else {
        // A World year holds the February of its Julian year, so its length picks the file too.
        const int julianMonth = state.CurCal == kJulian ? cur.Month : (cur.Month + 7) % 12 + 1;
        const int index = MonthFileIndex(julianMonth, cur.YearDays);
        const IniFile& file = monthFiles_.Get(BaseFiles[static_cast<std::size_t>(index)]);
        for (int k = 1; k <= length; ++k) {
            const auto lines = file.Section(k);
            RedDays[static_cast<std::size_t>(k)] =
                FindKey(std::span<const std::string_view>(lines), "Red") == "1";
        }
    }

    // The month grid's index of a day number is its distance from the month's first day.
    const DayNum gridLast = std::min<DayNum>(last, first + length - 1);
    const YearPlacements& placed = *displayed_;
    MarkRed(tables.Relocatable, placed.Relocatable, first, gridLast, RedDays);
    MarkRed(tables.Relocatable1, placed.Relocatable1, first, gridLast, RedDays);
    MarkRed(tables.Special, placed.Special, first, gridLast, RedDays);
    MarkRed(tables.Weekdays, placed.Weekdays, first, gridLast, RedDays);
    MarkRed(tables.Weekdays1, placed.Weekdays1, first, gridLast, RedDays);
    MarkRed(tables.SpecWeekDays, placed.SpecWeekDays, first, gridLast, RedDays);
}

void CalendarData::Attach(DateState& state) {
    state_ = &state;
    state.SetMonthListener(this);
}

const std::vector<bool>& CalendarData::AttachedRedDays() {
    if (redDaysStale_ && state_ != nullptr) SetRedDays(*state_);
    redDaysStale_ = false;
    return RedDays;
}

void CalendarData::SetYearDates() {
    if (state_) SetYearDates(*state_);
}

}  // namespace velorith
