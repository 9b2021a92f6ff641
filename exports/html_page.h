// The frame of every web page the calendar writes: an HTML5 document in Russian with its
// stylesheet inside (a single report) or linked (the pages of a site, which share one file).
#pragma once

#include <string>
#include <string_view>

namespace velorith::exports {

struct HtmlPage {
    std::string_view Title;      // plain text; escaped here
    std::string_view StyleHref;  // the shared stylesheet's address; empty puts it inside the page
    std::string_view Head;       // further elements of <head>, as markup
    std::string_view Body;       // the content of <body>, as markup
};

std::string HtmlDocument(const HtmlPage& page);

// The calendar's stylesheet: its navy and red, the marks of feasts and fasts, a grid that turns
// into a list on a phone, A4 pages in print, and dark colours when the reader's system asks.
std::string_view HtmlStyleSheet();

}  // namespace velorith::exports
