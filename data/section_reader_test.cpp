#include "data/section_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/ini_file.h"
#include "data/signs.h"
#include "data/test_folder.h"

namespace velorith {
namespace {

using Lines = std::vector<std::string>;
using testing::TempFolder;

TEST(SplitKey, SplitsAtTheFirstEqualsAndStripsOnlySpaces) {
    const KeyValue kv = SplitKey("  0 =  {1}  Word  ");
    EXPECT_EQ(kv.key, "0");
    EXPECT_EQ(kv.value, "{1}  Word");

    const KeyValue two = SplitKey("a=b=c");
    EXPECT_EQ(two.key, "a");
    EXPECT_EQ(two.value, "b=c");

    const KeyValue tabs = SplitKey("\tkey\t=\tvalue\t");
    EXPECT_EQ(tabs.key, "\tkey\t");
    EXPECT_EQ(tabs.value, "\tvalue\t");

    const KeyValue none = SplitKey("no equals here");
    EXPECT_TRUE(none.key.empty());
    EXPECT_TRUE(none.value.empty());

    const KeyValue leading = SplitKey("=value");
    EXPECT_TRUE(leading.key.empty());
    EXPECT_EQ(leading.value, "value");
}

TEST(ReadNumber, IsLenientAndRoundsHalvesToEven) {
    EXPECT_EQ(ReadNumber("2.5"), 2);
    EXPECT_EQ(ReadNumber("3.5"), 4);
    EXPECT_EQ(ReadNumber("-2.5"), -2);
    EXPECT_EQ(ReadNumber("-3.5"), -4);
    EXPECT_EQ(ReadNumber("2.51"), 3);
    EXPECT_EQ(ReadNumber("2.500001"), 3);
    EXPECT_EQ(ReadNumber("2.4999"), 2);
    EXPECT_EQ(ReadNumber("0.5"), 0);
    EXPECT_EQ(ReadNumber(".7"), 1);
    EXPECT_EQ(ReadNumber("  -7"), -7);
    EXPECT_EQ(ReadNumber("+12abc"), 12);
    EXPECT_EQ(ReadNumber("12 13"), 12);
    EXPECT_EQ(ReadNumber("1.2.3"), 1);
    EXPECT_EQ(ReadNumber(""), 0);
    EXPECT_EQ(ReadNumber("abc"), 0);
    EXPECT_EQ(ReadNumber("-"), 0);
    EXPECT_EQ(ReadNumber("."), 0);
}

TEST(ReadNumber, SaturatesOutsideTheSixteenBitRange) {
    EXPECT_EQ(ReadNumber("32767"), 32767);
    EXPECT_EQ(ReadNumber("32767.5"), 32767);
    EXPECT_EQ(ReadNumber("32768"), 32767);
    EXPECT_EQ(ReadNumber("-32768"), -32768);
    EXPECT_EQ(ReadNumber("-32769"), -32768);
    EXPECT_EQ(ReadNumber(std::string(5000, '9')), 32767);
    EXPECT_EQ(ReadNumber("-" + std::string(5000, '9') + ".9"), -32768);
}

TEST(ConvertSigns, MarkersBecomeTheirSignsAndAnythingElseGetsTheDot) {
    EXPECT_EQ(ConvertSigns("{1}  Слово"), "\\f1 (+)\\f0  Слово");
    EXPECT_EQ(ConvertSigns("{2}Слово"), "\\f1  +)\\f0  Слово");
    EXPECT_EQ(ConvertSigns("{3} Слово"), "\\f1  + \\f0  Слово");
    EXPECT_EQ(ConvertSigns("{5} Слово"), "\\f1  c \\f0  Слово");
    EXPECT_EQ(ConvertSigns("{6} Слово"), "\\f1  ш \\f0  Слово");
    EXPECT_EQ(ConvertSigns("Слово"), "\\f1  · \\f0  Слово");
    EXPECT_EQ(ConvertSigns("{4} Слово"), "\\f1  · \\f0  {4} Слово");
    EXPECT_EQ(ConvertSigns("{0}x"), "\\f1  · \\f0  {0}x");
    // An unclosed group is closed at the value's end, so that it cannot swallow the document.
    EXPECT_EQ(ConvertSigns("{1"), "\\f1  · \\f0  {1}");
    EXPECT_EQ(ConvertSigns(""), "\\f1  · \\f0  ");
    EXPECT_EQ(Indent, "\\f1    \\f0  ");
    EXPECT_EQ(SignedLine("{1} A"), "\\f1 (+)\\f0  A\\par\r\n");
    EXPECT_EQ(IndentedLine("{1} A"), "\\f1    \\f0  {1} A\\par\r\n");
}

TEST(ReadSection, KeepsFileOrderAndSkipsEmptyLines) {
    TempFolder dir;
    const auto file =
        dir.Write("a.DAT", "[1]\n0=first\n\n  \nno key line\n1=second\n[2]\n0=other\n");
    EXPECT_EQ(ReadSection(1, file), (Lines{"0=first", "no key line", "1=second"}));
    EXPECT_EQ(ReadSection("2", file), (Lines{"0=other"}));
    EXPECT_TRUE(ReadSection(3, file).empty());

    std::vector<std::string> lines = ReadSection(1, file);
    std::span<const std::string> rest(lines);
    std::string_view line;
    std::vector<std::string> taken;
    while (NextLine(rest, line))
        taken.emplace_back(line);
    EXPECT_EQ(taken, lines);
    EXPECT_TRUE(line.empty());
}

TEST(ReadSection, AcceptsEveryLineEndAndNoFinalLineEnd) {
    TempFolder dir;
    const Lines expected{"0=a", "1=b"};
    EXPECT_EQ(ReadSection(1, dir.WriteBytes("crlf", "[1]\r\n0=a\r\n1=b\r\n[2]\r\n")), expected);
    EXPECT_EQ(ReadSection(1, dir.WriteBytes("lf", "[1]\n0=a\n1=b\n[2]\n")), expected);
    EXPECT_EQ(ReadSection(1, dir.WriteBytes("cr", "[1]\r0=a\r1=b\r[2]\r")), expected);
    EXPECT_EQ(ReadSection(1, dir.WriteBytes("mixed", "[1]\r0=a\n1=b\r\n")), expected);
    EXPECT_EQ(ReadSection(1, dir.WriteBytes("noend", "[1]\n0=a\n1=b")), expected);
    EXPECT_EQ(ReadSection(1, dir.WriteBytes("header-last", "0=x\n[1]")), Lines{});
}

// Line ends are looked for many bytes at a time: every kind of end, at every place in a block.
TEST(ReadSection, FindsEveryLineEndInLinesOfEveryLength) {
    const std::string_view ends[] = {"\n", "\r\n", "\r"};
    std::string text = "[1]\n";
    std::vector<std::string> expected;
    for (std::size_t length = 1; length <= 40; ++length) {
        std::string line = "0=";
        while (line.size() < length + 2)
            line += static_cast<char>('a' + line.size() % 26);
        expected.push_back(line);
        text += line;
        text += ends[length % 3];
    }
    text += "[2]\r\n0=last";
    const IniFile ini = IniFile::FromText(text);
    const std::vector<std::string_view> lines = ini.Section(1);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.end()), expected);
    EXPECT_EQ(ini.Section(2), std::vector<std::string_view>{"0=last"});
}

