#include "reports/search_report.h"

#include <type_traits>
#include <vector>

#include "data/section_reader.h"
#include "data/signs.h"
#include "data/text_encoding.h"
#include "reckoning/name_tables.h"
#include "reports/hit_list.h"
#include "reports/report_heading.h"
#include "reports/search_text.h"

namespace velorith {
namespace {

template <typename S>
class Search {
  public:
    Search(ReportContext c, std::string_view lowerSearch, bool wholeWord)
        : c_(c),
          block_(c),
          year_(NoteDisplayedYear(c.state)),
          s_(lowerSearch),
          wholeWord_(wholeWord) {}

    // Every text of one placed table entry, in group order.
    void SearchEntry(DayNum day, const EntryTexts& e) {
        if (!year_.Holds(day)) return;
        for (const TextLines* t : {&e.Text0, &e.Text11, &e.Text19, &e.Text21, &e.Text29, &e.Text31,
                                   &e.Text39, &e.Text4}) {
            FindInEntry(day, *t);
        }
    }

    void SearchMonthFiles() {
        const int febYear = FebruaryJulianYear(c_.state);
        const int yearDays = IsLeapYear(kJulian, febYear) ? 366 : 365;
        for (int m = 1; m <= 12; ++m) {
            // A section for a day the month lacks (30 February, 31 April) names no date; it
            // would otherwise land on a day of the next month.
            const int days = MonthLength(kJulian, m, febYear);
            for (int d = 1; d <= days; ++d) {
                // The file is held while its lines are looked at: moving the working day
                // reads the month files again.
                const MonthLines lines = c_.data.MonthLinesOf(d, m, yearDays);
                for (const std::string_view line : lines.lines) {
                    const KeyValueView kv = SplitKeyView(line);
                    if (kv.key.size() != 1 || kv.key[0] < '0' || kv.key[0] > '4') continue;
                    if constexpr (std::is_same_v<S, RtfStyle>) {
                        auto marked =
                            MarkOccurrences(kv.value, s_, wholeWord_, SearchSource::kMonthLine);
                        if (marked)
                            AddFoundDay<S>(block_, c_, year_, d, m, *marked, hits_, &*marked);
                    } else if (HasOccurrence(kv.value, s_, wholeWord_, SearchSource::kMonthLine)) {
                        // The plain text shows no marks: the line as it stands.
                        AddFoundDay<S>(block_, c_, year_, d, m, kv.value, hits_);
                    }
                }
            }
        }
    }

    HitList& Hits() { return hits_; }

  private:
    void FindInEntry(DayNum day, const TextLines& lines) {
        if (lines.empty()) return;
        std::string text;
        for (const TextLine& line : lines)
            AppendLineRtf(text, line.Sign, line.Note, line.Value());
        std::string found;
        if constexpr (std::is_same_v<S, RtfStyle>) {
            auto marked = MarkOccurrences(text, s_, wholeWord_, SearchSource::kEntryText);
            if (!marked) return;
            found = std::move(*marked);
        } else {
            if (!HasOccurrence(text, s_, wholeWord_, SearchSource::kEntryText)) return;
            for (const TextLine& line : lines)
                S::AppendLine(found, line.Sign, line.Note, {}, line.Plain);
        }
        MoveWorkingDateAndWeek(c_.state, day);
        if (!hits_.empty() && hits_.back().day == day) {
            hits_.back().text += found;
            return;
        }
        HitRow row;
        row.day = day;
        row.heading = block_.DayHeading(true);
        row.text = std::move(found);
        hits_.push_back(std::move(row));
    }

