#include "reports/day_report.h"

#include <array>
#include <type_traits>

#include "calendar/phrases.h"
#include "data/signs.h"
#include "reckoning/movable_cycle.h"
#include "reckoning/name_tables.h"
#include "reports/day_phrases.h"

namespace velorith {

DayOptions DayOptionsOf(const ReportSettings& settings) {
    return {settings.ShowFasting, settings.ShowReadings};
}

template <typename S>
const DayInfo& BasicDayBlock<S>::Info() {
    const DayContext now = DayContextOf(c_.state);
    if (now.Day != built_.Day || now.Reckoning != built_.Reckoning || now.Week != built_.Week ||
        now.Pascha != built_.Pascha) {
        const auto placed = c_.data.Placements(now.Pascha.PaschaYear);
        info_ = BuildDayInfo(now, *placed, c_.data, DayOptionsOf(c_.settings));
        built_ = now;
    }
    return info_;
}

template <typename S>
std::string_view BasicDayBlock<S>::MonthName(int cal, int form) const {
    const DateRec& rec = c_.state.Dates[static_cast<std::size_t>(cal)];
    return MonthNames(CalendarMonth(cal, rec.Month), form, c_.phrases);
}

template <typename S>
std::string BasicDayBlock<S>::DayMonthYear(int cal) const {
    const DateRec& rec = c_.state.Dates[static_cast<std::size_t>(cal)];
    return DateInWords(cal, rec.Day, rec.Month, rec.Year, c_.phrases);
}

template <typename S>
std::string BasicDayBlock<S>::IndictionLine() {
    if (!c_.settings.ShowIndiction) return {};
    const GreatIndiction g = Info().Indiction;
    std::string line(S::Eol);
    line += S::Indent;
    line += IndictionText(g, c_.phrases);
    line += S::Eol;
    return line;
}

template <typename S>
std::string BasicDayBlock<S>::DateLines(bool showYear, bool showCal) const {
    const DateState& s = c_.state;
    const bool all = c_.settings.ShowAllStyles;
    const DateRec& cur = s.Cur();
    std::string text(S::Eol);
    text += S::Indent;
    text += std::to_string(cur.Day);
    text += ' ';
    text += MonthName(s.CurCal, kGenitive);
    if (showYear || all) {
        text += ' ';
        text += std::to_string(cur.Year);
        text += c_.phrases.YearOfDate;
    }
    if (showCal || all) text += CalNames(s.CurCal, c_.phrases);
    text += S::Eol;
    if (all) {
        for (const Reckoning k : OtherReckonings(s.CurReckoning())) {
            text += S::Indent;
            text += DayMonthYear(k);
            text += CalNames(k, c_.phrases);
            text += S::Eol;
        }
    }
    text += S::Eol;
    return text;
}

template <typename S>
void BasicDayBlock<S>::AppendWeekLine(std::string& out) {
    const DayInfo& info = Info();
    // RTF keeps the titles' markup; the other forms show their plain text.
    const std::string text = DayLineText(info, std::is_same_v<S, RtfStyle>, S::Indent, c_.phrases);
    S::AppendValue(out, text, text);
    out += S::Eol;
}

template <typename S>
std::string BasicDayBlock<S>::DayHeading(bool showYear) {
    std::string text = DateLines(showYear, false);
    AppendWeekLine(text);
    text += S::Eol;
    return text;
}

template <typename S>
void BasicDayBlock<S>::AppendDayTexts(std::string& text) {
    const DayInfo& info = Info();
    int group = -1;
    for (const DayEntry& e : info.Entries) {
        if (e.Group != group) {
            text += S::Eol;
            group = e.Group;
        }
        S::AppendLine(text, e.Sign, e.Group == 4, e.Value(), e.Text);
    }
    // The readings and the fast, when switched on, close the day as notes of its own, after an
    // empty line.
    bool first = true;
    std::string typed;
    const auto note = [&](std::string_view line) {
        if (first) text += S::Eol;
        first = false;
        typed.clear();
        S::AppendTyped(typed, line);
        S::AppendLine(text, Rank::None, true, typed, line);
    };
    if (info.Readings) {
        for (const ServiceReadings& service : info.Readings->Services)
            note(ServiceLineText(service, c_.phrases, {c_.settings.ShowZachala}));
        if (info.Readings->NoLiturgy != NoLiturgyKind::None)
            note(NoLiturgyText(info.Readings->NoLiturgy, c_.phrases));
    }
    if (info.Fast && info.Fast->Level != FastLevel::None)
        note(FastLineText(*info.Fast, c_.phrases));
}

template <typename S>
std::string BasicDayBlock<S>::ColouredBlock(bool withIndiction, bool showYear, bool showCal) {
    const DayInfo& info = Info();
    // Room for the entries' texts besides, so that a long one does not make the block grow.
    std::size_t room = kDayBlockRoom;
    for (const DayEntry& e : info.Entries)
        room += 2 * e.Value().size();
    std::string block;
    block.reserve(room);
    block += info.Red() ? S::Red : S::Navy;
    if (withIndiction) block += IndictionLine();
    block += DateLines(showYear, showCal);
    AppendWeekLine(block);
    AppendDayTexts(block);
    return block;
}

template <typename S>
std::string DayReportIn(ReportContext context) {
    StyledDocument<S> doc(S::Prologue(context.settings, false));
    BasicDayBlock<S> block(context);
    std::string body = block.ColouredBlock(true, true, true);
    body += S::Epilogue;
    doc.AddPiece(body);
    return std::move(doc).Take();
}

template class BasicDayBlock<RtfStyle>;
template class BasicDayBlock<TextStyle>;
template std::string DayReportIn<RtfStyle>(ReportContext);
template std::string DayReportIn<TextStyle>(ReportContext);

}  // namespace velorith
