// The day block: the texts that show one day (indiction, date lines, the day's place in the
// movable cycle with its tone, and its entries), and the day report made of them. Every other
// report repeats the block for each day it lists.
#pragma once

#include <string>
#include <string_view>

#include "reports/report_context.h"

namespace velorith {

// Title joining for the day line: titles are separated by one blank; a tail (a title that
// begins with ",") continues the text before it in place of its final full stop.
std::string AddTitle(std::string a, std::string_view t);
std::string AddTail(std::string a, std::string_view t);

// Makes the texts of the working day (CurDay with its three dates computed).
class DayBlock {
  public:
    explicit DayBlock(ReportContext context) : c_(context) {}

    // Set by WeekLine and DayTexts when the day is red; the caller resets it before each day.
    bool RedDay = false;

    // Month name of Dates(cal), form 1 nominative or 2 genitive.
    std::string_view MonthName(int cal, int form) const;
    // "<day> <month> <year> года" of Dates(cal), the month in the genitive.
    std::string DayMonthYear(int cal) const;
    // The great indiction line; empty unless ShowIndiction.
    std::string IndictionLine() const;
    // The date of the working day, in the other reckonings too with ShowAllStyles.
    std::string DateLines(bool showYear, bool showCal) const;
    // The titles of the day, or its weekday and place in the movable cycle; then the tone.
    std::string WeekLine();
    // The date lines and the day line, then an empty line: how a listed day of the great feasts
    // report and of the search opens.
    std::string DayHeading(bool showYear);
    // The day's entries from its month file and the tables, in groups 0..4.
    std::string DayTexts();

    // RedDay reset, then the four texts with the day's colour in front.
    std::string ColouredBlock(bool withIndiction, bool showYear, bool showCal);

  private:
    ReportContext c_;
};

// The day report of the current date (the "День" pane).
std::string DayReport(ReportContext context);

}  // namespace velorith
