#include "data/rtf_reader.h"

#include <algorithm>
#include <cstddef>
#include <map>
#include <optional>
#include <string_view>

#include "data/text_encoding.h"

namespace velorith {

namespace {

// Deeper groups are skipped whole: no report comes near this, and it bounds the state stack.
constexpr std::size_t kMaxDepth = 200;
constexpr std::size_t kMaxWordLength = 32;
constexpr int kMaxUnicodeSkip = 16;

enum class Dest { Text, Skip, FontTable, ColorTable };

struct CharState {
    int font = 0;
    int halfPoints = 24;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool hidden = false;
    int colorIndex = 0;
    int unicodeSkip = 1;
    Dest dest = Dest::Text;
};

bool IsLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Destinations whose content is never text.
bool IsSkippedDestination(std::string_view word) {
    static constexpr std::string_view kSkipped[] = {
        "author",       "buptim",    "colorschememapping",
        "comment",      "creatim",   "datastore",
        "doccomm",      "falt",      "fldinst",
        "footer",       "footerf",   "footerl",
        "footerr",      "footnote",  "generator",
        "header",       "headerf",   "headerl",
        "headerr",      "info",      "keywords",
        "latentstyles", "listtable", "listoverridetable",
        "object",       "operator",  "pict",
        "printim",      "revtim",    "rsidtbl",
        "stylesheet",   "subject",   "themedata",
        "title",
    };
    return std::find(std::begin(kSkipped), std::end(kSkipped), word) != std::end(kSkipped);
}

class Reader {
  public:
    explicit Reader(std::string_view input) : in_(input) {
        bool hasHigh = std::any_of(in_.begin(), in_.end(),
                                   [](char c) { return static_cast<unsigned char>(c) >= 0x80; });
        rawIsUtf8_ = hasHigh && IsValidUtf8(in_);
    }

    RtfContent Run() {
        while (pos_ < in_.size())
            Step();
        EndFontEntry();
        if (!paragraph_.runs.empty()) doc_.paragraphs.push_back(std::move(paragraph_));
        return std::move(doc_);
    }

  private:
    void Step() {
        char c = in_[pos_];
        if (skipGroups_ > 0) {
            SkipInDeepGroup();
            return;
        }
        switch (c) {
            case '{':
                ++pos_;
                OpenGroup();
                return;
            case '}':
                ++pos_;
                CloseGroup();
                return;
            case '\\':
                ControlWord();
                return;
            case '\r':
            case '\n':
            case '\0':
                ++pos_;
                return;
            default:
                ++pos_;
                groupStart_ = false;
                if (static_cast<unsigned char>(c) >= 0x80 && rawIsUtf8_) {
                    RawUtf8(c);
                } else {
                    Byte(static_cast<unsigned char>(c));
                }
                return;
        }
    }

    void OpenGroup() {
        pendingSkip_ = 0;
        if (stack_.size() >= kMaxDepth) {
            skipGroups_ = 1;
            return;
        }
        stack_.push_back(state_);
        groupStart_ = true;
    }

    void CloseGroup() {
        pendingSkip_ = 0;
        groupStart_ = false;
        if (stack_.empty()) return;  // a stray brace
        Dest leaving = state_.dest;
        state_ = stack_.back();
        stack_.pop_back();
        if (leaving == Dest::FontTable) EndFontEntry();
    }

    // Inside a group nested too deeply: count braces, ignore everything else.
    void SkipInDeepGroup() {
        char c = in_[pos_++];
        if (c == '\\') {
            if (pos_ < in_.size()) ++pos_;  // an escaped brace is not a brace
        } else if (c == '{') {
            if (skipGroups_ < in_.size()) ++skipGroups_;
        } else if (c == '}') {
            --skipGroups_;
        }
    }

