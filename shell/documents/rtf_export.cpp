#include "shell/documents/rtf_export.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QStringList>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFragment>
#include <optional>
#include <string>

#include "data/text_encoding.h"
#include "dialogs/pane_hyphens.h"

namespace velorith {
namespace {

// What a run of text looks like, in the numbers RTF speaks.
struct Look {
    int font = 0;
    int halfPoints = 24;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    int color = 0;  // 0 is the reader's automatic colour

    bool operator==(const Look&) const = default;
};

void AppendNumber(QByteArray& out, long long value) {
    out += QByteArray::number(value);
}

// One UTF-16 unit as RTF text.
void AppendChar(QByteArray& out, QChar c) {
    const char16_t unit = c.unicode();
    switch (unit) {
        case u'\\':
            out += "\\\\";
            return;
        case u'{':
            out += "\\{";
            return;
        case u'}':
            out += "\\}";
            return;
        case u'\t':
            out += "\\tab ";
            return;
        case QChar::LineSeparator:
        case u'\n':
            out += "\\line ";
            return;
        case QChar::Nbsp:
            out += "\\~";
            return;
        case kPaneHyphen:
            out += '-';  // the pane's layout hyphen is the report's hyphen
            return;
        case QChar::ObjectReplacementCharacter:
        case QChar::SoftHyphen:
            return;  // pictures and invisible hyphens have no text to carry
        default:
            break;
    }
    if (unit < 0x20) return;  // other control characters are not text
    if (unit < 0x80) {
        out += static_cast<char>(unit);
        return;
    }
    if (!c.isSurrogate()) {
        const std::string utf8 = QString(c).toStdString();
        if (const auto cp = Utf8ToCp1251(utf8); cp && cp->size() == 1) {
            static constexpr char kHex[] = "0123456789abcdef";
            const auto byte = static_cast<unsigned char>((*cp)[0]);
            out += "\\'";
            out += kHex[byte >> 4];
            out += kHex[byte & 0x0f];
            return;
        }
    }
    // \u takes a signed 16-bit number; "?" is what a reader without Unicode shows (\uc1).
    out += "\\u";
    AppendNumber(out, unit > 0x7fff ? static_cast<int>(unit) - 0x10000 : static_cast<int>(unit));
    out += '?';
}

void AppendText(QByteArray& out, QStringView text) {
    for (const QChar c : text)
        AppendChar(out, c);
}

class RtfBuilder {
  public:
    explicit RtfBuilder(const QFont& defaultFont) : defaultFont_(defaultFont) {
        FontIndex(defaultFont.family());  // \deff0
    }

    void AddDocument(const QTextDocument& document) {
        bool first = true;
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
            if (!first) body_ += "\\par\r\n";
            first = false;
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment fragment = it.fragment();
                if (!fragment.isValid()) continue;
                SwitchTo(LookOf(fragment.charFormat()));
                AppendText(body_, fragment.text());
            }
        }
    }

    QByteArray Finish() const {
        QByteArray out = "{\\rtf1\\ansi\\ansicpg1251\\deff0\\deflang1049\\uc1{\\fonttbl";
        for (qsizetype i = 0; i < fonts_.size(); ++i) {
            out += "{\\f";
            AppendNumber(out, i);
            out += "\\fnil\\fcharset204 ";
            QString name = fonts_[i];
            name.remove(u';');  // the entry's terminator
            AppendText(out, name);
            out += ";}";
        }
        out += "}\r\n{\\colortbl ;";
        for (const QColor& color : colors_) {
            out += "\\red";
            AppendNumber(out, color.red());
            out += "\\green";
            AppendNumber(out, color.green());
            out += "\\blue";
            AppendNumber(out, color.blue());
            out += ';';
        }
        out += "}\r\n\\pard\\plain";
        out += body_;
        out += "\r\n}";
        return out;
    }

  private:
    int FontIndex(const QString& family) {
        qsizetype index = fonts_.indexOf(family);
        if (index < 0) {
            index = fonts_.size();
            fonts_.append(family);
        }
        return static_cast<int>(index);
    }

    int ColorIndex(const QBrush& brush) {
        if (brush.style() == Qt::NoBrush) return 0;
        const QColor color = brush.color().toRgb();
        for (qsizetype i = 0; i < colors_.size(); ++i) {
            if (colors_[i].rgb() == color.rgb()) return static_cast<int>(i) + 1;
        }
        colors_.append(color);
        return static_cast<int>(colors_.size());
    }

    Look LookOf(const QTextCharFormat& format) {
        // Properties the run does not set come from the pane's default font.
        const QFont font = format.font().resolve(defaultFont_);
        Look look;
        look.font = FontIndex(font.family());
        double points = font.pointSizeF();
        if (points <= 0 && font.pixelSize() > 0) points = font.pixelSize() * 0.75;
        look.halfPoints = points > 0 ? qRound(points * 2) : 24;
        look.bold = font.bold();
        look.italic = font.italic();
        look.underline = font.underline();
        look.color = ColorIndex(format.foreground());
        return look;
    }

    // Control words for what changes; the first run states everything.
    void SwitchTo(const Look& look) {
        if (current_ && *current_ == look) return;
        const Look before =
            current_.value_or(Look{-1, -1, !look.bold, !look.italic, !look.underline, -1});
        if (look.font != before.font) {
            body_ += "\\f";
            AppendNumber(body_, look.font);
        }
        if (look.halfPoints != before.halfPoints) {
            body_ += "\\fs";
            AppendNumber(body_, look.halfPoints);
        }
        if (look.bold != before.bold) body_ += look.bold ? "\\b" : "\\b0";
        if (look.italic != before.italic) body_ += look.italic ? "\\i" : "\\i0";
        if (look.underline != before.underline) body_ += look.underline ? "\\ul" : "\\ulnone";
        if (look.color != before.color) {
            body_ += "\\cf";
            AppendNumber(body_, look.color);
        }
        body_ += ' ';
        current_ = look;
    }

    QFont defaultFont_;
    QStringList fonts_;
    QList<QColor> colors_;
    QByteArray body_;
    std::optional<Look> current_;
};

}  // namespace

QByteArray DocumentToRtf(const QTextDocument& document) {
    RtfBuilder builder(document.defaultFont());
    builder.AddDocument(document);
    return builder.Finish();
}

QByteArray SelectionToRtf(const QTextCursor& cursor) {
    // The fragment is laid into a document of the pane's default font, so that runs which
    // take their look from the pane keep it.
    QTextDocument copy;
    if (const QTextDocument* source = cursor.document()) copy.setDefaultFont(source->defaultFont());
    if (cursor.hasSelection()) QTextCursor(&copy).insertFragment(cursor.selection());
    return DocumentToRtf(copy);
}

}  // namespace velorith
