#include "data/text_encoding.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <tmmintrin.h>
#define VELORITH_SSSE3_LETTERS 1
#endif

namespace velorith {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// Code points of the bytes 0x80..0xBF; 0xC0..0xFF are U+0410..U+044F in order.
constexpr std::array<char32_t, 64> kHighHalf = {
    0x0402,       0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC,       0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452,       0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    kReplacement, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0,       0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401,       0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0,       0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451,       0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
};

// Each byte's character in UTF-8, for decoding without a branch per byte.
struct Utf8Form {
    std::array<char, 4> Bytes{};  // the fourth stays zero: written as one word
    std::uint8_t Length = 0;
};

constexpr std::array<Utf8Form, 256> MakeUtf8Table() {
    std::array<Utf8Form, 256> table{};
    for (unsigned b = 0; b < 256; ++b) {
        const char32_t cp = b < 0x80 ? b : b >= 0xC0 ? 0x0410 + (b - 0xC0) : kHighHalf[b - 0x80];
        Utf8Form& f = table[b];
        if (cp < 0x80) {
            f.Bytes[0] = static_cast<char>(cp);
            f.Length = 1;
        } else if (cp < 0x800) {
            f.Bytes[0] = static_cast<char>(0xC0 | (cp >> 6));
            f.Bytes[1] = static_cast<char>(0x80 | (cp & 0x3F));
            f.Length = 2;
        } else {
            f.Bytes[0] = static_cast<char>(0xE0 | (cp >> 12));
            f.Bytes[1] = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            f.Bytes[2] = static_cast<char>(0x80 | (cp & 0x3F));
            f.Length = 3;
        }
    }
    return table;
}

constexpr std::array<Utf8Form, 256> kUtf8OfByte = MakeUtf8Table();

// Writes the UTF-8 of one Windows-1251 byte; four bytes are stored, so three must be free after
// the character.
inline void PutCp1251(char*& out, char c) {
    const Utf8Form& form = kUtf8OfByte[static_cast<unsigned char>(c)];
    std::memcpy(out, form.Bytes.data(), 4);
    out += form.Length;
}

#if defined(__SSE2__)
// The bytes 0x80..0xBF: the Windows-1251 signs and the letters Ё and ё, which the quick paths
// leave to the byte-by-byte one. Every byte that takes three UTF-8 bytes is among them.
inline __m128i RareCp1251Bytes(__m128i x) {
    return _mm_cmpeq_epi8(_mm_and_si128(x, _mm_set1_epi8(char(0xC0))), _mm_set1_epi8(char(0x80)));
}
#endif

#if VELORITH_SSSE3_LETTERS
// For each mask of which of eight bytes are letters: the shuffle that keeps both bytes a letter
// was widened to and the one byte of an ASCII character.
using Shuffle = std::array<std::uint8_t, 16>;
constexpr std::array<Shuffle, 256> MakeLetterShuffles() {
    std::array<Shuffle, 256> table{};
    for (unsigned mask = 0; mask < 256; ++mask) {
        std::size_t to = 0;
        for (unsigned i = 0; i < 8; ++i) {
            table[mask][to++] = static_cast<std::uint8_t>(2 * i);
            if ((mask >> i) & 1u) table[mask][to++] = static_cast<std::uint8_t>(2 * i + 1);
        }
        while (to < 16)
            table[mask][to++] = 0x80;  // zero
    }
    return table;
}
alignas(16) constexpr std::array<Shuffle, 256> kLetterShuffles = MakeLetterShuffles();
// How many bytes the eight become: eight and one more for each letter.
constexpr std::array<std::uint8_t, 256> kLetterBlockSizes = [] {
    std::array<std::uint8_t, 256> sizes{};
    for (unsigned mask = 0; mask < 256; ++mask)
        sizes[mask] = static_cast<std::uint8_t>(8 + std::popcount(mask));
    return sizes;
}();

// Eight characters widened to pairs: the pairs of the letters whole, the first byte of the rest.
[[gnu::target("ssse3")]] inline void PutLetterPairs(char*& out, __m128i pairs, unsigned mask) {
    const __m128i shuffle =
        _mm_load_si128(reinterpret_cast<const __m128i*>(kLetterShuffles[mask].data()));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(out), _mm_shuffle_epi8(pairs, shuffle));
    out += kLetterBlockSizes[mask];
}