    void ControlWord() {
        ++pos_;  // the backslash
        if (pos_ >= in_.size()) return;
        char c = in_[pos_];
        bool atGroupStart = groupStart_;
        groupStart_ = false;
        if (!IsLetter(c)) {
            ++pos_;
            ControlSymbol(c, atGroupStart);
            return;
        }
        std::size_t start = pos_;
        while (pos_ < in_.size() && IsLetter(in_[pos_]))
            ++pos_;
        std::string_view word = in_.substr(start, std::min(pos_ - start, kMaxWordLength));
        std::optional<int> param;
        bool negative = false;
        if (pos_ < in_.size() && in_[pos_] == '-' && pos_ + 1 < in_.size() &&
            IsDigit(in_[pos_ + 1])) {
            negative = true;
            ++pos_;
        }
        if (pos_ < in_.size() && IsDigit(in_[pos_])) {
            long long value = 0;
            while (pos_ < in_.size() && IsDigit(in_[pos_])) {
                if (value < 100000000) value = value * 10 + (in_[pos_] - '0');
                ++pos_;
            }
            param = static_cast<int>(negative ? -value : value);
        }
        if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;
        Word(word, param);
    }

    void ControlSymbol(char c, bool atGroupStart) {
        switch (c) {
            case '\'': {
                int hi = pos_ < in_.size() ? HexValue(in_[pos_]) : -1;
                int lo = pos_ + 1 < in_.size() ? HexValue(in_[pos_ + 1]) : -1;
                if (hi < 0 || lo < 0) {
                    if (hi >= 0) ++pos_;  // a truncated escape: drop its lone digit
                    return;
                }
                pos_ += 2;
                Byte(static_cast<unsigned char>(hi * 16 + lo));
                return;
            }
            case '*':
                // Only at the start of a group does \* mark an optional destination; we know
                // none of them, so the group goes.
                if (atGroupStart) state_.dest = Dest::Skip;
                return;
            case '\\':
            case '{':
            case '}':
                Byte(static_cast<unsigned char>(c));
                return;
            case '~':
                Char(U'\u00A0');
                return;
            case '_':
                Char(U'\u2011');
                return;
            case '\r':
            case '\n':
                Paragraph();
                return;
            case '\t':
                Char(U'\t');
                return;
            default:
                return;  // \- (optional hyphen), \| and others show nothing
        }
    }

    void Word(std::string_view w, std::optional<int> param) {
        int n = param.value_or(1);
        bool on = !param || *param != 0;
        if (w == "par" || w == "page" || w == "sect") {
            Paragraph();
        } else if (w == "line") {
            Char(U'\n');
        } else if (w == "tab") {
            Char(U'\t');
        } else if (w == "u") {
            Unicode(param.value_or(0));
        } else if (w == "uc") {
            state_.unicodeSkip = std::clamp(param.value_or(1), 0, kMaxUnicodeSkip);
        } else if (w == "f") {
            if (state_.dest == Dest::FontTable) {
                EndFontEntry();
                fontNumber_ = param.value_or(0);
                inFontEntry_ = true;
            } else {
                state_.font = param.value_or(0);
            }
        } else if (w == "fs") {
            state_.halfPoints = std::clamp(param.value_or(24), 1, 3276);
        } else if (w == "b") {
            state_.bold = on;
        } else if (w == "i") {
            state_.italic = on;
        } else if (w == "ul") {
            state_.underline = on;
        } else if (w == "ulnone") {
            state_.underline = false;
        } else if (w == "v") {
            state_.hidden = on;
        } else if (w == "cf") {
            state_.colorIndex = std::max(0, param.value_or(0));
        } else if (w == "plain") {
            int skip = state_.unicodeSkip;
            Dest dest = state_.dest;
            state_ = CharState{};
            state_.font = doc_.defaultFont;
            state_.unicodeSkip = skip;
            state_.dest = dest;
        } else if (w == "pard") {
            // Paragraph formatting is not kept, so there is nothing to reset.
        } else if (w == "deff") {
            doc_.defaultFont = param.value_or(0);
            state_.font = doc_.defaultFont;
        } else if (w == "fonttbl") {
            state_.dest = Dest::FontTable;
        } else if (w == "colortbl") {
            state_.dest = Dest::ColorTable;
            colorOpen_ = RtfColor{};
        } else if (w == "red" || w == "green" || w == "blue") {
            if (state_.dest == Dest::ColorTable) {
                auto v = static_cast<std::uint8_t>(std::clamp(n, 0, 255));
                (w == "red"     ? colorOpen_.red
                 : w == "green" ? colorOpen_.green
                                : colorOpen_.blue) = v;
                colorOpen_.automatic = false;
            }
        } else if (w == "bin") {
            std::size_t skip = static_cast<std::size_t>(std::max(0, param.value_or(0)));
            pos_ += std::min(skip, in_.size() - pos_);
        } else if (w == "emdash") {
            Char(U'\u2014');
        } else if (w == "endash") {
            Char(U'\u2013');
        } else if (w == "bullet") {
            Char(U'\u2022');
        } else if (w == "lquote") {
            Char(U'\u2018');
        } else if (w == "rquote") {
            Char(U'\u2019');
        } else if (w == "ldblquote") {
            Char(U'\u201C');
        } else if (w == "rdblquote") {
            Char(U'\u201D');
        } else if (IsSkippedDestination(w)) {
            state_.dest = Dest::Skip;
        } else {
            // An unknown word: shows nothing, but counts as one fallback character after \u.
            ConsumeFallback();
        }
    }

