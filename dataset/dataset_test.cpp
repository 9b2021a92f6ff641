// Checks of the calendar's content as the build writes it into the Calendar folder: every file
// converts and parses, sections are numbered as the readers expect, sign markers and RTF in the
// values are sound, every abbreviation is listed in "Abbr.DAT", and every day has its texts.
// A file whose source is not in the data set yet is skipped.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "data/base_files.h"
#include "data/ini_file.h"
#include "data/section_reader.h"
#include "data/tables.h"
#include "data/text_encoding.h"

namespace velorith {
namespace {

const std::filesystem::path kBuilt = VELORITH_BUILT_DATA_DIR;
const std::filesystem::path kSource = VELORITH_DATASET_SOURCE_DIR;

std::string ReadBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

enum class Kind { kMonth, kEntry, kTitle, kAbbr };

Kind KindOf(int index) {
    if (index <= kFebruary28File) return Kind::kMonth;
    if (index <= kSpecialFile) return Kind::kEntry;
    if (index <= kSpecWeekDaysFile) return Kind::kTitle;
    return Kind::kAbbr;
}

int MonthLength(int index) {
    static constexpr int kDays[] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31, 28};
    return kDays[index];
}

// Section headers in file order.
std::vector<std::string> Headers(std::string_view text) {
    std::vector<std::string> names;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        std::size_t end = text.find_first_of("\r\n", pos);
        if (end == std::string_view::npos) end = text.size();
        std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        while (!line.empty() && line.front() == ' ')
            line.remove_prefix(1);
        const std::size_t close = line.find(']');
        if (line.starts_with('[') && close != std::string_view::npos)
            names.emplace_back(line.substr(1, close - 1));
    }
    return names;
}

// Every day names at least five commemorations. Fewer stand only on the great feasts, which the
// Church keeps without other saints, and on the days whose feast moves and is placed from
// Special.DAT; none of them may lose a line.
int MinimumCommemorations(std::string_view file, int day) {
    struct Short {
        std::string_view file;
        int day;
        int count;
    };
    static constexpr Short kShort[] = {
        {"January.DAT", 6, 1},     {"February28.DAT", 2, 3},  {"February29.DAT", 2, 3},
        {"February28.DAT", 24, 2}, {"February29.DAT", 24, 2}, {"March.DAT", 25, 3},
        {"August.DAT", 6, 2},      {"August.DAT", 29, 2},     {"November.DAT", 21, 1},
        {"December.DAT", 25, 2},
    };
    for (const Short& s : kShort)
        if (s.file == file && s.day == day) return s.count;
    return 5;
}

// Words of sentences about food and the fast.
constexpr std::string_view kFoodWords[] = {
    "рыб", "масл",  "сухояд",    "мяс",          "пища",     "пищи",
    "икр", "вкуша", "поста нет", "строгий пост", "заговень", "разрешается",
};

bool IsTextKey(std::string_view key) {
    static const std::set<std::string_view> kKeys = {"0",  "1",  "2",  "3",  "4", "11",
                                                     "19", "21", "29", "31", "39"};
    return kKeys.contains(key);
}

// Braces nest and close; a backslash starts a control word or an RTF escape; the switches bold,
// italic and underline are turned off again and a colour switch is followed by another one.
std::string RtfProblem(std::string_view value) {
    int depth = 0;
    int bold = 0, italic = 0, underline = 0, colours = 0;
    for (std::size_t i = 0; i < value.size(); ++i) {
        const char c = value[i];
        if (c == '{') ++depth;
        if (c == '}' && --depth < 0) return "a closing brace without an opening one";
        if (c != '\\') continue;
        if (i + 1 >= value.size()) return "a backslash at the end";
        const char next = value[i + 1];
        if (next == '\\' || next == '{' || next == '}' || next == '\'') {
            ++i;
            continue;
        }
        std::size_t j = i + 1;
        while (j < value.size() && std::isalpha(static_cast<unsigned char>(value[j])))
            ++j;
        if (j == i + 1) return "a backslash that starts no control word";
        const std::string_view word = value.substr(i + 1, j - i - 1);
        std::size_t k = j;
        if (k < value.size() && value[k] == '-') ++k;
        while (k < value.size() && std::isdigit(static_cast<unsigned char>(value[k])))
            ++k;
        const std::string_view arg = value.substr(j, k - j);
        const int delta = arg == "0" ? -1 : 1;
        if (word == "b")
            bold += delta;
        else if (word == "i")
            italic += delta;
        else if (word == "ul")
            underline += delta;
        else if (word == "ulnone")
            --underline;
        else if (word == "cf")
            colours = arg == "0" || arg == "1" ? 0 : 1;
        else if (word == "par" || word == "line")
            return "a paragraph break inside a value";
        i = k - 1;
    }
    if (depth != 0) return "an unclosed brace";
    if (bold != 0 || italic != 0 || underline != 0) return "a switch left on";
    if (colours != 0) return "a colour left on";
    return {};
}