// The whole sixteen-byte blocks of a Windows-1251 text, where they hold only ASCII and the
// letters А..я (0xC0..0xFF), as Russian text does: every letter becomes D0 or D1 and a second
// byte, side by side, and a shuffle for each half closes the gaps the ASCII characters leave. A
// block with anything of 0x80..0xBF goes a byte at a time. Sixteen bytes must be free after
// the output.
[[gnu::target("ssse3")]] void PutLetterBlocks(std::string_view bytes, char*& output,
                                              std::size_t& from) {
    // Kept in locals: through the references every step would go to memory.
    char* out = output;
    std::size_t at = from;
    const __m128i zero = _mm_setzero_si128();
    for (; at + 16 <= bytes.size(); at += 16) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes.data() + at));
        const __m128i high = _mm_cmplt_epi8(x, zero);
        const auto mask = static_cast<unsigned>(_mm_movemask_epi8(high));
        if (mask == 0) {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(out), x);
            out += 16;
            continue;
        }
        const __m128i rare = RareCp1251Bytes(x);
        if (_mm_movemask_epi8(rare) != 0) {
            for (std::size_t i = at; i < at + 16; ++i)
                PutCp1251(out, bytes[i]);
            continue;
        }
        // р..я (0xF0..0xFF) are U+0440..U+044F: D1 80..8F; А..п are D0 90..BF.
        const __m128i upper = _mm_and_si128(high, _mm_cmpgt_epi8(x, _mm_set1_epi8(char(0xEF))));
        const __m128i lead = _mm_sub_epi8(_mm_set1_epi8(char(0xD0)), upper);
        const __m128i second = _mm_sub_epi8(_mm_sub_epi8(x, _mm_set1_epi8(0x30)),
                                            _mm_and_si128(upper, _mm_set1_epi8(0x40)));
        const __m128i first = _mm_or_si128(_mm_and_si128(high, lead), _mm_andnot_si128(high, x));
        PutLetterPairs(out, _mm_unpacklo_epi8(first, second), mask & 0xFFu);
        PutLetterPairs(out, _mm_unpackhi_epi8(first, second), mask >> 8);
    }
    output = out;
    from = at;
}
#endif

// The character at utf8[pos]: how far it reaches (a malformed byte is passed over alone) and its
// byte, when the code page has one.
struct Encoded {
    std::size_t len = 1;
    std::optional<unsigned char> byte;
};

Encoded EncodeOne(std::string_view utf8, std::size_t pos) {
    char32_t cp = 0;
    const std::size_t len = DecodeUtf8(utf8, pos, cp);
    if (len == 0) return {};
    return {len, Cp1251Byte(cp)};
}

constexpr std::string_view kBom = "\xEF\xBB\xBF";

// A character a terminal acts on rather than shows: the C0 controls other than tab and line
// feed, DEL and the C1 controls.
constexpr bool IsTerminalControl(char32_t cp) {
    return (cp < 0x20 && cp != '\t' && cp != '\n') || (cp >= 0x7F && cp < 0xA0);
}

#if defined(__SSE2__)
inline __m128i Splat(unsigned char byte) {
    return _mm_set1_epi8(static_cast<char>(byte));
}
inline unsigned Mask(__m128i bytes) {
    return static_cast<unsigned>(_mm_movemask_epi8(bytes));
}
#endif

