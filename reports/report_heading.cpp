#include "reports/report_heading.h"

#include "calendar/phrases.h"
#include "data/signs.h"
#include "reckoning/name_tables.h"

namespace velorith {

std::string YearTitle(const DateState& state, const Phrases& phrases) {
    return YearTitle(state.CurCal, state.Cur().Year, phrases);
}

std::string YearTitle(int cal, int year, const Phrases& phrases) {
    std::string title = std::to_string(year);
    title += phrases.YearOfTitle;
    title += CalNames(cal, phrases);
    return title;
}

std::string MonthTitle(int cal, int month, int year, const Phrases& phrases) {
    std::string title(MonthNames(CalendarMonth(cal, month), kNominative, phrases));
    title += ' ';
    title += std::to_string(year);
    title += phrases.YearOfDate;
    title += CalNames(cal, phrases);
    return title;
}

namespace {

std::string DayInWords(int cal, DayNum day, const Phrases& phrases) {
    const CalendarDate date = DateOfDay(cal, day);
    return DateInWords(cal, date.Day, date.Month, date.Year, phrases);
}

}  // namespace

std::string WeekTitleFrom(int cal, DayNum first, const Phrases& phrases) {
    return std::string(phrases.WeekFrom) + DayInWords(cal, first, phrases);
}

std::string WeekTitleTo(int cal, DayNum last, const Phrases& phrases) {
    std::string to = std::string(phrases.WeekTo) + DayInWords(cal, last, phrases);
    to += CalNames(cal, phrases);
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
