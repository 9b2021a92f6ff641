#include "data/lectionary.h"

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

// "a + b + c" split at " + ", each part stripped; empty parts dropped.
std::vector<std::string> SplitReadings(std::string_view value) {
    std::vector<std::string> parts;
    while (!value.empty()) {
        const std::size_t plus = value.find(" + ");
        const std::string_view part = StripSpaces(value.substr(0, plus));
        if (!part.empty()) parts.emplace_back(part);
        if (plus == std::string_view::npos) break;
        value.remove_prefix(plus + 3);
    }
    return parts;
}

bool IsField(std::string_view field) {
    return field == "a" || field == "g" || field == "m" || field == "f" || field == "h" ||
           field == "v" || field == "order";
}

// Takes one "<head>.<field>" line into the set: fields a, g, m, f, h, v and order. False when the
// field is unknown.
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
    std::vector<std::string>* list = field == "a"   ? &set.Apostle
                                     : field == "g" ? &set.Gospel
                                     : field == "m" ? &set.Matins
                                     : field == "f" ? &set.FirstHour
                                     : field == "h" ? &set.SixthHour
                                     : field == "v" ? &set.Vespers
                                                    : nullptr;
    if (list == nullptr) return false;
    *list = SplitReadings(value);
    return true;
}

// Splits "head.field=value"; false when the key has no ".".
bool SplitLine(std::string_view text, std::string& key, std::string& value, std::string_view& head,
               std::string_view& field) {
    KeyValue kv = SplitKey(text);
    for (char& c : kv.key)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    key = std::move(kv.key);
    value = std::move(kv.value);
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

// "D.M" of a Julian date.
std::optional<int> DateKey(std::string_view head) {
    const std::size_t dot = head.find('.');
    if (dot == std::string_view::npos) return std::nullopt;
    const auto d = ParseInt(head.substr(0, dot));
    const auto m = ParseInt(head.substr(dot + 1));
    if (!d || !m || *m < 1 || *m > 12 || *d < 1 || *d > 31) return std::nullopt;
    return *m * 100 + *d;
}

}  // namespace

Lectionary Lectionary::FromIni(const IniFile& ini) {
    Lectionary lx;
    std::string key, value;
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
        if (!SplitLine(line, key, value, head, field)) continue;
        const auto off = ParseInt(head);
        if (off && *off >= kFirstMovableDay && *off <= kLastMovableDay && IsField(field))
            SetField(lx.movable_[*off], field, value);
    }
    for (const std::string_view line : ini.Section("Fixed")) {
        if (!SplitLine(line, key, value, head, field)) continue;
        const auto date = DateKey(head);
        if (date && IsField(field)) SetField(lx.fixed_[*date], field, value);
    }
    std::map<int, NearDayRule> near;
    for (const std::string_view line : ini.Section("Near")) {
        if (!SplitLine(line, key, value, head, field)) continue;
        const auto n = ParseInt(head);
        if (!n || (field != "when" && !IsField(field))) continue;
        NearDayRule& rule = near[*n];
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
    for (auto& [n, rule] : near)
        if (rule.WeekDay != 0) lx.near_.push_back(std::move(rule));
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

const ReadingSet* Lectionary::Fixed(int day, int month) const {
    const auto it = fixed_.find(month * 100 + day);
    return it == fixed_.end() ? nullptr : &it->second;
}

bool Lectionary::Empty() const {
    return movable_.empty() && fixed_.empty() && near_.empty() && matins_[0].empty() &&
           apostle_[0][0].empty() && gospel_[0][0].empty();
}

}  // namespace velorith
