#include "calendar/day_builder.h"

#include <algorithm>
#include <cstring>
#include <type_traits>

#include "calendar/fasting.h"
#include "calendar/readings.h"
#include "data/rtf_reader.h"
#include "data/signs.h"

namespace velorith {
namespace {

// An entry keeps the line's plain text, and its markup beside it only when it has any; the
// markup is read once here into the spans over the plain text.
template <typename T>
void SetText(T& t, std::string value) {
    if (HasMarkup(value)) {
        StyledText styled = ReadStyledText(value);
        t.Text = std::move(styled.Text);
        t.Spans = std::move(styled.Spans);
        t.Markup = std::move(value);
    } else {
        t.Text = std::move(value);
    }
}

// A data line's texts, its looks read when the line was.
void SetText(DayEntry& e, const TextLine& line) {
    e.Text = line.Plain;
    e.Markup = line.Markup;
    e.Spans = line.Spans;
}

// The day line's parts: the titles of the day, or the weekday with its place in the cycle, a
// title that begins with "," continuing it; then the tone.
void MakeDayLine(DayInfo& info, const DayContext& c, const YearPlacements& placed,
                 const Tables& t) {
    std::string titles;
    std::string tails;
    bool hasTail = false;
    const auto take = [&](bool red, const std::string& title) {
        if (red) info.RedWhy.Entry = true;
        if (!title.empty() && title.front() == ',') {
            if (!tails.empty() && tails.back() == '.') tails.pop_back();
            tails += title;
            hasTail = true;
        } else {
            if (!titles.empty()) titles += ' ';
            titles += title;
        }
    };
    for (const PlacedEntry& e : placed.On(c.Day)) {
        const auto takeFrom = [&](const auto& table) {
            if (table.Has(e.Section)) take(table[e.Section].Red, table[e.Section].Title);
        };
        if (e.Table == PlacedTable::Weekdays) takeFrom(t.Weekdays);
        if (e.Table == PlacedTable::Weekdays1) takeFrom(t.Weekdays1);
        if (e.Table == PlacedTable::SpecWeekDays) takeFrom(t.SpecWeekDays);
    }
    SetText(info.Line.Titles, std::move(titles));
    SetText(info.Line.Tails, std::move(tails));
    if (info.Line.Titles.Empty() || hasTail)
        info.Line.Cycle =
            CyclePlaceOf(c.Week, info.WeekDay, c.Pascha.PaschaWeek, c.Pascha.FirstPentWeek);
    info.Tone = ToneOf(c.Day, c.Pascha.CurPascha, c.Pascha.PrevPascha);
}

// The groups of the day in report order: the month file's lines, each placed entry wrapping
// what the day holds so far (its "before" lines in front of the group, its "after" lines
// behind it). The lines are gathered as references and copied once, in their final order.
class GroupWrapper {
  public:
    explicit GroupWrapper(DayInfo& info) : info_(info) {}

    void MonthLines(const MonthDayTexts& month) { month_ = &month; }

    void Wrap(const EntryTexts& e, EntrySource source, int section, bool textZeroFirst) {
        const auto add = [&](std::vector<Chunk>& side, int g, const TextLines& lines) {
            if (!lines.empty()) side.push_back({g, &lines, source, section});
        };
        add(textZeroFirst ? before_ : after_, 0, e.Text0);
        add(before_, 1, e.Text11);
        add(after_, 1, e.Text19);
        add(before_, 2, e.Text21);
        add(after_, 2, e.Text29);
        add(before_, 3, e.Text31);
        add(after_, 3, e.Text39);
        add(after_, 4, e.Text4);
    }

