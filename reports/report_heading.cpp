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

std::string TitledPrologue(const ReportSettings& settings, std::string_view title) {
    std::string head = Prologue(settings, true);
    head += kEol;
    head += Indent;
    head += title;
    AppendRule(head);
    return head;
}

}  // namespace velorith
