// JSON: the report as facts for scripts and web pages (report_json.h).
#include "exports/format_registry.h"
#include "exports/report_json.h"

namespace velorith::exports {

const Format kJsonFormat{
    .Name = "json",
    .Extension = "json",
    .MediaType = "application/json",
    .Render =
        [](const RenderJob& job) {
            return RenderJson(job.calendar.Frame(job.kind, job.findText, job.wholeWord));
        },
    .RenderFrame = [](ReportFrame&& frame,
                      const RenderJob&) { return RenderJson(std::move(frame)); },
};

}  // namespace velorith::exports
