// The calendar as one object: the selected date, the data, the report settings and the render
// cache, with every report the program shows. The desktop program and velorith-report both
// build on it; it knows nothing of windows.
//
// Documents are returned as RTF text in UTF-8, exactly as the report writer made it; the bytes
// a saved report holds are DocumentBytes() of it (Windows-1251).
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "calendar/report_frame.h"
#include "data/calendar_data.h"
#include "data/entry_markup.h"
#include "reckoning/date_state.h"
#include "reckoning/navigation.h"
#include "reports/document_sink.h"
#include "reports/render_cache.h"
#include "reports/rtf_writer.h"

namespace velorith {

// What SetTabReport decided: render is false when the pane already shows the current period
// in the current reckoning (its document is then left as it is).
struct TabUpdate {
    bool render = false;
    std::string document;  // the new document when render is true
};

class Calendar final {
  public:
    // Builds BaseFiles for the data folder (the "Calendar" folder itself) and loads the six
    // tables. A missing folder gives empty tables: the calendar still computes every date.
    explicit Calendar(const std::filesystem::path& dataFolder);
    Calendar(const Calendar&) = delete;
    Calendar& operator=(const Calendar&) = delete;

    DateState& State() { return state_; }
    const DateState& State() const { return state_; }
    CalendarData& Data() { return data_; }
    const CalendarData& Data() const { return data_; }
    // The report font and display options. After changing them call ResetReports() so that
    // every pane is rendered anew.
    ReportSettings& Settings() { return settings_; }
    const ReportSettings& Settings() const { return settings_; }
    // LastKey / LastCal of the panes.
    const RenderCache& Cache() const { return cache_; }
    // The catalogue whose words the reports, frames and exports write (Russian unless set).
    // The catalogue must outlive the calendar; setting it renders every pane anew.
    void SetCatalogue(const Phrases& words) {
        words_ = &words;
        cache_.Reset();
    }
    const Phrases& Catalogue() const { return *words_; }

    // Selects a date of reckoning cal (1..3) as the current date in that reckoning and recomputes
    // everything (year, Pascha, entries, month, red days, week, the other reckonings). The
    // caller has checked that the date exists and lies in the working range.
    void SelectDate(int cal, int year, int month, int day);
    // Makes cal (1..3) the current reckoning for the same day, as the reckoning menu does. The
    // caller has checked that the day lies in that reckoning's working range.
    void ChangeCal(int cal);

    // Places the entries in the selected year. The data is navigation's year assembler and the
    // date state's month listener, so the entries and red days follow every change of date
    // without navigation calling up into the reports.
    void SetYearDates() { data_.SetYearDates(state_); }
    YearAssembler& Assembler() { return data_; }
    const std::vector<bool>& RedDays() { return data_.AttachedRedDays(); }

    // The document of a day, week, month, year or great-feasts report for the current date; the
    // date state is the same afterwards. Empty for the search and abbreviations, which have
    // their own calls.
    std::string Render(ReportKind kind);
    // Any report as plain text (UTF-8, one line per paragraph, each ending in LF), drawn from the
    // day model: what a pane shows of the document, without its markup. The search needs its
    // text; the abbreviations are their document's text. With a sink, the month and year
    // reports hand it their text as they go and return the rest.
    std::string RenderText(ReportKind kind, std::string_view findText = {}, bool wholeWord = false,
                           const DocumentSink* sink = nullptr);

    // Everything known of a day, shown in the current reckoning, with the additions the
    // report settings switch on. Nothing of the selected date moves.
    DayInfo DayAt(DayNum day);
    // The days a report of the current date lists, as facts: the day, its week, month or year,
    // the great feasts of the year, or the days of the year where the search text stands.
    ReportFrame Frame(ReportKind kind, std::string_view findText = {}, bool wholeWord = false);

    // The year report's frame of a year of reckoning k, asked for by its number: the selected
    // date does not move (feeds and sites of many years ask for them one by one).
    ReportFrame YearFrame(Reckoning k, int year);

    // The document of tab 0..4 (day, week, month, year, great feasts) for the current date.
    // The date state is the same afterwards; the render cache is not touched. Empty for the
    // other tabs.
    std::string RenderReport(int tab);

    // The render-cache decision for the selected tab: renders tab 0..4 when its pane shows
    // another period or reckoning, or when force is set, and records the new key. The search and
    // abbreviations panes are never rendered here.
    TabUpdate SetTabReport(int tab, bool force = false);

    // After a change of font or of the indiction / all-styles options: every pane is rendered
    // anew when it is next shown.
    void ResetReports() { cache_.Reset(); }

    // The search ("Выборка") through the displayed year: nullopt, and nothing done, when the
    // text is empty or only spaces; otherwise the search pane's document.
    std::optional<std::string> SetFindReport(std::string_view text, bool wholeWord);

    // The abbreviations document ("Abbr.DAT"): its bytes unchanged when it is whole, else as
    // far as it is sound with its groups closed (CheckRtfDocument), so that it never cuts short
    // a reader's view of it; empty when it cannot be read or is no regular file.
    std::string AbbrDocument() const { return Abbreviations().text; }
    // The same with what is wrong with the file, for those who report it.
    CheckedDocument Abbreviations() const;

    // The bytes of a document as it is saved (Windows-1251).
    static std::string DocumentBytes(std::string_view document) { return RtfToCp1251(document); }

  private:
    // DayAt within a round of look-ups already begun.
    DayInfo DayOf(DayNum day);

    DateState state_;
    CalendarData data_;
    ReportSettings settings_;
    RenderCache cache_;
    const Phrases* words_ = &PhrasesOf();
};

}  // namespace velorith
