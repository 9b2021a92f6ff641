// The iCalendar of a report, read back by libical's parser and checked line by line.
#include "exports/report_ics.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <vector>

#include "data/text_encoding.h"
#include "exports/ical_ptr.h"
#include "exports/test_days.h"

namespace velorith::exports {
namespace {

using namespace testing;

constexpr std::time_t kStamp = 1765000000;  // 6 December 2025, 05:46:40 UTC

struct Event {
    std::string uid, start, end, summary, description, stamp;
    std::vector<std::string> categories;
};

std::string DateOf(icalproperty* p, icaltimetype (*get)(const icalproperty*)) {
    const icaltimetype t = get(p);
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d%s", t.year, t.month, t.day,
                  t.is_date ? "" : "T");
    return text;
}

std::string Text(const char* text) {
    return text ? text : "";
}

std::vector<Event> ReadEvents(const std::string& ics, std::string* calendarName = nullptr) {
    const ical::Component calendar(icalparser_parse_string(ics.c_str()));
    std::vector<Event> events;
    if (!calendar) return events;
    icalcomponent* c = calendar.get();
    for (icalproperty* p = icalcomponent_get_first_property(c, ICAL_X_PROPERTY); p;
         p = icalcomponent_get_next_property(c, ICAL_X_PROPERTY)) {
        if (calendarName && std::string(icalproperty_get_x_name(p)) == "X-WR-CALNAME")
            *calendarName = Text(icalproperty_get_x(p));
    }
    for (icalcomponent* e = icalcomponent_get_first_component(c, ICAL_VEVENT_COMPONENT); e;
         e = icalcomponent_get_next_component(c, ICAL_VEVENT_COMPONENT)) {
        Event event;
        event.uid = Text(icalcomponent_get_uid(e));
        event.summary = Text(icalcomponent_get_summary(e));
        event.description = Text(icalcomponent_get_description(e));
        event.start = DateOf(icalcomponent_get_first_property(e, ICAL_DTSTART_PROPERTY),
                             icalproperty_get_dtstart);
        event.end = DateOf(icalcomponent_get_first_property(e, ICAL_DTEND_PROPERTY),
                           icalproperty_get_dtend);
        const ical::String stamp(icaltime_as_ical_string_r(icalcomponent_get_dtstamp(e)));
        event.stamp = stamp.get();
        for (icalproperty* p = icalcomponent_get_first_property(e, ICAL_CATEGORIES_PROPERTY); p;
             p = icalcomponent_get_next_property(e, ICAL_CATEGORIES_PROPERTY))
            event.categories.push_back(Text(icalproperty_get_categories(p)));
        events.push_back(std::move(event));
    }
    return events;
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
        lines.push_back(text.substr(start, end - start));
    EXPECT_EQ(start, text.size()) << "the last line lacks its CRLF";
    return lines;
}

IcsOptions Options(std::string name = "Церковный календарь") {
    return IcsOptions{std::move(name), kStamp};
}

TEST(ReportIcs, OneAllDayEventPerDay) {
    const std::string ics =
        RenderIcs(FrameOf(ReportKind::Week, {Pascha2025(), FastWednesday()}), Options());
    std::string name;
    const auto events = ReadEvents(ics, &name);
    EXPECT_EQ(name, "Церковный календарь");
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].uid, "2025-04-20@calendar.velorith.org");
    EXPECT_EQ(events[0].start, "2025-04-20");
    EXPECT_EQ(events[0].end, "2025-04-21");
    EXPECT_EQ(events[0].summary, "Пасха Господня.");
    EXPECT_EQ(events[0].stamp, "20251206T054640Z");
    EXPECT_EQ(events[1].uid, "2025-12-03@calendar.velorith.org");
    EXPECT_EQ(events[1].summary, "Предпразднство Введения во храм Пресвятой Богородицы.");

    EXPECT_TRUE(ics.starts_with("BEGIN:VCALENDAR\r\n"));
    EXPECT_NE(ics.find("\r\nVERSION:2.0\r\n"), std::string::npos);
    EXPECT_NE(ics.find("\r\nPRODID:-//Velorith//Velorith Calendar "), std::string::npos);
    EXPECT_NE(ics.find("\r\nDTSTART;VALUE=DATE:20250420\r\n"), std::string::npos);
    EXPECT_NE(ics.find("\r\nTRANSP:TRANSPARENT\r\n"), std::string::npos);
}

