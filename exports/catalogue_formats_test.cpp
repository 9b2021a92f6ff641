// Every format writes the words of the calendar's catalogue: with a second catalogue set on the
// calendar the week heading, the dates, the weekday and the fast change their words in text,
// JSON, iCalendar, lines and HTML alike, while the keys and the data's own texts stay.
#include <gtest/gtest.h>

#include "data/test_folder.h"
#include "exports/format_registry.h"

namespace velorith::exports {
namespace {

Phrases OtherWords() {
    Phrases words = PhrasesOf();
    words.WeekWord = "Week";
    words.WeekFrom = "from ";
    words.WeekTo = "to ";
    words.YearOfDate = "";
    words.WeekdayNames[1][3] = "Wednesday";
    words.MonthNames[1][1] = "January";
    words.MonthNames[2][1] = "of January";
    words.MonthNames[2][12] = "of December";
    words.ReckoningNames = {"", " A.M.", " (Old Style)", " (New Style)"};
    words.FastPhrases[static_cast<std::size_t>(FastLevel::FastFree)] = "No fast.";
    words.Page.RankNames[5] = "great feast";
    words.Page.GreatFeastMark = "Great feast";
    words.Page.OtherDates = "The same date in other reckonings";
    words.Page.SearchedFor = "Searched for: ";
    words.Page.Hits = "Found: ";
    words.Page.Abbreviations = "Abbreviations & signs";
    return words;
}

class CatalogueFormats : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_.Write("December.DAT", "[25]\n0={1}Рождество Христово.\n");
        calendar_.State().SetRange(1901, 2100);
        calendar_.Settings().ShowFasting = true;
        calendar_.SelectDate(kGregorian, 2025, 1, 8);  // a Wednesday of the Christmastide
    }
    std::string Render(std::string_view format, ReportKind kind) {
        return FindFormat(format)->Render(
            RenderJob{calendar_, kind, {}, false, IcsOptions{"Храм", 0}});
    }
    velorith::testing::TempFolder folder_;
    Calendar calendar_{folder_.path()};
    const Phrases other_ = OtherWords();
};

TEST_F(CatalogueFormats, EveryFormatWritesTheCataloguesWords) {
    std::vector<std::pair<std::string_view, std::string>> russian;
    for (const std::string_view f : {"text", "json", "ics", "lines", "html"})
        russian.emplace_back(f, Render(f, ReportKind::Week));
    calendar_.SetCatalogue(other_);
    for (const auto& [format, before] : russian) {
        const std::string after = Render(format, ReportKind::Week);
        SCOPED_TRACE(std::string(format));
        EXPECT_NE(after, before);
        EXPECT_EQ(after.find("января"), std::string::npos) << after.substr(0, 2000);
        EXPECT_EQ(after.find("по новому стилю"), std::string::npos);
    }
    const std::string json = Render("json", ReportKind::Week);
    EXPECT_NE(json.find("\"title\":\"Week from "), std::string::npos) << json.substr(0, 600);
    EXPECT_NE(json.find("\"name\":\"Wednesday\""), std::string::npos);
    EXPECT_NE(json.find("\"level\":\"none\""), std::string::npos);  // keys stay
    EXPECT_NE(json.find("No fast."), std::string::npos);
    EXPECT_NE(json.find("Рождество Христово."), std::string::npos);  // the data's own text
    EXPECT_NE(Render("text", ReportKind::Week).find("Week"), std::string::npos);
}

// The web page's own captions (the rank sign's title, the great feast's mark, the search's lines,
// the abbreviations' heading) come from the catalogue too, escaped as any text.
TEST_F(CatalogueFormats, TheWebPagesCaptionsComeFromTheCatalogue) {
    calendar_.SelectDate(kGregorian, 2025, 1, 7);
    calendar_.SetCatalogue(other_);
    const std::string day = Render("html", ReportKind::Day);
    EXPECT_NE(day.find("<abbr class=\"sign\" title=\"great feast\">"), std::string::npos) << day;
    EXPECT_NE(day.find("title=\"Great feast\""), std::string::npos);
    EXPECT_NE(day.find("title=\"The same date in other reckonings\""), std::string::npos);
    EXPECT_EQ(day.find("Великий праздник"), std::string::npos);
    EXPECT_NE(day.find("class=\"rank-great\""), std::string::npos);  // classes stay

    const std::string search = FindFormat("html")->Render(
        RenderJob{calendar_, ReportKind::Search, "Рождество", false, IcsOptions{"Храм", 0}});
    EXPECT_NE(search.find("Searched for: Рождество"), std::string::npos) << search.substr(0, 3000);
    EXPECT_NE(search.find("Found: 1"), std::string::npos);
    EXPECT_EQ(search.find("Искомый текст"), std::string::npos);

    const std::string abbreviations = Render("html", ReportKind::Abbreviations);
    EXPECT_NE(abbreviations.find("<h1>Abbreviations &amp; signs</h1>"), std::string::npos);
    EXPECT_NE(abbreviations.find("<title>Abbreviations &amp; signs</title>"), std::string::npos)
        << abbreviations.substr(0, 800);
}

TEST_F(CatalogueFormats, TheDefaultCatalogueIsRussianAndSettingItBackRestoresTheDocuments) {
    const std::string before = Render("json", ReportKind::Day);
    EXPECT_NE(before.find("января"), std::string::npos);
    calendar_.SetCatalogue(other_);
    calendar_.SetCatalogue(PhrasesOf());
    EXPECT_EQ(Render("json", ReportKind::Day), before);
}

}  // namespace
}  // namespace velorith::exports
