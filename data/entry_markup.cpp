#include "data/entry_markup.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace velorith {
namespace {

// RTF limits a control word to 32 letters and its parameter to a 16- or 32-bit number.
constexpr std::size_t kMaxWordLetters = 32;
constexpr std::size_t kMaxParameterDigits = 10;

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsHex(char c) {
    return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

template <std::size_t N>
bool OneOf(const std::array<std::string_view, N>& words, std::string_view word) {
    return std::find(words.begin(), words.end(), word) != words.end();
}

// Words that send the text of their group somewhere other than the page: tables, document
// information, pictures, objects, headers, notes, bookmarks. Inside an entry they could only
// redefine the document's own tables or hide the lines that follow.
// clang-format off
constexpr std::array<std::string_view, 62> kDestinations = {
    "fonttbl", "colortbl", "stylesheet", "info", "pict", "object", "objdata", "objclass",
    "objname", "fldinst", "header", "headerl", "headerr", "headerf", "footer", "footerl",
    "footerr", "footerf", "footnote", "annotation", "atnid", "atnauthor", "atnref", "atndate",
    "title", "subject", "author", "operator", "keywords", "comment", "doccomm", "creatim",
    "revtim", "printim", "buptim", "listtable", "listoverridetable", "revtbl", "rsidtbl",
    "generator", "themedata", "colorschememapping", "datastore", "latentstyles", "xmlnstbl",
    "filetbl", "bkmkstart", "bkmkend", "shp", "shpinst", "shppict", "nonshppict", "txe", "tc",
    "xe", "rxe", "private", "template", "userprops", "docvar", "falt", "pntext"
};
// clang-format on

// Words of a document's header, or that take bytes after them as data: meaningless inside an
// entry, and "\bin" would swallow the rest of the document.
// clang-format off
constexpr std::array<std::string_view, 12> kDocumentWords = {
    "rtf", "ansi", "mac", "pc", "pca", "ansicpg", "deff", "adeff",
    "deflang", "bin", "upr", "deflangfe"
};
// clang-format on

// Words that an entry may leave at its top level without a group around it: breaks, special
// characters, colour switches. The toggles below are allowed when the entry turns them off again.
// clang-format off
constexpr std::array<std::string_view, 19> kTopLevelWords = {
    "par", "line", "tab", "u", "emdash", "endash", "bullet", "lquote",
    "rquote", "ldblquote", "rdblquote", "enspace", "emspace", "qmspace", "zwj", "zwnj",
    "ltrmark", "rtlmark", "cf"
};
// clang-format on

// A control word as it stands at text[pos] (the backslash): its letters, its parameter text,
// and where it ends (after its delimiting space).
struct ControlWord {
    std::string_view letters;
    std::string_view parameter;  // with its "-" when negative
    std::size_t end = 0;
    bool tooLong = false;  // longer than RTF allows
};

ControlWord ReadWord(std::string_view text, std::size_t pos) {
    ControlWord w;
    std::size_t i = pos + 1;
    const std::size_t n = text.size();
    while (i < n && IsLetter(text[i]))
        ++i;
    w.letters = text.substr(pos + 1, i - pos - 1);
    const std::size_t paramBegin = i;
    if (i + 1 < n && text[i] == '-' && IsDigit(text[i + 1])) ++i;
    while (i < n && IsDigit(text[i]))
        ++i;
    w.parameter = text.substr(paramBegin, i - paramBegin);
    if (i < n && text[i] == ' ') ++i;
    w.end = i;
    w.tooLong = w.letters.size() > kMaxWordLetters || w.parameter.size() > kMaxParameterDigits;
    return w;
}

// Whether the text ends with a "\uN" control word (its space included), not an escaped one.
bool EndsWithUnicodeWord(std::string_view text) {
    std::size_t i = text.size();
    if (i > 0 && text[i - 1] == ' ') --i;
    while (i > 0 && IsDigit(text[i - 1]))
        --i;
    if (i > 0 && text[i - 1] == '-') --i;
    if (i < 2 || text[i - 1] != 'u' || text[i - 2] != '\\') return false;
    std::size_t backslashes = 0;
    for (std::size_t k = i - 1; k > 0 && text[k - 1] == '\\'; --k)
        ++backslashes;
    return backslashes % 2 == 1;
}

// Just past the "}" that closes the group opening at text[pos], or the text's end.
std::size_t GroupEnd(std::string_view text, std::size_t pos) {
    std::size_t depth = 0;
    for (std::size_t i = pos; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\\') {
            ++i;  // an escaped brace is no brace
        } else if (c == '{') {
            ++depth;
        } else if (c == '}' && --depth == 0) {
            return i + 1;
        }
    }
    return text.size();
}

// Whether the group opening at text[pos] is a destination: "{\*" or "{\word" of the list.
bool OpensDestination(std::string_view text, std::size_t pos) {
    if (pos + 2 >= text.size() || text[pos + 1] != '\\') return false;
    if (text[pos + 2] == '*') return true;
    if (!IsLetter(text[pos + 2])) return false;
    return OneOf(kDestinations, ReadWord(text, pos + 1).letters);
}

// The formatting an entry's top level leaves behind.
struct TopLevel {
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool otherFont = false;
    bool other = false;  // a word that is neither allowed nor undone