    ReportContext c_;
    BasicDayBlock<S> block_;
    DisplayedYear year_;
    std::string_view s_;
    bool wholeWord_;
    HitList hits_;
};

// Rows of one day become one: texts in the order found, the heading of the first.
void MergeDays(HitList& hits) {
    HitList merged;
    merged.reserve(hits.size());
    for (HitRow& row : hits) {
        if (!merged.empty() && merged.back().day == row.day) {
            merged.back().text += row.text;
        } else {
            merged.push_back(std::move(row));
        }
    }
    hits = std::move(merged);
}

// Every hit of the displayed year, sorted by day; a day found in several texts has a row each.
template <typename S>
HitList FindAll(ReportContext c, std::string_view lowerSearch, bool wholeWord) {
    const DateState& s = c.state;
    Search<S> search(c, lowerSearch, wholeWord);
    const Tables& t = c.data.tables;
    const auto placed = c.data.Placements(s.PaschaInfo.PaschaYear);
    for (int k = 1; k <= t.Relocatable.Count() && placed->Relocatable.Has(k); ++k)
        search.SearchEntry(placed->Relocatable[k].Date, t.Relocatable[k]);
    for (int k = 1; k <= t.Relocatable1.Count() && placed->Relocatable1.Has(k); ++k) {
        search.SearchEntry(placed->Relocatable1[k].Date, t.Relocatable1[k]);
        search.SearchEntry(placed->Relocatable1[k].PrevDate, t.Relocatable1[k]);
    }
    for (int k = 1; k <= t.Special.Count() && placed->Special.Has(k); ++k) {
        search.SearchEntry(placed->Special[k].Date, t.Special[k]);
        search.SearchEntry(placed->Special[k].PrevDate, t.Special[k]);
    }
    search.SearchMonthFiles();
    HitList hits = std::move(search.Hits());
    SortHits(hits);
    return hits;
}

}  // namespace

std::vector<std::pair<DayNum, int>> SearchHits(ReportContext shown, std::string_view text,
                                               bool wholeWord) {
    std::vector<std::pair<DayNum, int>> days;
    if (text.find_first_not_of(' ') == std::string_view::npos) return days;
    DateState s = shown.state.Detached();
    for (const HitRow& row :
         FindAll<TextStyle>({s, shown.data, shown.settings}, LowerUtf8(text), wholeWord)) {
        if (!days.empty() && days.back().first == row.day)
            ++days.back().second;
        else
            days.emplace_back(row.day, 1);
    }
    return days;
}

int FebruaryJulianYear(const DateState& state) {
    const DateRec& cur = state.Cur();
    const int julianYear = state.Dates[kJulian].Year;
    for (const int y : {julianYear, julianYear + 1, julianYear - 1}) {
        const DayNum february = DayNumber(kJulian, 1, 2, y);
        if (cur.YearFirst <= february && february <= cur.YearLast) return y;
    }
    return julianYear;
}

template <typename S>
std::optional<std::string> SearchReportIn(ReportContext shown, std::string_view text,
                                          bool wholeWord) {
    if (text.find_first_not_of(' ') == std::string_view::npos) return std::nullopt;
    const std::string lowerSearch = LowerUtf8(text);
    DateState s = shown.state.Detached();
    const ReportContext c{s, shown.data, shown.settings, shown.phrases};
    const std::string title = YearTitle(s, c.phrases);  // before the search moves the working day

    HitList hits = FindAll<S>(c, lowerSearch, wholeWord);
    MergeDays(hits);

    std::string head = S::Prologue(c.settings, true);
    head += S::Eol;
    head += S::Indent;
    head += title;
    head += S::Eol;
    head += S::Eol;
    head += S::Indent;
    head += "Строка поиска: \"";
    head += S::Red;
    S::AppendTyped(head, text);
    head += S::Navy;
    head += "\"";
    head += S::Eol;
    head += S::Eol;
    StyledDocument<S> doc(head);
    for (HitRow& row : hits) {
        // A row's text goes into the document once, and is let go of then.
        doc.AddPiece({DotLine, S::Eol, row.heading, row.text, S::Eol});
        row.text = std::string();
    }
    if (hits.empty()) {
        std::string piece(DotLine);
        piece += S::Eol;
        piece += S::Eol;
        piece += S::Indent;
        piece += "Ничего не найдено";
        piece += S::Eol;
        piece += S::Eol;
        doc.AddPiece(piece);
    }
    std::string last(DotLine);
    last += S::Eol;
    last += S::Epilogue;
    doc.AddPiece(last);
    return std::move(doc).Take();
}

template std::optional<std::string> SearchReportIn<RtfStyle>(ReportContext, std::string_view, bool);
template std::optional<std::string> SearchReportIn<TextStyle>(ReportContext, std::string_view,
                                                              bool);

}  // namespace velorith