    // After \uN the next unicodeSkip characters are a fallback for older readers.
    bool ConsumeFallback() {
        if (pendingSkip_ <= 0) return false;
        --pendingSkip_;
        return true;
    }

    void Unicode(int value) {
        // RTF writes code units above 32767 as negatives; a value outside a 16-bit unit means
        // nothing, and the word is ignored (its fallback, if any, then shows).
        if (value < -32768 || value > 65535) return;
        char32_t c = static_cast<char32_t>(value < 0 ? value + 65536 : value);
        pendingSkip_ = 0;
        if (c >= 0xD800 && c <= 0xDBFF) {
            FlushSurrogate();
            highSurrogate_ = c;
        } else if (c >= 0xDC00 && c <= 0xDFFF && highSurrogate_ != 0) {
            char32_t full = 0x10000 + ((highSurrogate_ - 0xD800) << 10) + (c - 0xDC00);
            highSurrogate_ = 0;
            Char(full);
        } else {
            Char(c);
        }
        pendingSkip_ = state_.unicodeSkip;
    }

    // A high surrogate not followed by its low half stands for nothing readable.
    void FlushSurrogate() {
        if (highSurrogate_ == 0) return;
        highSurrogate_ = 0;
        Char(0xFFFD);
    }

    // One byte of text in the document's code page (or an escaped ASCII symbol).
    void Byte(unsigned char b) {
        if (ConsumeFallback()) return;
        if (b < 0x80) {
            Char(b);
            return;
        }
        std::string utf8 = Cp1251ToUtf8(std::string_view(reinterpret_cast<const char*>(&b), 1));
        Text(utf8);
    }

    // A raw non-ASCII byte of a UTF-8 input: the whole sequence is one character.
    void RawUtf8(char lead) {
        auto u = static_cast<unsigned char>(lead);
        std::size_t extra = u >= 0xF0 ? 3 : u >= 0xE0 ? 2 : 1;
        extra = std::min(extra, in_.size() - pos_);
        std::string utf8(1, lead);
        utf8.append(in_.substr(pos_, extra));
        pos_ += extra;
        if (ConsumeFallback()) return;
        Text(utf8);
    }

    void Char(char32_t c) {
        std::string utf8;
        AppendUtf8(utf8, c);
        Text(utf8);
    }

    void Text(const std::string& utf8) {
        FlushSurrogate();
        switch (state_.dest) {
            case Dest::Skip:
                return;
            case Dest::ColorTable:
                if (utf8 == ";") {
                    doc_.colors.push_back(colorOpen_);
                    colorOpen_ = RtfColor{};
                }
                return;
            case Dest::FontTable:
                if (utf8 == ";") {
                    EndFontEntry();
                } else if (inFontEntry_ && fontName_.size() < 256) {
                    fontName_ += utf8;
                }
                return;
            case Dest::Text:
                break;
        }
        if (utf8.empty()) return;
        // Most text continues the run before it; only a change of formatting needs a new look.
        if (!paragraph_.runs.empty() && SameFormatting(runState_, state_)) {
            paragraph_.runs.back().text += utf8;
            return;
        }
        runState_ = state_;
        RtfRun look = CurrentLook();
        if (!paragraph_.runs.empty() && paragraph_.runs.back().SameLook(look)) {
            paragraph_.runs.back().text += utf8;
        } else {
            look.text = utf8;
            paragraph_.runs.push_back(std::move(look));
        }
    }

