// A report as a web page: the day, week, month, year, great feasts and search reports rendered
// from their frames (the day model), the abbreviations from their document.
#pragma once

#include <string>
#include <string_view>

#include "calendar/phrases.h"
#include "calendar/report_frame.h"

namespace velorith::exports {

struct HtmlReportOptions {
    bool Indiction = false;               // the indiction line of each day
    std::string_view StyleHref;           // a shared stylesheet; empty puts the stylesheet inside
    const Phrases* Words = &PhrasesOf();  // the captions' catalogue where no frame gives one
};

// The page of a report; its days in <article>s, the title as the page's <h1>.
std::string RenderHtml(const ReportFrame& frame, const HtmlReportOptions& options = {});

// The abbreviations page from their RTF document (the data's own list, which has no model): its
// paragraphs with their bold and italic, its text escaped.
std::string AbbreviationsHtml(std::string_view document, const HtmlReportOptions& options = {});

}  // namespace velorith::exports
