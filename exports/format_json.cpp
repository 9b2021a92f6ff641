// JSON: the report as facts for scripts and web pages (report_json.h); a document of many civil
// years for a feed.
#include "exports/civil_years.h"
#include "exports/format_registry.h"
#include "exports/report_json.h"

namespace velorith::exports {
namespace {

std::string FrameJson(ReportFrame&& frame, const RenderJob& job) {
    if (frame.Kind == ReportKind::Abbreviations)
        return RenderAbbreviationsJson(frame, job.calendar.RenderText(ReportKind::Abbreviations));
    return RenderJson(frame);
}

}  // namespace

const Format kJsonFormat{
    .Name = "json",
    .Extension = "json",
    .MediaType = "application/json",
    .Render =
        [](const RenderJob& job) {
            return FrameJson(job.calendar.Frame(job.kind, job.findText, job.wholeWord), job);
        },
    .RenderFrame = FrameJson,
    .RenderYears =
        [](const RenderJob& job, int first, int last) {
            JsonDaysWriter writer(CivilYearsHead(job.kind, first, last), first, last);
            ForEachCivilYear(job.calendar, job.kind, first, last,
                             [&writer](const ReportFrame& frame) { writer.Add(frame); });
            return std::move(writer).Finish();
        },
};

}  // namespace velorith::exports