    void Finish() {
        std::size_t count = 0;
        for (const auto* side : {&before_, &after_})
            for (const Chunk& c : *side)
                count += c.lines->size();
        if (month_ != nullptr)
            for (const TextLines& lines : month_->groups)
                count += lines.size();
        info_.Entries.reserve(count);
        for (int g = 0; g < 5; ++g) {
            // Later entries wrap earlier ones: their "before" lines stand further out.
            for (auto it = before_.rbegin(); it != before_.rend(); ++it)
                if (it->group == g) Add(g, *it->lines, it->source, it->section);
            if (month_ != nullptr) {
                for (const TextLine& line : month_->groups[static_cast<std::size_t>(g)]) {
                    DayEntry& e = info_.Entries.emplace_back();
                    e.Group = g;
                    e.Sign = line.Sign;
                    SetText(e, line);
                }
            }
            for (const Chunk& c : after_)
                if (c.group == g) Add(g, *c.lines, c.source, c.section);
        }
    }

  private:
    struct Chunk {
        int group;
        const TextLines* lines;
        EntrySource source;
        int section;
    };

    void Add(int g, const TextLines& lines, EntrySource source, int section) {
        for (const TextLine& line : lines) {
            DayEntry& e = info_.Entries.emplace_back();
            e.Group = g;
            e.Sign = line.Sign;
            e.Source = source;
            e.Section = section;
            SetText(e, line);
        }
    }

