// A report as JSON: the report's frame (kind, reckoning, span, title, search) and the facts of
// every day it lists, under stable English field names. velorith-report.schema.json beside
// this file describes the document.
#pragma once

#include <string>

#include "calendar/report_frame.h"

namespace velorith::exports {

// The version of the document's layout; raised only when a field changes its meaning or
// goes away (new fields may come without it).
inline constexpr int kJsonFormatVersion = 2;

// The document: UTF-8, two-space indentation, ending with a line feed. Never fails: a text
// that is not valid UTF-8 has its bad bytes replaced.
std::string RenderJson(const ReportFrame& frame);
// The same of a frame given away: its texts move into the document where they can.
std::string RenderJson(ReportFrame&& frame);

}  // namespace velorith::exports