// How much of the text, from its start, is sound UTF-8 without a control character, vouched for
// sixteen bytes at a time: printable ASCII, tab, line feed, two-byte characters above U+009F and
// the three-byte ones that need no closer look (E1-EC, EE, EF). It stops before anything else,
// which the caller then checks one character at a time; the length always ends on a character's
// boundary. A report is nearly all such text, so this is where its check spends its time.
std::size_t PlainRunLength(std::string_view text) {
    std::size_t done = 0;
#if defined(__SSE2__)
    constexpr unsigned kWindow = 0xFFFF;
    // The bytes compare as signed: 80..FF are the negative ones.
    while (done + 16 <= text.size()) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + done));
        const __m128i spacing =
            _mm_or_si128(_mm_cmpeq_epi8(x, Splat('\t')), _mm_cmpeq_epi8(x, Splat('\n')));
        // Most windows of a report are Russian text: printable ASCII, tab, line feed and the
        // two-byte letters (D0 or D1, then a byte of 80..BF). Such a window is vouched for in
        // half the steps of the full check below.
        {
            const __m128i printable =
                _mm_and_si128(_mm_cmpgt_epi8(x, Splat(0x1F)), _mm_cmplt_epi8(x, Splat(0x7F)));
            const __m128i letterLead = _mm_cmpeq_epi8(_mm_or_si128(x, Splat(0x01)), Splat(0xD1));
            const __m128i trailByte = _mm_cmplt_epi8(x, Splat(0xC0));
            const auto sound = static_cast<unsigned>(_mm_movemask_epi8(_mm_or_si128(
                _mm_or_si128(printable, spacing), _mm_or_si128(letterLead, trailByte))));
            const auto lead = static_cast<unsigned>(_mm_movemask_epi8(letterLead));
            const auto trail = static_cast<unsigned>(_mm_movemask_epi8(trailByte));
            if (sound == kWindow && ((lead << 1) & kWindow) == trail) {
                done += 16 - (lead >> 15);  // a letter cut by the window's end waits for the next
                continue;
            }
        }
        const __m128i high = _mm_cmplt_epi8(x, _mm_setzero_si128());
        // C0 controls but tab and line feed, and DEL.
        __m128i bad = _mm_andnot_si128(_mm_or_si128(high, spacing), _mm_cmplt_epi8(x, Splat(0x20)));
        bad = _mm_or_si128(bad, _mm_cmpeq_epi8(x, Splat(0x7F)));
        // C0 and C1 (overlong), E0 and ED (they need a closer look), F0..FF (four bytes and more).
        bad = _mm_or_si128(bad, _mm_cmpeq_epi8(_mm_or_si128(x, Splat(0x01)), Splat(0xC1)));
        bad = _mm_or_si128(bad, _mm_cmpeq_epi8(x, Splat(0xE0)));
        bad = _mm_or_si128(bad, _mm_cmpeq_epi8(x, Splat(0xED)));
        bad = _mm_or_si128(bad, _mm_and_si128(high, _mm_cmpgt_epi8(x, Splat(0xEF))));
        // U+0080..U+009F, the C1 controls: C2 followed by 80..9F.
        const __m128i afterC2 = _mm_slli_si128(_mm_cmpeq_epi8(x, Splat(0xC2)), 1);
        bad = _mm_or_si128(bad, _mm_and_si128(afterC2, _mm_cmplt_epi8(x, Splat(0xA0))));
        if (Mask(bad) != 0) break;
        // Every lead byte followed by its continuation bytes, and no continuation byte elsewhere.
        const unsigned trail = Mask(_mm_cmplt_epi8(x, Splat(0xC0)));
        const unsigned lead = Mask(high) & ~trail;
        const unsigned lead3 = Mask(_mm_and_si128(high, _mm_cmpgt_epi8(x, Splat(0xDF))));
        if ((((lead << 1) | (lead3 << 2)) & kWindow) != trail) break;
        // A character cut by the window's end is left whole for the next window.
        const unsigned cut = (lead >> 15) != 0 ? 1 : ((lead3 >> 14) & 1) != 0 ? 2 : 0;
        done += 16 - cut;
    }
