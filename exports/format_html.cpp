// HTML: a web page of the report (report_html.h), its stylesheet inside.
#include "exports/format_registry.h"
#include "exports/report_html.h"

namespace velorith::exports {

const Format kHtmlFormat{
    .Name = "html",
    .Extension = "html",
    .MediaType = "text/html; charset=utf-8",
    .SaveOrder = 3,
    .SaveDescription = "HTML Document",
    .Render =
        [](const RenderJob& job) {
            Calendar& calendar = job.calendar;
            const HtmlReportOptions options{
                calendar.Settings().ShowIndiction, {}, &calendar.Catalogue()};
            if (job.kind == ReportKind::Abbreviations)
                return AbbreviationsHtml(calendar.AbbrDocument(), options);
            return RenderHtml(calendar.Frame(job.kind, job.findText, job.wholeWord), options);
        },
};

}  // namespace velorith::exports
