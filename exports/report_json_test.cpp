// The JSON of a report, read back with the JSON library.
#include "exports/report_json.h"

#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "exports/test_days.h"

namespace velorith::exports {
namespace {

using nlohmann::json;
using namespace testing;

json Parse(const ReportFrame& frame) {
    const std::string text = RenderJson(frame);
    EXPECT_TRUE(text.ends_with("}\n"));
    return json::parse(text);
}

TEST(ReportJson, FrameOfADayReport) {
    const json doc = Parse(FrameOf(ReportKind::Day, {Pascha2025()}));
    EXPECT_EQ(doc["formatVersion"], 3);
    EXPECT_EQ(doc["kind"], "day");
    EXPECT_EQ(doc["reckoning"], "gregorian");
    EXPECT_EQ(doc["title"], "");
    EXPECT_FALSE(doc.contains("search"));
    const json& first = doc["range"]["first"];
    EXPECT_EQ(first["dayNumber"], DayNumber(kGregorian, 20, 4, 2025));
    EXPECT_EQ(first["date"]["text"], "20 апреля 2025 года от Р.Х. по новому стилю");
    EXPECT_EQ(first["civilDate"]["day"], 20);
    EXPECT_EQ(doc["range"]["last"], first);
    ASSERT_EQ(doc["days"].size(), 1u);
}

TEST(ReportJson, DatesWeekdayCycleAndRed) {
    const json day = Parse(FrameOf(ReportKind::Day, {Pascha2025()}))["days"][0];
    EXPECT_EQ(day["dates"]["gregorian"],
              (json{{"year", 2025},
                    {"month", 4},
                    {"calendarMonth", 4},
                    {"day", 20},
                    {"text", "20 апреля 2025 года от Р.Х. по новому стилю"}}));
    EXPECT_EQ(day["dates"]["julian"]["day"], 7);
    EXPECT_EQ(day["dates"]["julian"]["text"], "7 апреля 2025 года от Р.Х. по старому стилю");
    // The World year begins in September: April is its eighth month.
    EXPECT_EQ(day["dates"]["world"]["month"], 8);
    EXPECT_EQ(day["dates"]["world"]["calendarMonth"], 4);
    EXPECT_EQ(day["dates"]["world"]["text"], "7 апреля 7533 года от Сотворения Мира");
    EXPECT_EQ(day["weekday"],
              (json{{"number", 7}, {"name", "Воскресенье"}, {"churchName", "Неделя"}}));
    EXPECT_EQ(day["dayLine"], "Светлое Христово Воскресение.");
    EXPECT_TRUE(day["cycle"].is_null());  // the day's title stands in place of the cycle phrase
    EXPECT_TRUE(day["tone"].is_null());   // Bright Week has no tone
    EXPECT_EQ(day["indiction"], (json{{"year", 85}, {"number", 15}}));
    EXPECT_EQ(day["red"], true);
    EXPECT_EQ(day["redWhy"], (json{{"sunday", true}, {"monthKey", false}, {"entry", true}}));
    EXPECT_EQ(day["principal"], "Пасха Господня.");
    EXPECT_EQ(day["highestRank"], "greatFeast");

    const json weekday = Parse(FrameOf(ReportKind::Day, {FastWednesday()}))["days"][0];
    EXPECT_EQ(weekday["tone"], 1);
    // Every tone is a number, the eighth as much as the first.
    for (int tone = 1; tone <= 8; ++tone) {
        DayInfo toned = FastWednesday();
        toned.Tone = tone;
        EXPECT_EQ(Parse(FrameOf(ReportKind::Day, {toned}))["days"][0]["tone"], tone);
    }
    EXPECT_EQ(weekday["cycle"], (json{{"season", "afterPentecost"},
                                      {"week", 26},
                                      {"sunday", false},
                                      {"phrase", "26-ой седмицы по Пятидесятнице."}}));
    EXPECT_EQ(weekday["dayLine"], "Среда 26-ой седмицы по Пятидесятнице. Глас 1-й.");
    EXPECT_EQ(weekday["red"], false);
    EXPECT_EQ(weekday["weekday"]["number"], 3);
    // No entry of group 0: the first of group 1 names the day.
    EXPECT_EQ(weekday["principal"], "Предпразднство Введения во храм Пресвятой Богородицы.");
}

TEST(ReportJson, EntriesKeepOrderRankSignAndSource) {
    const json entries = Parse(FrameOf(ReportKind::Day, {Pascha2025()}))["days"][0]["entries"];
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0], (json{{"group", "principal"},
                                {"groupNumber", 0},
                                {"rank", "greatFeast"},
                                {"rankSign", 1},
                                {"text", "Пасха Господня."},
                                {"source", "relocatable"},
                                {"section", 1}}));
    EXPECT_EQ(entries[1]["rank"], "none");
    EXPECT_TRUE(entries[1]["rankSign"].is_null());
    EXPECT_EQ(entries[1]["source"], "month");
}

