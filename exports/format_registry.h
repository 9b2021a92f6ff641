// Every output format the calendar writes, in one registry: its name on the command line, the
// file extension it is saved under, its media type and how it renders a report. The companion's
// --format, the window's exports and the tests all read this list, so a new format is one file
// that defines it and one line in format_registry.cpp.
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/report_frame.h"
#include "exports/report_ics.h"
#include "reports/calendar.h"

namespace velorith::exports {

// What a format renders: a report of the calendar's selected date, with its settings. Formats
// that render facts take the frame of it (Calendar::Frame); RTF and text render the documents
// the panes show. Nothing of the selected date moves.
struct RenderJob {
    Calendar& calendar;
    ReportKind kind = ReportKind::Day;
    std::string_view findText;  // the search report's text
    bool wholeWord = false;
    IcsOptions ics;  // the iCalendar format's options
    // Where a format that can write as it goes hands its document in parts, returning only the
    // rest (see DocumentSink); the others return it whole. None: every format returns it whole.
    const DocumentSink* sink = nullptr;
};

struct Format {
    std::string_view Name;       // on the command line: "text", "rtf", "json", "ics"
    std::string_view Extension;  // of a saved file, without the dot
    std::string_view MediaType;  // as a web server would announce it
    bool DaysOnly = false;       // only reports that list days (not the search or abbreviations)
    // Where "Сохранить как" offers the format: its place in the dialog's list of types (1 is
    // the first and default) and the type's description there; 0 for formats it does not offer.
    int SaveOrder = 0;
    std::string_view SaveDescription = {};
    // The document's bytes as saved: RTF in Windows-1251, everything else in UTF-8.
    std::string (*Render)(const RenderJob& job) = nullptr;
    // For the formats that write facts: the document of a frame the caller has prepared (cut to
    // the civil years, say), given away so that its texts need not be held twice; null for the
    // formats that write the panes' documents.
    std::string (*RenderFrame)(ReportFrame&& frame, const RenderJob& job) = nullptr;
    // The reports of the civil years first..last in one document, written a year at a time,
    // for the formats that can hold them (null where a format cannot).
    std::string (*RenderYears)(const RenderJob& job, int first, int last) = nullptr;
};

// The formats in the order the companion lists them.
std::span<const Format> Formats();
// The format of that name, or null.
const Format* FindFormat(std::string_view name);
// The formats "Сохранить как" offers, in the order of its list of types.
std::vector<const Format*> SaveFormats();
// The names joined by the separator ("text|rtf|json|ics"), for usage lines and messages.
std::string FormatNames(std::string_view separator = "|");

// The definitions, each in a file of its own.
extern const Format kTextFormat;
extern const Format kRtfFormat;
extern const Format kJsonFormat;
extern const Format kIcsFormat;
extern const Format kLinesFormat;
extern const Format kHtmlFormat;

}  // namespace velorith::exports