    bool Leaks() const { return bold || italic || underline || otherFont || other; }
};

void NoteTopLevelWord(TopLevel& top, std::string_view word, std::string_view parameter) {
    const bool on = parameter != "0";
    if (word == "b") {
        top.bold = on;
    } else if (word == "i") {
        top.italic = on;
    } else if (word == "ul") {
        top.underline = on;
    } else if (word == "ulnone") {
        top.underline = false;
    } else if (word == "f") {
        top.otherFont = parameter != "0";
    } else if (!OneOf(kTopLevelWords, word)) {
        top.other = true;
    }
}

class Balancer {
  public:
    // With `write` false nothing is written: the run only finds whether the value would change.
    Balancer(std::string_view in, int maxDepth, bool write = true)
        : in_(in), maxDepth_(maxDepth), write_(write) {
        if (write_) out_.reserve(in.size() + 16);
    }

    // The balanced text; whether it needs a group around it; the deepest group reached.
    std::string Run() {
        const std::size_t n = in_.size();
        std::size_t i = 0;
        while (i < n) {
            const char c = in_[i];
            if (c == '{') {
                i = OpenGroup(i);
            } else if (c == '}') {
                CloseGroup();
                ++i;
            } else if (c == '\\') {
                i = Control(i);
            } else {
                // Plain text runs to the next markup character in one copy.
                std::size_t next = i + 1;
                while (next < n && in_[next] != '{' && in_[next] != '}' && in_[next] != '\\')
                    ++next;
                Keep(in_.substr(i, next - i));
                i = next;
            }
        }
        // "\uN" is followed by the character older readers show instead; without one, the
        // next line's first character would be skipped as that fallback.
        if (EndsWithUnicodeWord(write_ ? std::string_view(out_) : in_)) Emit("?");
        if (depth_ > 0) changed_ = true;
        if (write_) out_.append(static_cast<std::size_t>(depth_), '}');
        return std::move(out_);
    }

    bool NeedsWrap() const { return top_.Leaks(); }
    // Whether the value comes out other than it went in.
    bool Changed() const { return changed_ || NeedsWrap(); }
    int DeepestGroup() const { return deepest_; }

  private:
    std::size_t OpenGroup(std::size_t i) {
        if (shownAsText_ > 0 || depth_ >= maxDepth_) {
            Emit("\\{");
            ++shownAsText_;
            return i + 1;
        }
        if (OpensDestination(in_, i)) return Drop(GroupEnd(in_, i));
        Keep("{");
        ++depth_;
        deepest_ = std::max(deepest_, depth_);
        return i + 1;
    }

    void CloseGroup() {
        if (shownAsText_ > 0) {
            Emit("\\}");
            --shownAsText_;
        } else if (depth_ == 0) {
            Emit("\\}");  // closes nothing of the entry: shown as the brace it is
        } else {
            Keep("}");
            --depth_;
        }
    }

    // A backslash at in_[i]: a control word, a control symbol, or a lone backslash.
    std::size_t Control(std::size_t i) {
        const std::size_t n = in_.size();
        if (i + 1 >= n) {
            Emit("\\\\");
            return n;
        }
        const char d = in_[i + 1];
        if (IsLetter(d)) return Word(i);
        if (d == '\'') {
            if (i + 3 < n && IsHex(in_[i + 2]) && IsHex(in_[i + 3])) {
                Keep(in_.substr(i, 4));
                return i + 4;
            }
            Emit("\\\\");
            return i + 1;
        }
        if (d == '*') return Drop(i + 2);  // not at a group's start: it marks nothing
        const auto u = static_cast<unsigned char>(d);
        if (u >= 0x20 && u < 0x7F) {
            Keep(in_.substr(i, 2));  // \\ \{ \} \~ \- \_ and the other symbols
            return i + 2;
        }
        Emit("\\\\");  // before a control or non-ASCII byte: no symbol of RTF
        return i + 1;
    }

