#include "reports/day_report.h"

#include <array>

#include "data/signs.h"
#include "reckoning/movable_cycle.h"
#include "reckoning/name_tables.h"

namespace velorith {

DayOptions DayOptionsOf(const ReportSettings& settings) {
    return {settings.ShowFasting, settings.ShowReadings};
}

const DayInfo& DayBlock::Info() {
    const DayContext now = DayContextOf(c_.state);
    if (now.Day != built_.Day || now.Reckoning != built_.Reckoning || now.Week != built_.Week ||
        now.Pascha != built_.Pascha) {
        const auto placed = c_.data.Placements(now.Pascha.PaschaYear);
        info_ = BuildDayInfo(now, *placed, c_.data, DayOptionsOf(c_.settings));
        built_ = now;
    }
    return info_;
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

std::string DayBlock::IndictionLine() {
    if (!c_.settings.ShowIndiction) return {};
    const GreatIndiction g = Info().Indiction;
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
    std::string line = Info().WeekLineValue;
    line += kEol;
    return line;
}

std::string DayBlock::DayHeading(bool showYear) {
    std::string text = DateLines(showYear, false);
    text += WeekLine();
    text += kEol;
    return text;
}

std::string DayBlock::DayTexts() {
    const DayInfo& info = Info();
    std::string text;
    int group = -1;
    for (const DayEntry& e : info.Entries) {
        if (e.Group != group) {
            text += kEol;
            group = e.Group;
        }
        AppendLineRtf(text, e.Sign, e.Group == 4, e.Value);
    }
    const bool fast = info.Fast && !info.Fast->Line.empty();
    if (info.Readings || fast) {
        text += kEol;
        if (info.Readings) {
            for (const ServiceReadings& service : info.Readings->Services)
                text += IndentedLine(RtfEscapeText(service.Line));
            if (!info.Readings->NoLiturgyReason.empty())
                text += IndentedLine(RtfEscapeText(info.Readings->NoLiturgyReason));
        }
        if (fast) text += IndentedLine(RtfEscapeText(info.Fast->Line));
    }
    return text;
}

std::string DayBlock::ColouredBlock(bool withIndiction, bool showYear, bool showCal) {
    std::string body;
    if (withIndiction) body = IndictionLine();
    body += DateLines(showYear, showCal);
    body += WeekLine();
    body += DayTexts();
    std::string block(Info().Red() ? kRed : kNavy);
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
