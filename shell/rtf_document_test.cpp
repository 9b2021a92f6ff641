#include <QFontDatabase>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

#include "shell/rtf_document.h"
#include "shell/shell_tests.h"

namespace velorith::tests {

namespace {

class RtfDocumentTest : public QObject {
    Q_OBJECT

  private slots:
    void aReportBecomesStyledParagraphs() {
        QTextDocument doc;
        LoadRtf(doc,
                "{\\rtf1\\ansi\\ansicpg1251\\deff0{\\fonttbl{\\f0\\fswiss System;}{\\f1\\fmodern "
                "Courier New;}}\r\n"
                "{\\colortbl ;\\red0\\green0\\blue128;\\red255\\green0\\blue0;}\r\n"
                "\\viewkind4\\uc1\\pard\\f0\\fs24\r\n\\b \\cf1 \\f1 *+*\\f0  "
                "\\'cf\\'e0\\'f1\\'f5\\'e0\\par\r\n"
                "\\par\r\n\\cf2 a\\line b\\par\r\n}");
        QCOMPARE(doc.blockCount(), 3);
        QTextBlock first = doc.firstBlock();
        QCOMPARE(first.text(), QStringLiteral("*+* Пасха"));
        QTextBlock::iterator it = first.begin();
        QTextCharFormat sign = it.fragment().charFormat();
        QCOMPARE(it.fragment().text(), QStringLiteral("*+*"));
        QCOMPARE(sign.fontFamilies().toStringList().value(0),
                 ResolveFontFamily(QStringLiteral("Courier New")));
        QCOMPARE(sign.fontPointSize(), 12.0);
        QVERIFY(sign.fontWeight() >= QFont::Bold);
        QCOMPARE(sign.foreground().color(), QColor(0, 0, 128));
        QTextBlock last = first.next().next();
        QCOMPARE(last.text(),
                 QStringLiteral("a") + QChar(QChar::LineSeparator) + QStringLiteral("b"));
        QCOMPARE(last.begin().fragment().charFormat().foreground().color(), QColor(255, 0, 0));
        QCOMPARE(doc.toPlainText(), QStringLiteral("*+* Пасха\n\na\nb"));
    }

    void aHugeParagraphIsCutVisibly() {
        // One unbroken value of a megabyte of Windows-1251 letters (two bytes each in UTF-8)
        // after a bold run, and a paragraph after it that is left whole.
        const std::string letters(1024 * 1024, '\xE0');
        QTextDocument doc;
        LoadRtf(doc, "{\\rtf1 \\b \\'cc\\'f7.\\b0  " + letters + "\\par next\\par}");
        QCOMPARE(doc.blockCount(), 2);
        const QString first = doc.firstBlock().text();
        QVERIFY(first.startsWith(QStringLiteral("Мч. аааа")));
        QVERIFY(first.endsWith(QStringLiteral("а…")));
        QVERIFY(first.toUtf8().size() <= static_cast<qsizetype>(kMaxParagraphBytes + 3));
        QVERIFY(first.toUtf8().size() > static_cast<qsizetype>(kMaxParagraphBytes - 4));
        QCOMPARE(doc.lastBlock().text(), QStringLiteral("next"));
        // A paragraph within the bound is shown as it is.
        const std::string within(kMaxParagraphBytes / 2 - 8, '\xE0');
        LoadRtf(doc, "{\\rtf1 \\'cc\\'f7. " + within + "\\par}");
        QVERIFY(!doc.firstBlock().text().endsWith(QChar(0x2026)));
    }

    void missingFacesHaveStandIns() {
        // The monospaced sign font stays monospaced whatever is installed.
        QString mono = ResolveFontFamily(QStringLiteral("Courier New"));
        QVERIFY(QFontDatabase::isFixedPitch(mono));
        // "System" is a Windows name; the desktop's own face stands in.
        QVERIFY(QFontDatabase::hasFamily(ResolveFontFamily(QStringLiteral("System"))));
        QVERIFY(QFontDatabase::hasFamily(ResolveFontFamily(QString())));
    }
};

}  // namespace

std::unique_ptr<QObject> MakeRtfDocumentTest() {
    return std::make_unique<RtfDocumentTest>();
}

}  // namespace velorith::tests

#include "rtf_document_test.moc"
