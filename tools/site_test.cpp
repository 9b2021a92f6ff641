// The static site on fixture data: every page of the years is there at its address, its links
// lead to pages that exist, the data's texts arrive escaped, the window's selection never moves,
// and a bad request writes nothing and says why.
#include "tools/site_writer.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <regex>
#include <set>
#include <string>

#include "data/test_folder.h"

namespace velorith::site {
namespace {

namespace fs = std::filesystem;
using velorith::testing::TempFolder;

std::string Read(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Whether every relative href of the page leads to a file, or to a folder with an index.html.
std::vector<std::string> BrokenLinks(const fs::path& page) {
    const std::string html = Read(page);
    static const std::regex kHref("href=\"([^\"]*)\"");
    std::vector<std::string> broken;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), kHref);
         it != std::sregex_iterator(); ++it) {
        const std::string href = (*it)[1];
        if (href.find("://") != std::string::npos || href.starts_with("data:")) continue;
        const fs::path target = (page.parent_path() / href).lexically_normal();
        const bool ok = href.ends_with('/') || href == "./"
                            ? fs::is_regular_file(target / "index.html")
                            : fs::is_regular_file(target);
        if (!ok) broken.push_back(href);
    }
    return broken;
}

class Site : public ::testing::Test {
  protected:
    void SetUp() override {
        data_.Write("December.DAT",
                    "[25]\n0={1}Рождество Христово.\n1=Мч. <script>alert(1)</script> & \"Ко\".\n"
                    "[7]\n0={2}Свт. {\\b Амвросия}, еп. Медиоланского.\n");
        calendar_.State().SetRange(1901, 2100);
        calendar_.SelectDate(kGregorian, 2025, 6, 15);
    }
    SiteResult Write(int first, int last, std::string base = {}) {
        return WriteSite(calendar_, {out_.path() / "site", first, last,
                                     "Храм <Святой> Троицы & \"прихода\"", std::move(base), 0});
    }
    fs::path At(std::string_view relative) const { return out_.path() / "site" / relative; }

    TempFolder data_;
    TempFolder out_;
    Calendar calendar_{data_.path()};
};

TEST_F(Site, EveryPageOfTheYearsStandsAtItsAddressAndItsLinksResolve) {
    const DayNum selected = calendar_.State().CurDay;
    const SiteResult result = Write(2025, 2026);
    ASSERT_EQ(result.Status, 0) << result.Message;
    EXPECT_EQ(calendar_.State().CurDay, selected);
    // 730 days with their JSON, 24 months, 2 years with their feeds, and the site's own files.
    EXPECT_EQ(result.Files, 730u * 2 + 24 + 2 * 2 + 5);
    for (const char* file :
         {"index.html", "today.html", "sitemap.xml", "style.css", "calendar.ics", "2025/index.html",
          "2026/calendar.ics", "2025/12/index.html", "2025/12/25/index.html", "2025/12/25/day.json",
          "2026/02/28/index.html"})
        EXPECT_TRUE(fs::is_regular_file(At(file))) << file;
    EXPECT_FALSE(fs::exists(At("2026/02/29")));
    EXPECT_FALSE(fs::exists(At("2027")));

    for (const char* page :
         {"index.html", "today.html", "2025/index.html", "2026/index.html", "2025/01/index.html",
          "2025/12/index.html", "2026/12/index.html", "2025/01/01/index.html",
          "2025/12/31/index.html", "2026/01/01/index.html", "2026/12/31/index.html"})
        EXPECT_EQ(BrokenLinks(At(page)), std::vector<std::string>()) << page;

    // The last day of the first year leads on to the next; the ends of the site lead nowhere.
    const std::string newYearsEve = Read(At("2025/12/31/index.html"));
    EXPECT_NE(newYearsEve.find("href=\"../../../2026/01/01/\" rel=\"next\""), std::string::npos);
    EXPECT_EQ(Read(At("2025/01/01/index.html")).find("rel=\"prev\""), std::string::npos);
    EXPECT_EQ(Read(At("2026/12/31/index.html")).find("rel=\"next\""), std::string::npos);
    EXPECT_EQ(Read(At("2026/12/index.html")).find("rel=\"next\""), std::string::npos);

    // No temporary file is left behind.
    for (const auto& entry : fs::recursive_directory_iterator(At("")))
        EXPECT_EQ(entry.path().filename().string().find(".tmp"), std::string::npos) << entry.path();
}

