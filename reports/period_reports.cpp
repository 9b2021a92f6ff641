#include "reports/period_reports.h"

#include "data/signs.h"
#include "reckoning/name_tables.h"
#include "reports/day_report.h"

namespace velorith {
namespace {

// The colour goes back to navy so that the dotted line after a red day is navy.
std::string DaySeparator() {
    std::string text(kNavy);
    text += kEol;
    text += DotLine;
    text += kEol;
    return text;
}

// The indiction line opens a period and every Julian 1 September within it.
bool ShowsIndiction(const DateState& s, DayNum first) {
    return s.CurDay == first || (s.Dates[kWorld].Month == 1 && s.Dates[kWorld].Day == 1);
}

// "<day> <month> <year> года" of the working day in the current reckoning.
std::string DayMonthYear(const DayBlock& block, const DateState& s) {
    const DateRec& cur = s.Cur();
    std::string text = std::to_string(cur.Day);
    text += ' ';
    text += block.MonthName(s.CurCal, kGenitive);
    text += ' ';
    text += std::to_string(cur.Year);
    text += " года";
    return text;
}

}  // namespace

std::string WeekReport(ReportContext c, YearAssembler& assembler) {
    DateState& s = c.state;
    s.SaveDate();
    const DateRec cur = s.Cur();
    const bool withYear =
        c.settings.ShowAllStyles || cur.WeekFirst < cur.YearFirst || cur.WeekLast > cur.YearLast;
    // The year whose Pascha data and entries are in place; a day of another year brings its own.
    int loadedYear = cur.Year;
    bool crossed = false;

    DayBlock block(c);
    std::string title;
    std::string days;
    for (DayNum d = cur.WeekFirst; d <= cur.WeekLast; ++d) {
        MoveWorkingDate(s, d);
        if (s.Cur().Year != loadedYear) {
            s.SetYearInfo();
            assembler.SetYearDates();
            loadedYear = s.Cur().Year;
            crossed = true;
        }
        if (d == cur.WeekFirst) {
            title = kEol;
            title += Indent;
            title += "Седмица";
            title += kEol;
            title += Indent;
            title += "с ";
            title += DayMonthYear(block, s);
            title += kEol;
        }
        days += block.ColouredBlock(ShowsIndiction(s, cur.WeekFirst), withYear, false);
        days += kNavy;
        days += kCrLf;
        days += kEol;
        days += DotLine;
        days += kEol;
    }
    title += Indent;
    title += "по ";
    title += DayMonthYear(block, s);
    title += CalNames(s.CurCal);
    title += kEol;
    title += DotLine;
    title += kEol;

    RtfDocument doc(Prologue(c.settings, true));
    title += days;
    title += kEpilogue;
    doc.AddPiece(title);

    s.RestoreDate();
    if (crossed) {
        s.SetYearInfo();
        assembler.SetYearDates();
    }
    return std::move(doc).Take();
}

std::string MonthReport(ReportContext c) {
    DateState& s = c.state;
    s.SaveDate();
    const DateRec cur = s.Cur();
    DayBlock block(c);

    std::string head = Prologue(c.settings, true);
    head += kEol;
    head += Indent;
    head += block.MonthName(s.CurCal, kNominative);
    head += ' ';
    head += std::to_string(cur.Year);
    head += " года";
    head += CalNames(s.CurCal);
    head += kEol;
    head += DotLine;
    head += kEol;
    RtfDocument doc(head);

    const std::string separator = DaySeparator();
    for (DayNum d = cur.MonthFirst; d <= cur.MonthLast; ++d) {
        MoveWorkingDateAndWeek(s, d);
        std::string piece = block.ColouredBlock(ShowsIndiction(s, cur.MonthFirst), false, false);
        piece += separator;
        doc.AddPiece(piece);
    }
    doc.AddPiece(kEpilogue);
    s.RestoreDate();
    return std::move(doc).Take();
}

std::string YearReport(ReportContext c) {
    DateState& s = c.state;
    s.SaveDate();
    const DateRec cur = s.Cur();
    DayBlock block(c);

    std::string head = Prologue(c.settings, true);
    head += kEol;
    head += Indent;
    head += std::to_string(cur.Year);
    head += " год";
    head += CalNames(s.CurCal);
    head += kEol;
    head += DotLine;
    head += kEol;
    RtfDocument doc(head);

    const std::string separator = DaySeparator();
    int lastMonth = 0;
    for (DayNum d = cur.YearFirst; d <= cur.YearLast; ++d) {
        MoveWorkingDateAndWeek(s, d);
        if (s.Cur().Month != lastMonth) {
            std::string heading(kNavy);
            heading += kEol;
            heading += Indent;
            heading += block.MonthName(s.CurCal, kNominative);
            heading += kEol;
            heading += DotLine;
            heading += kEol;
            doc.AddPiece(heading);
            lastMonth = s.Cur().Month;
        }
        std::string piece = block.ColouredBlock(ShowsIndiction(s, cur.YearFirst), false, false);
        piece += separator;
        doc.AddPiece(piece);
    }
    doc.AddPiece(kEpilogue);
    s.RestoreDate();
    return std::move(doc).Take();
}

}  // namespace velorith
