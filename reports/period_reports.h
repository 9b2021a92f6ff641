// The week, month and year reports: every day of the period that holds the current date, each
// as its day block under a dotted separator. The date state is walked through the days and is
// the same afterwards.
#pragma once

#include <string>

#include "reckoning/navigation.h"
#include "reports/report_context.h"

namespace velorith {

// The week (Sunday to Saturday) of the current date. A week that reaches into another year
// places that year's entries for its days there (through `assembler`) and the current year's
// again at the end.
std::string WeekReport(ReportContext context, YearAssembler& assembler);
// The month of the current date in the current reckoning.
std::string MonthReport(ReportContext context);
// The year of the current date in the current reckoning, with a heading for each month.
std::string YearReport(ReportContext context);

}  // namespace velorith
