#include "exports/report_html.h"

#include "data/rtf_reader.h"
#include "exports/day_texts.h"
#include "exports/html_day.h"
#include "exports/html_page.h"
#include "exports/html_text.h"

namespace velorith::exports {
namespace {

// The title a page and its <h1> carry: the report's heading, or the day's date.
std::string TitleOf(const ReportFrame& frame) {
    if (!frame.Title.empty()) return CleanText(frame.Title);
    if (frame.Days.empty()) return {};
    const DayInfo& day = frame.Days.front();
    return DateText(day.Reckoning, day.Dates.In(day.Reckoning), *frame.Words);
}

}  // namespace

std::string RenderHtml(const ReportFrame& frame, const HtmlReportOptions& options) {
    std::string body;
    // A day's page holds a few kilobytes; a year's some hundreds.
    body.reserve(2048 + frame.Days.size() * 2048);
    body += "<main>\n";
    const bool single = frame.Kind == ReportKind::Day;
    const std::string title = TitleOf(frame);
    if (!single) {
        body += "<h1>";
        AppendEscaped(body, title);
        body += "</h1>\n";
    }
    if (frame.Kind == ReportKind::Search) {
        body += "<p class=\"searched\">";
        AppendEscaped(body, frame.Words->Page.SearchedFor);
        AppendEscaped(body, frame.FindText);
        if (frame.WholeWord) AppendEscaped(body, frame.Words->Page.WholeWord);
        body += "</p>\n";
    }
    for (std::size_t i = 0; i < frame.Days.size(); ++i) {
        HtmlDayOptions day;
        day.HeadingLevel = single ? 1 : 2;
        day.Indiction = options.Indiction;
        day.Words = frame.Words;
        if (frame.Kind == ReportKind::Search && i < frame.HitCounts.size())
            day.Hits = frame.HitCounts[i];
        AppendDayArticle(body, frame.Days[i], day);
    }
    body += "</main>\n";
    return HtmlDocument({title, options.StyleHref, {}, body});
}

std::string AbbreviationsHtml(std::string_view document, const HtmlReportOptions& options) {
    const RtfContent content = ReadRtf(document);
    const std::string_view heading = options.Words->Page.Abbreviations;
    std::string body = "<main>\n<h1>";
    AppendEscaped(body, heading);
    body += "</h1>\n";
    for (const RtfParagraph& paragraph : content.paragraphs) {
        if (paragraph.Text().find_first_not_of(" \t") == std::string::npos) continue;
        body += "<p>";
        for (const RtfRun& run : paragraph.runs) {
            if (run.hidden) continue;
            if (run.bold) body += "<strong>";
            if (run.italic) body += "<em>";
            AppendEscaped(body, run.text);
            if (run.italic) body += "</em>";
            if (run.bold) body += "</strong>";
        }
        body += "</p>\n";
    }
    body += "</main>\n";
    return HtmlDocument({heading, options.StyleHref, {}, body});
}

}  // namespace velorith::exports
