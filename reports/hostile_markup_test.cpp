// Damaged and hostile data lines in every place a value enters a document: the documents stay
// whole (their outer group closes at their last byte), the lines after the damaged one are read,
// and nothing the line holds reaches the document's own level.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/entry_markup.h"
#include "data/rtf_reader.h"
#include "reports/calendar.h"
#include "reports/report_fixture.h"

namespace velorith {
namespace {

using testing::CalendarOn;
using testing::TempFolder;

struct Payload {
    std::string name;
    std::string line;
};

// The pieces one after another (appended, since GCC 12 warns falsely of overlapping copies on
// a literal added to a string).
std::string Joined(std::initializer_list<std::string_view> pieces) {
    std::string out;
    for (const std::string_view piece : pieces)
        out += piece;
    return out;
}

std::vector<Payload> Payloads() {
    std::vector<Payload> p = {
        {"stray brace", "Мч. Первый}."},
        {"stray braces", "}}}}} и текст"},
        {"closing the document", "\\par}"},
        {"closing and reopening", "x}{\\rtf1 y"},
        {"unclosed group", "{\\b Мч. Первый."},
        {"many unclosed", "{{{{{{{{"},
        {"ignorable destination", "{\\*\\x скрыто"},
        {"ignorable destination alone", "{\\*\\x"},
        {"closed destination", "до {\\*\\x скрыто} после"},
        {"font table", "{\\fonttbl{\\f0\\froman Evil;}}Текст"},
        {"font table unclosed", "{\\fonttbl{\\f0 Evil;"},
        {"colour table", "{\\colortbl;\\red255\\green255\\blue255;}Белое"},
        {"info", "{\\info{\\title Заголовок}"},
        {"picture", "{\\pict\\wmetafile8 0102030405"},
        {"field instruction", "{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt ссылка}}"},
        {"header", "{\\header Колонтитул}"},
        {"footnote", "Текст{\\footnote сноска"},
        {"destination word alone", "\\fonttbl текст"},
        {"binary data", "\\bin99999999 x"},
        {"binary data short", "\\bin5 {{{{{ x"},
        {"document header words", "\\rtf1\\ansi\\ansicpg1252\\deff9 текст"},
        {"hidden text", "\\v скрыто до конца"},
        {"plain", "\\plain\\fs1\\cf0 мелко"},
        {"unicode skip", "\\uc9\\u1071 текст"},
        {"unicode at the end", "текст\\u1071"},
        {"bold left on", "\\b жирный"},
        {"font left on", "\\f7 шрифт"},
        {"lone backslash", "конец\\"},
        {"broken escape", "\\'4"},
        {"broken escape at end", "\\'"},
        {"backslash before a letter of the code page", "\\\xD0\xAF"},
        {"long control word", Joined({"\\", std::string(100, 'a'), " текст"})},
        {"long parameter", "\\fs99999999999999 текст"},
        {"asterisk alone", "\\*\\x текст"},
        {"deep nesting", std::string(1000, '{') + "глубоко"},
        {"deep and closed", std::string(300, '{') + "x" + std::string(300, '}')},
        {"closings then openings", std::string(500, '}') + std::string(500, '{')},
        {"sign marker and brace", "{1}Праздник}"},
        {"eight megabytes of braces", std::string(8u << 20, '{')},
        {"eight megabytes of closings", std::string(8u << 20, '}')},
        {"eight megabytes of text in bold", Joined({"\\b ", std::string(8u << 20, 'x')})},
        {"eight megabytes in a destination", Joined({"{\\*\\x ", std::string(8u << 20, 'y')})},
    };
    return p;
}

// Words the document's own level may hold: the prologue's and the reports' own, and what an
// entry may leave at its level (data/entry_markup.h).
bool AllowedAtTheTop(std::string_view word) {
    static constexpr std::string_view kWords[] = {
        "rtf",     "ansi",      "ansicpg",   "deff",    "deflang", "viewkind", "uc",
        "pard",    "f",         "fs",        "b",       "i",       "cf",       "par",
        "line",    "tab",       "u",         "emdash",  "endash",  "bullet",   "lquote",
        "rquote",  "ldblquote", "rdblquote", "ul",      "ulnone",  "enspace",  "emspace",
        "qmspace", "zwj",       "zwnj",      "ltrmark", "rtlmark",
    };
    for (const std::string_view w : kWords)
        if (w == word) return true;
    return false;
}

// The control words at the document's own level (inside its outer group, outside any other).
std::vector<std::string> TopLevelWords(std::string_view doc) {
    std::vector<std::string> words;
    int depth = 0;
    for (std::size_t i = 0; i < doc.size(); ++i) {
        const char c = doc[i];
        if (c == '{') {
            ++depth;
        } else if (c == '}') {
            --depth;
        } else if (c == '\\' && i + 1 < doc.size()) {
            std::size_t j = i + 1;
            while (j < doc.size() &&
                   ((doc[j] >= 'a' && doc[j] <= 'z') || (doc[j] >= 'A' && doc[j] <= 'Z')))
                ++j;
            if (j > i + 1 && depth == 1) words.emplace_back(doc.substr(i + 1, j - i - 1));
            i = j > i + 1 ? j - 1 : i + 1;
        }
    }
    return words;
}

// A document is whole when its outer group closes at its last byte, only known words stand at
// its own level, and the reader gets to the text that follows the damaged line.
void ExpectWhole(const std::string& doc, std::string_view after, const std::string& what) {
    const CheckedDocument checked = CheckRtfDocument(doc);
    EXPECT_EQ(checked.problem, "") << what;
    EXPECT_EQ(checked.text.size(), doc.size()) << what;
    for (const std::string& word : TopLevelWords(doc))
        EXPECT_TRUE(AllowedAtTheTop(word)) << what << ": \\" << word;
    EXPECT_NE(RtfToPlainText(doc).find(after), std::string::npos) << what;
}

class HostileData : public ::testing::Test {
  protected:
    // The payload as a month line of group 0, a note of group 4, a movable entry's line and a
    // day title, each followed by lines that must stay readable.
    std::unique_ptr<Calendar> Write(const std::string& line) {
        folder_.Write("January.DAT", "[1]\n0=" + line + "\n1=Мч. Второй.\n4=" + line +
                                         "\n[2]\n1=Следующий день.\n");
        folder_.Write("Relocatable.DAT", "[1]\ndays=0\n11=" + line + "\n19=Мч. Пасхальный.\n");
        folder_.Write("Weekdays.DAT", "[1]\ndays=1\n0=" + line + "\n");
        folder_.Write("April.DAT", "[7]\n1=Мч. Апрельский.\n[8]\n1=Понедельник Светлой.\n");
        return CalendarOn(folder_, kJulian, 2025, 1, 1);
    }
    TempFolder folder_;
};

TEST_F(HostileData, EveryDocumentStaysWhole) {
    for (const Payload& p : Payloads()) {
        auto c = Write(p.line);
        ExpectWhole(c->Render(ReportKind::Day), "Мч. Второй.", p.name + " (day)");
        ExpectWhole(c->Render(ReportKind::Week), "Следующий день.", p.name + " (week)");
        ExpectWhole(c->SetFindReport("Второй", false).value(), "Мч. Второй.", p.name + " (search)");
        // Pascha 2025 (Julian 7 April) and the day after, with its title.
        c->SelectDate(kJulian, 2025, 4, 7);
        ExpectWhole(c->Render(ReportKind::Day), "Мч. Пасхальный.", p.name + " (Pascha)");
        c->SelectDate(kJulian, 2025, 4, 8);
        ExpectWhole(c->Render(ReportKind::Day), "Понедельник Светлой.", p.name + " (title)");
    }
}

TEST_F(HostileData, TheYearAndTheSearchThroughItStayWhole) {
    // A year walks every placed entry; the search marks text inside damaged lines.
    for (const Payload& p : Payloads()) {
        if (p.line.size() > 100000) continue;  // the day's documents above cover the long ones
        auto c = Write(p.line);
        ExpectWhole(c->Render(ReportKind::Year), "Понедельник Светлой.", p.name + " (year)");
        ExpectWhole(c->SetFindReport("д", false).value(), "Следующий день.",
                    p.name + " (search д)");
    }
}

TEST_F(HostileData, SoundMarkupOfTheDataIsKept) {
    auto c = Write("\\cf2 Мч.\\cf1  {\\b Первый} \\{в скобках\\}");
    const std::string day = c->Render(ReportKind::Day);
    EXPECT_NE(day.find("\\f1  \xC2\xB7 \\f0  \\cf2 Мч.\\cf1  {\\b Первый} \\{в скобках\\}\\par"),
              std::string::npos);
    EXPECT_NE(c->RenderText(ReportKind::Day).find("Мч. Первый {в скобках}"), std::string::npos);
}

TEST_F(HostileData, ADamagedLineShowsWhatItSaysAndNoMore) {
    auto c = Write("Мч. Первый}.");
    EXPECT_NE(c->RenderText(ReportKind::Day).find("Мч. Первый}."), std::string::npos);
    c = Write("Мч. {\\*\\x скрыто");
    const std::string text = c->RenderText(ReportKind::Day);
    EXPECT_EQ(text.find("скрыто"), std::string::npos);
    EXPECT_NE(text.find("Мч. Второй."), std::string::npos);
}

TEST_F(HostileData, TheAbbreviationsAreShownAsFarAsTheyAreSound) {
    folder_.WriteBytes("Abbr.DAT",
                       "{\\rtf1\\ansi \xC0\xE1\xE1\xF0.} \xEF\xEE\xF2\xE5\xF0\xFF\\par}");
    auto c = CalendarOn(folder_, kJulian, 2025, 1, 1);
    EXPECT_EQ(c->AbbrDocument(), "{\\rtf1\\ansi \xC0\xE1\xE1\xF0.}");
    EXPECT_NE(c->Abbreviations().problem, "");
    folder_.WriteBytes("Abbr.DAT", "{\\rtf1\\ansi {\\b \xC0\\par");
    EXPECT_EQ(c->AbbrDocument(), "{\\rtf1\\ansi {\\b \xC0\\par}}");
    EXPECT_EQ(c->RenderText(ReportKind::Abbreviations), "\xD0\x90\n");
}

}  // namespace
}  // namespace velorith
