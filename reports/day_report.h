// The day block: the texts that show one day (indiction, date lines, the day's place in the
// movable cycle with its tone, and its entries), rendered from the day's DayInfo, and the day
// report made of them. Every other report repeats the block for each day it lists.
#pragma once

#include <string>
#include <string_view>

#include "calendar/day_builder.h"
#include "reports/report_context.h"
#include "reports/report_style.h"

namespace velorith {

// A day's block with its readings and fast takes about a kilobyte of text, two of RTF.
inline constexpr std::size_t kDayBlockRoom = 2048;

// Renders the working day of a report's walk (the walk's CurDay with its three dates, its
// week and its year's Pascha data) in style S.
template <typename S>
class BasicDayBlock {
  public:
    explicit BasicDayBlock(ReportContext context) : c_(context) {}

    // The DayInfo of the walk's current day, built when the day, its week or its year changed.
    const DayInfo& Info();

    // Month name of Dates(cal), form 1 nominative or 2 genitive.
    std::string_view MonthName(int cal, int form) const;
    // "<day> <month> <year> года" of Dates(cal), the month in the genitive.
    std::string DayMonthYear(int cal) const;
    // The great indiction line; empty unless ShowIndiction.
    std::string IndictionLine();
    // The date of the working day, in the other reckonings too with ShowAllStyles.
    std::string DateLines(bool showYear, bool showCal) const;
    // The date lines and the day line, then an empty line: how a listed day of the great feasts
    // report and of the search opens.
    std::string DayHeading(bool showYear);

    // The four texts with the day's colour in front.
    std::string ColouredBlock(bool withIndiction, bool showYear, bool showCal);

  private:
    // Each written at the end of `out`, so that a day's block is built in one string.
    // The titles of the day, or its weekday and place in the movable cycle; then the tone.
    void AppendWeekLine(std::string& out);
    // The day's entries from its month file and the tables, in groups 0..4; then, when they are
    // switched on, its readings and its fast.
    void AppendDayTexts(std::string& out);

    ReportContext c_;
    DayInfo info_;
    DayContext built_{-1, kJulian, 0, {}};
};

using DayBlock = BasicDayBlock<RtfStyle>;

// The day report of the current date (the "День" pane).
template <typename S>
std::string DayReportIn(ReportContext context);
inline std::string DayReport(ReportContext context) {
    return DayReportIn<RtfStyle>(context);
}

// The day block's options from the report settings.
DayOptions DayOptionsOf(const ReportSettings& settings);

}  // namespace velorith
