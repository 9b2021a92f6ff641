// iCalendar: one all-day event a day (report_ics.h); the one format that spans civil years.
#include "exports/civil_years.h"
#include "exports/format_registry.h"
#include "exports/report_ics.h"

namespace velorith::exports {

const Format kIcsFormat{
    .Name = "ics",
    .Extension = "ics",
    .MediaType = "text/calendar; charset=utf-8",
    .DaysOnly = true,
    .Render = [](const RenderJob& job) { return RenderIcs(job.calendar.Frame(job.kind), job.ics); },
    .RenderFrame = [](ReportFrame&& frame,
                      const RenderJob& job) { return RenderIcs(frame, job.ics); },
    .RenderYears =
        [](const RenderJob& job, int first, int last) {
            return CivilYearsIcs(job.calendar, job.kind, first, last, job.ics);
        },
};

}  // namespace velorith::exports
