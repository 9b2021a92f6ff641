// The looks of a data text as spans over its plain text: the text is the one every other
// output shows, and each span covers exactly the letters its markup styles.
#include "data/text_spans.h"

#include <gtest/gtest.h>

#include <string>

#include "data/entry_markup.h"
#include "data/rtf_reader.h"

namespace velorith {
namespace {

std::string Covered(const StyledText& s, std::size_t i) {
    return s.Text.substr(s.Spans[i].Begin, s.Spans[i].End - s.Spans[i].Begin);
}

TEST(TextSpans, PlainValueIsItsOwnTextWithoutSpans) {
    const StyledText s = ReadStyledText("Свт. Николая <&> \"чудотворца\".");
    EXPECT_EQ(s.Text, "Свт. Николая <&> \"чудотворца\".");
    EXPECT_TRUE(s.Spans.empty());
}

TEST(TextSpans, EachLookCoversItsLetters) {
    const StyledText s = ReadStyledText(
        "Мч. {\\b Первый}, {\\i Второй} и {\\ul Третий}; {\\cf2 красный} {\\cf1 синий}.");
    EXPECT_EQ(s.Text, "Мч. Первый, Второй и Третий; красный синий.");
    ASSERT_EQ(s.Spans.size(), 4u);
    EXPECT_EQ(Covered(s, 0), "Первый");
    EXPECT_EQ(s.Spans[0].Style, kStyleBold);
    EXPECT_EQ(Covered(s, 1), "Второй");
    EXPECT_EQ(s.Spans[1].Style, kStyleItalic);
    EXPECT_EQ(Covered(s, 2), "Третий");
    EXPECT_EQ(s.Spans[2].Style, kStyleUnderline);
    EXPECT_EQ(Covered(s, 3), "красный");
    EXPECT_EQ(s.Spans[3].Style, kStyleRed);
}

TEST(TextSpans, NestedLooksCombineAndSwitchesEndWhereTheyAreTurnedOff) {
    const StyledText s = ReadStyledText("{\\b жир {\\i и курсив}} \\cf2 кр\\cf0 ас");
    EXPECT_EQ(s.Text, "жир и курсив крас");
    ASSERT_EQ(s.Spans.size(), 3u);
    EXPECT_EQ(Covered(s, 0), "жир ");
    EXPECT_EQ(Covered(s, 1), "и курсив");
    EXPECT_EQ(s.Spans[1].Style, kStyleBold | kStyleItalic);
    EXPECT_EQ(Covered(s, 2), "кр");
}

TEST(TextSpans, HiddenTextStaysInThePlainTextButIsMarked) {
    const StyledText s = ReadStyledText("видно {\\v скрыто} видно");
    EXPECT_EQ(s.Text, "видно скрыто видно");
    ASSERT_EQ(s.Spans.size(), 1u);
    EXPECT_EQ(Covered(s, 0), "скрыто");
    EXPECT_EQ(s.Spans[0].Style, kStyleHidden);
}

TEST(TextSpans, TextIsThePlainTextOfTheBalancedValueForHostileMarkup) {
    for (const std::string& raw :
         {std::string("}}{\\b x"), std::string(200, '{') + "глубоко", std::string("\\bin5 {{{{{ x"),
          std::string("{\\*\\x скрыто} после"), std::string("\\u1071"), std::string("конец\\"),
          std::string("{\\fonttbl{\\f0 Evil;}}</style><b>&amp;")}) {
        const std::string value = BalanceMarkup(raw);
        const StyledText s = ReadStyledText(value);
        EXPECT_EQ(s.Text, RtfToPlainText("{\\rtf1 " + value + "}")) << raw;
        std::uint32_t last = 0;
        for (const TextSpan& span : s.Spans) {
            EXPECT_LE(last, span.Begin) << raw;
            EXPECT_LT(span.Begin, span.End) << raw;
            EXPECT_LE(span.End, s.Text.size()) << raw;
            EXPECT_NE(span.Style, 0) << raw;
            last = span.End;
        }
    }
}

}  // namespace
}  // namespace velorith
