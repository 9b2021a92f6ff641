// Scripture references read as values: the book and its key, the spans in the lectionary's forms.
#include "calendar/scripture.h"

#include <gtest/gtest.h>

namespace velorith {
namespace {

TEST(Scripture, TheLectionaryFormsReadAsSpans) {
    const ScriptureRef simple = ParseReference("Ин. 1:1-17");
    EXPECT_EQ(simple.Book, "Ин.");
    EXPECT_EQ(simple.BookKey, "John");
    EXPECT_EQ(simple.Spans, (std::vector<VerseSpan>{{1, 1, 1, 17}}));

    const ScriptureRef numbered = ParseReference("1 Кор. 10:12-22");
    EXPECT_EQ(numbered.Book, "1 Кор.");
    EXPECT_EQ(numbered.BookKey, "1Cor");

    EXPECT_EQ(ParseReference("Мф. 10:32-33, 37-38").Spans,
              (std::vector<VerseSpan>{{10, 32, 10, 33}, {10, 37, 10, 38}}));
    EXPECT_EQ(ParseReference("Лк. 10:38-42; 11:27-28").Spans,
              (std::vector<VerseSpan>{{10, 38, 10, 42}, {11, 27, 11, 28}}));
    EXPECT_EQ(ParseReference("Рим. 13:11-14:4").Spans, (std::vector<VerseSpan>{{13, 11, 14, 4}}));
    EXPECT_EQ(ParseReference("Иер. 11:18-12:5, 9-11, 14-15").Spans,
              (std::vector<VerseSpan>{{11, 18, 12, 5}, {12, 9, 12, 11}, {12, 14, 12, 15}}));
    EXPECT_EQ(ParseReference("Иов 1:1-12").BookKey, "Job");
    EXPECT_EQ(ParseReference("Ис. 1:1").Spans, (std::vector<VerseSpan>{{1, 1, 1, 1}}));
}

TEST(Scripture, ATextOutsideTheFormGivesNoSpans) {
    for (const char* bad : {"", "Ин.", "Ин. 1", "Ин. 1:", "Ин. 1:5-", "Ин. 1:5-3:", "Ин. 3:1-2:4",
                            "Ин. 1:1-2,3", "Ин. 0:1", "Ин. 1:1 лишнее", "Ин. 99999999999:1"}) {
        EXPECT_TRUE(ParseReference(bad).Spans.empty()) << bad;
    }
    EXPECT_EQ(ParseReference("Кн. 1:1").BookKey, "");  // a book the table lacks
    EXPECT_EQ(ParseReference("Кн. 1:1").Spans.size(), 1u);
}

}  // namespace
}  // namespace velorith
