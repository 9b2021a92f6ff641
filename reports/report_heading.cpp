#include "reports/report_heading.h"

#include "calendar/phrases.h"
#include "data/signs.h"
#include "reckoning/name_tables.h"

namespace velorith {

std::string YearTitle(const DateState& state) {
    return YearTitle(state.CurCal, state.Cur().Year);
}

std::string YearTitle(int cal, int year) {
    std::string title = std::to_string(year);
    title += " год";
    title += CalNames(cal);
    return title;
}

std::string MonthTitle(int cal, int month, int year) {
    std::string title(MonthNames(CalendarMonth(cal, month), kNominative));
    title += ' ';
    title += std::to_string(year);
    title += " года";
    title += CalNames(cal);
    return title;
}

namespace {

std::string DayInWords(int cal, DayNum day) {
    const CalendarDate date = DateOfDay(cal, day);
    return DateInWords(cal, date.Day, date.Month, date.Year);
}

}  // namespace

std::string WeekTitleFrom(int cal, DayNum first) {
    return "с " + DayInWords(cal, first);
}

std::string WeekTitleTo(int cal, DayNum last) {
    std::string to = "по " + DayInWords(cal, last);
    to += CalNames(cal);
    return to;
}

template <typename S>
std::string TitledPrologueIn(const ReportSettings& settings, std::string_view title) {
    std::string head = S::Prologue(settings, true);
    head += S::Eol;
    head += S::Indent;
    head += title;
    AppendRuleIn<S>(head);
    return head;
}

template std::string TitledPrologueIn<RtfStyle>(const ReportSettings&, std::string_view);
template std::string TitledPrologueIn<TextStyle>(const ReportSettings&, std::string_view);

}  // namespace velorith