TEST(ReportIcs, DescriptionHoldsTheRestOfTheDay) {
    const auto events = ReadEvents(RenderIcs(FrameOf(ReportKind::Day, {Pascha2025()}), Options()));
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].description,
              "7 апреля 2025 года от Р.Х. по старому стилю\n"
              "Светлое Христово Воскресение.\n"
              "Мч. Калиопия.\n"
              "Светлая седмица. Поста нет.\n"
              "Лит.: Ап. Деян. 1:1-8. Ев. Ин. 1:1-17.");

    // A day without commemorations is named by its day line, which is not repeated below.
    DayInfo bare = FastWednesday();
    bare.Entries.clear();
    bare.Fast.reset();
    const auto plain = ReadEvents(RenderIcs(FrameOf(ReportKind::Day, {bare}), Options()));
    ASSERT_EQ(plain.size(), 1u);
    EXPECT_EQ(plain[0].summary, "Среда 26-ой седмицы по Пятидесятнице. Глас 1-й.");
    EXPECT_EQ(plain[0].description, "20 ноября 2025 года от Р.Х. по старому стилю");
}

TEST(ReportIcs, CategoriesForGreatFeastsAndFasts) {
    DayInfo feastInFast = FastWednesday();
    feastInFast.Entries.push_back(Entry(0, Rank::GreatFeast, "Введение во храм."));
    DayInfo fastFree = Pascha2025();
    fastFree.Entries[0].Sign = Rank::Vigil;
    const auto events = ReadEvents(RenderIcs(
        FrameOf(ReportKind::Feasts, {Pascha2025(), FastWednesday(), feastInFast, fastFree}),
        Options()));
    // The last two fall on the first two dates again: one event for a date, the first listed.
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].categories, std::vector<std::string>{"Великий праздник"});
    EXPECT_EQ(events[1].categories, std::vector<std::string>{"Постный день"});

    const auto both = ReadEvents(RenderIcs(FrameOf(ReportKind::Day, {feastInFast}), Options()));
    EXPECT_EQ(both[0].categories, (std::vector<std::string>{"Великий праздник", "Постный день"}));
    EXPECT_EQ(both[0].summary, "Введение во храм.");  // group 0 comes before group 1
    const auto vigil = ReadEvents(RenderIcs(FrameOf(ReportKind::Day, {fastFree}), Options()));
    EXPECT_TRUE(vigil[0].categories.empty());
}

TEST(ReportIcs, LinesFoldedAt75OctetsOnCharacterBoundaries) {
    DayInfo day = Pascha2025();
    std::string longText;
    for (int i = 0; i < 12; ++i)
        longText += "Святых мучеников Агапия, Пуплия, Тимолая и Ромила; ";
    day.Entries.push_back(Entry(2, Rank::None, longText));
    day.Entries[0].Text = "Пасха Господня, «Воскресение»; a\\b " + longText;
    ReportFrame frame = FrameOf(ReportKind::Day, {day});
    const std::string ics = RenderIcs(frame, Options("Приход, «Святой Троицы»; 2025"));
    int folded = 0;
    for (const std::string& line : Lines(ics)) {
        EXPECT_LE(line.size(), 75u) << line;
        EXPECT_TRUE(IsValidUtf8(line)) << line;
        if (line.starts_with(" ")) ++folded;
    }
    EXPECT_GT(folded, 20);
    std::string name;
    const auto events = ReadEvents(ics, &name);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].summary,
              day.Entries[0].Text.str().substr(0, day.Entries[0].Text.size() - 1));
    EXPECT_NE(events[0].description.find(longText.substr(0, longText.size() - 1)),
              std::string::npos);
    // Written as TEXT, with its comma and semicolon escaped; read back as the name.
    EXPECT_EQ(name, "Приход, «Святой Троицы»; 2025");
    EXPECT_NE(ics.find("\r\nX-WR-CALNAME:Приход\\, «Святой Троицы»\\; 2025\r\n"),
              std::string::npos);
}

