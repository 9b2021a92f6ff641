#include "shell/rtf_document.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <map>
#include <string>

#include "data/rtf_reader.h"

namespace velorith {

QString ResolveFontFamily(const QString& family) {
    if (!family.isEmpty() && QFontDatabase::hasFamily(family)) return family;
    // The Windows faces the reports and the window were designed with, and the free faces
    // with the same letter widths.
    struct Alternative {
        const char* face;
        const char* alternatives[3];
    };
    static constexpr Alternative kAlternatives[] = {
        {"Courier New", {"Liberation Mono", "Cousine", "DejaVu Sans Mono"}},
        {"Courier", {"Liberation Mono", "Cousine", "DejaVu Sans Mono"}},
        {"Arial", {"Liberation Sans", "Arimo", "Nimbus Sans"}},
        {"Times New Roman", {"Liberation Serif", "Tinos", "Nimbus Roman"}},
    };
    for (const Alternative& a : kAlternatives) {
        if (family.compare(QLatin1String(a.face), Qt::CaseInsensitive) != 0) continue;
        for (const char* alt : a.alternatives) {
            if (QFontDatabase::hasFamily(QLatin1String(alt))) return QLatin1String(alt);
        }
        if (std::string_view(a.face).starts_with("Courier")) {
            return QFontInfo(QFontDatabase::systemFont(QFontDatabase::FixedFont)).family();
        }
    }
    // The face the desktop's general font really resolves to, not an alias such as "Sans Serif".
    return QFontInfo(QFontDatabase::systemFont(QFontDatabase::GeneralFont)).family();
}

namespace {

// Looking a family up costs more than a report's runs are worth; a document has few fonts.
class FamilyCache {
  public:
    const QString& Resolve(const std::string& name) {
        auto it = families_.find(name);
        if (it == families_.end())
            it = families_.emplace(name, ResolveFontFamily(QString::fromStdString(name))).first;
        return it->second;
    }

  private:
    std::map<std::string, QString> families_;
};

QTextCharFormat FormatOf(const RtfRun& run, FamilyCache& families) {
    QTextCharFormat f;
    f.setFontFamilies({families.Resolve(run.fontName)});
    f.setFontPointSize(run.halfPoints / 2.0);
    f.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(run.italic);
    f.setFontUnderline(run.underline);
    if (!run.color.automatic)
        f.setForeground(QColor(run.color.red, run.color.green, run.color.blue));
    return f;
}

// Where a run must end so that its paragraph stays within kMaxParagraphBytes, given what the
// paragraph already holds: the whole run, or a cut at a character boundary.
std::size_t KeptBytes(const std::string& text, std::size_t used) {
    if (used + text.size() <= kMaxParagraphBytes) return text.size();
    std::size_t cut = used < kMaxParagraphBytes ? kMaxParagraphBytes - used : 0;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;  // not inside a UTF-8 sequence
    return cut;
}

}  // namespace

void FillDocument(QTextDocument& doc, const RtfContent& content) {
    doc.clear();
    doc.setUndoRedoEnabled(false);
    QTextCursor cursor(&doc);
    cursor.beginEditBlock();
    bool first = true;
    FamilyCache families;
    QTextCharFormat last;  // an empty paragraph keeps the height of the text before it
    for (const RtfParagraph& paragraph : content.paragraphs) {
        if (!first) cursor.insertBlock(QTextBlockFormat(), last);
        first = false;
        std::size_t used = 0;
        for (const RtfRun& run : paragraph.runs) {
            const std::size_t kept = KeptBytes(run.text, used);
            QString text = QString::fromUtf8(run.text.data(), static_cast<qsizetype>(kept));
            text.replace(QLatin1Char('\n'), QChar::LineSeparator);
            last = FormatOf(run, families);
            used += kept;
            if (kept < run.text.size()) {
                // Qt's layout of one long paragraph grows with the square of its length: a
                // data value of a megabyte would keep the window from appearing for minutes.
                cursor.insertText(text + QChar(0x2026), last);
                break;
            }
            cursor.insertText(text, last);
        }
    }
    cursor.endEditBlock();
}

void LoadRtf(QTextDocument& doc, std::string_view rtfBytes) {
    FillDocument(doc, ReadRtf(rtfBytes));
}

}  // namespace velorith
