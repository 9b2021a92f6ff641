#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTest>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include "data/rtf_reader.h"
#include "shell/documents/clipboard_export.h"
#include "shell/documents/documents_tests.h"

namespace velorith::tests {
namespace {

class ClipboardExportTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        pane_.clear();
        QTextCursor cursor(pane_.document());
        QTextCharFormat red;
        red.setForeground(Qt::red);
        red.setFontWeight(QFont::Bold);
        cursor.insertText(QStringLiteral("Суббота"), red);
        cursor.insertBlock();
        cursor.insertText(QStringLiteral("Мч. Евстафия"), QTextCharFormat());
        QApplication::clipboard()->clear();
    }

    void rtfComesFirstThenUtf8Text() {
        const auto content = MakeClipboardContent("{\\rtf1 x}", QStringLiteral("Пасха"));
        QCOMPARE(content->formats().value(0), QStringLiteral("text/rtf"));
        QVERIFY(content->hasFormat(QStringLiteral("application/rtf")));
        QCOMPARE(content->data(QStringLiteral("application/rtf")), QByteArray("{\\rtf1 x}"));
        QCOMPARE(content->text(), QStringLiteral("Пасха"));
        QCOMPARE(content->data(QStringLiteral("text/plain")), QStringLiteral("Пасха").toUtf8());
    }

    void copySelectionPutsBothFormsOfTheSelection() {
        QTextCursor cursor = pane_.textCursor();
        cursor.setPosition(3);
        cursor.setPosition(pane_.document()->findBlockByNumber(1).position() + 3,
                           QTextCursor::KeepAnchor);
        pane_.setTextCursor(cursor);

        CopySelection(pane_, *QApplication::clipboard());
        const QMimeData* data = QApplication::clipboard()->mimeData();
        QVERIFY(data != nullptr);
        QCOMPARE(data->text(), QStringLiteral("бота\nМч."));
        const RtfContent rtf = ReadRtf(data->data(QStringLiteral("text/rtf")).toStdString());
        QCOMPARE(QString::fromStdString(rtf.PlainText()), QStringLiteral("бота\nМч."));
        QVERIFY(rtf.paragraphs.at(0).runs.at(0).bold);
        QCOMPARE(rtf.paragraphs.at(0).runs.at(0).color, (RtfColor{255, 0, 0, false}));
        QVERIFY(!rtf.paragraphs.at(1).runs.at(0).bold);
        // The web form of the same selection, with its bold red letters.
        QVERIFY(data->hasHtml());
        QTextDocument pasted;
        pasted.setHtml(data->html());
        QCOMPARE(pasted.toPlainText(), QStringLiteral("бота\nМч."));
        QTextCursor inFirst(pasted.firstBlock());
        inFirst.movePosition(QTextCursor::NextCharacter);
        QCOMPARE(inFirst.charFormat().fontWeight(), int(QFont::Bold));
        QCOMPARE(inFirst.charFormat().foreground().color(), QColor(Qt::red));
    }

    void copyWithoutSelectionPutsEmptyText() {
        CopySelection(pane_, *QApplication::clipboard());
        const QMimeData* data = QApplication::clipboard()->mimeData();
        QVERIFY(data != nullptr);
        QVERIFY(data->hasFormat(QStringLiteral("text/rtf")));
        QCOMPARE(data->text(), QString());
        QVERIFY(!data->hasHtml());
        QVERIFY(ReadRtf(data->data(QStringLiteral("text/rtf")).toStdString()).PlainText().empty());
    }

    void copyAllTakesTheWholePane() {
        CopyAll(pane_, *QApplication::clipboard());
        const QMimeData* data = QApplication::clipboard()->mimeData();
        QVERIFY(data != nullptr);
        QCOMPARE(data->text(), QStringLiteral("Суббота\nМч. Евстафия"));
        QCOMPARE(QString::fromStdString(RtfToPlainText(data->data("text/rtf").toStdString())),
                 QStringLiteral("Суббота\nМч. Евстафия"));
        QTextDocument pasted;
        pasted.setHtml(data->html());
        QCOMPARE(pasted.toPlainText(), QStringLiteral("Суббота\nМч. Евстафия"));
    }

    void theHtmlOfTextThatLooksLikeMarkupIsText() {
        pane_.setPlainText(QStringLiteral("Мч. <script>alert(1)</script> & <b>"));
        CopyAll(pane_, *QApplication::clipboard());
        const QString html = QApplication::clipboard()->mimeData()->html();
        QVERIFY(!html.contains(QStringLiteral("<script>")));
        QVERIFY(html.contains(QStringLiteral("&lt;script&gt;")));
        QTextDocument pasted;
        pasted.setHtml(html);
        QCOMPARE(pasted.toPlainText(), QStringLiteral("Мч. <script>alert(1)</script> & <b>"));
    }

  private:
    QTextEdit pane_;
};

}  // namespace

std::unique_ptr<QObject> MakeClipboardExportTest() {
    return std::make_unique<ClipboardExportTest>();
}

}  // namespace velorith::tests

#include "clipboard_export_test.moc"
