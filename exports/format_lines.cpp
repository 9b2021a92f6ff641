// Lines: one day a line for grep, cut and awk: the civil date as ISO 8601, a tab, the day's
// principal commemoration, a tab, its fast ("" when it has none or the fast is switched off).
#include "exports/civil_years.h"
#include "exports/day_texts.h"
#include "exports/format_registry.h"
#include "reports/day_phrases.h"

namespace velorith::exports {
namespace {

// A field of a line: a tab or line break inside it would split the line, so each is a space.
void AppendField(std::string& out, std::string_view text) {
    for (const char c : text)
        out += c == '\t' || c == '\n' || c == '\r' ? ' ' : c;
}

void AppendDays(std::string& out, const ReportFrame& frame) {
    for (const DayInfo& day : frame.Days) {
        out += IsoDate(day.Day);
        out += '\t';
        AppendField(out, PrincipalText(day, *frame.Words));
        out += '\t';
        if (day.Fast && day.Fast->Level != FastLevel::None)
            AppendField(out, CleanText(FastLineText(*day.Fast, *frame.Words)));
        out += '\n';
    }
}

std::string FrameLines(ReportFrame&& frame, const RenderJob&) {
    std::string out;
    AppendDays(out, frame);
    return out;
}

}  // namespace

const Format kLinesFormat{
    .Name = "lines",
    .Extension = "tsv",
    .MediaType = "text/tab-separated-values; charset=utf-8",
    .DaysOnly = true,
    .Render = [](const RenderJob& job) { return FrameLines(job.calendar.Frame(job.kind), job); },
    .RenderFrame = FrameLines,
    .RenderYears =
        [](const RenderJob& job, int first, int last) {
            std::string out;
            ForEachCivilYear(job.calendar, job.kind, first, last,
                             [&out](const ReportFrame& frame) { AppendDays(out, frame); });
            return out;
        },
};

}  // namespace velorith::exports
