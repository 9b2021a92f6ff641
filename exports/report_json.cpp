#include "exports/report_json.h"

#include <nlohmann/json.hpp>

#include "calendar/phrases.h"
#include "calendar/scripture.h"
#include "exports/abbreviations.h"
#include "exports/day_texts.h"
#include "reckoning/name_tables.h"
#include "reports/day_phrases.h"
#include "reports/feasts_report.h"

namespace velorith::exports {
namespace {

// Field order is kept as written, so documents read well and compare line by line.
using Json = nlohmann::ordered_json;

Json DateJson(Reckoning reckoning, const CalendarDate& date, const Phrases& words) {
    return Json{{"year", date.Year},
                {"month", date.Month},
                {"calendarMonth", CalendarMonth(reckoning, date.Month)},
                {"day", date.Day},
                {"text", DateText(reckoning, date, words)}};
}

// The day's rank, fine enough to tell Pascha, the twelve great feasts and the other great
// feasts apart; below them the rank of its highest commemoration.
std::string_view FeastRankName(const DayInfo& day) {
    switch (GreatFeastOf(day.Day)) {
        case GreatFeastKind::Pascha:
            return "pascha";
        case GreatFeastKind::Twelve:
            return "twelveFeast";
        case GreatFeastKind::Great:
            return "greatFeast";
        case GreatFeastKind::None:
            break;
    }
    return RankName(day.HighestRank());
}

// A point of the report's span: its day number, its date in the reckoning of display and its
// civil (Gregorian) date.
Json PointJson(Reckoning reckoning, DayNum day, const Phrases& words) {
    Json point{{"dayNumber", day}, {"iso", IsoDate(day)}};
    point["date"] = DateJson(reckoning, DateOfDay(reckoning, day), words);
    const CalendarDate civil = DateOfDay(kGregorian, day);
    point["civilDate"] = DateJson(kGregorian, civil, words);
    return point;
}

Json EntryJson(const DayEntry& e) {
    Json entry{{"group", GroupName(e.Group)}, {"groupNumber", e.Group}, {"rank", RankName(e.Sign)}};
    const int sign = SignMarkerNumber(e.Sign);
    entry["rankSign"] = sign == 0 ? Json(nullptr) : Json(sign);
    entry["text"] = CleanText(e.Text);
    entry["source"] = SourceName(e.Source);
    entry["section"] = e.Section;
    return entry;
}

Json FastJson(const DayFast& fast, const Phrases& words) {
    Json eased = nullptr;
    if (fast.Eased) {
        eased = fast.EasedByFeast != FastFeast::None
                    ? Json{{"feast", FastFeastName(fast.EasedByFeast)}}
                    : Json{{"rank", RankName(fast.EasedByRank)}};
    }
    // A day outside every fast has no period and no words.
    const bool kept = fast.Level != FastLevel::None;
    return Json{{"level", FastLevelName(fast.Level)},
                {"period", kept ? Json(FastPeriodName(fast.Period)) : Json(nullptr)},
                {"easedBy", std::move(eased)},
                {"reason", kept ? CleanText(FastReasonText(fast, words)) : std::string()},
                {"line", CleanText(FastLineText(fast, words))}};
}

Json ReadingJson(const Reading& r, const Phrases& words) {
    const ScriptureRef ref = ParseReference(r.Reference);
    Json spans = Json::array();
    for (const VerseSpan& span : ref.Spans) {
        spans.push_back(Json{{"fromChapter", span.FromChapter},
                             {"fromVerse", span.FromVerse},
                             {"toChapter", span.ToChapter},
                             {"toVerse", span.ToVerse}});
    }
    return Json{{"kind", ReadingKindName(r.Kind)},
                {"reference", CleanText(r.Reference)},
                {"book", CleanText(ref.Book)},
                {"bookKey", ref.BookKey.empty() ? Json(nullptr) : Json(ref.BookKey)},
                {"spans", std::move(spans)},
                {"zachalo", r.Zachalo > 0 ? Json(r.Zachalo) : Json(nullptr)},
                {"group", r.Group},
                {"text", CleanText(ReadingPiece(r, words))}};
}

Json GroupsJson(const ServiceReadings& service) {
    Json groups = Json::array();
    for (const ReadingGroup& g : service.Groups)
        groups.push_back(Json{{"role", GroupRoleName(g.Role)}, {"label", CleanText(g.Label)}});
    return groups;
}

Json ReadingsJson(const DayReadings& readings, const Phrases& words) {
    Json services = Json::array();
    for (const ServiceReadings& s : readings.Services) {
        Json list = Json::array();
        for (const Reading& r : s.Readings)
            list.push_back(ReadingJson(r, words));
        services.push_back(Json{{"service", ServiceKeyName(s.Service)},
                                {"name", ServiceName(s.Service, words)},
                                {"readings", std::move(list)},
                                {"groups", GroupsJson(s)},
                                {"line", CleanText(ServiceLineText(s, words))}});
    }
    Json json{{"services", std::move(services)}};
    if (readings.NoLiturgy != NoLiturgyKind::None) {
        json["noLiturgy"] = NoLiturgyName(readings.NoLiturgy);
        json["noLiturgyReason"] = NoLiturgyText(readings.NoLiturgy, words);
    }
    return json;
}

Json CycleJson(const DayInfo& day, const Phrases& words) {
    if (!day.Line.Cycle) return nullptr;
    const CyclePlace& place = *day.Line.Cycle;
    const bool numbered =
        place.Season != CycleSeason::HolyWeek && place.Season != CycleSeason::BrightWeek;
    return Json{{"season", SeasonName(place.Season)},
                {"week", numbered ? Json(place.Number) : Json(nullptr)},
                {"sunday", place.Sunday},
                {"phrase", CyclePhrase(place, words)}};
}

Json DayJson(const DayInfo& day, const Phrases& words) {
    Json json{{"dayNumber", day.Day}, {"iso", IsoDate(day.Day)}};
    Json dates = Json::object();
    for (const Reckoning k : kReckonings)
        dates[std::string(ReckoningName(k))] = DateJson(k, day.Dates.In(k), words);
    json["dates"] = std::move(dates);
    json["weekday"] = Json{{"number", day.WeekDay},
                           {"name", DayNames(day.WeekDay, kCivilDay, words)},
                           {"churchName", DayNames(day.WeekDay, kChurchDay, words)}};
    json["dayLine"] = CleanText(DayLinePlain(day, words));
    json["cycle"] = CycleJson(day, words);
    json["tone"] = day.Tone >= 1 && day.Tone <= 8 ? Json(day.Tone) : Json(nullptr);
    json["indiction"] = Json{{"year", day.Indiction.Year}, {"number", day.Indiction.Number}};
    json["red"] = day.Red();
    json["redWhy"] = Json{{"sunday", day.RedWhy.Sunday},
                          {"monthKey", day.RedWhy.MonthKey},
                          {"entry", day.RedWhy.Entry}};
    json["gridRed"] = day.GridRed;
    json["principal"] = PrincipalText(day, words);
    json["highestRank"] = RankName(day.HighestRank());
    json["feastRank"] = FeastRankName(day);
    Json entries = Json::array();
    for (std::size_t i = 0; i < day.Entries.size(); ++i)
        entries.push_back(EntryJson(day.Entries[i]));
    json["entries"] = std::move(entries);
    if (day.Fast) json["fast"] = FastJson(*day.Fast, words);
    if (day.Readings) json["readings"] = ReadingsJson(*day.Readings, words);
    return json;
}

constexpr auto kReplace = Json::error_handler_t::replace;
constexpr std::string_view kClose = "]}";

// The frame's fields before its days, and an empty "days" array left open.
Json HeadJson(const ReportFrame& frame) {
    Json json{{"formatVersion", kJsonFormatVersion}, {"kind", KindName(frame.Kind)}};
    json["reckoning"] = ReckoningName(frame.Reckoning);
    json["range"] = Json{{"first", PointJson(frame.Reckoning, frame.First, *frame.Words)},
                         {"last", PointJson(frame.Reckoning, frame.Last, *frame.Words)}};
    json["title"] = CleanText(frame.Title);
    if (frame.Kind == ReportKind::Search) {
        int total = 0;
        for (const int hits : frame.HitCounts)
            total += hits;
        json["search"] =
            Json{{"text", frame.FindText}, {"wholeWord", frame.WholeWord}, {"totalHits", total}};
    }
    return json;
}

// The document of `json` with "days" last, opened for the days to follow.
std::string OpenDays(Json json) {
    json["days"] = Json::array();
    std::string text = json.dump(-1, ' ', false, kReplace);
    text.resize(text.size() - kClose.size());
    return text;
}

// The days of the frame, appended to an open "days" array after `comma` when days precede them.
// The days, the bulk of a long report, are serialized one by one instead of as one tree of a
// whole year: a third of the time and a fraction of the memory.
void AppendDays(std::string& text, const ReportFrame& frame, bool comma) {
    // Room for the whole document at once, so that a long entry is not copied each time the
    // text outgrows its buffer: its texts at most twice over (escapes, the principal's second
    // copy) and the rest of a day. Room never written to costs no memory.
    std::size_t room = text.size() + kClose.size() + 1;
    for (const DayInfo& day : frame.Days) {
        const std::size_t line = day.Line.Titles.Text.size() + day.Line.Tails.Text.size();
        room += 4096 + 2 * line;
        for (const DayEntry& e : day.Entries)
            room += 64 + 2 * e.Text.size();
        const DayEntry* principal = day.PrincipalEntry();
        room += 2 * (principal ? principal->Text.size() : line);
    }
    text.reserve(room);
    for (std::size_t i = 0; i < frame.Days.size(); ++i) {
        Json day = DayJson(frame.Days[i], *frame.Words);
        if (frame.Kind == ReportKind::Search) {
            day["hits"] = i < frame.HitCounts.size() ? frame.HitCounts[i] : 0;
        }
        if (comma || i > 0) text += ',';
        // Written straight into the document, as dump() would write it into a string of its
        // own.
        nlohmann::detail::serializer<Json> writer(
            nlohmann::detail::output_adapter<char, std::string>(text), ' ', kReplace);
        writer.dump(day, false, false, 0);
    }
}

std::string CloseDays(std::string text) {
    text += kClose;
    text += '\n';
    return text;
}

}  // namespace

std::string RenderJson(const ReportFrame& frame) {
    std::string text = OpenDays(HeadJson(frame));
    AppendDays(text, frame, false);
    return CloseDays(std::move(text));
}

std::string RenderAbbreviationsJson(const ReportFrame& frame, std::string_view plainText) {
    const AbbreviationList list = ReadAbbreviations(plainText);
    Json json = HeadJson(frame);
    json["title"] = CleanText(list.Title);
    Json items = Json::array();
    for (const Abbreviation& a : list.Items)
        items.push_back(Json{{"abbr", CleanText(a.Abbr)}, {"text", CleanText(a.Text)}});
    json["abbreviations"] = std::move(items);
    Json lines = Json::array();
    for (const std::string& line : list.Lines)
        lines.push_back(CleanText(line));
    json["lines"] = std::move(lines);
    return CloseDays(OpenDays(std::move(json)));
}

JsonDaysWriter::JsonDaysWriter(const ReportFrame& head, int firstYear, int lastYear) {
    Json json = HeadJson(head);
    json["years"] = Json{{"first", firstYear}, {"last", lastYear}};
    text_ = OpenDays(std::move(json));
}

void JsonDaysWriter::Add(const ReportFrame& frame) {
    AppendDays(text_, frame, !empty_);
    if (!frame.Days.empty()) empty_ = false;
}

std::string JsonDaysWriter::Finish() && {
    return CloseDays(std::move(text_));
}

}  // namespace velorith::exports
