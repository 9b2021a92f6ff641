// The two forms every report is rendered in from the same walk over the day model: the RTF
// document of the panes and of "save as", and the plain text of the command-line companion
// (UTF-8, one line per paragraph, LF line ends). A report is written once, as a template over
// its style; the style says what each part of the document is in its form.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "calendar/day_builder.h"
#include "data/signs.h"
#include "reports/document_sink.h"
#include "reports/rtf_writer.h"

namespace velorith {

struct RtfStyle {
    static constexpr std::string_view Eol = kEol;
    static constexpr std::string_view Indent = velorith::Indent;
    static constexpr std::string_view Red = kRed;
    static constexpr std::string_view Navy = kNavy;
    static constexpr std::string_view PieceEnd = kCrLf;
    static constexpr std::string_view Epilogue = kEpilogue;

    static std::string Prologue(const ReportSettings& settings, bool periodColour) {
        return velorith::Prologue(settings, periodColour);
    }
    // A fragment of the data's RTF, as the data holds it.
    static void AppendValue(std::string& out, std::string_view value, std::string_view) {
        out += value;
    }
    // Text typed by the user: escaped so that it can never open a group or start a control word.
    static void AppendTyped(std::string& out, std::string_view text) { out += RtfEscapeText(text); }
    // A line of the day's entries, with its sign column.
    static void AppendLine(std::string& out, Rank sign, bool note, std::string_view value,
                           std::string_view) {
        AppendLineRtf(out, sign, note, value);
    }
};

struct TextStyle {
    static constexpr std::string_view Eol = "\n";
    static constexpr std::string_view Indent = "    ";
    static constexpr std::string_view Red = "";
    static constexpr std::string_view Navy = "";
    static constexpr std::string_view PieceEnd = "";
    static constexpr std::string_view Epilogue = "\n";

    static std::string Prologue(const ReportSettings&, bool) { return {}; }
    static void AppendValue(std::string& out, std::string_view, std::string_view plain) {
        out += plain;
    }
    static void AppendTyped(std::string& out, std::string_view text) { out += text; }
    static void AppendLine(std::string& out, Rank sign, bool note, std::string_view,
                           std::string_view plain) {
        out += PlainLinePrefix(sign, note);
        out += plain;
        out += Eol;
    }
};

// Ends the line in `text` and rules it off with the dotted line.
template <typename S>
void AppendRuleIn(std::string& text) {
    text += S::Eol;
    text += DotLine;
    text += S::Eol;
}

// A document written in pieces, each followed by CR LF in the RTF form.
template <typename S>
class StyledDocument {
  public:
    // With a sink, the document is handed on in parts as it grows, and Take gives the rest.
    explicit StyledDocument(std::string_view prologue, const DocumentSink* sink = nullptr)
        : sink_(sink) {
        AddPiece(prologue);
    }
    void AddPiece(std::string_view piece) {
        text_ += piece;
        text_ += S::PieceEnd;
        HandOn();
    }
    // A piece given in parts, written without joining them first.
    void AddPiece(std::initializer_list<std::string_view> parts) {
        std::size_t size = S::PieceEnd.size();
        for (const std::string_view part : parts)
            size += part.size();
        text_.reserve(text_.size() + size);
        for (const std::string_view part : parts)
            text_ += part;
        text_ += S::PieceEnd;
        HandOn();
    }
    // Room for the whole document at once: a year's grows to hundreds of kilobytes, and growing
    // by doubling copies it and touches fresh pages at every step. Pages are touched only as
    // they are written, so a generous guess costs nothing. With a sink, room for one part and
    // the piece that crosses its end.
    void Reserve(std::size_t size) { text_.reserve(sink_ ? kDocumentPartSize * 2 : size); }
    std::string Take() && { return std::move(text_); }

  private:
    std::string text_;
    const DocumentSink* sink_ = nullptr;

    // Pieces end in ASCII as a rule; a part is cut only after an ASCII byte, so that it never
    // splits a character.
    void HandOn() {
        if (sink_ == nullptr || text_.size() < kDocumentPartSize ||
            static_cast<unsigned char>(text_.back()) >= 0x80)
            return;
        (*sink_)(text_);
        text_.clear();
    }
};

}  // namespace velorith
