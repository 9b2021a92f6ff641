// A report as JSON: the report's frame (kind, reckoning, span, title, search) and the facts of
// every day it lists, under stable English field names. velorith-report.schema.json beside
// this file describes the document.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "calendar/report_frame.h"

namespace velorith::exports {

// The version of the document's layout; raised only when a field changes its meaning or
// goes away (new fields may come without it).
inline constexpr int kJsonFormatVersion = 3;

// The document: UTF-8, two-space indentation, ending with a line feed. Never fails: a text
// that is not valid UTF-8 has its bad bytes replaced.
std::string RenderJson(const ReportFrame& frame);

// The abbreviations report: its frame with the list's heading as the title, and the list read
// from the document's plain text (Calendar::RenderText of the abbreviations).
std::string RenderAbbreviationsJson(const ReportFrame& frame, std::string_view plainText);

// One document of many frames, such as the civil years of a feed: the head describes the whole
// span (its kind, reckoning, first and last day and title) and gets "years"; the days of every
// frame added follow, written frame by frame so that only one frame is held at a time.
class JsonDaysWriter {
  public:
    JsonDaysWriter(const ReportFrame& head, int firstYear, int lastYear);
    void Add(const ReportFrame& frame);
    std::string Finish() &&;

  private:
    std::string text_;
    bool empty_ = true;
};

}  // namespace velorith::exports