bool IsLetterAt(std::string_view s, std::size_t i, std::size_t& len) {
    const auto b = static_cast<unsigned char>(s[i]);
    if (std::isalpha(b)) return len = 1, true;
    if ((b == 0xD0 || b == 0xD1) && i + 1 < s.size()) return len = 2, true;  // Cyrillic
    return false;
}

// Words followed by a full stop that is not the line's closing one.
std::vector<std::string> Abbreviations(std::string_view text, bool lastStopCloses) {
    std::vector<std::string> found;
    std::size_t end = text.size();
    while (end > 0 && text[end - 1] == ' ')
        --end;
    std::size_t i = 0;
    while (i < end) {
        std::size_t len = 0;
        if (!IsLetterAt(text, i, len)) {
            ++i;
            continue;
        }
        const std::size_t begin = i;
        while (i < end && IsLetterAt(text, i, len))
            i += len;
        const bool afterNumber = begin >= 2 && text[begin - 1] == '-' &&
                                 std::isdigit(static_cast<unsigned char>(text[begin - 2]));
        if (i < end && text[i] == '.' && !afterNumber && !(lastStopCloses && i + 1 == end))
            found.push_back(LowerUtf8(text.substr(begin, i - begin)));
    }
    return found;
}

// The value as it would read: without its sign marker and without RTF control words.
std::string PlainValue(std::string_view value) {
    if (value.size() >= 3 && value[0] == '{' && value[2] == '}') value.remove_prefix(3);
    std::string out;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] == '{' || value[i] == '}') continue;
        if (value[i] != '\\') {
            out += value[i];
            continue;
        }
        std::size_t j = i + 1;
        while (j < value.size() && std::isalpha(static_cast<unsigned char>(value[j])))
            ++j;
        while (j < value.size() &&
               (std::isdigit(static_cast<unsigned char>(value[j])) || value[j] == '-'))
            ++j;
        if (j < value.size() && value[j] == ' ') ++j;
        out += ' ';
        i = j - 1;
    }
    return out;
}

// Plain text of a simple RTF document: the font and colour tables and "{\*" groups dropped,
// control words removed, "\'hh" taken as a Windows-1251 byte.
std::string RtfPlainText(std::string_view rtf) {
    std::string bytes;
    int depth = 0;
    int skipBelow = 0;  // 0: not skipping; else skip while depth >= this
    for (std::size_t i = 0; i < rtf.size(); ++i) {
        const char c = rtf[i];
        if (c == '{') {
            ++depth;
            const std::string_view rest = rtf.substr(i + 1);
            if (!skipBelow && (rest.starts_with("\\fonttbl") || rest.starts_with("\\colortbl") ||
                               rest.starts_with("\\*") || rest.starts_with("\\stylesheet") ||
                               rest.starts_with("\\info")))
                skipBelow = depth;
            continue;
        }
        if (c == '}') {
            if (skipBelow && depth == skipBelow) skipBelow = 0;
            --depth;
            continue;
        }
        if (c == '\\' && i + 1 < rtf.size()) {
            const char next = rtf[i + 1];
            if (next == '\'' && i + 3 < rtf.size()) {
                if (!skipBelow)
                    bytes += static_cast<char>(
                        std::stoi(std::string(rtf.substr(i + 2, 2)), nullptr, 16));
                i += 3;
                continue;
            }
            if (!std::isalpha(static_cast<unsigned char>(next))) {
                if (!skipBelow) bytes += next;
                ++i;
                continue;
            }
            std::size_t j = i + 1;
            while (j < rtf.size() && std::isalpha(static_cast<unsigned char>(rtf[j])))
                ++j;
            while (j < rtf.size() &&
                   (std::isdigit(static_cast<unsigned char>(rtf[j])) || rtf[j] == '-'))
                ++j;
            if (j < rtf.size() && rtf[j] == ' ') ++j;
            if (!skipBelow) bytes += ' ';
            i = j - 1;
            continue;
        }
        if (c == '\r' || c == '\n') continue;
        if (!skipBelow) bytes += c;
    }
    return bytes;
}

class DataFileTest : public ::testing::TestWithParam<int> {
  protected:
    void SetUp() override {
        index = GetParam();
        name = std::string(kBaseFileNames[static_cast<std::size_t>(index)]);
        if (!std::filesystem::exists(kSource / name))
            GTEST_SKIP() << name << " is not in the data set yet";
        built = kBuilt / name;
        ASSERT_TRUE(std::filesystem::is_regular_file(built)) << built << " was not built";
        bytes = ReadBytes(built);
        text = DecodeDataFile(bytes);
    }

    int index = 0;
    std::string name;
    std::filesystem::path built;
    std::string bytes;
    std::string text;
};