    static bool SameFormatting(const CharState& a, const CharState& b) {
        return a.font == b.font && a.halfPoints == b.halfPoints && a.bold == b.bold &&
               a.italic == b.italic && a.underline == b.underline && a.colorIndex == b.colorIndex &&
               a.hidden == b.hidden;
    }

    RtfRun CurrentLook() const {
        RtfRun run;
        run.font = state_.font;
        auto slot = fontSlots_.find(state_.font);
        if (slot != fontSlots_.end()) run.fontName = doc_.fonts[slot->second].name;
        run.halfPoints = state_.halfPoints;
        run.bold = state_.bold;
        run.italic = state_.italic;
        run.underline = state_.underline;
        run.hidden = state_.hidden;
        run.colorIndex = state_.colorIndex;
        if (state_.colorIndex > 0 &&
            static_cast<std::size_t>(state_.colorIndex) < doc_.colors.size()) {
            run.color = doc_.colors[static_cast<std::size_t>(state_.colorIndex)];
        }
        return run;
    }

    void Paragraph() {
        pendingSkip_ = 0;
        FlushSurrogate();
        if (state_.dest != Dest::Text) return;
        doc_.paragraphs.push_back(std::move(paragraph_));
        paragraph_ = RtfParagraph{};
    }

    void EndFontEntry() {
        if (!inFontEntry_) return;
        inFontEntry_ = false;
        std::size_t a = fontName_.find_first_not_of(' ');
        std::size_t b = fontName_.find_last_not_of(' ');
        std::string name = a == std::string::npos ? std::string() : fontName_.substr(a, b - a + 1);
        fontName_.clear();
        auto slot = fontSlots_.find(fontNumber_);
        if (slot != fontSlots_.end()) {
            doc_.fonts[slot->second].name = std::move(name);
        } else if (doc_.fonts.size() < 4096) {
            fontSlots_.emplace(fontNumber_, doc_.fonts.size());
            doc_.fonts.push_back(RtfFont{fontNumber_, std::move(name)});
        }
    }

    std::string_view in_;
    std::size_t pos_ = 0;
    bool rawIsUtf8_ = false;
    RtfContent doc_;
    RtfParagraph paragraph_;
    CharState state_;
    CharState runState_;  // the formatting of the paragraph's last run
    std::vector<CharState> stack_;
    std::map<int, std::size_t> fontSlots_;  // \fN -> index in doc_.fonts
    std::size_t skipGroups_ = 0;
    bool groupStart_ = false;
    int pendingSkip_ = 0;
    char32_t highSurrogate_ = 0;
    RtfColor colorOpen_;
    bool inFontEntry_ = false;
    int fontNumber_ = 0;
    std::string fontName_;
};

}  // namespace

bool RtfRun::SameLook(const RtfRun& o) const {
    return font == o.font && fontName == o.fontName && halfPoints == o.halfPoints &&
           bold == o.bold && italic == o.italic && underline == o.underline && hidden == o.hidden &&
           colorIndex == o.colorIndex && color == o.color;
}

std::string RtfParagraph::Text() const {
    std::string text;
    for (const RtfRun& run : runs)
        text += run.text;
    return text;
}

const RtfFont* RtfContent::FindFont(int number) const {
    for (const RtfFont& f : fonts) {
        if (f.number == number) return &f;
    }
    return nullptr;
}

std::string RtfContent::PlainText() const {
    std::string text;
    for (std::size_t i = 0; i < paragraphs.size(); ++i) {
        if (i > 0) text += '\n';
        text += paragraphs[i].Text();
    }
    return text;
}

RtfContent ReadRtf(std::string_view bytes) {
    return Reader(bytes).Run();
}

std::string RtfToPlainText(std::string_view bytes) {
    return ReadRtf(bytes).PlainText();
}

}  // namespace velorith
