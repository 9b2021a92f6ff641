#include "reports/day_report.h"

#include <array>

#include "data/signs.h"
#include "reckoning/movable_cycle.h"
#include "reckoning/name_tables.h"

namespace velorith {

std::string AddTitle(std::string a, std::string_view t) {
    if (!a.empty()) a += ' ';
    a += t;
    return a;
}

std::string AddTail(std::string a, std::string_view t) {
    if (!a.empty() && a.back() == '.') a.pop_back();
    a += t;
    return a;
}

std::string_view DayBlock::MonthName(int cal, int form) const {
    const DateRec& rec = c_.state.Dates[static_cast<std::size_t>(cal)];
    return MonthNames(CalendarMonth(cal, rec.Month), form);
}

std::string DayBlock::DayMonthYear(int cal) const {
    const DateRec& rec = c_.state.Dates[static_cast<std::size_t>(cal)];
    std::string text = std::to_string(rec.Day);
    text += ' ';
    text += MonthName(cal, kGenitive);
    text += ' ';
    text += std::to_string(rec.Year);
    text += " года";
    return text;
}

std::string DayBlock::IndictionLine() const {
    if (!c_.settings.ShowIndiction) return {};
    const GreatIndiction g = GreatIndictionOf(c_.state.Dates[kWorld].Year);
    std::string line(kEol);
    line += Indent;
    line += std::to_string(g.Year);
    line += "-й год ";
    line += std::to_string(g.Number);
    line += "-го индиктиона";
    line += kEol;
    return line;
}

std::string DayBlock::DateLines(bool showYear, bool showCal) const {
    const DateState& s = c_.state;
    const bool all = c_.settings.ShowAllStyles;
    const DateRec& cur = s.Cur();
    std::string text(kEol);
    text += Indent;
    text += std::to_string(cur.Day);
    text += ' ';
    text += MonthName(s.CurCal, kGenitive);
    if (showYear || all) {
        text += ' ';
        text += std::to_string(cur.Year);
        text += " года";
    }
    if (showCal || all) text += CalNames(s.CurCal);
    text += kEol;
    if (all) {
        // The other two reckonings, in a fixed order for each current one.
        static constexpr std::array<std::array<int, 2>, 4> kOthers = {
            {{0, 0}, {kJulian, kGregorian}, {kGregorian, kWorld}, {kJulian, kWorld}}};
        for (const int k : kOthers[static_cast<std::size_t>(s.CurCal)]) {
            text += Indent;
            text += DayMonthYear(k);
            text += CalNames(k);
            text += kEol;
        }
    }
    text += kEol;
    return text;
}

std::string DayBlock::WeekLine() {
    const DateState& s = c_.state;
    const Tables& t = c_.data.tables;
    const DayNum day = s.CurDay;
    std::string titles;
    std::string tails;
    bool hasTail = false;
    const auto take = [&](bool red, const std::string& title) {
        if (red) RedDay = true;
        if (!title.empty() && title.front() == ',') {
            tails = AddTail(std::move(tails), title);
            hasTail = true;
        } else {
            titles = AddTitle(std::move(titles), title);
        }
    };
    const auto takeAll = [&](const auto& table) {
        for (const auto& e : table) {
            if (FallsOn(e, day)) take(e.Red, e.Title);
        }
    };
    takeAll(t.Weekdays);
    takeAll(t.Weekdays1);
    takeAll(t.SpecWeekDays);

    std::string line;
    if (!titles.empty()) {
        line = Indent;
        line += titles;
    }
    if (titles.empty() || hasTail) {
        line += Indent;
        line += DayNames(s.CurWeekDay, kChurchDay);
        line += ' ';
        AppendCyclePhrase(line, s.Cur().Week, s.CurWeekDay, s.PaschaInfo.PaschaWeek,
                          s.PaschaInfo.FirstPentWeek);
    }
    if (hasTail) line = AddTail(std::move(line), tails);
    line += ToneText(ToneOf(day, s.PaschaInfo.CurPascha, s.PaschaInfo.PrevPascha));
    line += kEol;
    return line;
}

std::string DayBlock::DayHeading(bool showYear) {
    std::string text = DateLines(showYear, false);
    text += WeekLine();
    text += kEol;
    return text;
}

namespace {

// Each entry in turn wraps what the day holds so far: its "before" lines go in front of the
// group, its "after" lines behind it.
void WrapEntry(std::array<std::string, 5>& groups, const EntryTexts& e, bool textZeroFirst) {
    groups[0] = textZeroFirst ? e.Text0 + groups[0] : groups[0] + e.Text0;
    groups[1] = e.Text11 + groups[1] + e.Text19;
    groups[2] = e.Text21 + groups[2] + e.Text29;
    groups[3] = e.Text31 + groups[3] + e.Text39;
    groups[4] += e.Text4;
}

}  // namespace

std::string DayBlock::DayTexts() {
    const DateState& s = c_.state;
    const DayNum day = s.CurDay;
    if (s.CurWeekDay == 7) RedDay = true;

    const DateRec& julian = s.Dates[kJulian];
    MonthDayTexts month = c_.data.MonthDay(julian.Day, julian.Month, julian.YearDays);
    if (month.red) RedDay = true;
    std::array<std::string, 5>& groups = month.groups;

    const Tables& t = c_.data.tables;
    const bool pascha = day == s.PaschaInfo.CurPascha;
    const auto wrapAll = [&](const auto& table, bool textZeroFirst) {
        for (const auto& e : table) {
            if (!FallsOn(e, day)) continue;
            if (e.Red) RedDay = true;
            WrapEntry(groups, e, textZeroFirst);
        }
    };
    wrapAll(t.Relocatable, pascha);
    wrapAll(t.Relocatable1, false);
    wrapAll(t.Special, false);

    std::string text;
    for (const auto& g : groups) {
        if (g.empty()) continue;
        text += kEol;
        text += g;
    }
    return text;
}

std::string DayBlock::ColouredBlock(bool withIndiction, bool showYear, bool showCal) {
    RedDay = false;
    std::string body;
    if (withIndiction) body = IndictionLine();
    body += DateLines(showYear, showCal);
    body += WeekLine();
    body += DayTexts();
    std::string block(RedDay ? kRed : kNavy);
    block += body;
    return block;
}

std::string DayReport(ReportContext context) {
    RtfDocument doc(Prologue(context.settings, false));
    DayBlock block(context);
    std::string body = block.ColouredBlock(true, true, true);
    body += kEpilogue;
    doc.AddPiece(body);
    return std::move(doc).Take();
}

}  // namespace velorith