TEST_P(DataFileTest, ConvertsAndIsNumberedAsTheReadersExpect) {
    const std::string source = ReadBytes(kSource / name);
    ASSERT_TRUE(IsValidUtf8(source));
    const auto encoded = Utf8ToCp1251(source);
    ASSERT_TRUE(encoded.has_value());
    EXPECT_TRUE(*encoded == bytes) << name << " differs from its source: build the data set";

    const Kind kind = KindOf(index);
    if (kind == Kind::kAbbr) {
        EXPECT_TRUE(text.starts_with("{\\rtf")) << name;
        EXPECT_EQ(std::count(text.begin(), text.end(), '{'),
                  std::count(text.begin(), text.end(), '}'));
        return;
    }
    const std::vector<std::string> headers = Headers(text);
    const int count = kind == Kind::kMonth ? MonthLength(index) : static_cast<int>(headers.size());
    ASSERT_FALSE(headers.empty()) << name;
    std::vector<std::string> expected;
    for (int n = 1; n <= count; ++n)
        expected.push_back(std::to_string(n));
    EXPECT_EQ(headers, expected) << name << ": sections must run 1, 2, 3, ... once each";

    const IniFile ini = IniFile::Load(built);
    for (int n = 1; n <= count; ++n) {
        const auto lines = ini.Section(n);
        if (kind != Kind::kMonth) continue;
        int commemorations = 0;
        for (const auto line : lines) {
            const std::string key = LowerUtf8(SplitKey(line).key);
            commemorations += key.size() == 1 && key[0] >= '0' && key[0] <= '3' ? 1 : 0;
        }
        EXPECT_GE(commemorations, MinimumCommemorations(name, n))
            << name << " [" << n << "] needs more commemorations";
        // One commemoration stands once on its day.
        std::set<std::string> seen;
        for (const auto line : lines) {
            const KeyValue kv = SplitKey(line);
            if (!IsTextKey(LowerUtf8(kv.key)) || kv.key == "4") continue;
            EXPECT_TRUE(seen.insert(PlainValue(kv.value)).second)
                << name << " [" << n << "] repeats " << line;
        }
    }
}

// The fast of every day is computed from the Church's rules, so no data file carries a
// sentence about food: it could only repeat the computation or contradict it.
TEST_P(DataFileTest, NoSentenceAboutTheFast) {
    const Kind kind = KindOf(index);
    if (kind == Kind::kAbbr) return;
    const IniFile ini = IniFile::Load(built);
    for (const std::string& section : Headers(text)) {
        for (const auto line : ini.Section(section)) {
            const KeyValue kv = SplitKey(line);
            if (kv.key != "4") continue;  // the notes; names such as Pasicrates are no food
            const std::string value = LowerUtf8(kv.value);
            for (const std::string_view word : kFoodWords) {
                EXPECT_EQ(value.find(word), std::string::npos)
                    << name << " [" << section << "] " << line;
            }
        }
    }
}

TEST_P(DataFileTest, SignsAndRtfInValuesAreSound) {
    const Kind kind = KindOf(index);
    if (kind == Kind::kAbbr) return;
    const IniFile ini = IniFile::Load(built);
    std::vector<std::string> problems;
    for (const std::string& section : Headers(text)) {
        for (const auto line : ini.Section(section)) {
            const KeyValue kv = SplitKey(line);
            const std::string key = LowerUtf8(kv.key);
            if (!IsTextKey(key)) continue;
            const std::string where = name + " [" + section + "] " + std::string(line);
            const std::string_view value = kv.value;
            const bool markerAllowed = kind != Kind::kTitle && key != "4";
            if (value.starts_with('{')) {
                const std::string_view marker = value.substr(0, 3);
                const bool valid = marker == "{1}" || marker == "{2}" || marker == "{3}" ||
                                   marker == "{5}" || marker == "{6}";
                if (!valid || !markerAllowed) problems.push_back(where + ": sign marker");
            }
            const std::string rtf =
                RtfProblem(value.starts_with('{') && markerAllowed ? value.substr(3) : value);
            if (!rtf.empty()) problems.push_back(where + ": " + rtf);
        }
    }
    EXPECT_TRUE(problems.empty()) << problems.size()
                                  << " problems, the first: " << problems.front();
}