TEST_F(Site, PagesShowTheDayWithItsMarksAndTheDataEscaped) {
    ASSERT_EQ(Write(2025, 2025).Status, 0);
    // Old style 25 December is new style 7 January.
    const std::string jan7 = Read(At("2025/01/07/index.html"));
    EXPECT_NE(jan7.find("<time datetime=\"2025-01-07\">7 января 2025 года"), std::string::npos);
    EXPECT_NE(jan7.find("Рождество Христово."), std::string::npos);
    EXPECT_NE(jan7.find("<article class=\"day great"), std::string::npos);
    EXPECT_NE(jan7.find("title=\"Великий праздник\""), std::string::npos);
    EXPECT_NE(jan7.find("Мч. &lt;script&gt;alert(1)&lt;/script&gt; &amp; &quot;Ко&quot;."),
              std::string::npos);
    EXPECT_EQ(jan7.find("<script>alert"), std::string::npos);
    EXPECT_NE(jan7.find("<link rel=\"stylesheet\" href=\"../../../style.css\">"),
              std::string::npos);
    EXPECT_LT(jan7.size(), 20u * 1024);
    EXPECT_NE(jan7.find("Храм &lt;Святой&gt; Троицы &amp; &quot;прихода&quot;"), std::string::npos);

    const std::string dec20 = Read(At("2025/12/20/index.html"));
    EXPECT_NE(dec20.find("Свт. <strong>Амвросия</strong>, еп. Медиоланского."), std::string::npos);

    const std::string month = Read(At("2025/01/index.html"));
    EXPECT_NE(month.find("<a class=\"num\" href=\"07/\">"), std::string::npos);
    EXPECT_NE(month.find("Рождество Христово."), std::string::npos);
    // January 2025 begins on a Wednesday: two empty cells before it.
    EXPECT_NE(month.find("<tr><td class=\"empty\"></td><td class=\"empty\"></td><td"),
              std::string::npos);
    const std::string year = Read(At("2025/index.html"));
    EXPECT_NE(year.find("<a href=\"01/07/\"><time datetime=\"2025-01-07\">"), std::string::npos);

    const std::string json = Read(At("2025/01/07/day.json"));
    EXPECT_NE(json.find("\"principal\":\"Рождество Христово.\""), std::string::npos);
    EXPECT_NE(Read(At("calendar.ics")).find("UID:2025-01-07@"), std::string::npos);
}

// A calendar set to another catalogue writes its site in those words: the month grid's weekdays,
// the pager, the feed's link, the day's date; the addresses and the data's texts stay.
TEST_F(Site, PagesAreWrittenInTheCalendarsCatalogue) {
    Phrases other = PhrasesOf();
    other.Page.WeekdayShort = {"Mo", "Tu", "We", "Th", "Fr", "Sa", "Su"};
    other.Page.Neighbours = "Nearby pages";
    other.Page.PreviousDay = "Day before";
    other.Page.Feed = "Calendar for phones";
    other.Page.Months = "Months";
    other.MonthNames[1][1] = "January";
    other.MonthNames[2][1] = "of January";
    other.WeekdayNames[kCivilDay][2] = "Tuesday";
    other.YearOfDate = "";
    calendar_.SetCatalogue(other);
    ASSERT_EQ(Write(2025, 2025).Status, 0);
    const std::string jan7 = Read(At("2025/01/07/index.html"));
    EXPECT_NE(jan7.find("<time datetime=\"2025-01-07\">7 of January 2025"), std::string::npos)
        << jan7;
    EXPECT_NE(jan7.find("aria-label=\"Nearby pages\""), std::string::npos);
    EXPECT_NE(jan7.find("← Day before"), std::string::npos);
    EXPECT_NE(jan7.find(">Calendar for phones</a>"), std::string::npos);
    EXPECT_NE(jan7.find("Рождество Христово."), std::string::npos);
    const std::string month = Read(At("2025/01/index.html"));
    EXPECT_NE(month.find("<h1>January 2025</h1>"), std::string::npos);
    EXPECT_NE(month.find("<th scope=\"col\">Mo</th>"), std::string::npos);
    EXPECT_NE(month.find(", Tuesday</span>"), std::string::npos);
    EXPECT_EQ(month.find("Пн"), std::string::npos);
    EXPECT_NE(Read(At("2025/index.html")).find("<h2>Months</h2>"), std::string::npos);
}

