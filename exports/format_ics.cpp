// iCalendar: one all-day event a day (report_ics.h); the one format that spans civil years.
#include "exports/format_registry.h"
#include "exports/report_ics.h"

namespace velorith::exports {

const Format kIcsFormat{
    .Name = "ics",
    .Extension = "ics",
    .MediaType = "text/calendar; charset=utf-8",
    .DaysOnly = true,
    .Render = [](const RenderJob& job) { return RenderIcs(job.calendar.Frame(job.kind), job.ics); },
    .RenderYears = [](std::span<const ReportFrame> years,
                      const RenderJob& job) { return RenderIcs(years, job.ics); },
};

}  // namespace velorith::exports
