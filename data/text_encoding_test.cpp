#include "data/text_encoding.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <random>
#include <string>
#include <vector>

namespace velorith {
namespace {

// The system's own converter is the reference for the code page table.
std::string IconvToUtf8(const std::string& bytes) {
    iconv_t cd = iconv_open("UTF-8", "WINDOWS-1251");
    std::string in = bytes;
    std::string out(in.size() * 4 + 4, '\0');
    char* inp = in.data();
    char* outp = out.data();
    std::size_t inLeft = in.size();
    std::size_t outLeft = out.size();
    const std::size_t rc = iconv(cd, &inp, &inLeft, &outp, &outLeft);
    iconv_close(cd);
    if (rc == static_cast<std::size_t>(-1)) return "<invalid>";
    out.resize(out.size() - outLeft);
    return out;
}

TEST(TextEncoding, EveryAssignedByteMatchesTheSystemConverterBothWays) {
    for (int b = 0; b < 256; ++b) {
        if (b == 0x98) continue;  // unassigned in the code page
        const std::string byte(1, static_cast<char>(b));
        const std::string utf8 = Cp1251ToUtf8(byte);
        EXPECT_EQ(utf8, IconvToUtf8(byte)) << "byte " << b;
        const auto back = Utf8ToCp1251(utf8);
        ASSERT_TRUE(back.has_value()) << "byte " << b;
        EXPECT_EQ(*back, byte);
    }
    EXPECT_EQ(Cp1251ToUtf8("\x98"), "\xEF\xBF\xBD");
}

// Long text is converted eight bytes at a time; runs of every length and mix, at every offset,
// must come out as the system's converter writes them.
TEST(TextEncoding, LongTextMatchesTheSystemConverterAtEveryOffset) {
    std::string assigned;
    for (int b = 1; b < 256; ++b)
        if (b != 0x98) assigned += static_cast<char>(b);
    // Russian text: ASCII and the letters А..я only, which go eight bytes at a time.
    std::string letters;
    for (int b = 1; b < 256; ++b)
        if (b < 0x80 || b >= 0xC0) letters += static_cast<char>(b);
    std::mt19937 random(11);
    for (int round = 0; round < 600; ++round) {
        const std::string& alphabet = round % 2 == 0 ? assigned : letters;
        std::string text;
        const int length = static_cast<int>(random() % 70);
        for (int i = 0; i < length; ++i) {
            // Runs of plain ASCII between the others, so that whole words of it occur.
            text += random() % 3 == 0 ? std::string(random() % 12, 'x')
                                      : std::string(1, alphabet[random() % alphabet.size()]);
        }
        ASSERT_EQ(Cp1251ToUtf8(text), IconvToUtf8(text)) << "round " << round;
    }
}

TEST(TextEncoding, UnwritableAndMalformedTextReportsItsOffset) {
    EncodeError error;
    EXPECT_FALSE(Utf8ToCp1251("Мч. \xE2\x82\xBD", &error).has_value());  // the rouble sign
    EXPECT_EQ(error.offset, 6u);
    EXPECT_FALSE(Utf8ToCp1251("ab\xD0", &error).has_value());  // cut short
    EXPECT_EQ(error.offset, 2u);
    EXPECT_FALSE(Utf8ToCp1251("\xC0\xAF", &error).has_value());  // overlong
    EXPECT_EQ(Utf8ToCp1251Lossy("a\xE2\x82\xBD"
                                "б"),
              std::string("a?\xE1"));
}

TEST(TextEncoding, DataFilesAreReadInEitherEncoding) {
    const std::string utf8 = "[1]\n0=Мч. Вонифатия.\n";
    const auto cp1251 = Utf8ToCp1251(utf8);
    ASSERT_TRUE(cp1251);
    EXPECT_EQ(DecodeDataFile(*cp1251), utf8);
    EXPECT_EQ(DecodeDataFile(utf8), utf8);
    EXPECT_EQ(DecodeDataFile("\xEF\xBB\xBF" + utf8), utf8);
    EXPECT_EQ(DecodeDataFile("plain"), "plain");
    // Binary garbage is never rejected: it reads as Windows-1251.
    const std::string garbage("\xFF\x00\xC3", 3);
    EXPECT_EQ(DecodeDataFile(garbage), Cp1251ToUtf8(garbage));
}

TEST(TextEncoding, AByteOrderMarkIsBelievedOnlyWhenTheRestAgrees) {
    const std::string utf8 = "[1]\n0=Мч. Вонифатия.\n";
    const std::string cp1251 = Utf8ToCp1251(utf8).value();
    // A UTF-8 mark before Windows-1251 letters: the letters are still letters.
    EXPECT_EQ(DecodeDataFile("\xEF\xBB\xBF" + cp1251), utf8);
    // UTF-16 in both byte orders, with a letter outside the basic plane.
    const std::u16string wide = u"[1]\n0=Мч. \U0001D11E\n";
    std::string le = "\xFF\xFE";
    std::string be = "\xFE\xFF";
    for (const char16_t unit : wide) {
        le += static_cast<char>(unit & 0xFF);
        le += static_cast<char>(unit >> 8);
        be += static_cast<char>(unit >> 8);
        be += static_cast<char>(unit & 0xFF);
    }
    EXPECT_EQ(DecodeDataFile(le), "[1]\n0=Мч. \xF0\x9D\x84\x9E\n");
    EXPECT_EQ(DecodeDataFile(be), DecodeDataFile(le));
    // "яю" at the start of a Windows-1251 file is no mark when what follows is no UTF-16.
    EXPECT_EQ(DecodeDataFile("\xFF\xFE\xE0"), "яюа");
    EXPECT_EQ(DecodeDataFile(std::string("\xFF\xFE\x00\xD8z\x00", 6)),
              Cp1251ToUtf8(std::string("\xFF\xFE\x00\xD8z\x00", 6)));  // a lone surrogate
}

TEST(TextEncoding, StrayBytesSpoilOnlyTheirOwnLine) {
    const std::string good = "[1]\n0=Мч. Вонифатия.\n1=Свт. Николая.\n2=Прп. Саввы.\n";
    const std::string spoiled = good + "3=\xC4\xE0\xEB\xFC\n";  // a Windows-1251 line
    EXPECT_EQ(DecodeDataFile(spoiled), good + "3=Даль\n");
    // A Windows-1251 file keeps its code page even where a line happens to be valid UTF-8
    // ("СЁ" is the bytes of U+0468).
    const std::string cp1251 = Utf8ToCp1251("[1]\n0=СЁ\n1=Мч. Вонифатия.\n2=Прп. Саввы.\n").value();
    EXPECT_EQ(DecodeDataFile(cp1251), "[1]\n0=СЁ\n1=Мч. Вонифатия.\n2=Прп. Саввы.\n");
}

TEST(TextEncoding, TerminalTextLosesItsControlCharacters) {
    EXPECT_EQ(SanitizeForTerminal("a\x1b]0;title\x07"
                                  "b\x1b[2Jc"),
              "a]0;titleb[2Jc");
    EXPECT_EQ(SanitizeForTerminal("Мч.\tКалиопия.\nСвт.\r\x7f"), "Мч.\tКалиопия.\nСвт.");
    EXPECT_EQ(SanitizeForTerminal("a\xC2\x9B"
                                  "31mb\xC2\xA0"
                                  "c"),
              "a31mb\xC2\xA0"
              "c");  // C1 CSI
    EXPECT_EQ(SanitizeForTerminal(std::string("a\0b\xFF"
                                              "c",
                                              5)),
              "ab\xEF\xBF\xBD"
              "c");
    // In place: the same result, and a text that needs nothing keeps its very buffer.
    std::string dirty = "a\x1b[2Jb\xC2\x9B";
    SanitizeForTerminalInPlace(dirty);
    EXPECT_EQ(dirty, "a[2Jb");
    std::string clean(1000, 'x');
    clean += "Мч.\tКалиопия.\n";
    const char* buffer = clean.data();
    SanitizeForTerminalInPlace(clean);
    EXPECT_EQ(clean.data(), buffer);
    EXPECT_EQ(clean, std::string(1000, 'x') + "Мч.\tКалиопия.\n");
}

// The in-place check vouches for long stretches sixteen bytes at a time; whatever the mix of
// characters and wherever a window ends, it must agree with the character-by-character one.
TEST(TextEncoding, InPlaceSanitizingAgreesWithTheCopyAcrossWindowEdges) {
    const std::vector<std::string> pieces = {"a",
                                             " ",
                                             "\t",
                                             "\n",
                                             "Мч.",
                                             "ё",
                                             "\xC2\xB7",
                                             "\xC2\xAB",
                                             "\xC2\xA0",
                                             "\xC2\x9B",
                                             "\xC2\x85",
                                             "\xE2\x80\x94",
                                             "\xE2\x84\x96",
                                             "\xE0\xA4\x85",
                                             "\xE0\x80\x80",
                                             "\xED\x9F\xBF",
                                             "\xED\xA0\x80",
                                             "\xEF\xBF\xBD",
                                             "\xF0\x9F\x98\x80",
                                             "\x1B",
                                             "\r",
                                             "\x7F",
                                             "\xD0",
                                             "\x80",
                                             "\xC1\xBF",
                                             "\xFF",
                                             std::string(1, '\0'),
                                             "\xE2\x80"};
    std::mt19937 random(7);
    for (int round = 0; round < 4000; ++round) {
        std::string text;
        // Mostly sound text, so that long windows pass the quick check before a fault.
        const int length = static_cast<int>(random() % 60);
        for (int i = 0; i < length; ++i) {
            const std::size_t pick = random() % 100;
            text +=
                pick < 80 ? pieces[pick % 8 < 5 ? 4 : pick % 8] : pieces[random() % pieces.size()];
        }
        std::string inPlace = text;
        SanitizeForTerminalInPlace(inPlace);
        ASSERT_EQ(inPlace, SanitizeForTerminal(text)) << "round " << round;
    }
}

TEST(TextEncoding, LowerCaseKeepsByteLengthAndPositions) {
    const std::string text = "Свт. НИКОЛАЯ, ЁЖ Ђ Ґ Abc";
    const std::string lower = LowerUtf8(text);
    EXPECT_EQ(lower, "свт. николая, ёж ђ ґ abc");
    EXPECT_EQ(lower.size(), text.size());
    EXPECT_EQ(LowerUtf8("\xD0"), "\xD0");  // a cut sequence stays as it is
}

}  // namespace
}  // namespace velorith
