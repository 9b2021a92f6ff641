#include "reports/calendar.h"

#include <algorithm>

#include "calendar/day_builder.h"
#include "data/rtf_reader.h"
#include "reckoning/name_tables.h"
#include "reports/report_heading.h"

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
    Navigator navigator(state_, nullptr, &data_);
    navigator.RecalcYear();
}

void Calendar::ChangeCal(int cal) {
    state_.CurCal = static_cast<std::int16_t>(cal);
    Navigator navigator(state_, nullptr, &data_);
    navigator.ChangeCal();
}

std::string Calendar::RenderReport(int tab) {
    switch (tab) {
        case kDayTab:
            return Render(ReportKind::Day);
        case kWeekTab:
            return Render(ReportKind::Week);
        case kMonthTab:
            return Render(ReportKind::Month);
        case kYearTab:
            return Render(ReportKind::Year);
        case kFeastsTab:
            return Render(ReportKind::Feasts);
        default:
            return {};
    }
}

namespace {

template <typename S>
std::string RenderIn(ReportKind kind, ReportContext context) {
    switch (kind) {
        case ReportKind::Day:
            return DayReportIn<S>(context);
        case ReportKind::Week:
            return WeekReportIn<S>(context);
        case ReportKind::Month:
            return MonthReportIn<S>(context);
        case ReportKind::Year:
            return YearReportIn<S>(context);
        case ReportKind::Feasts:
            return FeastsReportIn<S>(context);
        case ReportKind::Search:
        case ReportKind::Abbreviations:
            break;
    }
    return {};
}

}  // namespace

std::string Calendar::Render(ReportKind kind) {
    data_.Revalidate();
    return RenderIn<RtfStyle>(kind, ReportContext{state_, data_, settings_, *words_});
}

std::string Calendar::RenderText(ReportKind kind, std::string_view findText, bool wholeWord,
                                 const DocumentSink* sink) {
    data_.Revalidate();
    const ReportContext context{state_, data_, settings_, *words_, sink};
    if (kind == ReportKind::Search)
        return SearchReportIn<TextStyle>(context, findText, wholeWord).value_or("");
    if (kind == ReportKind::Abbreviations) {
        std::string text = RtfToPlainText(AbbrDocument());
        if (!text.empty()) text += '\n';
        return text;
    }
    return RenderIn<TextStyle>(kind, context);
}

DayInfo Calendar::DayAt(DayNum day) {
    data_.Revalidate();
    return DayOf(day);
}

DayInfo Calendar::DayOf(DayNum day) {
    const DayContext context = DayContextOf(day, state_.CurCal);
    return BuildDayInfo(context, *data_.Placements(context.Pascha.PaschaYear), data_,
                        DayOptionsOf(settings_));
}

ReportFrame Calendar::Frame(ReportKind kind, std::string_view findText, bool wholeWord) {
    ReportFrame frame;
    frame.Kind = kind;
    frame.Reckoning = state_.CurReckoning();
    frame.Words = words_;
    const DateRec& cur = state_.Cur();
    std::vector<DayNum> days;
    switch (kind) {
        case ReportKind::Day:
            frame.First = frame.Last = state_.CurDay;
            break;
        case ReportKind::Week:
            frame.First = cur.WeekFirst;
            frame.Last = cur.WeekLast;
            frame.Title = std::string(words_->WeekWord);
            frame.Title += ' ';
            frame.Title += WeekTitleFrom(state_.CurCal, frame.First, *words_);
            frame.Title += ' ';
            frame.Title += WeekTitleTo(state_.CurCal, frame.Last, *words_);
            break;
        case ReportKind::Month:
            frame.First = cur.MonthFirst;
            frame.Last = cur.MonthLast;
            frame.Title = MonthTitle(state_.CurCal, cur.Month, cur.Year, *words_);
            break;
        case ReportKind::Year:
        case ReportKind::Feasts:
        case ReportKind::Search:
        case ReportKind::Abbreviations:
            frame.First = cur.YearFirst;
            frame.Last = cur.YearLast;
            frame.Title = YearTitle(state_, *words_);
            break;
    }
    if (kind == ReportKind::Day || kind == ReportKind::Week || kind == ReportKind::Month ||
        kind == ReportKind::Year) {
        for (DayNum d = frame.First; d <= frame.Last; ++d)
            days.push_back(d);
    } else if (kind == ReportKind::Feasts) {
        days = FeastDays(state_);
    } else if (kind == ReportKind::Search) {
        frame.FindText = findText;
        frame.WholeWord = wholeWord;
        for (const auto& [day, hits] :
             SearchHits(ReportContext{state_, data_, settings_, *words_}, findText, wholeWord)) {
            days.push_back(day);
            frame.HitCounts.push_back(hits);
        }
    }
    frame.Days.reserve(days.size());
    data_.Revalidate();
    for (const DayNum d : days)
        frame.Days.push_back(DayOf(d));
    return frame;
}

ReportFrame Calendar::YearFrame(Reckoning k, int year) {
    ReportFrame frame;
    frame.Kind = ReportKind::Year;
    frame.Reckoning = k;
    frame.Words = words_;
    frame.First = DayNumber(k, 1, 1, year);
    frame.Last = DayNumber(k, 1, 1, year + 1) - 1;
    frame.Title = YearTitle(k, year, *words_);
    data_.Revalidate();
    frame.Days.reserve(static_cast<std::size_t>(frame.Last - frame.First + 1));
    for (DayNum d = frame.First; d <= frame.Last; ++d) {
        const DayContext context = DayContextOf(d, k);
        frame.Days.push_back(BuildDayInfo(context, *data_.Placements(context.Pascha.PaschaYear),
                                          data_, DayOptionsOf(settings_)));
    }
    return frame;
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
    data_.Revalidate();
    return SearchReport(ReportContext{state_, data_, settings_, *words_}, text, wholeWord);
}

CheckedDocument Calendar::Abbreviations() const {
    const auto bytes = ReadFileBytes(data_.BaseFiles[kAbbrFile], kMaxDataFileSize);
    // A missing file is no damage: the pane stays empty, as it always has.
    if (!bytes) return {};
    return CheckRtfDocument(*bytes);
}

}  // namespace velorith