TEST_P(DataFileTest, EveryAbbreviationIsListed) {
    const Kind kind = KindOf(index);
    if (kind == Kind::kAbbr) return;
    const std::filesystem::path abbrSource = kSource / "Abbr.DAT";
    if (!std::filesystem::exists(abbrSource)) GTEST_SKIP() << "Abbr.DAT is not in the data set yet";
    const std::string abbrText = DecodeDataFile(ReadBytes(kBuilt / "Abbr.DAT"));
    const std::string plain = Cp1251ToUtf8(Utf8ToCp1251Lossy(RtfPlainText(abbrText)));
    std::set<std::string> listed;
    for (auto& a : Abbreviations(plain, false))
        listed.insert(a);
    ASSERT_FALSE(listed.empty());

    const IniFile ini = IniFile::Load(built);
    std::set<std::string> missing;
    std::string example;
    for (const std::string& section : Headers(text)) {
        for (const auto line : ini.Section(section)) {
            const KeyValue kv = SplitKey(line);
            if (!IsTextKey(LowerUtf8(kv.key))) continue;
            for (const std::string& a : Abbreviations(PlainValue(kv.value), true)) {
                if (listed.contains(a) || missing.contains(a)) continue;
                missing.insert(a);
                if (example.empty()) example = "[" + section + "] " + std::string(line);
            }
        }
    }
    std::string list;
    for (const auto& m : missing)
        list += " " + m + ".";
    EXPECT_TRUE(missing.empty()) << name << ": not in Abbr.DAT:" << list << " (first in " << example
                                 << ")";
}

INSTANTIATE_TEST_SUITE_P(Calendar, DataFileTest, ::testing::Range(0, kBaseFileCount),
                         [](const ::testing::TestParamInfo<int>& info) {
                             std::string n(kBaseFileNames[static_cast<std::size_t>(info.param)]);
                             return n.substr(0, n.find('.'));
                         });

TEST(Dataset, SpecialTablesHaveTheirRuleNumbering) {
    if (!std::filesystem::exists(kSource / "Special.DAT") ||
        !std::filesystem::exists(kSource / "SpecWeekDays.DAT"))
        GTEST_SKIP() << "the special files are not in the data set yet";
    EXPECT_EQ(LoadSpecial(kBuilt / "Special.DAT").Count(), 65);
    EXPECT_EQ(LoadSpecWeekDays(kBuilt / "SpecWeekDays.DAT").Count(), 6);
}

// Sections 21 to 62 of Special.DAT hold only a note no report shows, yet keep the numbering, so
// that the sections after them still load.
TEST(Dataset, SpecialKeepsItsApostlesFastSectionsWithoutText) {
    if (!std::filesystem::exists(kSource / "Special.DAT")) GTEST_SKIP();
    const Table<SpecialEntry> special = LoadSpecial(kBuilt / "Special.DAT");
    ASSERT_EQ(special.Count(), 65);
    for (int k = 21; k <= 62; ++k) {
        const SpecialEntry& e = special[k];
        EXPECT_TRUE(e.Text0.empty() && e.Text11.empty() && e.Text19.empty() && e.Text21.empty() &&
                    e.Text29.empty() && e.Text31.empty() && e.Text39.empty() && e.Text4.empty())
            << k;
    }
    ASSERT_EQ(special[63].Text0.size(), 1u);
    EXPECT_NE(special[63].Text0.front().Value().find("шести Вселенских Соборов"), std::string::npos);
    ASSERT_EQ(special[64].Text0.size(), 1u);
    EXPECT_NE(special[64].Text0.front().Value().find("Седьмого Вселенского Собора"),
              std::string::npos);
    ASSERT_EQ(special[65].Text0.size(), 1u);
    EXPECT_NE(special[65].Text0.front().Value().find("Отдание праздника Благовещения"),
              std::string::npos);
}

}  // namespace
}  // namespace velorith

namespace velorith {
namespace {

// How full the year is: the average number of commemorations a day over a common year. It may
// grow; it must not fall back below what the data set has reached.
TEST(Dataset, TheYearIsFullOnAverage) {
    constexpr std::string_view kMonths[] = {
        "January.DAT", "February28.DAT", "March.DAT",     "April.DAT",
        "May.DAT",     "June.DAT",       "July.DAT",      "August.DAT",
        "September.DAT", "October.DAT",  "November.DAT",  "December.DAT"};
    constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    int days = 0, commemorations = 0;
    for (std::size_t m = 0; m < std::size(kMonths); ++m) {
        const std::filesystem::path file = kBuilt / kMonths[m];
        if (!std::filesystem::exists(kSource / kMonths[m])) GTEST_SKIP() << kMonths[m];
        const IniFile ini = IniFile::Load(file);
        for (int d = 1; d <= kDays[m]; ++d, ++days) {
            for (const auto line : ini.Section(d)) {
                const std::string key = LowerUtf8(SplitKey(line).key);
                commemorations += key.size() == 1 && key[0] >= '0' && key[0] <= '3' ? 1 : 0;
            }
        }
    }
    ASSERT_EQ(days, 365);
    const double average = static_cast<double>(commemorations) / days;
    RecordProperty("AverageCommemorations", std::to_string(average));
    std::cout << "commemorations a day on average: " << average << "\n";
    EXPECT_GE(average, 8.0);
}

}  // namespace
}  // namespace velorith
