#include "reports/calendar.h"

#include "data/file_bytes.h"
#include "data/ini_file.h"
#include "reports/day_report.h"
#include "reports/feasts_report.h"
#include "reports/period_reports.h"
#include "reports/search_report.h"

namespace velorith {

Calendar::Calendar(const std::filesystem::path& dataFolder) : data_(dataFolder) {
    data_.LoadTables();
    data_.Attach(state_);
}

void Calendar::SelectDate(int cal, int year, int month, int day) {
    state_.CurCal = static_cast<std::int16_t>(cal);
    DateRec& cur = state_.Cur();
    cur.Year = static_cast<std::int16_t>(year);
    cur.Month = static_cast<std::int16_t>(month);
    cur.Day = static_cast<std::int16_t>(day);
    Navigator navigator(state_, nullptr, this);
    navigator.RecalcYear();
}

void Calendar::ChangeCal(int cal) {
    state_.CurCal = static_cast<std::int16_t>(cal);
    Navigator navigator(state_, nullptr, this);
    navigator.ChangeCal();
}

void Calendar::SetYearDates() {
    data_.SetYearDates(state_);
}

std::string Calendar::RenderReport(int tab) {
    const ReportContext context{state_, data_, settings_};
    switch (tab) {
        case kDayTab:
            return DayReport(context);
        case kWeekTab:
            return WeekReport(context);
        case kMonthTab:
            return MonthReport(context);
        case kYearTab:
            return YearReport(context);
        case kFeastsTab:
            return FeastsReport(context);
        default:
            return {};
    }
}

std::string Calendar::Render(ReportKind kind) {
    switch (kind) {
        case ReportKind::Day:
            return RenderReport(kDayTab);
        case ReportKind::Week:
            return RenderReport(kWeekTab);
        case ReportKind::Month:
            return RenderReport(kMonthTab);
        case ReportKind::Year:
            return RenderReport(kYearTab);
        case ReportKind::Feasts:
            return RenderReport(kFeastsTab);
        default:
            return {};
    }
}

TabUpdate Calendar::SetTabReport(int tab, bool force) {
    TabUpdate update;
    if (!cache_.NeedsRender(tab, state_, force)) return update;
    // The key is that of the current date; every report leaves the date as it found it.
    const DayNum key = RenderCache::PaneKey(tab, state_);
    update.render = true;
    update.document = RenderReport(tab);
    cache_.Record(tab, key, state_.CurCal);
    return update;
}

std::optional<std::string> Calendar::SetFindReport(std::string_view text, bool wholeWord) {
    return SearchReport(ReportContext{state_, data_, settings_}, text, wholeWord);
}

std::string Calendar::AbbrDocument() const {
    return ReadFileBytes(data_.BaseFiles[kAbbrFile], kMaxDataFileSize).value_or("");
}

}  // namespace velorith
