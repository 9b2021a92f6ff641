#include "reports/search_report.h"

#include <gtest/gtest.h>

#include <set>

#include "data/rtf_reader.h"
#include "data/text_encoding.h"
#include "reports/report_fixture.h"
#include "reports/search_text.h"

namespace velorith {
namespace {

using testing::CalendarOn;
using testing::Count;
using testing::TempFolder;

const std::string kDots(99, '.');

TEST(FindWord, PositionsAndTheWholeWordRule) {
    EXPECT_EQ(FindWord(1, "abc abc", "abc", false), 1u);
    EXPECT_EQ(FindWord(2, "abc abc", "abc", false), 5u);
    EXPECT_EQ(FindWord(1, "abc", "x", false), 0u);
    // A Cyrillic word does not match inside a longer Cyrillic word...
    EXPECT_EQ(FindWord(1, "мчч. мч.", "мч", true), 9u);  // positions count bytes
    EXPECT_EQ(FindWord(1, "мчч.", "мч", true), 0u);
    EXPECT_EQ(FindWord(1, "амч", "мч", true), 0u);
    // ...but Latin letters, digits and punctuation are boundaries.
    EXPECT_EQ(FindWord(1, "xabcx", "abc", true), 2u);
    EXPECT_EQ(FindWord(1, "1мч2", "мч", true), 2u);
}

TEST(MarkOccurrences, OnlyVisibleTextIsMarked) {
    const std::string entry =
        "\\f1 (+)\\f0  Мученик 1-й par f1.\\par\r\n\\f1  \xC2\xB7 \\f0  Вторая.\\par\r\n";
    EXPECT_EQ(MarkOccurrences(entry, "1", false, SearchSource::kEntryText).value(),
              "\\f1 (+)\\f0  Мученик \\cf2 1\\cf1 -й par f\\cf2 1\\cf1 .\\par\r\n"
              "\\f1  \xC2\xB7 \\f0  Вторая.\\par\r\n");
    EXPECT_EQ(MarkOccurrences(entry, "par", false, SearchSource::kEntryText).value(),
              "\\f1 (+)\\f0  Мученик 1-й \\cf2 par\\cf1  f1.\\par\r\n"
              "\\f1  \xC2\xB7 \\f0  Вторая.\\par\r\n");
    // The sign column is not text to search.
    EXPECT_FALSE(MarkOccurrences(entry, "+", false, SearchSource::kEntryText));
    EXPECT_FALSE(MarkOccurrences(entry, "cf", false, SearchSource::kEntryText));
    // A month line's marker stays a marker.
    EXPECT_EQ(MarkOccurrences("{1}Свт. 1 Георгия", "1", false, SearchSource::kMonthLine).value(),
              "{1}Свт. \\cf2 1\\cf1  Георгия");
    EXPECT_FALSE(MarkOccurrences("{1}Свт.", "1", false, SearchSource::kMonthLine));
    // Case is ignored; the text keeps its letters.
    EXPECT_EQ(MarkOccurrences("Мч. мч.", "мч", true, SearchSource::kMonthLine).value(),
              "\\cf2 Мч\\cf1 . \\cf2 мч\\cf1 .");
    // Escapes and ignorable destinations are never matched.
    EXPECT_EQ(MarkOccurrences("a\\{b{\\*\\x b}", "b", false, SearchSource::kMonthLine).value(),
              "a\\{\\cf2 b\\cf1 {\\*\\x b}");
}

std::string WithoutMarks(std::string text) {
    for (const std::string_view mark : {"\\cf2 ", "\\cf1 "}) {
        for (auto p = text.find(mark); p != std::string::npos; p = text.find(mark, p)) {
            text.erase(p, mark.size());
        }
    }
    return text;
}

// Random fragments of markup and text: marking only ever inserts the two marks, each pair
// around one occurrence of the search string.
TEST(MarkOccurrences, InsertsNothingButMarksAroundOccurrences) {
    const std::vector<std::string_view> pieces = {
        "\\par\r\n", "\\f1 ", "\\f0", "{", "}",   "\\'e0",          "\\\\", "\\{",        "1", "a",
        "par",       "б",     "Б",    " ", "{1}", "\\f1 (+)\\f0  ", "\\b1", "{\\*\\x 1}", "ф1"};
    const std::vector<std::string_view> searches = {"1", "a", "par", "б", "f1", "1 ", "аб"};
    std::uint32_t seed = 12345;
    const auto next = [&seed](std::size_t n) {
        seed = seed * 1103515245u + 12345u;
        return static_cast<std::size_t>((seed >> 16) % n);
    };
    int markedTexts = 0;
    for (int round = 0; round < 3000; ++round) {
        std::string text;
        for (std::size_t k = next(12); k > 0; --k)
            text += pieces[next(pieces.size())];
        const std::string_view search = searches[next(searches.size())];
        for (const auto source : {SearchSource::kEntryText, SearchSource::kMonthLine}) {
            const auto marked = MarkOccurrences(text, search, next(2) == 1, source);
            if (!marked) continue;
            ++markedTexts;
            ASSERT_EQ(WithoutMarks(*marked), text) << text;
            for (auto p = marked->find("\\cf2 "); p != std::string::npos;
                 p = marked->find("\\cf2 ", p + 1)) {
                EXPECT_EQ(LowerUtf8(marked->substr(p + 5, search.size())), search) << *marked;
                EXPECT_EQ(marked->substr(p + 5 + search.size(), 5), "\\cf1 ") << *marked;
            }
        }
    }
    EXPECT_GT(markedTexts, 1000);
}

// The control words a report may hold, and balanced groups closed only at the end.
void ExpectWellFormed(const std::string& doc) {
    static const std::set<std::string> kAllowed = {
        "rtf",  "ansi",     "ansicpg", "deff",     "deflang", "fonttbl", "f",    "fswiss",
        "fprq", "fcharset", "fmodern", "colortbl", "red",     "green",   "blue", "viewkind",
        "uc",   "pard",     "fs",      "par",      "cf",      "b",       "i"};
    int depth = 0;
    for (std::size_t i = 0; i < doc.size(); ++i) {
        const char c = doc[i];
        if (c == '{') {
            ++depth;
        } else if (c == '}') {
            --depth;
            ASSERT_TRUE(depth > 0 || i + 3 == doc.size()) << doc.substr(i > 40 ? i - 40 : 0, 80);
        } else if (c == '\\') {
            std::size_t j = i + 1;
            while (j < doc.size() && std::isalpha(static_cast<unsigned char>(doc[j])))
                ++j;
            const std::string word = doc.substr(i + 1, j - i - 1);
            if (word.empty()) {
                ++i;  // an escaped character
                continue;
            }
            ASSERT_TRUE(kAllowed.contains(word))
                << word << " in " << doc.substr(i > 40 ? i - 40 : 0, 80);
            if (word == "cf") {
                EXPECT_TRUE(doc[j] == '1' || doc[j] == '2');
            }
            i = j - 1;
        }
    }
    EXPECT_EQ(depth, 0);
}

class SearchTest : public ::testing::Test {
  protected:
    void SetUp() override {
        folder_.Write("April.DAT",
                      "[8]\n"
                      "0={1}Свт. Георгия 1 par, общее слово.\n"
                      "4=Поста нет.\n");
        folder_.Write("December.DAT",
                      "[25]\n"
                      "0={1}Рождество Христово.\n");
        folder_.Write("February29.DAT", "[29]\n1=Прп. Кассиана.\n");
        folder_.Write("February28.DAT",
                      "[28]\n1=Двадцать восьмое простого.\n[29]\n1=Лишний день.\n");
        folder_.Write("June.DAT", "[31]\n1=Лишний день.\n");
        folder_.Write("Relocatable.DAT",
                      "[1]\n"
                      "days=1\n"
                      "11={1}Мученик 1-й par f1, общее слово.\n"
                      "19=Другое общее.\n"
                      "[2]\n"
                      "days=400\n"
                      "11=Общее вне года.\n");
    }
    std::string Search(int cal, int y, int m, int d, std::string_view text, bool whole = false) {
        calendar_ = CalendarOn(folder_, cal, y, m, d);
        const DayNum day = calendar_->State().CurDay;
        const auto doc = calendar_->SetFindReport(text, whole);
        EXPECT_EQ(calendar_->State().CurDay, day);
        return doc.value_or("");
    }
    TempFolder folder_;
    std::unique_ptr<Calendar> calendar_;
};

TEST_F(SearchTest, MarkupIsNeverMatched) {
    for (const std::string_view s : {"par", "f1", "1", "cf", "f0", "\\par", "{1}", "+", "fs"}) {
        const std::string doc = Search(kJulian, 2025, 6, 1, s);
        ExpectWellFormed(doc);
        // The report reads as it would without marks.
        const std::string text = RtfToPlainText(doc);
        for (const std::string_view mark : {"\\cf", "cf1", "cf2", "\\f1"}) {
            EXPECT_EQ(text.find(mark), std::string::npos) << s << " " << mark;
        }
    }
    const std::string doc = Search(kJulian, 2025, 6, 1, "1");
    EXPECT_NE(doc.find("\\f1 (+)\\f0  Свт. Георгия \\cf2 1\\cf1  par"), std::string::npos);
    EXPECT_NE(doc.find("\\f1 (+)\\f0  Мученик \\cf2 1\\cf1 -й par f\\cf2 1\\cf1 ,"),
              std::string::npos);
}

TEST_F(SearchTest, HeadingShowsTheTextAsTypedAndSafe) {
    const std::string doc = Search(kJulian, 2025, 6, 1, "ОБЩЕЕ");
    EXPECT_NE(doc.find("Строка поиска: \"\\cf2 ОБЩЕЕ\\cf1 \"\\par\r\n\\par\r\n"),
              std::string::npos);
    EXPECT_NE(doc.find("\\cf2 общее\\cf1  слово"), std::string::npos);
    const std::string odd = Search(kJulian, 2025, 6, 1, "}{\\par");
    ExpectWellFormed(odd);
    EXPECT_NE(RtfToPlainText(odd).find("Строка поиска: \"}{\\par\""), std::string::npos);
    EXPECT_NE(odd.find("Ничего не найдено"), std::string::npos);
}

TEST_F(SearchTest, OneDayOneRowEntriesFirstThenMonthLines) {
    const std::string doc = Search(kJulian, 2025, 6, 1, "общее");
    // 8 April: one heading (with the year, from the entry), the entry's two texts in group
    // order, then the month line.
    EXPECT_EQ(Count(doc, "8 апреля"), 1);
    EXPECT_NE(doc.find("8 апреля 2025 года"), std::string::npos);
    const auto first = doc.find("Мученик");
    const auto second = doc.find("Другое");
    const auto third = doc.find("Свт. Георгия");
    EXPECT_LT(first, second);
    EXPECT_LT(second, third);
    // The entry placed in another year is not searched.
    EXPECT_EQ(doc.find("вне года"), std::string::npos);
    // Heading, dotted line per row, closing dotted line.
    EXPECT_EQ(Count(doc, kDots), 2);
    EXPECT_TRUE(doc.ends_with(kDots + "\\par\r\n\\par\r\n}\r\n"));
}

TEST_F(SearchTest, WholeWord) {
    EXPECT_EQ(Search(kJulian, 2025, 6, 1, "обще", false).find("Ничего не найдено"),
              std::string::npos);
    EXPECT_NE(Search(kJulian, 2025, 6, 1, "обще", true).find("Ничего не найдено"),
              std::string::npos);
    EXPECT_EQ(Search(kJulian, 2025, 6, 1, "pa", true).find("Ничего не найдено"), std::string::npos);
}

TEST(SearchReport, NothingFoundDocumentByteForByte) {
    TempFolder folder;
    auto calendar = CalendarOn(folder, kJulian, 2025, 3, 3);
    const std::string indent = "\\f1    \\f0  ";
    const std::string expected =
        "{\\rtf1\\ansi\\ansicpg1251\\deff0\\deflang1049{\\fonttbl{\\f0\\fswiss\\fprq2\\fcharset204 "
        "System;}{\\f1\\fmodern\\fprq1\\fcharset204 Courier New;}}\r\n"
        "{\\colortbl ;\\red0\\green0\\blue128;\\red255\\green0\\blue0;}\r\n"
        "\\viewkind4\\uc1\\pard\\f0\\fs20\r\n\\cf1 \\par\r\n" +
        indent + "2025 год от Р.Х. по старому стилю\\par\r\n\\par\r\n" + indent +
        "Строка поиска: \"\\cf2 Нет\\cf1 \"\\par\r\n\\par\r\n\r\n" + kDots + "\\par\r\n\\par\r\n" +
        indent + "Ничего не найдено\\par\r\n\\par\r\n\r\n" + kDots + "\\par\r\n\\par\r\n}\r\n";
    EXPECT_EQ(calendar->SetFindReport("Нет", true).value(), expected);
}

// Sections of days a month lacks are not dates and are not searched.
TEST_F(SearchTest, DaysTheMonthLacksAreSkipped) {
    EXPECT_NE(Search(kJulian, 2025, 6, 1, "лишний").find("Ничего не найдено"), std::string::npos);
}

TEST_F(SearchTest, NothingToDoForBlankText) {
    calendar_ = CalendarOn(folder_, kJulian, 2025, 6, 1);
    EXPECT_FALSE(calendar_->SetFindReport("   ", false));
    EXPECT_FALSE(calendar_->SetFindReport("", false));
}

TEST_F(SearchTest, GregorianNativityOnceOnSeventhOfJanuary) {
    for (const int month : {1, 12}) {
        const std::string doc = Search(kGregorian, 2025, month, 10, "рождество");
        EXPECT_EQ(Count(doc, "Христово"), 1);
        EXPECT_NE(doc.find("7 января\\par"), std::string::npos);
    }
}

// February is taken from the Julian year whose February lies in the displayed year, whatever
// the Julian year of the current date.
TEST_F(SearchTest, FebruaryOfTheDisplayedYear) {
    // World 7532 runs from September 2023 to August 2024: leap February, current date in 2023.
    std::string doc = Search(kWorld, 7532, 2, 10, "кассиана");
    EXPECT_NE(doc.find("29 февраля\\par"), std::string::npos) << doc;
    // World 7533 holds the February of 2025: no 29th, although 2024 is the current Julian year.
    doc = Search(kWorld, 7533, 2, 10, "кассиана");
    EXPECT_NE(doc.find("Ничего не найдено"), std::string::npos);
    EXPECT_EQ(doc.find("1 марта"), std::string::npos);
    doc = Search(kWorld, 7533, 2, 10, "простого");
    EXPECT_NE(doc.find("28 февраля\\par"), std::string::npos);
    // Gregorian 5 January 2025 is Julian 23 December 2024, a leap year; February is 2025's.
    doc = Search(kGregorian, 2025, 1, 5, "простого");
    EXPECT_NE(doc.find("13 марта\\par"), std::string::npos);
    EXPECT_NE(Search(kGregorian, 2025, 1, 5, "кассиана").find("Ничего не найдено"),
              std::string::npos);
    EXPECT_NE(Search(kGregorian, 2024, 1, 5, "кассиана").find("13 марта\\par"), std::string::npos);
}

TEST(FebruaryJulianYear, ForEachReckoning) {
    TempFolder folder;
    EXPECT_EQ(FebruaryJulianYear(CalendarOn(folder, kWorld, 7533, 2, 1)->State()), 2025);
    EXPECT_EQ(FebruaryJulianYear(CalendarOn(folder, kWorld, 7533, 12, 1)->State()), 2025);
    EXPECT_EQ(FebruaryJulianYear(CalendarOn(folder, kGregorian, 2025, 1, 2)->State()), 2025);
    EXPECT_EQ(FebruaryJulianYear(CalendarOn(folder, kJulian, 2024, 12, 31)->State()), 2024);
}

}  // namespace
}  // namespace velorith
