// The web pages of the reports: well-formed documents whose text is the data's, escaped, with
// the data's looks as elements and never the data's own markup; the calendar's marks on red
// days, great feasts and fasts.
#include <gtest/gtest.h>

#include <string>

#include "data/entry_markup.h"
#include "exports/html_day.h"
#include "exports/html_page.h"
#include "exports/html_text.h"
#include "exports/report_html.h"
#include "exports/test_days.h"

namespace velorith::exports {
namespace {

using testing::DayOn;
using testing::Entry;
using testing::FastWednesday;
using testing::FrameOf;
using testing::Pascha2025;

std::size_t Count(std::string_view text, std::string_view what) {
    std::size_t n = 0;
    for (auto at = text.find(what); at != std::string_view::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

// An entry as the day builder makes it: the balanced value, its plain text and spans.
DayEntry EntryWithMarkup(std::string_view raw) {
    DayEntry e = Entry(1, Rank::None, "");
    const std::string value = BalanceMarkup(raw);
    StyledText styled = ReadStyledText(value);
    e.Text = std::move(styled.Text);
    e.Spans = std::move(styled.Spans);
    e.Markup = value;
    return e;
}

// The elements opened and closed in a body, as a stack; empty when every element is closed
// in order (void elements aside).
bool ElementsNest(std::string_view html) {
    std::vector<std::string> open;
    std::size_t at = 0;
    while ((at = html.find('<', at)) != std::string_view::npos) {
        const std::size_t end = html.find('>', at);
        if (end == std::string_view::npos) return false;
        std::string_view tag = html.substr(at + 1, end - at - 1);
        at = end;
        if (tag.starts_with('!')) continue;
        const bool closing = tag.starts_with('/');
        if (closing) tag.remove_prefix(1);
        const std::string name(tag.substr(0, tag.find_first_of(" \n")));
        if (name == "meta" || name == "link" || name == "br") continue;
        if (!closing) {
            open.push_back(name);
        } else {
            if (open.empty() || open.back() != name) return false;
            open.pop_back();
        }
    }
    return open.empty();
}

TEST(HtmlText, EscapesEveryCharacterThatCouldBecomeMarkup) {
    EXPECT_EQ(Escaped("<script>alert('x')</script> & \"q\""),
              "&lt;script&gt;alert(&#39;x&#39;)&lt;/script&gt; &amp; &quot;q&quot;");
    EXPECT_EQ(Escaped("&amp;"), "&amp;amp;");
    // Control characters and noncharacters are left out; broken UTF-8 shows as U+FFFD.
    EXPECT_EQ(Escaped(std::string("a\x01\x7f"
                                  "b\tc\nd",
                                  9)),
              "ab\tc\nd");
    EXPECT_EQ(Escaped("x\xEF\xB7\x90y\xEF\xBF\xBEz"), "xyz");
    EXPECT_EQ(Escaped("\xD0"), "\xEF\xBF\xBD");
    EXPECT_EQ(Escaped("\xC2\x85"), "");
    EXPECT_EQ(Escaped("Свт. Николая"), "Свт. Николая");
}

TEST(HtmlText, SpansBecomeElementsAndBadSpansAreNotTrusted) {
    std::string out;
    AppendStyled(out, "a<b>c", std::vector<TextSpan>{{1, 4, kStyleBold | kStyleRed}});
    EXPECT_EQ(out, "a<span class=\"red\"><strong>&lt;b&gt;</strong></span>c");
    out.clear();
    AppendStyled(out, "видно скрыто", std::vector<TextSpan>{{11, 23, kStyleHidden}});
    EXPECT_EQ(out, "видно ");
    out.clear();
    // Overlapping, empty and out-of-range spans are skipped; the text is all there once.
    AppendStyled(
        out, "abcdef",
        std::vector<TextSpan>{
            {0, 2, kStyleItalic}, {1, 3, kStyleBold}, {3, 3, kStyleBold}, {4, 99, kStyleBold}});
    EXPECT_EQ(out, "<em>ab</em>cdef");
}

TEST(HtmlDay, ShowsTheDateAsTimeAndTheCalendarsMarks) {
    std::string out;
    AppendDayArticle(out, Pascha2025(), {1, true, {}, -1});
    EXPECT_NE(out.find("<h1><time datetime=\"2025-04-20\">20 апреля 2025 года"), std::string::npos);
    EXPECT_NE(out.find("class=\"day red great\""), std::string::npos);
    EXPECT_NE(out.find("title=\"Великий праздник\""), std::string::npos);
    EXPECT_NE(out.find("7 апреля 2025 года от Р.Х. по старому стилю"), std::string::npos);
    EXPECT_NE(out.find("title=\"великий праздник\">(+)</abbr>Пасха Господня."), std::string::npos);
    EXPECT_NE(out.find("<ul class=\"readings\""), std::string::npos);
    EXPECT_NE(out.find("<p class=\"fast\">"), std::string::npos);
    EXPECT_NE(out.find("индикт"), std::string::npos);
    EXPECT_TRUE(ElementsNest(out)) << out;

    out.clear();
    AppendDayArticle(out, FastWednesday(), {});
    EXPECT_NE(out.find("class=\"day fasting\""), std::string::npos);
    EXPECT_NE(out.find("<h2>"), std::string::npos);
    EXPECT_EQ(out.find("индикт"), std::string::npos);
    EXPECT_TRUE(ElementsNest(out));
}

TEST(HtmlDay, ADayOutsideTheCivilYearsHasNoMachineDate) {
    DayInfo day = DayOn(2025, 1, 1);
    day.Dates.Gregorian.Year = 3001;
    EXPECT_EQ(CivilIsoDate(day), "");
    std::string out;
    AppendDayArticle(out, day, {});
    EXPECT_EQ(out.find("<time"), std::string::npos);
    EXPECT_EQ(CivilIsoDate(DayOn(33, 4, 3)), "0033-04-03");
}

TEST(HtmlDay, HostileDataNeverBecomesMarkup) {
    const std::string payloads[] = {
        "<script>alert(1)</script>",
        "</style><img src=x onerror=alert(1)>",
        "\" onmouseover=\"alert(1)",
        "&lt;b&gt; & &amp; ' \"",
        "{\\b <b>жирный</b>} {\\i </em></li></ul>}",
        std::string(500, '{') + "<i>глубоко",
        "{\\cf2 \\'3c\\'2fstyle\\'3e} \\u60?script\\u62?",
        "}}}{\\*\\x <hidden>} {\\v </main>} конец",
    };
    for (const std::string& raw : payloads) {
        DayInfo day = FastWednesday();
        day.Entries = {EntryWithMarkup(raw)};
        day.Line.Titles.Text = raw;
        const std::string page = RenderHtml(FrameOf(ReportKind::Week, {day, day}));
        const std::size_t body = page.find("<body>");
        const std::size_t end = page.find("</body>");
        ASSERT_NE(body, std::string::npos);
        ASSERT_NE(end, std::string::npos);
        const std::string_view text(page.data() + body, end + 7 - body);
        EXPECT_EQ(text.find("<script"), std::string_view::npos) << raw;
        EXPECT_EQ(text.find("<img"), std::string_view::npos) << raw;
        EXPECT_EQ(text.find("</style"), std::string_view::npos) << raw;
        EXPECT_EQ(text.find("<b>"), std::string_view::npos) << raw;
        EXPECT_EQ(text.find("<i>"), std::string_view::npos) << raw;
        EXPECT_EQ(text.find(" onmouseover=\""), std::string_view::npos) << raw;
        EXPECT_TRUE(ElementsNest(text)) << raw;
    }
}

TEST(HtmlDay, TheDataLooksAreKeptAsElements) {
    DayInfo day = FastWednesday();
    day.Entries = {EntryWithMarkup("Мч. {\\b Первый} и {\\cf2 Второй}.")};
    std::string out;
    AppendDayArticle(out, day, {});
    EXPECT_NE(out.find("Мч. <strong>Первый</strong> и <span class=\"red\">Второй</span>."),
              std::string::npos);
}

TEST(HtmlReport, EachKindHasOneTitleAndEveryDayOnce) {
    ReportFrame week = FrameOf(ReportKind::Week, {Pascha2025(), FastWednesday()});
    week.Title = "Седмица с 20 апреля";
    const std::string page = RenderHtml(week);
    EXPECT_TRUE(page.starts_with("<!DOCTYPE html>\n<html lang=\"ru\">"));
    EXPECT_EQ(Count(page, "<h1>"), 1u);
    EXPECT_NE(page.find("<title>Седмица с 20 апреля</title>"), std::string::npos);
    EXPECT_EQ(Count(page, "<article"), 2u);
    EXPECT_NE(page.find("<style>"), std::string::npos);
    EXPECT_NE(page.find("prefers-color-scheme:dark"), std::string::npos);
    EXPECT_NE(page.find("size:A4"), std::string::npos);
    EXPECT_TRUE(ElementsNest(page));

    const std::string day =
        RenderHtml(FrameOf(ReportKind::Day, {Pascha2025()}), {false, "../style.css"});
    EXPECT_EQ(Count(day, "<h1>"), 1u);
    EXPECT_NE(day.find("<title>20 апреля 2025 года"), std::string::npos);
    EXPECT_NE(day.find("<link rel=\"stylesheet\" href=\"../style.css\">"), std::string::npos);
    EXPECT_EQ(day.find("<style>"), std::string::npos);

    ReportFrame search = FrameOf(ReportKind::Search, {FastWednesday()});
    search.FindText = "<Григория>";
    search.HitCounts = {3};
    const std::string found = RenderHtml(search);
    EXPECT_NE(found.find("&lt;Григория&gt;"), std::string::npos);
    EXPECT_NE(found.find("Найдено: 3"), std::string::npos);
}

TEST(HtmlReport, AbbreviationsKeepTheirWordsAndLooksButNoMarkup) {
    const std::string page = AbbreviationsHtml(
        "{\\rtf1\\ansi{\\fonttbl{\\f0 Times;}}\\b ап.\\b0  \\endash  апостол\\par "
        "{\\i <script>}\\par\\par{\\v скрыто}\\par}");
    EXPECT_NE(page.find("<p><strong>ап.</strong>"), std::string::npos);
    EXPECT_NE(page.find("<em>&lt;script&gt;</em>"), std::string::npos);
    EXPECT_EQ(page.find("скрыто"), std::string::npos);
    EXPECT_EQ(page.find("Times;"), std::string::npos);
    EXPECT_TRUE(ElementsNest(page));
}

}  // namespace
}  // namespace velorith::exports
