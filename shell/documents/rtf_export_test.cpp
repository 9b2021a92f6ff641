#include <QFont>
#include <QTest>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <string>

#include "data/rtf_reader.h"
#include "shell/documents/documents_tests.h"
#include "shell/documents/rtf_export.h"

namespace velorith::tests {
namespace {

QTextCharFormat Format(const QColor& color, bool bold = false, bool italic = false,
                       bool underline = false, double points = 0) {
    QTextCharFormat format;
    format.setForeground(color);
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(italic);
    format.setFontUnderline(underline);
    if (points > 0) format.setFontPointSize(points);
    return format;
}

// Three paragraphs: a red bold heading in the pane's font, a navy line with characters RTF must
// escape, with and without a Windows-1251 code, and a line in another font and size.
void FillReport(QTextDocument& document) {
    document.setDefaultFont(QFont(QStringLiteral("DejaVu Sans"), 10));
    QTextCursor cursor(&document);
    cursor.insertText(QStringLiteral("Рождество Христово"), Format(Qt::red, true));
    cursor.insertBlock();
    cursor.insertText(QStringLiteral("№ 7 {a\\b} "), Format(QColor(0, 0, 128)));
    cursor.insertText(QStringLiteral("≠ ǅ"), Format(QColor(0, 0, 128), false, true, true));
    cursor.insertBlock();
    QTextCharFormat courier = Format(QColor(0, 0, 128), false, false, false, 14);
    courier.setFontFamilies({QStringLiteral("DejaVu Sans Mono")});
    cursor.insertText(QStringLiteral("\tЁлка\u00A0ё"), courier);
}

QString Utf8(const std::string& text) {
    return QString::fromStdString(text);
}

class RtfExportTest : public QObject {
    Q_OBJECT

  private slots:
    void wholeDocumentReadsBackWithItsTextAndLook() {
        QTextDocument document;
        FillReport(document);
        const QByteArray rtf = DocumentToRtf(document);
        for (const char c : rtf)
            QVERIFY2(static_cast<unsigned char>(c) < 0x80, rtf.constData());

        const RtfContent read = ReadRtf(rtf.toStdString());
        QCOMPARE(read.paragraphs.size(), std::size_t{3});
        int index = 0;
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next(), ++index)
            QCOMPARE(Utf8(read.paragraphs[index].Text()), block.text());

        const RtfRun& heading = read.paragraphs[0].runs.at(0);
        QVERIFY(heading.bold);
        QVERIFY(!heading.italic);
        QCOMPARE(heading.color, (RtfColor{255, 0, 0, false}));
        QCOMPARE(heading.halfPoints, 20);  // the pane's 10 points
        QCOMPARE(Utf8(heading.fontName), QStringLiteral("DejaVu Sans"));

        const auto& line = read.paragraphs[1].runs;
        QCOMPARE(line.size(), std::size_t{2});
        QVERIFY(!line[0].bold);
        QVERIFY(!line[0].underline);
        QCOMPARE(line[0].color, (RtfColor{0, 0, 128, false}));
        QVERIFY(line[1].italic);
        QVERIFY(line[1].underline);
        QCOMPARE(line[1].color, line[0].color);

        const RtfRun& mono = read.paragraphs[2].runs.at(0);
        QCOMPARE(mono.halfPoints, 28);
        QCOMPARE(Utf8(mono.fontName), QStringLiteral("DejaVu Sans Mono"));
    }

    void codePageLettersAreHexEscapesAndOthersUnicode() {
        QTextDocument document;
        FillReport(document);
        const QByteArray rtf = DocumentToRtf(document);
        QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1251"));
        QVERIFY(rtf.endsWith('}'));
        QVERIFY(rtf.contains("\\'d0\\'ee\\'e6"));  // "Рож"
        QVERIFY(rtf.contains("\\'b9"));            // "№"
        QVERIFY(rtf.contains("\\u8800?"));         // "≠" has no Windows-1251 code
        QVERIFY(rtf.contains("\\{a\\\\b\\}"));
        QVERIFY(rtf.contains("\\tab "));
    }

    void selectionKeepsOnlyTheSelectedTextWithItsLook() {
        QTextDocument document;
        FillReport(document);
        QTextCursor cursor(&document);
        cursor.setPosition(10);  // "Христово"
        cursor.setPosition(document.findBlockByNumber(1).position() + 3, QTextCursor::KeepAnchor);

        const RtfContent read = ReadRtf(SelectionToRtf(cursor).toStdString());
        QCOMPARE(read.paragraphs.size(), std::size_t{2});
        QCOMPARE(Utf8(read.paragraphs[0].Text()), QStringLiteral("Христово"));
        QCOMPARE(Utf8(read.paragraphs[1].Text()), QStringLiteral("№ 7"));
        QVERIFY(read.paragraphs[0].runs.at(0).bold);
        QCOMPARE(read.paragraphs[0].runs.at(0).halfPoints, 20);
        QCOMPARE(read.paragraphs[1].runs.at(0).color, (RtfColor{0, 0, 128, false}));

        cursor.clearSelection();
        QCOMPARE(Utf8(ReadRtf(SelectionToRtf(cursor).toStdString()).PlainText()), QString());
    }
};

}  // namespace

std::unique_ptr<QObject> MakeRtfExportTest() {
    return std::make_unique<RtfExportTest>();
}

}  // namespace velorith::tests

#include "rtf_export_test.moc"