#endif
    return done;
}

}  // namespace

std::optional<unsigned char> Cp1251Byte(char32_t cp) {
    if (cp < 0x80) return static_cast<unsigned char>(cp);
    if (cp >= 0x0410 && cp <= 0x044F) return static_cast<unsigned char>(0xC0 + (cp - 0x0410));
    for (std::size_t i = 0; i < kHighHalf.size(); ++i) {
        if (kHighHalf[i] == cp && cp != kReplacement) return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

std::size_t DecodeUtf8(std::string_view text, std::size_t pos, char32_t& cp) {
    const auto b0 = static_cast<unsigned char>(text[pos]);
    std::size_t len = 0;
    char32_t min = 0;
    if (b0 < 0x80) {
        cp = b0;
        return 1;
    } else if ((b0 & 0xE0) == 0xC0) {
        len = 2, cp = b0 & 0x1F, min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        len = 3, cp = b0 & 0x0F, min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        len = 4, cp = b0 & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (pos + len > text.size()) return 0;
    for (std::size_t i = 1; i < len; ++i) {
        const auto b = static_cast<unsigned char>(text[pos + i]);
        if ((b & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return len;
}

void AppendUtf8(std::string& out, char32_t cp) {
    if (cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) cp = kReplacement;
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

std::string Cp1251ToUtf8(std::string_view bytes) {
    // The data files are read this way at every start, eight bytes at a time where they can be:
    // a byte below 0x80 stays one byte, every other takes two, and only some of 0x80..0xBF
    // (dashes, quotes, the numero sign) take three.
    constexpr std::uint64_t kHighBits = 0x8080808080808080u;
    const auto word = [&bytes](std::size_t at) {
        std::uint64_t w = 0;
        std::memcpy(&w, bytes.data() + at, sizeof w);
        return w;
    };
    std::size_t size = bytes.size();
    std::size_t at = 0;
#if defined(__SSE2__)
    // Sixteen at a time: the bytes from 0x80 counted by summing their high bits.
    const __m128i zero = _mm_setzero_si128();
    __m128i highCount = zero;
    for (; at + 16 <= bytes.size(); at += 16) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes.data() + at));
        const __m128i high = _mm_and_si128(_mm_cmplt_epi8(x, zero), _mm_set1_epi8(1));
        highCount = _mm_add_epi64(highCount, _mm_sad_epu8(high, zero));
        const __m128i rare = RareCp1251Bytes(x);
        for (auto r = static_cast<unsigned>(_mm_movemask_epi8(rare)); r != 0; r &= r - 1) {
            const auto byte = static_cast<unsigned char>(bytes[at + std::countr_zero(r)]);
            size += kUtf8OfByte[byte].Length - 2u;
        }
    }
    size += static_cast<std::size_t>(_mm_cvtsi128_si64(highCount)) +
            static_cast<std::size_t>(_mm_cvtsi128_si64(_mm_unpackhi_epi64(highCount, highCount)));
#endif
    for (; at + 8 <= bytes.size(); at += 8) {
        const std::uint64_t w = word(at);
        const std::uint64_t high = w & kHighBits;
        // The high bits summed by a multiplication into the top byte (at most 8).
        size += static_cast<std::size_t>(((high >> 7) * 0x0101010101010101u) >> 56);
        // Bit 7 set and bit 6 clear: the bytes 0x80..0xBF.
        for (std::uint64_t rare = high & ~(w << 1); rare != 0; rare &= rare - 1) {
            const auto byte = static_cast<unsigned char>(bytes[at + std::countr_zero(rare) / 8]);
            size += kUtf8OfByte[byte].Length - 2u;
        }
    }
    for (; at < bytes.size(); ++at)
        size += kUtf8OfByte[static_cast<unsigned char>(bytes[at])].Length - 1u;
    // Room after the last character for a whole block's store keeps the copy branch-free.
    std::string out(size + 16, '\0');
    char* p = out.data();
    at = 0;
#if VELORITH_SSSE3_LETTERS
    if (__builtin_cpu_supports("ssse3")) PutLetterBlocks(bytes, p, at);
#endif
    for (; at + 8 <= bytes.size(); at += 8) {
        if ((word(at) & kHighBits) == 0) {
            std::memcpy(p, bytes.data() + at, 8);
            p += 8;
            continue;
        }
        for (std::size_t i = at; i < at + 8; ++i)
            PutCp1251(p, bytes[i]);
    }
    for (; at < bytes.size(); ++at)
        PutCp1251(p, bytes[at]);
    out.resize(size);
    return out;
}

std::optional<std::string> Utf8ToCp1251(std::string_view utf8, EncodeError* error) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const Encoded e = EncodeOne(utf8, pos);
        if (!e.byte) {
            if (error) error->offset = pos;
            return std::nullopt;
        }
        out += static_cast<char>(*e.byte);
        pos += e.len;
    }
    return out;
}

std::string Utf8ToCp1251Lossy(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t pos = 0; pos < utf8.size();) {
        const Encoded e = EncodeOne(utf8, pos);
        out += e.byte ? static_cast<char>(*e.byte) : '?';
        pos += e.len;
    }
    return out;
}

bool IsValidUtf8(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        char32_t cp = 0;
        const std::size_t len = DecodeUtf8(text, pos, cp);
        if (!len) return false;
        pos += len;
    }
    return true;
}