TEST(ReadSection, IgnoresLinesBeforeTheFirstSectionAndRepeatedSections) {
    TempFolder dir;
    const auto file = dir.Write("a.DAT",
                                "0=before\n; comment\n[1]\n0=first\n[2]\n0=two\n[1]\n0=again\n"
                                "[ 3 ]\n0=spaced\n[x\n0=not a header\n");
    // The first occurrence of a section wins, as the Windows profile reader has it.
    EXPECT_EQ(ReadSection(1, file), Lines{"0=first"});
    EXPECT_EQ(ReadSection(2, file), Lines{"0=two"});
    EXPECT_EQ(ReadSection(3, file), (Lines{"0=spaced", "[x", "0=not a header"}));
    EXPECT_TRUE(ReadSection("", file).empty());
}

// Numbered sections are found by number, the others by name, whatever their order in the file;
// a number written otherwise ("01", "+1") is a name of its own.
TEST(ReadSection, FindsNumberedAndNamedSectionsInAnyOrder) {
    const IniFile ini = IniFile::FromText(
        "[10]\n0=ten\n[Fixed]\n0=fixed\n[2]\n0=two\n[01]\n0=zero-one\n[1]\n0=one\n"
        "[0]\n0=zero\n[+1]\n0=plus\n[fixed]\n0=again\n[2]\n0=two again\n[1x]\n0=mixed\n"
        "[999999999]\n0=big\n[1000000000]\n0=bigger\n[ 7 ]\n0=seven\n");
    EXPECT_EQ(ini.SectionCount(), 11u);
    const auto first = [&ini](auto name) {
        const auto lines = ini.Section(name);
        return lines.empty() ? std::string_view("-") : lines.front();
    };
    EXPECT_EQ(first(1), "0=one");
    EXPECT_EQ(first("1"), "0=one");
    EXPECT_EQ(first(" 1 "), "0=one");
    EXPECT_EQ(first(2), "0=two");  // the first of two wins
    EXPECT_EQ(first(10), "0=ten");
    EXPECT_EQ(first(0), "0=zero");
    EXPECT_EQ(first(7), "0=seven");
    EXPECT_EQ(first("01"), "0=zero-one");
    EXPECT_EQ(first("+1"), "0=plus");
    EXPECT_EQ(first("1x"), "0=mixed");
    EXPECT_EQ(first("FIXED"), "0=fixed");
    EXPECT_EQ(first(999999999), "0=big");
    EXPECT_EQ(first(1000000000), "0=bigger");
    EXPECT_EQ(first(3), "-");
    EXPECT_EQ(first(-1), "-");
    EXPECT_EQ(first("x"), "-");
}

