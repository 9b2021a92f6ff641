#include "shell/rtf_document.h"

#include <QFontDatabase>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include "reports/rtf_reader.h"

namespace velorith {

QString ResolveFontFamily(const QString& family) {
    if (!family.isEmpty() && QFontDatabase::hasFamily(family)) return family;
    if (family.compare(QLatin1String("Courier New"), Qt::CaseInsensitive) == 0 ||
        family.compare(QLatin1String("Courier"), Qt::CaseInsensitive) == 0) {
        for (const char* alt : {"Liberation Mono", "Cousine", "DejaVu Sans Mono"}) {
            if (QFontDatabase::hasFamily(QLatin1String(alt))) return QLatin1String(alt);
        }
        return QFontDatabase::systemFont(QFontDatabase::FixedFont).family();
    }
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

namespace {

QTextCharFormat FormatOf(const RtfRun& run) {
    QTextCharFormat f;
    f.setFontFamilies({ResolveFontFamily(QString::fromStdString(run.fontName))});
    f.setFontPointSize(run.halfPoints / 2.0);
    f.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(run.italic);
    f.setFontUnderline(run.underline);
    if (!run.color.automatic)
        f.setForeground(QColor(run.color.red, run.color.green, run.color.blue));
    return f;
}

}  // namespace

void FillDocument(QTextDocument& doc, const RtfContent& content) {
    doc.clear();
    doc.setUndoRedoEnabled(false);
    QTextCursor cursor(&doc);
    cursor.beginEditBlock();
    bool first = true;
    QTextCharFormat last;  // an empty paragraph keeps the height of the text before it
    for (const RtfParagraph& paragraph : content.paragraphs) {
        if (!first) cursor.insertBlock(QTextBlockFormat(), last);
        first = false;
        for (const RtfRun& run : paragraph.runs) {
            QString text = QString::fromStdString(run.text);
            text.replace(QLatin1Char('\n'), QChar::LineSeparator);
            last = FormatOf(run);
            cursor.insertText(text, last);
        }
    }
    cursor.endEditBlock();
}

void LoadRtf(QTextDocument& doc, std::string_view rtfBytes) {
    FillDocument(doc, ReadRtf(rtfBytes));
}

}  // namespace velorith
