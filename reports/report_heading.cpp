#include "reports/report_heading.h"

#include "data/signs.h"
#include "reckoning/name_tables.h"

namespace velorith {

std::string YearTitle(const DateState& state) {
    std::string title = std::to_string(state.Cur().Year);
    title += " год";
    title += CalNames(state.CurCal);
    return title;
}

template <typename S>
std::string TitledPrologueIn(const ReportSettings& settings, std::string_view title) {
    std::string head = S::Prologue(settings, true);
    head += S::Eol;
    head += S::Indent;
    head += title;
    AppendRuleIn<S>(head);
    return head;
}

template std::string TitledPrologueIn<RtfStyle>(const ReportSettings&, std::string_view);
template std::string TitledPrologueIn<TextStyle>(const ReportSettings&, std::string_view);

}  // namespace velorith