TEST(ReportJson, FastAndReadingsOnlyWhenKnown) {
    const json pascha = Parse(FrameOf(ReportKind::Day, {Pascha2025()}))["days"][0];
    EXPECT_EQ(pascha["fast"], (json{{"level", "none"},
                                    {"period", "brightWeek"},
                                    {"easedBy", nullptr},
                                    {"reason", "Светлая седмица."},
                                    {"line", "Светлая седмица. Поста нет."}}));
    const json& liturgy = pascha["readings"]["services"][0];
    EXPECT_EQ(liturgy["service"], "liturgy");
    EXPECT_EQ(liturgy["name"], "Лит.");
    EXPECT_EQ(liturgy["line"], "Лит.: Ап. Деян. 1:1-8. Ев. Ин. 1:1-17.");
    ASSERT_EQ(liturgy["readings"].size(), 2u);
    EXPECT_EQ(liturgy["readings"][0],
              (json{{"kind", "apostle"},
                    {"reference", "Деян. 1:1-8"},
                    {"book", "Деян."},
                    {"bookKey", "Acts"},
                    {"spans",
                     json::array({json{
                         {"fromChapter", 1}, {"fromVerse", 1}, {"toChapter", 1}, {"toVerse", 8}}})},
                    {"zachalo", 1},
                    {"group", 0},
                    {"text", "Ап. Деян. 1:1-8."}}));
    EXPECT_EQ(liturgy["readings"][1]["kind"], "gospel");
    EXPECT_EQ(liturgy["readings"][1]["bookKey"], "John");
    EXPECT_EQ(liturgy["readings"][1]["zachalo"], nullptr);
    EXPECT_EQ(liturgy["groups"], json::array({json{{"role", "ordinary"}, {"label", "Ряд."}}}));
    EXPECT_FALSE(pascha["readings"].contains("noLiturgy"));

    // What eased a fast: a named feast, else the day's rank.
    DayInfo nicholas = FastWednesday();
    nicholas.Fast = DayFast{FastLevel::Fish, FastPeriod::NativityFast, true, FastFeast::StNicholas,
                            Rank::Vigil};
    const json eased = Parse(FrameOf(ReportKind::Day, {nicholas}))["days"][0]["fast"];
    EXPECT_EQ(eased["easedBy"], (json{{"feast", "stNicholas"}}));
    EXPECT_EQ(eased["line"],
              "Рождественский пост, память святителя Николая Чудотворца. Разрешается рыба.");
    nicholas.Fast->EasedByFeast = FastFeast::None;
    EXPECT_EQ(Parse(FrameOf(ReportKind::Day, {nicholas}))["days"][0]["fast"]["easedBy"],
              (json{{"rank", "vigil"}}));

    // A Lenten weekday without a Liturgy says why, as a key and in words.
    DayInfo lent = FastWednesday();
    lent.Readings = DayReadings{{}, NoLiturgyKind::Presanctified};
    const json lentReadings = Parse(FrameOf(ReportKind::Day, {lent}))["days"][0]["readings"];
    EXPECT_EQ(lentReadings["noLiturgy"], "presanctified");
    EXPECT_EQ(lentReadings["noLiturgyReason"],
              "Апостола и Евангелия нет: литургия Преждеосвященных Даров.");

    DayInfo plain = FastWednesday();
    plain.Fast.reset();
    const json day = Parse(FrameOf(ReportKind::Day, {plain}))["days"][0];
    EXPECT_FALSE(day.contains("fast"));
    EXPECT_FALSE(day.contains("readings"));
}

TEST(ReportJson, SearchCarriesTextAndHits) {
    ReportFrame frame = FrameOf(ReportKind::Search, {Pascha2025(), FastWednesday()});
    frame.FindText = "Пасх";
    frame.WholeWord = true;
    frame.HitCounts = {2, 1};
    const json doc = Parse(frame);
    EXPECT_EQ(doc["search"], (json{{"text", "Пасх"}, {"wholeWord", true}, {"totalHits", 3}}));
    EXPECT_EQ(doc["days"][0]["hits"], 2);
    EXPECT_EQ(doc["days"][1]["hits"], 1);
    // Hit counts cut short read as none rather than past the end.
    frame.HitCounts = {2};
    EXPECT_EQ(Parse(frame)["days"][1]["hits"], 0);
    // Other reports carry no hits.
    EXPECT_FALSE(Parse(FrameOf(ReportKind::Week, {Pascha2025()}))["days"][0].contains("hits"));
}

TEST(ReportJson, EveryKindHasItsWord) {
    const std::pair<ReportKind, const char*> kinds[] = {
        {ReportKind::Day, "day"},           {ReportKind::Week, "week"},
        {ReportKind::Month, "month"},       {ReportKind::Year, "year"},
        {ReportKind::Feasts, "feasts"},     {ReportKind::Search, "search"},
        {ReportKind::Abbreviations, "abbr"}};
    for (const auto& [kind, word] : kinds) {
        EXPECT_EQ(Parse(FrameOf(kind, {}))["kind"], word);
    }
    EXPECT_EQ(Parse(FrameOf(ReportKind::Abbreviations, {}))["days"], json::array());
}