TEST(ReportIcs, UidsStableAndUniqueAcrossFrames) {
    std::vector<ReportFrame> years;
    for (int y : {2025, 2026}) {
        std::vector<DayInfo> days;
        for (int m = 1; m <= 12; ++m)
            days.push_back(DayOn(y, m, 1));
        years.push_back(FrameOf(ReportKind::Year, days));
    }
    years.push_back(FrameOf(ReportKind::Day, {DayOn(2026, 1, 1)}));  // a day listed twice
    const std::string first = RenderIcs(years, Options());
    EXPECT_EQ(first, RenderIcs(years, Options()));
    const auto events = ReadEvents(first);
    ASSERT_EQ(events.size(), 24u);
    std::set<std::string> uids;
    for (const Event& e : events)
        uids.insert(e.uid);
    EXPECT_EQ(uids.size(), 24u);
    EXPECT_EQ(events[12].uid, "2026-01-01@calendar.velorith.org");
    // A day the data says nothing of is named by its Julian date rather than left blank.
    EXPECT_EQ(events[12].summary, "19 декабря 2025 года от Р.Х. по старому стилю");
    // The UID follows the date only: another text on the same day keeps it.
    DayInfo changed = DayOn(2026, 1, 1);
    changed.Entries.push_back(Entry(0, Rank::GreatFeast, "Обрезание Господне."));
    EXPECT_EQ(ReadEvents(RenderIcs(FrameOf(ReportKind::Day, {changed}), Options()))[0].uid,
              "2026-01-01@calendar.velorith.org");
    EXPECT_EQ(EventUid(DayNumber(kGregorian, 31, 12, 2100)), "2100-12-31@calendar.velorith.org");
}

TEST(ReportIcs, MalformedTextAndEmptyFrames) {
    DayInfo day = FastWednesday();
    day.Entries[0].Text = "Прп.\xFF Саввы\x01\x1B";
    const std::string ics = RenderIcs(FrameOf(ReportKind::Day, {day}), Options("\xC3\n"));
    EXPECT_TRUE(IsValidUtf8(ics));
    std::string name;
    const auto events = ReadEvents(ics, &name);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].summary, "Прп.\uFFFD Саввы");
    EXPECT_EQ(name, "\uFFFD");

    const std::string empty = RenderIcs(std::vector<ReportFrame>{}, Options());
    EXPECT_TRUE(empty.starts_with("BEGIN:VCALENDAR\r\n"));
    EXPECT_TRUE(empty.ends_with("END:VCALENDAR\r\n"));
    EXPECT_TRUE(ReadEvents(empty).empty());
}

TEST(ReportIcs, ShortSummariesAreCutAtAWord) {
    EXPECT_EQ(ShortSummary("Пасха Господня.", 60), "Пасха Господня.");
    EXPECT_EQ(ShortSummary("Пасха Господня.", 0), "Пасха Господня.");
    const std::string longName =
        "Рождество Пресвятой Владычицы нашей Богородицы и Приснодевы Марии, праздник";
    const std::string cut = ShortSummary(longName, 60);
    EXPECT_EQ(cut, "Рождество Пресвятой Владычицы нашей Богородицы и Приснодевы…");
    // Counted in characters, not bytes: Cyrillic takes two bytes each.
    std::size_t characters = 0;
    for (const char c : cut)
        characters += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    EXPECT_LE(characters, 60u);
    // A word longer than the limit is cut inside, never inside a character.
    const std::string word =
        ShortSummary(std::string(40, 'x') + "ЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖЖ", 60);
    EXPECT_TRUE(IsValidUtf8(word));
    EXPECT_TRUE(word.ends_with("Ж…"));
}