namespace {

constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf16BeBom = "\xFE\xFF";

bool IsAscii(std::string_view bytes) {
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    }
    return true;
}

// UTF-16 after its byte-order mark, as UTF-8; none when the length is odd or a surrogate is
// unpaired, for then the mark was no mark but two Windows-1251 letters ("яю" or "юя").
std::optional<std::string> Utf16ToUtf8(std::string_view bytes, bool littleEndian) {
    if (bytes.size() % 2 != 0) return std::nullopt;
    const auto unit = [&](std::size_t i) {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<char32_t>(littleEndian ? (b << 8 | a) : (a << 8 | b));
    };
    std::string out;
    out.reserve(bytes.size() * 3 / 2);
    for (std::size_t i = 0; i < bytes.size(); i += 2) {
        char32_t cp = unit(i);
        if (cp >= 0xDC00 && cp <= 0xDFFF) return std::nullopt;
        if (cp >= 0xD800 && cp <= 0xDBFF) {
            if (i + 2 >= bytes.size()) return std::nullopt;
            const char32_t low = unit(i + 2);
            if (low < 0xDC00 || low > 0xDFFF) return std::nullopt;
            cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
            i += 2;
        }
        AppendUtf8(out, cp);
    }
    return out;
}

// Windows-1251 text is almost never valid UTF-8 once it holds a lower-case Cyrillic letter, so
// a line that is valid UTF-8 was written as such. The file as a whole is read line by line only
// when most of its non-ASCII lines say UTF-8: a Windows-1251 file whose rare line happens to
// look like UTF-8 stays Windows-1251 throughout.
template <typename Visit>
void ForEachLine(std::string_view bytes, Visit visit) {
    for (std::size_t pos = 0; pos < bytes.size();) {
        std::size_t end = bytes.find('\n', pos);
        end = end == std::string_view::npos ? bytes.size() : end + 1;
        visit(bytes.substr(pos, end - pos));
        pos = end;
    }
}