TEST_F(Site, TheSitemapIsAbsoluteUnderABaseAndRelativeWithout) {
    ASSERT_EQ(Write(2025, 2025).Status, 0);
    EXPECT_NE(Read(At("sitemap.xml")).find("<loc>2025/12/07/</loc>"), std::string::npos);
    ASSERT_EQ(Write(2025, 2025, "https://parish.example/calendar/").Status, 0);
    const std::string sitemap = Read(At("sitemap.xml"));
    EXPECT_NE(sitemap.find("<loc>https://parish.example/calendar/2025/12/07/</loc>"),
              std::string::npos);
    EXPECT_NE(sitemap.find("<loc>https://parish.example/calendar/</loc>"), std::string::npos);
    EXPECT_EQ(std::count(sitemap.begin(), sitemap.end(), '\n'), 2 + 1 + 1 + 12 + 365 + 1);
}

TEST_F(Site, ARunOverAnOldSiteReplacesChangedPagesAndLeavesTheOthers) {
    fs::create_directories(At("2025/01/07"));
    std::ofstream(At("2025/01/07/index.html")) << "old page";
    const SiteResult first = Write(2025, 2025);
    ASSERT_EQ(first.Status, 0);
    EXPECT_EQ(first.Unchanged, 0u);
    EXPECT_NE(Read(At("2025/01/07/index.html")).find("<!DOCTYPE html>"), std::string::npos);

    // Nothing changed: nothing is written again, and the files keep their times.
    const auto before = fs::last_write_time(At("2025/06/15/index.html"));
    std::ofstream(At("2025/06/16/index.html"), std::ios::app) << "x";  // damaged since
    const SiteResult again = Write(2025, 2025);
    ASSERT_EQ(again.Status, 0);
    EXPECT_EQ(again.Unchanged, again.Files - 1);
    EXPECT_EQ(fs::last_write_time(At("2025/06/15/index.html")), before);
    EXPECT_TRUE(Read(At("2025/06/16/index.html")).ends_with("</html>\n"));
}

TEST_F(Site, ABadRequestIsRefusedWithOneLineAndWritesNothing) {
    SiteResult outside = Write(2100, 2101);
    EXPECT_EQ(outside.Status, 2);
    EXPECT_NE(outside.Message.find("working range"), std::string::npos);
    EXPECT_EQ(outside.Message.find('\n'), std::string::npos);
    EXPECT_FALSE(fs::exists(At("")));

    // A folder that cannot be made: its parent is a file.
    std::ofstream(out_.path() / "file") << "x";
    SiteResult blocked =
        WriteSite(calendar_, {out_.path() / "file" / "site", 2025, 2025, "Храм", {}, 0});
    EXPECT_EQ(blocked.Status, 2);
    EXPECT_NE(blocked.Message.find("--site"), std::string::npos);
    SiteResult notFolder = WriteSite(calendar_, {out_.path() / "file", 2025, 2025, "Храм", {}, 0});
    EXPECT_EQ(notFolder.Status, 2);
}

TEST(SiteBaseUrl, OnlyAnHttpAddressWithoutQueryOrFragment) {
    EXPECT_TRUE(IsBaseUrl("https://parish.example"));
    EXPECT_TRUE(IsBaseUrl("http://parish.example/calendar/"));
    for (const char* bad :
         {"", "parish.example", "ftp://x", "https://", "https:///path", "https://x/a b",
          "https://x/\"", "https://x/?q=1", "https://x/#top", "javascript:alert(1)", "https://x/<"})
        EXPECT_FALSE(IsBaseUrl(bad)) << bad;
    EXPECT_EQ(BaseWithSlash("https://x"), "https://x/");
    EXPECT_EQ(BaseWithSlash("https://x/"), "https://x/");
}

}  // namespace
}  // namespace velorith::site