TEST(ReportIcs, ALongSummaryKeepsItsWholeTextInTheDescription) {
    DayInfo day = FastWednesday();
    day.Entries[0].Text =
        "Предпразднство Введения во храм Пресвятой Богородицы. Апостолов от семидесяти.";
    IcsOptions options = Options();
    options.SummaryLimit = 60;
    const auto events = ReadEvents(RenderIcs(FrameOf(ReportKind::Day, {day}), options));
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].summary, "Предпразднство Введения во храм Пресвятой Богородицы…");
    EXPECT_NE(events[0].description.find(day.Entries[0].Text), std::string::npos);
    // A summary that fits is not repeated.
    const auto fits = ReadEvents(RenderIcs(FrameOf(ReportKind::Day, {Pascha2025()}), options));
    EXPECT_EQ(fits[0].description.find("Пасха Господня."), std::string::npos);
}

TEST(ReportIcs, TheDomainOfTheUidsAndTheFeedsRefresh) {
    IcsOptions options = Options();
    options.UidDomain = "parish.example";
    options.FeedHints = true;
    const std::string ics = RenderIcs(FrameOf(ReportKind::Day, {Pascha2025()}), options);
    EXPECT_EQ(ReadEvents(ics)[0].uid, "2025-04-20@parish.example");
    EXPECT_NE(ics.find("\r\nREFRESH-INTERVAL;VALUE=DURATION:P1D\r\n"), std::string::npos);
    EXPECT_NE(ics.find("\r\nX-PUBLISHED-TTL:P1D\r\n"), std::string::npos);
    const std::string plain = RenderIcs(FrameOf(ReportKind::Day, {Pascha2025()}), Options());
    EXPECT_EQ(plain.find("REFRESH-INTERVAL"), std::string::npos);
}

TEST(ReportIcs, TheFeastsAlone) {
    IcsOptions options = Options();
    options.Events = IcsEvents::Feasts;
    DayInfo meeting = DayOn(2025, 2, 15);  // the Meeting of the Lord, 2 February old style
    const auto events = ReadEvents(
        RenderIcs(FrameOf(ReportKind::Year, {FastWednesday(), meeting, Pascha2025()}), options));
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].start, "2025-02-15");
    EXPECT_EQ(events[1].start, "2025-04-20");
}

// The fasts alone: each season one event over all its days, whole even where the days asked for
// begin inside it, with a UID that names the season and its first day.
TEST(ReportIcs, TheFastsAsSeasons) {
    IcsOptions options = Options();
    options.Events = IcsEvents::Fasts;
    std::vector<DayInfo> days;
    for (int d = 1; d <= 31; ++d)
        days.push_back(DayOn(2025, 1, d));
    const std::string ics = RenderIcs(FrameOf(ReportKind::Month, std::move(days)), options);
    const auto events = ReadEvents(ics);
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].summary, "Рождественский пост");
    EXPECT_EQ(events[0].start, "2024-11-28");
    EXPECT_EQ(events[0].end, "2025-01-07");
    EXPECT_EQ(events[0].uid, "nativityFast-2024-11-28@calendar.velorith.org");
    EXPECT_EQ(events[1].summary, "Навечерие Богоявления");
    EXPECT_EQ(events[1].start, "2025-01-18");
    EXPECT_EQ(events[1].end, "2025-01-19");
    EXPECT_EQ(events[1].categories, std::vector<std::string>{"Постный день"});
}

}  // namespace
}  // namespace velorith::exports