std::string DecodeLines(std::string_view bytes) {
    std::size_t utf8Lines = 0;
    std::size_t otherLines = 0;
    ForEachLine(bytes, [&](std::string_view line) {
        if (!IsAscii(line)) ++(IsValidUtf8(line) ? utf8Lines : otherLines);
    });
    if (utf8Lines <= otherLines) return Cp1251ToUtf8(bytes);
    std::string out;
    out.reserve(bytes.size() * 2);
    ForEachLine(bytes, [&out](std::string_view line) {
        if (IsValidUtf8(line))
            out += line;
        else
            out += Cp1251ToUtf8(line);
    });
    return out;
}

}  // namespace

std::string DecodeDataFile(std::string_view bytes) {
    if (bytes.starts_with(kUtf16LeBom) || bytes.starts_with(kUtf16BeBom)) {
        if (auto text = Utf16ToUtf8(bytes.substr(2), bytes.starts_with(kUtf16LeBom))) return *text;
    }
    if (bytes.starts_with(kBom)) bytes.remove_prefix(kBom.size());
    if (IsAscii(bytes) || IsValidUtf8(bytes)) return std::string(bytes);
    return DecodeLines(bytes);
}

std::string SanitizeForTerminal(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    // Sound text is copied in runs; only a control character or a malformed byte breaks one.
    std::size_t run = 0;
    for (std::size_t pos = 0; pos < utf8.size();) {
        const auto byte = static_cast<unsigned char>(utf8[pos]);
        if ((byte >= 0x20 && byte < 0x7F) || byte == '\t' || byte == '\n') {  // plain ASCII
            ++pos;
            continue;
        }
        char32_t cp = 0;
        const std::size_t len = byte < 0x80 ? 1 : DecodeUtf8(utf8, pos, cp);
        if (byte < 0x80) cp = byte;
        const bool control = IsTerminalControl(cp);
        if (len != 0 && !control) {
            pos += len;
            continue;
        }
        out.append(utf8.substr(run, pos - run));
        if (len == 0) {
            AppendUtf8(out, kReplacement);
            ++pos;
        } else {
            pos += len;
        }
        run = pos;
    }
    out.append(utf8.substr(run));
    return out;
}

void SanitizeForTerminalInPlace(std::string& utf8) {
    const std::string_view text = utf8;
    for (std::size_t pos = 0; pos < text.size();) {
        pos += PlainRunLength(text.substr(pos));
        // What the quick check left: checked a character at a time to the end of its window.
        const std::size_t until = std::min(text.size(), pos + 16);
        while (pos < until) {
            char32_t cp = 0;
            const std::size_t len = DecodeUtf8(text, pos, cp);
            if (len == 0 || IsTerminalControl(cp)) {
                utf8 = SanitizeForTerminal(text);
                return;
            }
            pos += len;
        }
    }
}

std::string LowerUtf8(std::string_view text) {
    std::string out(text);
    for (std::size_t i = 0; i < out.size(); ++i) {
        const auto b = static_cast<unsigned char>(out[i]);
        if (b >= 'A' && b <= 'Z') {
            out[i] = static_cast<char>(b + 32);
        } else if (i + 1 < out.size() && (b == 0xD0 || b == 0xD1)) {
            const auto c = static_cast<unsigned char>(out[i + 1]);
            const char32_t cp = ((b & 0x1F) << 6) | (c & 0x3F);
            char32_t lower = cp;
            if (cp >= 0x0410 && cp <= 0x042F)
                lower = cp + 0x20;  // А..Я
            else if (cp >= 0x0400 && cp <= 0x040F)
                lower = cp + 0x50;  // Ѐ..Џ, Ё among them
            if (lower != cp) {
                out[i] = static_cast<char>(0xC0 | (lower >> 6));
                out[i + 1] = static_cast<char>(0x80 | (lower & 0x3F));
            }
            ++i;
        } else if (b == 0xD2 && i + 1 < out.size() &&
                   static_cast<unsigned char>(out[i + 1]) == 0x90) {
            out[i + 1] = static_cast<char>(0x91);  // Ґ -> ґ
            ++i;
        }
    }
    return out;
}

}  // namespace velorith
