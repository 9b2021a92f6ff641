#include "reports/feasts_report.h"

#include <algorithm>
#include <array>
#include <string_view>
#include <vector>

#include "data/signs.h"
#include "reports/hit_list.h"
#include "reports/report_heading.h"

namespace velorith {
namespace {

struct MovableFeast {
    int offset;  // days from Pascha
    std::string_view text;
};

struct FixedFeast {
    int day;  // Julian date
    int month;
    std::string_view text;
};

constexpr std::string_view kPascha = "СВЕТЛОЕ ХРИСТОВО ВОСКРЕСЕНИЕ. ПАСХА.";

constexpr std::array<MovableFeast, 3> kMovable = {{
    {-7, "ВХОД ГОСПОДЕНЬ В ИЕРУСАЛИМ."},
    {39, "ВОЗНЕСЕНИЕ ГОСПОДНЕ."},
    {49, "ДЕНЬ СВЯТОЙ ТРОИЦЫ. ПЯТИДЕСЯТНИЦА."},
}};

constexpr std::array<FixedFeast, 9> kTwelveFixed = {{
    {6, 1, "КРЕЩЕНИЕ ГОСПОДА БОГА И СПАСА НАШЕГО ИИСУСА ХРИСТА."},
    {2, 2, "СРЕТЕНИЕ ГОСПОДА НАШЕГО ИИСУСА ХРИСТА."},
    {25, 3, "БЛАГОВЕЩЕНИЕ ПРЕСВЯТОЙ БОГОРОДИЦЫ."},
    {6, 8, "ПРЕОБРАЖЕНИЕ ГОСПОДА БОГА И СПАСА НАШЕГО ИИСУСА ХРИСТА."},
    {15, 8, "УСПЕНИЕ ПРЕСВЯТОЙ ВЛАДЫЧИЦЫ НАШЕЙ БОГОРОДИЦЫ И ПРИСНОДЕВЫ МАРИИ."},
    {8, 9, "РОЖДЕСТВО ПРЕСВЯТОЙ ВЛАДЫЧИЦЫ НАШЕЙ БОГОРОДИЦЫ И ПРИСНОДЕВЫ МАРИИ."},
    {14, 9, "ВОЗДВИЖЕНИЕ ЧЕСТНОГО И ЖИВОТВОРЯЩЕГО КРЕСТА ГОСПОДНЯ."},
    {21, 11, "ВВЕДЕНИЕ ВО ХРАМ ПРЕСВЯТОЙ ВЛАДЫЧИЦЫ НАШЕЙ БОГОРОДИЦЫ И ПРИСНОДЕВЫ МАРИИ."},
    {25, 12, "РОЖДЕСТВО ГОСПОДА БОГА И СПАСА НАШЕГО ИИСУСА ХРИСТА."},
}};

constexpr std::array<FixedFeast, 5> kGreat = {{
    {1, 1, "ОБРЕЗАНИЕ ГОСПОДНЕ."},
    {24, 6, "РОЖДЕСТВО ЧЕСТНОГО СЛАВНОГО ПРОРОКА, ПРЕДТЕЧИ И КРЕСТИТЕЛЯ ГОСПОДНЯ ИОАННА."},
    {29, 6, "СЛАВНЫХ И ВСЕХВАЛЬНЫХ ПЕРВОВЕРХОВНЫХ АПОСТОЛОВ ПЕТРА И ПАВЛА."},
    {29, 8, "УСЕКНОВЕНИЕ ГЛАВЫ ПРОРОКА, ПРЕДТЕЧИ И КРЕСТИТЕЛЯ ГОСПОДНЯ ИОАННА."},
    {1, 10, "ПОКРОВ ПРЕСВЯТОЙ ВЛАДЫЧИЦЫ НАШЕЙ БОГОРОДИЦЫ И ПРИСНОДЕВЫ МАРИИ."},
}};

template <typename S>
std::string Heading(std::string_view lead, std::string_view title) {
    std::string text(lead);
    text += S::Indent;
    text += S::Red;
    text += title;
    text += S::Navy;
    AppendRuleIn<S>(text);
    return text;
}

// Writes the rows in the order of the year and empties the list.
template <typename S>
void FlushHits(HitList& hits, StyledDocument<S>& doc) {
    SortHits(hits);
    for (const HitRow& row : hits) {
        std::string piece = row.heading;
        piece += row.text;
        AppendRuleIn<S>(piece);
        doc.AddPiece(piece);
    }
    hits.clear();
}

}  // namespace

std::vector<DayNum> FeastDays(const DateState& state) {
    const DisplayedYear year = NoteDisplayedYear(state);
    const DayNum pascha = state.PaschaInfo.CurPascha;
    std::vector<DayNum> days{pascha};
    for (const MovableFeast& feast : kMovable)
        days.push_back(pascha + feast.offset);
    const auto place = [&](const auto& feasts) {
        for (const FixedFeast& feast : feasts) {
            const DayNum d = PlaceJulianDate(year, feast.day, feast.month);
            if (d != 0) days.push_back(d);
        }
    };
    place(kTwelveFixed);
    place(kGreat);
    std::sort(days.begin(), days.end());
    days.erase(std::unique(days.begin(), days.end()), days.end());
    return days;
}

GreatFeastKind GreatFeastOf(DayNum day) {
    const CalendarDate date = DateOfDay(kJulian, day);
    const DayNum pascha = JulianPascha(date.Year);
    if (day == pascha) return GreatFeastKind::Pascha;
    for (const MovableFeast& feast : kMovable)
        if (day == pascha + feast.offset) return GreatFeastKind::Twelve;
    const auto on = [&](const auto& feasts) {
        return std::any_of(feasts.begin(), feasts.end(), [&](const FixedFeast& f) {
            return f.day == date.Day && f.month == date.Month;
        });
    };
    if (on(kTwelveFixed)) return GreatFeastKind::Twelve;
    if (on(kGreat)) return GreatFeastKind::Great;
    return GreatFeastKind::None;
}

template <typename S>
std::string FeastsReportIn(ReportContext shown) {
    DateState s = shown.state.Detached();
    const ReportContext c{s, shown.data, shown.settings, shown.phrases};
    const DisplayedYear year = NoteDisplayedYear(s);
    const DayNum pascha = s.PaschaInfo.CurPascha;
    BasicDayBlock<S> block(c);

    StyledDocument<S> doc(TitledPrologueIn<S>(c.settings, YearTitle(s, c.phrases)));

    MoveWorkingDate(s, pascha);
    std::string piece(S::Red);
    piece += block.DateLines(false, false);
    piece += S::Indent;
    piece += kPascha;
    piece += S::Navy;
    piece += S::Eol;
    AppendRuleIn<S>(piece);
    piece += S::Eol;
    doc.AddPiece(piece);

    doc.AddPiece(Heading<S>({}, "Двунадесятые переходящие праздники"));
    for (const MovableFeast& feast : kMovable) {
        MoveWorkingDateAndWeek(s, pascha + feast.offset);
        piece = block.DayHeading(false);
        piece += S::Indent;
        piece += feast.text;
        piece += S::Eol;
        AppendRuleIn<S>(piece);
        if (feast.offset == 49) piece += S::Eol;
        doc.AddPiece(piece);
    }

    HitList hits;
    doc.AddPiece(Heading<S>({}, "Двунадесятые непереходящие праздники"));
    for (const FixedFeast& feast : kTwelveFixed) {
        AddFoundDay<S>(block, c, year, feast.day, feast.month, feast.text, hits);
    }
    FlushHits(hits, doc);

    doc.AddPiece(Heading<S>(S::Eol, "Великие праздники"));
    for (const FixedFeast& feast : kGreat) {
        AddFoundDay<S>(block, c, year, feast.day, feast.month, feast.text, hits);
    }
    FlushHits(hits, doc);

    doc.AddPiece(S::Epilogue);
    return std::move(doc).Take();
}

template std::string FeastsReportIn<RtfStyle>(ReportContext);
template std::string FeastsReportIn<TextStyle>(ReportContext);

}  // namespace velorith
