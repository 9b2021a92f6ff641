// A data file parsed once into its sections, kept compactly: the decoded text and the offsets
// of its lines. Memory stays proportional to the file's size whatever the file holds.
//
// File rules:
// - the text is decoded by DecodeDataFile (Windows-1251, or UTF-8 when the file is such);
// - lines end with CR LF, LF or CR; the last line needs no line end;
// - NUL bytes are dropped (they would end a line in the section text the readers take apart);
// - a header is a line whose first character other than a space or tab is "[" and that holds a "]"
//   after it; its name is the text between them, spaces stripped, compared ignoring ASCII case;
// - lines before the first header, and lines of nothing but blanks, belong to no section;
// - when a section name occurs twice, the first occurrence wins and the later one is ignored
//   whole, as the Windows profile reader does;
// - a missing or unreadable file, or one larger than kMaxDataFileSize, reads as empty.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace velorith {

inline constexpr std::uintmax_t kMaxDataFileSize = 64u * 1024u * 1024u;

// `s` without the space characters at either end (only the space: a tab stays part of a
// section name, key or value). Shared by the section and key readers.
std::string_view StripSpaces(std::string_view s);

class IniFile {
  public:
    IniFile() = default;

    // Parses text that is already UTF-8.
    static IniFile FromText(std::string text);
    // Reads and decodes a data file; empty when it cannot be read.
    static IniFile Load(const std::filesystem::path& file);

    // The lines of a section in file order (empty lines left out); empty when there is no such
    // section. The views point into this object.
    std::vector<std::string_view> Section(std::string_view name) const;
    std::vector<std::string_view> Section(int number) const;
    std::size_t SectionCount() const { return sections_.size(); }

  private:
    struct Span {
        std::uint32_t begin = 0;
        std::uint32_t size = 0;
    };
    // A name written as a number ("1".."31" in a month file: digits, no leading zero) is also
    // kept as that number, so that a numbered section is found without reading names.
    static constexpr std::uint32_t kNotANumber = UINT32_MAX;
    static std::uint32_t NumberOf(std::string_view name);
    struct SectionRec {
        Span name;
        std::uint32_t number = kNotANumber;
        std::uint32_t firstLine = 0;
        std::uint32_t lineCount = 0;
    };

    std::string_view View(Span span) const {
        return std::string_view(text_).substr(span.begin, span.size);
    }
    // The order of sections_: numbered names by their numbers, then the others by name.
    bool Before(const SectionRec& a, std::uint32_t number, std::string_view name) const;
    const SectionRec* Find(std::string_view name) const;
    std::vector<std::string_view> LinesOf(const SectionRec* section) const;

    std::string text_;
    std::vector<Span> lines_;
    std::vector<SectionRec> sections_;  // in the order of Before, one per name
};

}  // namespace velorith