    std::size_t Word(std::size_t i) {
        const ControlWord w = ReadWord(in_, i);
        if (w.tooLong) {
            Emit("\\\\");
            return i + 1;
        }
        if (OneOf(kDestinations, w.letters) || OneOf(kDocumentWords, w.letters)) {
            return Drop(w.end);
        }
        Keep(in_.substr(i, w.end - i));
        bareWord_ = in_[w.end - 1] != ' ';
        if (depth_ == 0 && shownAsText_ == 0) NoteTopLevelWord(top_, w.letters, w.parameter);
        return w.end;
    }

    // Writes what the value holds at that place, unchanged.
    void Keep(std::string_view text) {
        if (write_) out_.append(text);
        bareWord_ = false;
    }
    // Writes something in the value's place.
    void Emit(std::string_view text) {
        Keep(text);
        changed_ = true;
    }

    // Leaves out what ends at `end`. A control word written just before it without its
    // delimiting space gets one, so that it cannot run into the letters or digits after.
    std::size_t Drop(std::size_t end) {
        if (bareWord_) Emit(" ");
        changed_ = true;
        return end;
    }

    std::string_view in_;
    int maxDepth_;
    bool write_;
    bool changed_ = false;
    std::string out_;
    int depth_ = 0;
    int deepest_ = 0;
    std::size_t shownAsText_ = 0;  // "{" past the depth limit, written as text
    bool bareWord_ = false;        // the last thing written is a control word without its space
    TopLevel top_;
};

}  // namespace

bool HasMarkup(std::string_view value) {
    // Nearly every value is plain text: a scan for the three characters that make markup.
    const auto has = [value](char c) {
        return std::memchr(value.data(), c, value.size()) != nullptr;
    };
    return has('\\') || has('{') || has('}');
}

std::string BalanceMarkup(std::string_view value) {
    if (!HasMarkup(value)) return std::string(value);
    Balancer first(value, kMaxMarkupDepth);
    std::string out = first.Run();
    if (!first.NeedsWrap()) return out;
    // The group around it counts against the depth: a value that used all of it is balanced
    // again one level shallower, so that balancing the result changes nothing.
    if (first.DeepestGroup() >= kMaxMarkupDepth) {
        Balancer again(value, kMaxMarkupDepth - 1);
        out = again.Run();
    }
    std::string wrapped;
    wrapped.reserve(out.size() + 2);
    wrapped += '{';
    wrapped += out;
    wrapped += '}';
    return wrapped;
}

void BalanceMarkupInPlace(std::string& value) {
    if (!HasMarkup(value)) return;
    Balancer check(value, kMaxMarkupDepth, false);
    check.Run();
    if (check.Changed()) value = BalanceMarkup(std::string_view(value));
}

CheckedDocument CheckRtfDocument(std::string_view bytes) {
    CheckedDocument checked;
    if (!bytes.starts_with("{\\rtf")) {
        checked.problem = bytes.empty() ? "the file is empty" : "not an RTF document";
        return checked;
    }
    const std::size_t n = bytes.size();
    std::size_t depth = 0;
    std::size_t i = 0;
    for (; i < n; ++i) {
        const char c = bytes[i];
        if (c == '{') {
            ++depth;
        } else if (c == '}') {
            if (--depth == 0) break;
        } else if (c == '\\' && i + 1 < n) {
            if (!IsLetter(bytes[i + 1])) {
                ++i;  // an escaped character is no brace
                continue;
            }
            const ControlWord w = ReadWord(bytes, i);
            if (w.letters == "bin" && !w.parameter.empty() && w.parameter.front() != '-') {
                // Binary data: its bytes are not markup.
                std::size_t skip = 0;
                for (const char digit : w.parameter)
                    skip =
                        std::min<std::size_t>(skip * 10 + static_cast<std::size_t>(digit - '0'), n);
                i = std::min(n, w.end + skip) - 1;
            } else {
                i = w.end - 1;
            }
        }
    }
    if (i >= n) {
        checked.text.reserve(n + depth);
        checked.text.assign(bytes);
        checked.text.append(depth, '}');
        checked.problem = "the document ends with " + std::to_string(depth) + " group" +
                          (depth == 1 ? "" : "s") + " not closed";
        return checked;
    }
    const std::size_t end = i + 1;
    const std::string_view rest = bytes.substr(end);
    checked.text.assign(bytes.substr(0, end));
    if (rest.find_first_not_of(std::string_view(" \t\r\n\0\x1a", 6)) != std::string_view::npos) {
        checked.problem = "its outer group closes at byte " + std::to_string(end) + " of " +
                          std::to_string(n) + "; what follows is not shown";
    } else {
        checked.text.append(rest);  // line ends after the closing brace belong to the file
    }
    return checked;
}

}  // namespace velorith
