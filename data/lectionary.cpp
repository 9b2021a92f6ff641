#include "data/lectionary.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <optional>

#include "data/ini_file.h"
#include "data/section_reader.h"

namespace velorith {
namespace {

std::optional<int> ParseInt(std::string_view s) {
    int value = 0;
    const char* end = s.data() + s.size();
    const auto [ptr, ec] = std::from_chars(s.data(), end, value);
    if (ec != std::errc() || ptr != end || s.empty()) return std::nullopt;
    return value;
}

// The zachalo number that ends a reading, "Ин. 1:1-17 (1)"; 0 and the text as it is without one.
Lection SplitZachalo(std::string_view text) {
    Lection lection;
    if (text.size() > 3 && text.back() == ')') {
        const std::size_t open = text.rfind(" (");
        if (open != std::string_view::npos) {
            const auto n = ParseInt(text.substr(open + 2, text.size() - open - 3));
            if (n && *n > 0 && *n < 10000) {
                lection.Reference = std::string(StripSpaces(text.substr(0, open)));
                lection.Zachalo = *n;
                return lection;
            }
        }
    }
    lection.Reference = std::string(text);
    return lection;
}

// The names of the fields that hold readings, in the order of ListsOf.
constexpr std::array<std::string_view, 12> kListFields = {"a",  "g",  "m",  "f",  "h",  "v",
                                                          "wa", "wg", "h1", "h3", "h6", "h9"};

std::array<std::vector<Lection>*, kListFields.size()> ListsOf(ReadingSet& set) {
    return {&set.Apostle,       &set.Gospel,        &set.Matins,         &set.FirstHour,
            &set.SixthHour,     &set.Vespers,       &set.WeekendApostle, &set.WeekendGospel,
            &set.RoyalHours[0], &set.RoyalHours[1], &set.RoyalHours[2],  &set.RoyalHours[3]};
}

// The place of a field in kListFields; its size when the field holds no readings.
std::size_t ListIndex(std::string_view field) {
    return static_cast<std::size_t>(std::find(kListFields.begin(), kListFields.end(), field) -
                                    kListFields.begin());
}

bool IsField(std::string_view field) {
    return field == "order" || field == "label" || field == "read" ||
           ListIndex(field) < kListFields.size();
}

// Takes one "<head>.<field>" line into the set. False when the field is unknown.
bool SetField(ReadingSet& set, std::string_view field, std::string_view value) {
    if (field == "order") {
        if (value == "first")
            set.Order = ReadingOrder::First;
        else if (value == "great")
            set.Order = ReadingOrder::Great;
        else if (value == "own")
            set.Order = ReadingOrder::Own;
        else if (value == "feast")
            set.Order = ReadingOrder::Feast;
        else
            set.Order = ReadingOrder::After;
        return true;
    }
    if (field == "label") {
        set.Label = std::string(value);
        return true;
    }
    if (field == "read") {
        set.Always = value == "always";
        return true;
    }
    const std::size_t list = ListIndex(field);
    if (list == kListFields.size()) return false;
    *ListsOf(set)[list] = ParseLections(value);
    return true;
}

// Splits "head.field=value"; false when the key has no ".". The key is lower-cased into `key`,
// a buffer the caller reuses from line to line; the value is a view into the line.
bool SplitLine(std::string_view text, std::string& key, std::string_view& value,
               std::string_view& head, std::string_view& field) {
    const KeyValueView kv = SplitKeyView(text);
    key.assign(kv.key);
    for (char& c : key)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    value = kv.value;
    const std::size_t dot = key.rfind('.');
    if (dot == std::string::npos) return false;
    head = std::string_view(key).substr(0, dot);
    field = std::string_view(key).substr(dot + 1);
    return true;
}

// "W.D" with W in 1..weeks and D in 1..7.
bool WeekKey(std::string_view head, std::string_view field, int& week, int& day) {
    const auto w = ParseInt(head);
    const auto d = ParseInt(field);
    if (!w || !d || *w < 1 || *w > kLectionaryWeeks || *d < 1 || *d > 7) return false;
    week = *w;
    day = *d;
    return true;
}

// "D.M" or "D.M.N" of a Julian date: the date, and the set's number N (1 without it; 1..9).
std::optional<int> DateKey(std::string_view head, int& number) {
    number = 1;
    const std::size_t first = head.find('.');
    const std::size_t second = first == std::string_view::npos ? first : head.find('.', first + 1);
    if (second != std::string_view::npos) {
        const auto n = ParseInt(head.substr(second + 1));
        if (!n || *n < 1 || *n > 9) return std::nullopt;
        number = *n;
        head = head.substr(0, second);
    }
    const std::size_t dot = head.find('.');
    if (dot == std::string_view::npos) return std::nullopt;
    const auto d = ParseInt(head.substr(0, dot));
    const auto m = ParseInt(head.substr(dot + 1));
    if (!d || !m || *m < 1 || *m > 12 || *d < 1 || *d > 31) return std::nullopt;
    return *m * 100 + *d;
}

// "N" or "N.K" of a movable day: its distance from Pascha, and the set's number K (1 without
// it; 1..9). Sets past the first may name days up to kLastMovableSaintDay.
std::optional<int> MovableKey(std::string_view head, int& number) {
    number = 1;
    if (const std::size_t dot = head.find('.'); dot != std::string_view::npos) {
        const auto n = ParseInt(head.substr(dot + 1));
        if (!n || *n < 1 || *n > 9) return std::nullopt;
        number = *n;
        head = head.substr(0, dot);
    }
    const auto off = ParseInt(head);
    if (!off || *off < kFirstMovableDay || *off > kLastMovableSaintDay) return std::nullopt;
    return off;
}

// "D.M" of a Julian date.
std::optional<int> DateKey(std::string_view head) {
    int number = 1;
    const auto date = DateKey(head, number);
    return number == 1 && head.find('.') == head.rfind('.') ? date : std::nullopt;
}

void ReadLabels(const IniFile& ini, ReadingLabels& labels) {
    for (const std::string_view line : ini.Section("Labels")) {
        KeyValue kv = SplitKey(line);
        for (char& c : kv.key)
            if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (kv.key == "ordinary") labels.Ordinary = kv.value;
        if (kv.key == "after") labels.UnderZachalo = kv.value;
        if (kv.key == "moved") labels.Moved = kv.value;
        if (kv.key.size() == 4 && kv.key.starts_with("day") && kv.key[3] >= '1' && kv.key[3] <= '7')
            labels.ForDay[static_cast<std::size_t>(kv.key[3] - '1')] = kv.value;
        constexpr std::array<std::string_view, kRoyalHours> hourKeys = {"hour1", "hour3", "hour6",
                                                                        "hour9"};
        for (std::size_t i = 0; i < hourKeys.size(); ++i)
            if (kv.key == hourKeys[i]) labels.Hours[i] = kv.value;
    }
}

}  // namespace

std::vector<Lection> ParseLections(std::string_view value) {
    std::vector<Lection> parts;
    while (!value.empty()) {
        const std::size_t plus = value.find(" + ");
        const std::string_view part = StripSpaces(value.substr(0, plus));
        if (!part.empty()) parts.push_back(SplitZachalo(part));
        if (plus == std::string_view::npos) break;
        value.remove_prefix(plus + 3);
    }
    return parts;
}

Lectionary Lectionary::FromIni(const IniFile& ini) {
    Lectionary lx;
    std::string key;
    std::string_view value;
    std::string_view head, field;
    for (const std::string_view line : ini.Section("Apostle")) {
        int w = 0, d = 0;
        if (SplitLine(line, key, value, head, field) && WeekKey(head, field, w, d))
            lx.apostle_[static_cast<std::size_t>(w - 1)][static_cast<std::size_t>(d - 1)] = value;
    }
    for (const std::string_view line : ini.Section("Gospel")) {
        int w = 0, d = 0;
        if (SplitLine(line, key, value, head, field) && WeekKey(head, field, w, d))
            lx.gospel_[static_cast<std::size_t>(w - 1)][static_cast<std::size_t>(d - 1)] = value;
    }
    for (const std::string_view line : ini.Section("Matins")) {
        const KeyValue kv = SplitKey(line);
        const auto n = ParseInt(kv.key);
        if (n && *n >= 1 && *n <= 11) lx.matins_[static_cast<std::size_t>(*n - 1)] = kv.value;
    }
    for (const std::string_view line : ini.Section("Movable")) {
        if (!SplitLine(line, key, value, head, field) || !IsField(field)) continue;
        int number = 1;
        const auto off = MovableKey(head, number);
        if (!off) continue;
        if (number == 1) {
            if (*off <= kLastMovableDay) SetField(lx.movable_[*off], field, value);
            continue;
        }
        std::vector<ReadingSet>& sets = lx.movableSaints_[*off];
        if (sets.size() < static_cast<std::size_t>(number - 1))
            sets.resize(static_cast<std::size_t>(number - 1));
        SetField(sets[static_cast<std::size_t>(number - 2)], field, value);
    }
    for (auto& [off, sets] : lx.movableSaints_)
        std::erase_if(sets, [](const ReadingSet& set) { return set.Empty(); });
    std::erase_if(lx.movableSaints_, [](const auto& entry) { return entry.second.empty(); });
    for (const std::string_view line : ini.Section("Fixed")) {
        if (!SplitLine(line, key, value, head, field)) continue;
        int number = 1;
        const auto date = DateKey(head, number);
        if (!date || !IsField(field)) continue;
        std::vector<ReadingSet>& sets = lx.fixed_[*date];
        if (sets.size() < static_cast<std::size_t>(number))
            sets.resize(static_cast<std::size_t>(number));
        SetField(sets[static_cast<std::size_t>(number - 1)], field, value);
    }
    // A set numbered past a gap ("30.1.3" without "30.1.2") leaves empty sets: drop them.
    for (auto& [date, sets] : lx.fixed_)
        std::erase_if(sets, [](const ReadingSet& set) { return set.Empty(); });
    std::erase_if(lx.fixed_, [](const auto& entry) { return entry.second.empty(); });
    ReadLabels(ini, lx.labels_);
    // The rules by their number: the numbers are gathered first, so that the rules are made in
    // one array of the right size, in order, without a tree of a million nodes.
    const auto nearLines = ini.Section("Near");
    std::vector<int> numbers;
    for (const std::string_view line : nearLines) {
        if (!SplitLine(line, key, value, head, field)) continue;
        const auto n = ParseInt(head);
        if (n && (field == "when" || IsField(field))) numbers.push_back(*n);
    }
    std::sort(numbers.begin(), numbers.end());
    numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
    std::vector<NearDayRule> near(numbers.size());
    for (const std::string_view line : nearLines) {
        if (!SplitLine(line, key, value, head, field)) continue;
        const auto n = ParseInt(head);
        if (!n || (field != "when" && !IsField(field))) continue;
        NearDayRule& rule = near[static_cast<std::size_t>(
            std::lower_bound(numbers.begin(), numbers.end(), *n) - numbers.begin())];
        if (field != "when") {
            SetField(rule.Readings, field, value);
            continue;
        }
        // "D.M.W": the date and the weekday rule.
        const std::size_t last = value.rfind('.');
        const auto date = last == std::string::npos
                              ? std::nullopt
                              : DateKey(std::string_view(value).substr(0, last));
        const auto wd = last == std::string::npos
                            ? std::nullopt
                            : ParseInt(std::string_view(value).substr(last + 1));
        if (date && wd && *wd >= -7 && *wd <= 7 && *wd != 0) {
            rule.Month = *date / 100;
            rule.Day = *date % 100;
            rule.WeekDay = *wd;
        }
    }
    near.erase(std::remove_if(near.begin(), near.end(),
                              [](const NearDayRule& rule) { return rule.WeekDay == 0; }),
               near.end());
    near.shrink_to_fit();
    lx.near_ = std::move(near);
    lx.nearIndex_.reserve(lx.near_.size());
    for (std::size_t i = 0; i < lx.near_.size(); ++i) {
        const NearDayRule& rule = lx.near_[i];
        const int key = rule.Month * 100 + rule.Day;
        lx.nearIndex_.push_back({key, static_cast<std::uint32_t>(i)});
        if (key >= 0 && key < kNearKeys) lx.nearKeys_.set(static_cast<std::size_t>(key));
    }
    std::sort(lx.nearIndex_.begin(), lx.nearIndex_.end());
    return lx;
}

Lectionary Lectionary::Load(const std::filesystem::path& file) {
    return FromIni(IniFile::Load(file));
}

std::string_view Lectionary::Apostle(int week, int weekDay) const {
    if (week < 1 || week > kLectionaryWeeks || weekDay < 1 || weekDay > 7) return {};
    return apostle_[static_cast<std::size_t>(week - 1)][static_cast<std::size_t>(weekDay - 1)];
}

std::string_view Lectionary::Gospel(int week, int weekDay) const {
    if (week < 1 || week > kLectionaryWeeks || weekDay < 1 || weekDay > 7) return {};
    return gospel_[static_cast<std::size_t>(week - 1)][static_cast<std::size_t>(weekDay - 1)];
}

std::string_view Lectionary::MatinsGospel(int n) const {
    if (n < 1 || n > 11) return {};
    return matins_[static_cast<std::size_t>(n - 1)];
}

const ReadingSet* Lectionary::Movable(int fromPascha) const {
    const auto it = movable_.find(fromPascha);
    return it == movable_.end() ? nullptr : &it->second;
}

std::span<const ReadingSet> Lectionary::MovableSaints(int fromPascha) const {
    const auto it = movableSaints_.find(fromPascha);
    if (it == movableSaints_.end()) return {};
    return it->second;
}

std::span<const ReadingSet> Lectionary::Fixed(int day, int month) const {
    const auto it = fixed_.find(month * 100 + day);
    if (it == fixed_.end()) return {};
    return it->second;
}

std::vector<const NearDayRule*> Lectionary::NearRulesOn(DayNum day) const {
    std::vector<const NearDayRule*> found;
    if (nearIndex_.empty()) return found;
    const int weekDay = WeekDayOf(day);
    std::vector<std::uint32_t> hits;
    const auto take = [&](int key, bool after) {
        if (key >= 0 && key < kNearKeys && !nearKeys_.test(static_cast<std::size_t>(key))) return;
        const auto from = std::lower_bound(nearIndex_.begin(), nearIndex_.end(),
                                           std::pair<int, std::uint32_t>{key, 0});
        for (auto it = from; it != nearIndex_.end() && it->first == key; ++it) {
            // Weekday 0, "the Sunday before", is the same day as -7.
            const int wd = near_[it->second].WeekDay == 0 ? -7 : near_[it->second].WeekDay;
            if (after ? wd == weekDay : wd == -weekDay) hits.push_back(it->second);
        }
    };
    // A rule "the first weekday W after the date" falls on a day W that is 1 to 7 days after
    // its date; "the last one before" on a day 1 to 7 days before. A date past its month's end
    // (30 February, 31 April) is the day it runs over to, as the day numbers count it.
    // The fifteen dates around the day, found once and stepped through.
    std::array<CalendarDate, 15> around{};
    around[0] = DateOfDay(kJulian, day - 7);
    int length = MonthLength(kJulian, around[0].Month, around[0].Year);
    for (std::size_t i = 1; i < around.size(); ++i) {
        CalendarDate next = around[i - 1];
        if (++next.Day > length) {
            next.Day = 1;
            if (++next.Month > 12) {
                next.Month = 1;
                ++next.Year;
            }
            length = MonthLength(kJulian, next.Month, next.Year);
        }
        around[i] = next;
    }
    for (int k = 1; k <= 7; ++k) {
        for (const bool after : {true, false}) {
            const CalendarDate anchor = around[static_cast<std::size_t>(after ? 7 - k : 7 + k)];
            take(anchor.Month * 100 + anchor.Day, after);
            // A month has at least 28 days, so only the first three days of a month can be a
            // date of the month before run over.
            if (anchor.Month > 1 && anchor.Day <= 31 - 28) {
                const int spill = anchor.Day + MonthLength(kJulian, anchor.Month - 1, anchor.Year);
                if (spill <= 31) take((anchor.Month - 1) * 100 + spill, after);
            }
        }
    }
    std::sort(hits.begin(), hits.end());
    hits.erase(std::unique(hits.begin(), hits.end()), hits.end());
    found.reserve(hits.size());
    for (const std::uint32_t i : hits)
        found.push_back(&near_[i]);
    return found;
}

bool Lectionary::Empty() const {
    return movable_.empty() && movableSaints_.empty() && fixed_.empty() && near_.empty() &&
           matins_[0].empty() && apostle_[0][0].empty() && gospel_[0][0].empty();
}

}  // namespace velorith