    DayInfo& info_;
    const MonthDayTexts* month_ = nullptr;
    std::vector<Chunk> before_;
    std::vector<Chunk> after_;
};

}  // namespace

DayContext DayContextOf(const DateState& state) {
    return {state.CurDay, state.CurReckoning(), state.Cur().Week, state.PaschaInfo};
}

DayContext DayContextOf(DayNum day, int k) {
    DayContext c;
    c.Day = day;
    c.Reckoning = IsReckoning(k) ? Reckoning(k) : kJulian;
    const int year = DateOfDay(c.Reckoning, day).Year;
    const DayNum first = DayNumber(c.Reckoning, 1, 1, year);
    const DayNum last = DayNumber(c.Reckoning, 1, 1, year + 1) - 1;
    const int firstWD = WeekDayOf(first);
    c.Week = WeekNumber(first, firstWD, day);
    const int julianYear = c.Reckoning == kWorld ? year - kWorldYearOffset : year;
    PaschaInfoRec& p = c.Pascha;
    p.PaschaYear = static_cast<std::int16_t>(julianYear);
    p.CurPascha = JulianPascha(julianYear);
    p.PrevPascha = JulianPascha(julianYear - 1);
    p.FirstPentWeek = static_cast<std::int16_t>(WeekNumber(p.PrevPascha + 49, 7, first));
    p.LastPentWeek = static_cast<std::int16_t>(WeekNumber(p.CurPascha + 49, 7, last));
    p.PaschaWeek = static_cast<std::int16_t>(WeekNumber(first, firstWD, p.CurPascha));
    return c;
}

namespace {

// The movable day's note of the Liturgy of the Presanctified Gifts gives way to a great feast of
// the date (the Annunciation on a weekday of Lent or Holy Week is kept with the full Liturgy).
void DropPresanctifiedOnGreatFeast(DayInfo& info) {
    static constexpr std::string_view kPresanctifiedNote = "Литургия Преждеосвященных Даров.";
    const bool greatFeast =
        std::any_of(info.Entries.begin(), info.Entries.end(), [](const DayEntry& e) {
            return e.Source == EntrySource::MonthFile && e.Sign == Rank::GreatFeast;
        });
    if (!greatFeast) return;
    std::erase_if(info.Entries, [](const DayEntry& e) {
        return e.Source != EntrySource::MonthFile && e.Group == 4 && e.Text == kPresanctifiedNote;
    });
}

}  // namespace

DayInfo BuildDayInfo(const DayContext& c, const YearPlacements& placed, CalendarData& data,
                     const DayOptions& options) {
    DayInfo info;
    info.Day = c.Day;
    info.Reckoning = c.Reckoning;
    info.Dates = DatesOfDay(c.Day);
    info.WeekDay = WeekDayOf(c.Day);
    info.Indiction = GreatIndictionOf(info.Dates.World.Year);
    info.RedWhy.Sunday = info.WeekDay == 7;

    const Tables& t = data.tables;
    MakeDayLine(info, c, placed, t);

    const JulianDate& julian = info.Dates.Julian;
    const MonthDayTexts& month =
        data.MonthDay(julian.Day, julian.Month, IsLeapYear(kJulian, julian.Year) ? 366 : 365);
    info.RedWhy.MonthKey = month.anyRedKey;
    info.GridRed = month.gridRed;

    GroupWrapper groups(info);
    groups.MonthLines(month);
    // Pascha's own lines head its day, and so do those of a movable great feast (Palm Sunday,
    // the Ascension, Pentecost): the feast comes before the saints of the date.
    const bool pascha = c.Day == c.Pascha.CurPascha;
    const auto headsTheDay = [pascha](const auto& e) {
        if constexpr (std::is_same_v<std::decay_t<decltype(e)>, RelocatableEntry>) {
            return pascha || std::any_of(e.Text0.begin(), e.Text0.end(), [](const TextLine& l) {
                       return l.Sign == Rank::GreatFeast;
                   });
        }
        return false;
    };
    for (const PlacedEntry& e : placed.On(c.Day)) {
        const auto wrap = [&](const auto& table, EntrySource source) {
            if (!table.Has(e.Section)) return;
            const auto& entry = table[e.Section];
            if (entry.Red) info.RedWhy.Entry = true;
            groups.Wrap(entry, source, e.Section, headsTheDay(entry));
        };
        if (e.Table == PlacedTable::Relocatable) wrap(t.Relocatable, EntrySource::Relocatable);
        if (e.Table == PlacedTable::Relocatable1) wrap(t.Relocatable1, EntrySource::Relocatable1);
        if (e.Table == PlacedTable::Special) wrap(t.Special, EntrySource::Special);
    }
    info.Entries.reserve(16);
    groups.Finish();
    DropPresanctifiedOnGreatFeast(info);
    if (options.Readings) {
        // A neighbour's feast with a vigil displaces its readings to this day: ask for the
        // neighbours' ranks where the lectionary has a feast.
        const auto rankOf = [&](DayNum day) {
            Rank rank = Rank::None;
            const CalendarDate d = DateOfDay(kJulian, day);
            if (data.lectionary.Fixed(d.Day, d.Month).empty()) return rank;
            const MonthDayTexts& texts =
                data.MonthDay(d.Day, d.Month, IsLeapYear(kJulian, d.Year) ? 366 : 365);
            for (const TextLines& lines : texts.groups)
                for (const TextLine& line : lines)
                    rank = std::max(rank, line.Sign);
            return rank;
        };
        const NeighbourRanks next{rankOf(c.Day - 1), rankOf(c.Day + 1)};
        info.Readings = ReadingsOf(data.lectionary, c.Day, info.HighestRank(), next);
    }
    if (options.Fasting) info.Fast = FastOfDay(c.Day, info.HighestRank());
    return info;
}

std::string PlainTextOf(std::string_view value) {
    if (!HasMarkup(value)) return std::string(value);
    std::string document = "{\\rtf1 ";
    document += value;
    document += '}';
    return RtfToPlainText(document);
}

namespace {

// Whether a text shows anything: a character other than a space or a control character.
bool Visible(std::string_view text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) > ' ' && c != 0x7f; });
}

}  // namespace

const DayEntry* DayInfo::PrincipalEntry() const {
    for (const int group : {0, 1})
        for (const DayEntry& e : Entries)
            if (e.Group == group && Visible(e.Text)) return &e;
    return nullptr;
}

Rank DayInfo::HighestRank() const {
    Rank best = Rank::None;
    for (const DayEntry& e : Entries)
        if (e.Sign > best) best = e.Sign;
    return best;
}

}  // namespace velorith
