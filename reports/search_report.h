// The search ("Выборка"): every day of the displayed year whose table entries or month-file
// lines hold the search text, with the day's heading and the matching texts, each occurrence
// marked in red.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "reports/report_context.h"
#include "reports/report_style.h"

namespace velorith {

// The search pane's document; nullopt (nothing to do) when the text is empty or only spaces.
// The date state is the same afterwards.
template <typename S>
std::optional<std::string> SearchReportIn(ReportContext context, std::string_view text,
                                          bool wholeWord);
inline std::optional<std::string> SearchReport(ReportContext context, std::string_view text,
                                               bool wholeWord) {
    return SearchReportIn<RtfStyle>(context, text, wholeWord);
}

// The days of the displayed year where the search finds the text, in calendar order, with the
// number of texts of each day that hold it; empty for an empty text.
std::vector<std::pair<DayNum, int>> SearchHits(ReportContext context, std::string_view text,
                                               bool wholeWord);

// The Julian year whose February lies in the displayed year of the current reckoning: the
// World year holds the February of the Julian year it ends in, a Gregorian year the February of
// the Julian year of the same number.
int FebruaryJulianYear(const DateState& state);

}  // namespace velorith
