#include "data/entry_markup.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace velorith {
namespace {

using Case = std::pair<std::string, std::string>;  // value, what a document gets

TEST(BalanceMarkup, KeepsWellFormedMarkupByteForByte) {
    for (const std::string value : {
             "Мч. Первый.",
             "",
             "\\cf2 Пасха\\cf1  Господня.",
             "\\b Свт.\\b0  Николая",
             "{\\b Свт.} Николая {\\i и} {\\ul другие}",
             "Слово \\{в скобках\\} и \\\\ черта",
             "{4} без знака",
             "\\u1071?блоко \\'c0\\'e1 \\emdash  \\~ \\- \\_",
             "{\\i {\\b глубже} и {\\cf2 ещё}}",
             "\\i курсив\\i0  и \\ul черта\\ulnone  и \\f1 моно\\f0  шрифт",
         }) {
        EXPECT_EQ(BalanceMarkup(value), value) << value;
    }
}

TEST(BalanceMarkup, NeutralisesHostileMarkup) {
    const std::vector<Case> cases = {
        // Braces: a stray closing one is shown, an open one is closed at the value's end.
        {"Мч. Первый}.", "Мч. Первый\\}."},
        {"}}}", "\\}\\}\\}"},
        {"{\\b Мч.", "{\\b Мч.}"},
        {"{{{", "{{{}}}"},
        {"a}{b", "a\\}{b}"},
        // Destinations are left out with their content, wherever they stand.
        {"{\\*\\x Скрыто", ""},
        {"До {\\*\\x скрыто} после", "До  после"},
        {"{\\fonttbl{\\f0 Evil;}}Текст", "Текст"},
        {"{\\colortbl;\\red255\\green255\\blue255;}Белым", "Белым"},
        {"{\\info{\\title T}}x", "x"},
        {"Текст \\fonttbl хвост", "Текст хвост"},
        {"a\\*b", "ab"},
        // Words of a document's header, and binary data.
        {"\\rtf1\\ansi\\ansicpg1252 Текст", "Текст"},
        {"\\bin99999 abc", "abc"},
        {"{\\rtf1 вложенный}", "{вложенный}"},
        // Backslashes that start nothing are shown.
        {"в конце \\", "в конце \\\\"},
        {"\\'4", "\\\\'4"},
        {"\\'zz", "\\\\'zz"},
        {"a\\\xD0\x91", "a\\\\\xD0\x91"},
        {"\\" + std::string(40, 'x') + " t", "\\\\" + std::string(40, 'x') + " t"},
        {"\\fs123456789012 t", "\\\\fs123456789012 t"},
        // A fallback character for a final \u.
        {"Я\\u1071", "Я\\u1071?"},
        // Switches that would reach past the entry are closed with it.
        {"\\b жирно", "{\\b жирно}"},
        {"\\v скрыто", "{\\v скрыто}"},
        {"\\plain\\fs2 мелко", "{\\plain\\fs2 мелко}"},
        {"\\uc9 x", "{\\uc9 x}"},
        {"\\f7 шрифт", "{\\f7 шрифт}"},
        {"\\b \\i x\\i0 }", "{\\b \\i x\\i0 \\}}"},
        // What is left out never joins a control word to the letters or digits after it.
        {"\\u\\*U", "\\u U"},
        {"\\cf2{\\*\\x}1", "\\cf2 1"},
        {"\\cf1\\rtf1 x", "\\cf1 x"},
    };
    for (const auto& [value, expected] : cases) {
        EXPECT_EQ(BalanceMarkup(value), expected) << value;
    }
}

TEST(BalanceMarkup, BoundsNestingAndShowsDeeperBracesAsText) {
    const std::string deep = std::string(40, '{') + "x" + std::string(40, '}');
    const std::string expected = std::string(kMaxMarkupDepth, '{') + [] {
        std::string s;
        for (int i = 0; i < 40 - kMaxMarkupDepth; ++i)
            s += "\\{";
        return s;
    }() + "x" + [] {
        std::string s;
        for (int i = 0; i < 40 - kMaxMarkupDepth; ++i)
            s += "\\}";
        return s;
    }() + std::string(kMaxMarkupDepth, '}');
    EXPECT_EQ(BalanceMarkup(deep), expected);
    // Unclosed, deep and with a leaking switch: still one level of room for the group around.
    const std::string leaking = "\\v " + std::string(100, '{');
    const std::string once = BalanceMarkup(leaking);
    EXPECT_EQ(BalanceMarkup(once), once);
}

TEST(BalanceMarkup, BalancingTwiceChangesNothing) {
    const std::vector<std::string> values = {
        "}{",
        "{\\*",
        "\\",
        "\\u5",
        "\\b {\\i x",
        "{{\\fonttbl}}}",
        "\\'a",
        "{\\*\\x}}",
        "{}\\v{}}",
        "\\b}\\b0{\\i",
        "\\bin5 {{{}}}",
        std::string(70, '{'),
        "\\u\\*U\\\\\\",
        std::string("\\u\\u{\\*!\0\xFF\xFF\xFFG\0\0", 15),
        "\\\\u",
        "\\b\\fonttbl5",
        "\\u\\*U\\\\\\",
    };
    for (const std::string& v : values) {
        const std::string once = BalanceMarkup(v);
        EXPECT_EQ(BalanceMarkup(once), once) << v;
    }
}

TEST(BalanceMarkup, AnEightMegabyteLineIsBalancedInOnePass) {
    std::string line = "{\\b ";
    line += std::string(8u << 20, 'x');
    line += "}}";
    const std::string out = BalanceMarkup(line);
    EXPECT_EQ(out.size(), line.size() + 1);  // the stray brace escaped
    EXPECT_TRUE(out.ends_with("}\\}"));
}

TEST(CheckRtfDocument, AWholeDocumentComesBackUnchanged) {
    for (const std::string doc : {
             "{\\rtf1 a}",
             "{\\rtf1\\ansi {\\fonttbl{\\f0 X;}} \\{ \\} \\\\ text\\par}\r\n",
             "{\\rtf1 {\\*\\generator g;}a\\bin3 }}}b}",
         }) {
        const CheckedDocument checked = CheckRtfDocument(doc);
        EXPECT_EQ(checked.text, doc);
        EXPECT_EQ(checked.problem, "") << doc;
    }
}

TEST(CheckRtfDocument, ADamagedDocumentIsKeptAsFarAsItIsSound) {
    const CheckedDocument early = CheckRtfDocument("{\\rtf1 Сокр.} потеряно\\par}");
    EXPECT_EQ(early.text, "{\\rtf1 Сокр.}");
    EXPECT_NE(early.problem.find("byte 17 "), std::string::npos) << early.problem;

    const CheckedDocument open = CheckRtfDocument("{\\rtf1 {\\b a\\par");
    EXPECT_EQ(open.text, "{\\rtf1 {\\b a\\par}}");
    EXPECT_NE(open.problem.find("2 groups"), std::string::npos) << open.problem;

    const CheckedDocument plain = CheckRtfDocument("Просто текст");
    EXPECT_EQ(plain.text, "");
    EXPECT_EQ(plain.problem, "not an RTF document");
    EXPECT_EQ(CheckRtfDocument("").problem, "the file is empty");

    // A length of binary data past the end leaves the group open.
    EXPECT_EQ(CheckRtfDocument("{\\rtf1 \\bin999 }").text, "{\\rtf1 \\bin999 }}");
}

}  // namespace
}  // namespace velorith
