// The list of abbreviations read from the plain text of its document.
#include "exports/abbreviations.h"

#include <gtest/gtest.h>

namespace velorith::exports {
namespace {

TEST(Abbreviations, PairsHeadingAndLines) {
    const AbbreviationList list = ReadAbbreviations(
        "\n  Сокращения  \n\nЗнак в начале строки:\n(+) великий праздник;\n"
        "ап. – апостол\nвмч. — великомученик\nмч. - мученик\n – без сокращения\nсвт. –\n");
    EXPECT_EQ(list.Title, "Сокращения");
    ASSERT_EQ(list.Items.size(), 3u);
    EXPECT_EQ(list.Items[0].Abbr, "ап.");
    EXPECT_EQ(list.Items[0].Text, "апостол");
    EXPECT_EQ(list.Items[1].Abbr, "вмч.");
    EXPECT_EQ(list.Items[2].Text, "мученик");
    EXPECT_EQ(list.Lines.size(), 8u);  // the empty lines left out
    EXPECT_TRUE(ReadAbbreviations("").Items.empty());
    EXPECT_TRUE(ReadAbbreviations("\n\n").Title.empty());
}

}  // namespace
}  // namespace velorith::exports