TEST(ReportJson, MalformedTextNeverThrows) {
    DayInfo day = FastWednesday();
    day.Entries[0].Text = "Прп.\xFF\xFE Саввы\x01";
    ReportFrame frame = FrameOf(ReportKind::Search, {day});
    frame.FindText.assign(1, '\xD0');  // GCC 12 warns falsely (-Wrestrict) on = "\xD0"
    json doc;
    ASSERT_NO_THROW(doc = Parse(frame));
    EXPECT_EQ(doc["days"][0]["entries"][0]["text"], "Прп.\uFFFD\uFFFD Саввы");
    EXPECT_EQ(doc["search"]["text"], "\uFFFD");
}

// What a script needs without parsing texts: the ISO date, a rank that tells Pascha, the twelve
// and the other great feasts apart, and one word for "no fast" whether a fast was lifted or none
// was kept.
TEST(ReportJson, ScriptFriendlyFields) {
    DayInfo nativity = DayOn(2027, 1, 7);
    nativity.Entries = {Entry(0, Rank::GreatFeast, "Рождество Христово.")};
    DayInfo circumcision = DayOn(2027, 1, 14);
    circumcision.Entries = {Entry(0, Rank::GreatFeast, "Обрезание Господне.")};
    DayInfo plain = DayOn(2027, 1, 15);
    plain.Entries = {Entry(1, Rank::Polyeleos, "Прп. Серафима Саровского.")};
    plain.Fast = DayFast{FastLevel::None, FastPeriod::FastDay};
    const json doc =
        Parse(FrameOf(ReportKind::Week, {Pascha2025(), nativity, circumcision, plain}));
    const json& days = doc["days"];
    EXPECT_EQ(days[1]["iso"], "2027-01-07");
    EXPECT_EQ(doc["range"]["first"]["iso"], "2025-04-20");
    EXPECT_EQ(days[0]["feastRank"], "pascha");
    EXPECT_EQ(days[1]["feastRank"], "twelveFeast");
    EXPECT_EQ(days[2]["feastRank"], "greatFeast");
    EXPECT_EQ(days[3]["feastRank"], "polyeleos");
    EXPECT_EQ(days[0]["highestRank"], "greatFeast");  // unchanged beside it
    // Bright Week lifts the fast ("Поста нет."), an ordinary Friday of 15 January has none: both
    // "none", the lifted one with its period and words.
    EXPECT_EQ(days[0]["fast"]["level"], "none");
    EXPECT_EQ(days[0]["fast"]["period"], "brightWeek");
    EXPECT_EQ(days[3]["fast"]["level"], "none");
    EXPECT_EQ(days[3]["fast"]["period"], nullptr);
}

TEST(ReportJson, AbbreviationsAreTheirList) {
    const std::string text = RenderAbbreviationsJson(
        FrameOf(ReportKind::Abbreviations, {}),
        "\nСокращения, принятые в календаре\n\n(+) великий праздник;\nап. – апостол\n"
        "блгв. – благоверный, благоверная\n");
    const json doc = json::parse(text);
    EXPECT_EQ(doc["kind"], "abbr");
    EXPECT_EQ(doc["title"], "Сокращения, принятые в календаре");
    EXPECT_EQ(doc["abbreviations"],
              (json::array({{{"abbr", "ап."}, {"text", "апостол"}},
                            {{"abbr", "блгв."}, {"text", "благоверный, благоверная"}}})));
    EXPECT_EQ(doc["lines"].size(), 4u);
    EXPECT_EQ(doc["days"], json::array());
}

// A document of many years is one report whose days follow each other, with "years" in its head.
TEST(ReportJson, ManyFramesMakeOneDocument) {
    ReportFrame head = FrameOf(ReportKind::Feasts, {});
    head.First = DayNumber(kGregorian, 1, 1, 2025);
    head.Last = DayNumber(kGregorian, 31, 12, 2027);
    JsonDaysWriter writer(head, 2025, 2027);
    writer.Add(FrameOf(ReportKind::Feasts, {Pascha2025()}));
    writer.Add(FrameOf(ReportKind::Feasts, {}));  // a year with no day listed adds no comma
    writer.Add(FrameOf(ReportKind::Feasts, {FastWednesday(), DayOn(2027, 1, 7)}));
    const std::string text = std::move(writer).Finish();
    ASSERT_TRUE(text.ends_with("]}\n"));
    const json doc = json::parse(text);
    EXPECT_EQ(doc["years"], (json{{"first", 2025}, {"last", 2027}}));
    EXPECT_EQ(doc["range"]["last"]["iso"], "2027-12-31");
    ASSERT_EQ(doc["days"].size(), 3u);
    EXPECT_EQ(doc["days"][2]["iso"], "2027-01-07");
    EXPECT_EQ(json::parse(std::move(JsonDaysWriter(head, 2025, 2027)).Finish())["days"],
              json::array());
}

}  // namespace
}  // namespace velorith::exports
