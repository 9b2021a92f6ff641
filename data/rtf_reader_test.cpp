#include "data/rtf_reader.h"

#include <gtest/gtest.h>

#include <string>

#include "data/text_encoding.h"

namespace velorith {
namespace {

// The opening every report of the program writes, with the given font and size.
std::string Prologue(const std::string& font = "Times New Roman", int size = 10) {
    return "{\\rtf1\\ansi\\ansicpg1251\\deff0\\deflang1049{\\fonttbl{"
           "\\f0\\fswiss\\fprq2\\fcharset204 " +
           font +
           ";}{\\f1\\fmodern\\fprq1\\fcharset204 Courier New;}}\r\n"
           "{\\colortbl ;\\red0\\green0\\blue128;\\red255\\green0\\blue0;}\r\n"
           "\\viewkind4\\uc1\\pard\\f0\\fs" +
           std::to_string(size * 2) + "\r\n";
}

TEST(RtfReader, ReportDocumentInWindows1251) {
    // Built as UTF-8, stored as the program stores its reports.
    std::string utf8 = Prologue() + "\\cf1 \\f1    \\f0  Рождество\\par\r\n\\cf2 Пасха\\par\r\n}";
    std::string bytes = *Utf8ToCp1251(utf8);
    RtfContent doc = ReadRtf(bytes);

    ASSERT_EQ(doc.fonts.size(), 2u);
    EXPECT_EQ(doc.fonts[0].name, "Times New Roman");
    EXPECT_EQ(doc.fonts[1].name, "Courier New");
    ASSERT_EQ(doc.colors.size(), 3u);
    EXPECT_TRUE(doc.colors[0].automatic);
    EXPECT_EQ(doc.colors[1], (RtfColor{0, 0, 128, false}));
    EXPECT_EQ(doc.colors[2], (RtfColor{255, 0, 0, false}));

    ASSERT_EQ(doc.paragraphs.size(), 2u);
    const auto& first = doc.paragraphs[0].runs;
    ASSERT_EQ(first.size(), 2u);
    EXPECT_EQ(first[0].text, "   ");
    EXPECT_EQ(first[0].font, 1);
    EXPECT_EQ(first[0].fontName, "Courier New");
    EXPECT_EQ(first[1].text, " Рождество");  // "\\f0  ": a delimiter, then one blank
    EXPECT_EQ(first[1].fontName, "Times New Roman");
    EXPECT_EQ(first[1].halfPoints, 20);
    EXPECT_EQ(first[1].color, (RtfColor{0, 0, 128, false}));
    EXPECT_EQ(doc.paragraphs[1].runs[0].colorIndex, 2);
    EXPECT_EQ(doc.PlainText(), "    Рождество\nПасха");

    // The same document kept as UTF-8 in memory reads alike.
    EXPECT_EQ(RtfToPlainText(utf8), doc.PlainText());
}

TEST(RtfReader, EscapesAndSpecialCharacters) {
    EXPECT_EQ(RtfToPlainText("{\\rtf1 a\\\\b\\{c\\}d}"), "a\\b{c}d");
    EXPECT_EQ(RtfToPlainText("{\\rtf1\\ansicpg1251 \\'cf\\'e0\\'f1\\'f5\\'e0}"), "Пасха");
    EXPECT_EQ(RtfToPlainText("{\\rtf1 a\\tab b\\line c\\par d}"), "a\tb\nc\nd");
    // The control word's delimiting blank is not text, a second blank is.
    EXPECT_EQ(RtfToPlainText("{\\rtf1 \\b  x\\b0 y}"), " xy");
    // Line breaks in the source are not text; a backslash before one is a paragraph.
    EXPECT_EQ(RtfToPlainText("{\\rtf1 a\r\nb\\\nc}"), "ab\nc");
    // A malformed \' escape is dropped without eating the following text.
    EXPECT_EQ(RtfToPlainText("{\\rtf1 a\\'zzb}"), "azzb");
}

TEST(RtfReader, UnicodeWithFallback) {
    // \uc1: one fallback character follows each \u and is skipped.
    EXPECT_EQ(RtfToPlainText("{\\rtf1 \\u1055?\\u1072?}"), "Па");
    // Negative values count from 65536; \uc0 has no fallback.
    EXPECT_EQ(RtfToPlainText("{\\rtf1\\uc0 \\u-4064x}"), "\xEF\x80\xA0x");
    // \uc2 with an escaped fallback byte counting as one character.
    EXPECT_EQ(RtfToPlainText("{\\rtf1\\uc2 \\u1040\\'c0?z}"), "Аz");
    // \uc is kept per group.
    EXPECT_EQ(RtfToPlainText("{\\rtf1 {\\uc2 \\u1040ab}\\u1041cd}"), "АБd");
    // A surrogate pair becomes one character; a lone half becomes the replacement character.
    EXPECT_EQ(RtfToPlainText("{\\rtf1\\uc0 \\u-10179\\u-8704}"), "\xF0\x9F\x98\x80");
    EXPECT_EQ(RtfToPlainText("{\\rtf1\\uc0 \\u-10179 x}"), "\xEF\xBF\xBDx");
}

TEST(RtfReader, CharacterFormattingAndItsReset) {
    RtfContent doc = ReadRtf(
        "{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 Courier New;}}"
        "{\\colortbl;\\red1\\green2\\blue3;}"
        "\\b\\i\\ul\\fs28\\cf1\\f1 A\\b0\\i0\\ul0 B{\\b C}D\\plain E\\ul F\\ulnone G}");
    ASSERT_EQ(doc.paragraphs.size(), 1u);
    const auto& runs = doc.paragraphs[0].runs;
    ASSERT_EQ(runs.size(), 7u);
    EXPECT_TRUE(runs[0].bold && runs[0].italic && runs[0].underline);
    EXPECT_EQ(runs[0].halfPoints, 28);
    EXPECT_EQ(runs[0].color, (RtfColor{1, 2, 3, false}));
    EXPECT_EQ(runs[0].fontName, "Courier New");
    EXPECT_FALSE(runs[1].bold || runs[1].italic || runs[1].underline);
    EXPECT_EQ(runs[1].text, "B");
    EXPECT_TRUE(runs[2].bold);  // the group's bold ends with the group
    EXPECT_EQ(runs[3].text, "D");
    EXPECT_FALSE(runs[3].bold);
    // \plain goes back to the default font, size 12 and the automatic colour.
    EXPECT_EQ(runs[4].text, "E");
    EXPECT_EQ(runs[4].font, 0);
    EXPECT_EQ(runs[4].halfPoints, 24);
    EXPECT_TRUE(runs[4].color.automatic);
    EXPECT_TRUE(runs[5].underline);
    EXPECT_FALSE(runs[6].underline);
}

TEST(RtfReader, SkipsDestinationsThatAreNotText) {
    EXPECT_EQ(RtfToPlainText("{\\rtf1{\\*\\generator Writer;}{\\*\\unknown {nested} text}"
                             "{\\info{\\title T}{\\author A}}{\\stylesheet{\\s0 Normal;}}"
                             "{\\pict\\wmetafile8 0123abcd}Body}"),
              "Body");
    // \* in the middle of a group is not a destination mark.
    EXPECT_EQ(RtfToPlainText("{\\rtf1 {a\\*b}}"), "ab");
    // Font names may carry escaped Cyrillic letters; the font table's text is never body text.
    RtfContent doc =
        ReadRtf("{\\rtf1{\\fonttbl{\\f0\\fnil{\\*\\panose 0000}\\'d8\\'f0\\'e8\\'f4\\'f2;}}x}");
    ASSERT_EQ(doc.fonts.size(), 1u);
    EXPECT_EQ(doc.fonts[0].name, "Шрифт");
    EXPECT_EQ(doc.PlainText(), "x");
    // A font table without inner groups.
    doc = ReadRtf("{\\rtf1{\\fonttbl\\f0 Arial;\\f3 Tahoma;}\\f3 y}");
    ASSERT_EQ(doc.fonts.size(), 2u);
    EXPECT_EQ(doc.paragraphs[0].runs[0].fontName, "Tahoma");
}

TEST(RtfReader, ParagraphsAndPlainText) {
    // The program's documents end with \par and a brace: no empty last paragraph.
    EXPECT_EQ(ReadRtf("{\\rtf1 a\\par\r\n}").paragraphs.size(), 1u);
    // Empty paragraphs in the middle are kept.
    EXPECT_EQ(RtfToPlainText("{\\rtf1 a\\par\\par b\\par}"), "a\n\nb");
    EXPECT_EQ(RtfToPlainText(""), "");
    EXPECT_EQ(RtfToPlainText("plain words"), "plain words");
}

TEST(RtfReader, HostileInputNeverBreaks) {
    // Deep nesting: groups past the bound are dropped, the text around them is kept.
    std::string deep =
        "{\\rtf1 a" + std::string(100000, '{') + "x" + std::string(100000, '}') + "b}";
    EXPECT_EQ(RtfToPlainText(deep), "ab");
    // Unbalanced braces, truncated escapes and huge numbers.
    EXPECT_EQ(RtfToPlainText("}}}{\\rtf1 a}}}b"), "ab");
    EXPECT_EQ(RtfToPlainText("{\\rtf1 a\\"), "a");
    EXPECT_EQ(RtfToPlainText("{\\rtf1 a\\'4"), "a");
    EXPECT_TRUE(
        IsValidUtf8(RtfToPlainText("{\\rtf1\\fs99999999999999 \\uc99999999999 \\u99999999999 q}")));
    EXPECT_EQ(RtfToPlainText("{\\rtf1 \\bin999999999 abc}"), "");
    std::string longWord = "{\\rtf1 \\" + std::string(10000, 'x') + " ok}";
    EXPECT_EQ(RtfToPlainText(longWord), "ok");
    // \u beyond a 16-bit unit is ignored, its fallback shown; negatives count from 65536.
    EXPECT_EQ(RtfToPlainText("{\\rtf1 a\\u65536?b\\u-32769?c\\u-3905?d}"),
              "a?b?c\xEF\x82\xBF"
              "d");
    EXPECT_EQ(RtfToPlainText("{\\rtf1 \\u1073741824 z}").find('\0'), std::string::npos);
    // Invalid UTF-8 falls back to Windows-1251 for the raw bytes.
    EXPECT_EQ(RtfToPlainText("{\\rtf1 \xcf\xe0}"), "Па");
}

}  // namespace
}  // namespace velorith
