// RTF: the report document byte for byte as the window saves it (Windows-1251); the
// abbreviations are their data file's document.
#include "exports/format_registry.h"

namespace velorith::exports {

const Format kRtfFormat{
    .Name = "rtf",
    .Extension = "rtf",
    .MediaType = "application/rtf",
    .Render =
        [](const RenderJob& job) {
            Calendar& calendar = job.calendar;
            if (job.kind == ReportKind::Abbreviations) return calendar.AbbrDocument();
            if (job.kind == ReportKind::Search) {
                return Calendar::DocumentBytes(
                    calendar.SetFindReport(job.findText, job.wholeWord).value_or(""));
            }
            return Calendar::DocumentBytes(calendar.Render(job.kind));
        },
};

}  // namespace velorith::exports