TEST(ReadSection, SurvivesNulBytesAndBinaryGarbage) {
    TempFolder dir;
    const std::string nul("[1]\n0=a\0b\n\0\n1=c\n", 16);
    EXPECT_EQ(ReadSection(1, dir.WriteBytes("nul", nul)), (Lines{"0=ab", "1=c"}));

    std::string garbage;
    for (int i = 0; i < 100000; ++i)
        garbage += static_cast<char>((i * 7919 + i / 13) & 0xFF);
    const auto file = dir.WriteBytes("garbage", "[1]\n0=ok\n" + garbage);
    const Lines lines = ReadSection(1, file);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front(), "0=ok");
    EXPECT_NO_THROW(ReadSection(2, file));
    EXPECT_NO_THROW(ReadKey("x", "y", file));
}

TEST(ReadSection, MissingFolderOrFileReadsAsEmpty) {
    TempFolder dir;
    EXPECT_TRUE(ReadSection(1, dir / "absent.DAT").empty());
    EXPECT_TRUE(ReadSection(1, dir / "no-folder" / "absent.DAT").empty());
    EXPECT_TRUE(ReadSection(1, dir.path()).empty());  // a folder, not a file
    EXPECT_EQ(ReadKey(1, "red", dir / "absent.DAT"), "");
    EXPECT_TRUE(ReadSection(1, "/dev/zero").empty());  // never read a device
}

TEST(ReadSection, DeliversALongSectionWhole) {
    TempFolder dir;
    std::string text = "[1]\n";
    Lines expected;
    for (int i = 0; i < 400; ++i) {
        expected.push_back("1=Свт. Николая, архиеп. Мир Ликийских, чудотворца " +
                           std::to_string(i) + ".");
        text += expected.back() + "\r\n";
    }
    text += "0=the last line\r\n[2]\r\n";
    expected.push_back("0=the last line");
    const auto file = dir.Write("long.DAT", text);
    ASSERT_GT(text.size(), 20000u);
    EXPECT_EQ(ReadSection(1, file), expected);
    EXPECT_EQ(ReadKey(1, "0", file), "the last line");
}

TEST(ReadSection, ReadsAFileOfTwentyMegabytes) {
    TempFolder dir;
    std::string text;
    text.reserve(21u << 20);
    int n = 0;
    while (text.size() < (20u << 20)) {
        ++n;
        // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) on "[" + string.
        text += '[';
        text += std::to_string(n);
        text += "]\r\n0=";
        text.append(200, 'x');
        text += "\r\nred=1\r\n";
    }
    const auto file = dir.WriteBytes("big.DAT", text);
    EXPECT_EQ(ReadSection(n, file), (Lines{"0=" + std::string(200, 'x'), "red=1"}));
    EXPECT_EQ(ReadKey(1, "RED", file), "1");
    const IniFile ini = IniFile::Load(file);
    EXPECT_EQ(ini.SectionCount(), static_cast<std::size_t>(n));
}

TEST(ReadSection, AFileBeyondTheSizeLimitReadsAsEmpty) {
    TempFolder dir;
    const auto file = dir.Write("huge.DAT", "[1]\n0=a\n");
    std::filesystem::resize_file(file, kMaxDataFileSize + 1);  // sparse: no disk is used
    EXPECT_TRUE(ReadSection(1, file).empty());
    std::filesystem::resize_file(file, 8);
    EXPECT_EQ(ReadSection(1, file), Lines{"0=a"});
}

TEST(ReadKey, MatchesKeysInAnyCaseAndTakesTheLastOccurrence) {
    TempFolder dir;
    const auto file =
        dir.Write("a.DAT", "[1]\nRed=1\nДень = один\n[2]\nred=1\nRED = 0\n[3]\nred=\n");
    EXPECT_EQ(ReadKey(1, "red", file), "1");
    EXPECT_EQ(ReadKey(1, "RED", file), "1");
    EXPECT_EQ(ReadKey(1, "ДЕНЬ", file), "один");
    EXPECT_EQ(ReadKey(2, "Red", file), "0");
    EXPECT_EQ(ReadKey(3, "Red", file), "");
    EXPECT_EQ(ReadKey(4, "Red", file), "");
}

TEST(ReadSection, DecodesWindows1251AndUtf8Files) {
    TempFolder dir;
    const std::string text = "[1]\n0=Мч. Вонифатия.\n";
    const Lines expected{"0=Мч. Вонифатия."};
    EXPECT_EQ(ReadSection(1, dir.Write("cp1251", text)), expected);
    EXPECT_EQ(ReadSection(1, dir.WriteBytes("utf8", text)), expected);
    EXPECT_EQ(ReadSection(1, dir.WriteBytes("bom", "\xEF\xBB\xBF" + text)), expected);
    EXPECT_EQ(ReadSection(1, dir.WriteBytes("bom-header", "\xEF\xBB\xBF[1]\n0=a\n")), Lines{"0=a"});
}

}  // namespace
}  // namespace velorith
