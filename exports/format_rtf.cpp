// RTF: the report document byte for byte as the window saves it (Windows-1251); the
// abbreviations are their data file's document.
#include "exports/format_registry.h"

namespace velorith::exports {

const Format kRtfFormat{
    .Name = "rtf",
    .Extension = "rtf",
    .MediaType = "application/rtf",
    .SaveOrder = 1,
    .SaveDescription = "Rich Text Format",
    .Render =
        [](const RenderJob& job) {
            Calendar& calendar = job.calendar;
            if (job.kind == ReportKind::Abbreviations) return calendar.AbbrDocument();
            if (job.kind == ReportKind::Search) {
                // The document is converted where it lies, not copied out of its optional.
                const std::optional<std::string> found =
                    calendar.SetFindReport(job.findText, job.wholeWord);
                return found ? Calendar::DocumentBytes(*found) : std::string();
            }
            return Calendar::DocumentBytes(calendar.Render(job.kind));
        },
};

}  // namespace velorith::exports
