// The title lines the period reports open with.
#pragma once

#include "reports/report_style.h"

#include <string>
#include <string_view>

#include "reckoning/date_state.h"
#include "reports/rtf_writer.h"

namespace velorith {

// "<year> год" and the name of the current reckoning: the title of the year and great feasts
// reports and of the search.
std::string YearTitle(const DateState& state);

// A period document's prologue (navy) and, after an empty line, its indented title ruled off.
template <typename S>
std::string TitledPrologueIn(const ReportSettings& settings, std::string_view title);

}  // namespace velorith
