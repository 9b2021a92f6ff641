#include "reports/period_reports.h"

#include "data/signs.h"
#include "reckoning/name_tables.h"
#include "reports/day_report.h"
#include "reports/report_heading.h"

namespace velorith {
namespace {

// The colour goes back to navy so that the dotted line after a red day is navy.
template <typename S>
std::string DaySeparator() {
    std::string text(S::Navy);
    AppendRuleIn<S>(text);
    return text;
}

// The indiction line opens a period and every Julian 1 September within it.
bool ShowsIndiction(const DateState& s, DayNum first) {
    return s.CurDay == first || (s.Dates[kWorld].Month == 1 && s.Dates[kWorld].Day == 1);
}

// The month and year reports: the titled days first..last, each ruled off; with monthHeadings
// every month opens with its name.
template <typename S>
std::string DaysReport(ReportContext shown, std::string_view title, DayNum first, DayNum last,
                       bool monthHeadings) {
    DateState s = shown.state.Detached();
    const ReportContext c{s, shown.data, shown.settings, shown.phrases};
    BasicDayBlock<S> block(c);
    StyledDocument<S> doc(TitledPrologueIn<S>(c.settings, title), shown.sink);
    doc.Reserve(static_cast<std::size_t>(last - first + 1) * kDayBlockRoom);

    const std::string separator = DaySeparator<S>();
    int lastMonth = 0;
    for (DayNum d = first; d <= last; ++d) {
        MoveWorkingDateAndWeek(s, d);
        if (monthHeadings && s.Cur().Month != lastMonth) {
            std::string heading(S::Navy);
            heading += S::Eol;
            heading += S::Indent;
            heading += block.MonthName(s.CurCal, kNominative);
            AppendRuleIn<S>(heading);
            doc.AddPiece(heading);
            lastMonth = s.Cur().Month;
        }
        std::string piece = block.ColouredBlock(ShowsIndiction(s, first), false, false);
        piece += separator;
        doc.AddPiece(piece);
    }
    doc.AddPiece(S::Epilogue);
    return std::move(doc).Take();
}

}  // namespace

template <typename S>
std::string WeekReportIn(ReportContext shown) {
    DateState s = shown.state.Detached();
    const ReportContext c{s, shown.data, shown.settings, shown.phrases};
    const DateRec cur = s.Cur();
    const bool withYear =
        c.settings.ShowAllStyles || cur.WeekFirst < cur.YearFirst || cur.WeekLast > cur.YearLast;
    // The year whose Pascha data is in place; a day of another year brings its own, and its
    // entries with it.
    int loadedYear = cur.Year;

    BasicDayBlock<S> block(c);
    std::string title(S::Eol);
    title += S::Indent;
    title += c.phrases.WeekWord;
    title += S::Eol;
    title += S::Indent;
    title += WeekTitleFrom(s.CurCal, cur.WeekFirst, c.phrases);
    title += S::Eol;
    std::string days;
    for (DayNum d = cur.WeekFirst; d <= cur.WeekLast; ++d) {
        MoveWorkingDate(s, d);
        if (s.Cur().Year != loadedYear) {
            s.SetYearInfo();
            loadedYear = s.Cur().Year;
        }
        days += block.ColouredBlock(ShowsIndiction(s, cur.WeekFirst), withYear, false);
        days += S::Navy;
        days += S::PieceEnd;
        AppendRuleIn<S>(days);
    }
    title += S::Indent;
    title += WeekTitleTo(s.CurCal, cur.WeekLast, c.phrases);
    AppendRuleIn<S>(title);

    StyledDocument<S> doc(S::Prologue(c.settings, true));
    title += days;
    title += S::Epilogue;
    doc.AddPiece(title);
    return std::move(doc).Take();
}

template <typename S>
std::string MonthReportIn(ReportContext c) {
    const DateState& s = c.state;
    return DaysReport<S>(c, MonthTitle(s.CurCal, s.Cur().Month, s.Cur().Year, c.phrases),
                         s.Cur().MonthFirst, s.Cur().MonthLast, false);
}

template <typename S>
std::string YearReportIn(ReportContext c) {
    return DaysReport<S>(c, YearTitle(c.state, c.phrases), c.state.Cur().YearFirst,
                         c.state.Cur().YearLast, true);
}

template std::string WeekReportIn<RtfStyle>(ReportContext);
template std::string WeekReportIn<TextStyle>(ReportContext);
template std::string MonthReportIn<RtfStyle>(ReportContext);
template std::string MonthReportIn<TextStyle>(ReportContext);
template std::string YearReportIn<RtfStyle>(ReportContext);
template std::string YearReportIn<TextStyle>(ReportContext);

}  // namespace velorith
