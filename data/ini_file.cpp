#include "data/ini_file.h"

#include <algorithm>
#include <bit>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "data/file_bytes.h"
#include "data/text_encoding.h"

namespace velorith {
namespace {

char AsciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

int CompareNames(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto ca = static_cast<unsigned char>(AsciiLower(a[i]));
        const auto cb = static_cast<unsigned char>(AsciiLower(b[i]));
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

// Where the line from `from` ends: at its LF or CR (a lone CR ends a line too), or at the end of
// the text. Both are looked for in one pass, sixteen bytes at a time where it can.
std::size_t LineBreakAt(std::string_view text, std::size_t from) {
    std::size_t at = from;
#if defined(__SSE2__)
    const __m128i lf = _mm_set1_epi8('\n');
    const __m128i cr = _mm_set1_epi8('\r');
    for (; at + 16 <= text.size(); at += 16) {
        const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + at));
        const auto found = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(x, lf), _mm_cmpeq_epi8(x, cr))));
        if (found != 0) return at + static_cast<std::size_t>(std::countr_zero(found));
    }
#endif
    for (; at < text.size(); ++at)
        if (text[at] == '\n' || text[at] == '\r') return at;
    return text.size();
}

}  // namespace

// "0", or up to nine digits without a leading zero, so that each number has one name and "01"
// stays a name of its own.
std::uint32_t IniFile::NumberOf(std::string_view name) {
    if (name.empty() || name.size() > 9 || (name.size() > 1 && name[0] == '0')) return kNotANumber;
    std::uint32_t n = 0;
    for (const char c : name) {
        if (c < '0' || c > '9') return kNotANumber;
        n = n * 10 + static_cast<std::uint32_t>(c - '0');
    }
    return n;
}

std::string_view StripSpaces(std::string_view s) {
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

IniFile IniFile::FromText(std::string text) {
    IniFile ini;
    if (text.size() > UINT32_MAX) return ini;  // offsets are 32-bit; data files are far smaller
    if (text.find('\0') != std::string::npos) std::erase(text, '\0');
    ini.text_ = std::move(text);
    const std::string_view all(ini.text_);

    bool inSection = false;
    std::size_t pos = 0;
    while (pos < all.size()) {
        const std::size_t end = LineBreakAt(all, pos);
        const std::string_view line = all.substr(pos, end - pos);
        const std::size_t lineBegin = pos;
        pos = end;
        if (pos < all.size())
            pos += all[pos] == '\r' && pos + 1 < all.size() && all[pos + 1] == '\n' ? 2 : 1;

        std::size_t first = 0;
        while (first < line.size() && IsBlank(line[first]))
            ++first;
        if (first == line.size()) continue;  // empty or blank line
        if (line[first] == '[') {
            const std::size_t close = line.find(']', first + 1);
            if (close != std::string_view::npos) {
                const std::string_view raw = line.substr(first + 1, close - first - 1);
                const std::string_view name = StripSpaces(raw);
                const auto nameBegin =
                    static_cast<std::uint32_t>(lineBegin + first + 1 + (name.data() - raw.data()));
                ini.sections_.push_back({{nameBegin, static_cast<std::uint32_t>(name.size())},
                                         NumberOf(name),
                                         static_cast<std::uint32_t>(ini.lines_.size()),
                                         0});
                inSection = true;
                continue;
            }
        }
        if (!inSection) continue;  // text before the first header
        ini.lines_.push_back(
            {static_cast<std::uint32_t>(lineBegin), static_cast<std::uint32_t>(line.size())});
        ++ini.sections_.back().lineCount;
    }

    // One record per name: a stable sort keeps the first occurrence ahead of later ones. The
    // sections of a month file come in order already.
    const auto before = [&ini](const SectionRec& a, const SectionRec& b) {
        return ini.Before(a, b.number, ini.View(b.name));
    };
    if (!std::is_sorted(ini.sections_.begin(), ini.sections_.end(), before))
        std::stable_sort(ini.sections_.begin(), ini.sections_.end(), before);
    const auto last = std::unique(ini.sections_.begin(), ini.sections_.end(),
                                  [&before](const SectionRec& a, const SectionRec& b) {
                                      return !before(a, b) && !before(b, a);
                                  });
    ini.sections_.erase(last, ini.sections_.end());
    ini.sections_.shrink_to_fit();
    ini.lines_.shrink_to_fit();
    return ini;
}

IniFile IniFile::Load(const std::filesystem::path& file) {
    const auto bytes = ReadFileBytes(file, kMaxDataFileSize);
    if (!bytes) return {};
    return FromText(DecodeDataFile(*bytes));
}

bool IniFile::Before(const SectionRec& a, std::uint32_t number, std::string_view name) const {
    if (a.number != number) return a.number < number;
    return a.number == kNotANumber && CompareNames(View(a.name), name) < 0;
}

const IniFile::SectionRec* IniFile::Find(std::string_view name) const {
    name = StripSpaces(name);
    const std::uint32_t number = NumberOf(name);
    const auto it = std::lower_bound(
        sections_.begin(), sections_.end(), name,
        [this, number](const SectionRec& s, std::string_view n) { return Before(s, number, n); });
    if (it == sections_.end() || it->number != number ||
        (number == kNotANumber && CompareNames(View(it->name), name) != 0))
        return nullptr;
    return &*it;
}

std::vector<std::string_view> IniFile::LinesOf(const SectionRec* section) const {
    std::vector<std::string_view> out;
    if (!section) return out;
    out.reserve(section->lineCount);
    for (std::uint32_t i = 0; i < section->lineCount; ++i)
        out.push_back(View(lines_[section->firstLine + i]));
    return out;
}

std::vector<std::string_view> IniFile::Section(std::string_view name) const {
    return LinesOf(Find(name));
}

std::vector<std::string_view> IniFile::Section(int number) const {
    if (number < 0 || number > 999'999'999) return Section(std::to_string(number));
    const auto n = static_cast<std::uint32_t>(number);
    const auto it =
        std::lower_bound(sections_.begin(), sections_.end(), n,
                         [](const SectionRec& s, std::uint32_t key) { return s.number < key; });
    return LinesOf(it != sections_.end() && it->number == n ? &*it : nullptr);
}

}  // namespace velorith
