#include "data/text_encoding.h"

#include <gtest/gtest.h>
#include <iconv.h>

#include <string>

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

TEST(TextEncoding, LowerCaseKeepsByteLengthAndPositions) {
    const std::string text = "Свт. НИКОЛАЯ, ЁЖ Ђ Ґ Abc";
    const std::string lower = LowerUtf8(text);
    EXPECT_EQ(lower, "свт. николая, ёж ђ ґ abc");
    EXPECT_EQ(lower.size(), text.size());
    EXPECT_EQ(LowerUtf8("\xD0"), "\xD0");  // a cut sequence stays as it is
}

}  // namespace
}  // namespace velorith
