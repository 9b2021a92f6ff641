#include "data/tables.h"

#include <array>
#include <limits>
#include <string_view>
#include <utility>

#include "data/entry_markup.h"
#include "data/ini_file.h"
#include "data/section_reader.h"
#include "data/signs.h"
#include "data/text_encoding.h"

namespace velorith {
namespace {

// Reads sections 1, 2, ... into entries until a section is missing or empty. `apply` takes an
// entry, a lower-cased key and its value. The count is a 16-bit number, so reading ends there.
template <typename Entry, typename Apply>
Table<Entry> LoadTable(const std::filesystem::path& file, Apply apply) {
    Table<Entry> table;
    const IniFile ini = IniFile::Load(file);
    for (int n = 1; n <= std::numeric_limits<std::int16_t>::max(); ++n) {
        const auto lines = ini.Section(n);
        if (lines.empty()) break;
        Entry& entry = table.Add();
        for (const std::string_view line : lines) {
            const KeyValueView kv = SplitKeyView(line);
            if (kv.key.empty()) continue;
            apply(entry, LowerUtf8(kv.key), kv.value);
        }
    }
    return table;
}

// The keys of the text lines that carry a rank sign, and the field each one adds to.
constexpr std::array<std::pair<std::string_view, TextLines EntryTexts::*>, 7> kSignedTexts = {{
    {"0", &EntryTexts::Text0},
    {"11", &EntryTexts::Text11},
    {"19", &EntryTexts::Text19},
    {"21", &EntryTexts::Text21},
    {"29", &EntryTexts::Text29},
    {"31", &EntryTexts::Text31},
    {"39", &EntryTexts::Text39},
}};

// The text keys of an entry file; false for any other key.
bool ApplyText(EntryTexts& e, std::string_view key, std::string_view value) {
    for (const auto& [name, field] : kSignedTexts) {
        if (key != name) continue;
        (e.*field).push_back(SignedTextLine(value));
        return true;
    }
    if (key == "4") {
        e.Text4.push_back(NoteTextLine(value));
        return true;
    }
    return false;
}

template <typename Entry>
bool ApplyRed(Entry& e, std::string_view key, std::string_view value) {
    if (key != "red") return false;
    e.Red = !value.empty();
    return true;
}

// Day, month and weekday of the tables placed near a fixed date.
template <typename Entry>
bool ApplyAnchor(Entry& e, std::string_view key, std::string_view value) {
    if (key == "day")
        e.Day = ReadNumber(value);
    else if (key == "month")
        e.Month = ReadNumber(value);
    else if (key == "weekday")
        e.Weekday = ReadNumber(value);
    else
        return false;
    return true;
}

}  // namespace

Table<RelocatableEntry> LoadRelocatable(const std::filesystem::path& file) {
    return LoadTable<RelocatableEntry>(file,
                                       [](auto& e, const std::string& key, std::string_view value) {
                                           if (ApplyRed(e, key, value) || ApplyText(e, key, value))
                                               return;
                                           if (key == "days") e.Days = ReadNumber(value);
                                       });
}

Table<Relocatable1Entry> LoadRelocatable1(const std::filesystem::path& file) {
    return LoadTable<Relocatable1Entry>(
        file, [](auto& e, const std::string& key, std::string_view value) {
            if (!ApplyRed(e, key, value) && !ApplyText(e, key, value)) ApplyAnchor(e, key, value);
        });
}

Table<SpecialEntry> LoadSpecial(const std::filesystem::path& file) {
    return LoadTable<SpecialEntry>(file,
                                   [](auto& e, const std::string& key, std::string_view value) {
                                       if (!ApplyRed(e, key, value)) ApplyText(e, key, value);
                                   });
}

Table<WeekdaysEntry> LoadWeekdays(const std::filesystem::path& file) {
    return LoadTable<WeekdaysEntry>(file,
                                    [](auto& e, const std::string& key, std::string_view value) {
                                        if (ApplyRed(e, key, value)) return;
                                        if (key == "days")
                                            e.Days = ReadNumber(value);
                                        else if (key == "0")
                                            e.Title = BalanceMarkup(value);
                                    });
}

Table<Weekdays1Entry> LoadWeekdays1(const std::filesystem::path& file) {
    return LoadTable<Weekdays1Entry>(file,
                                     [](auto& e, const std::string& key, std::string_view value) {
                                         if (ApplyRed(e, key, value) || ApplyAnchor(e, key, value))
                                             return;
                                         if (key == "0") e.Title = BalanceMarkup(value);
                                     });
}

Table<SpecWeekDaysEntry> LoadSpecWeekDays(const std::filesystem::path& file) {
    return LoadTable<SpecWeekDaysEntry>(
        file, [](auto& e, const std::string& key, std::string_view value) {
            if (!ApplyRed(e, key, value) && key == "0") e.Title = BalanceMarkup(value);
        });
}

}  // namespace velorith
