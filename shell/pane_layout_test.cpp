#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMimeData>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextFrame>

#include "dialogs/pane_find.h"
#include "dialogs/pane_hyphens.h"
#include "shell/documents/clipboard_export.h"
#include "shell/documents/save_report.h"
#include "shell/pane_layout.h"
#include "shell/rtf_document.h"
#include "shell/window_test_fixture.h"
#include "shell/window_tests.h"

namespace velorith::tests {

namespace {

const QChar kNbHyphen(0x2011);

// A report of two entry lines, as the reports write them: the sign column in Courier New.
const char kEntries[] =
    "{\\rtf1\\ansi\\ansicpg1251\\deff0{\\fonttbl{\\f0 Times New Roman;}{\\f1 Courier New;}}"
    "\\f0\\fs24 Неделя 2-я по Пасхе. Глас 2-й. 28-ой год\\par\r\n"
    "\\f1 (+)\\f0  Мученик Феодор и с ним 28 мучеников, и Кирилло-Мефодиевское слово\\par\r\n"
    "\\f1    \\f0  Иное, 1-8 и 2 - 3\\par\r\n}";

class PaneLayoutTest : public QObject {
    Q_OBJECT

  private slots:
    void numberedWordsKeepTheirHyphenWholeInTheLayoutOnly() {
        QTextDocument doc;
        LoadRtf(doc, kEntries);
        LayOutReportPane(doc);
        const QString text = doc.toPlainText();
        QVERIFY(text.contains(QStringLiteral("2") + kNbHyphen + QStringLiteral("я по Пасхе")));
        QVERIFY(text.contains(QStringLiteral("Глас 2") + kNbHyphen + QStringLiteral("й.")));
        QVERIFY(text.contains(QStringLiteral("28") + kNbHyphen + QStringLiteral("ой")));
        // Hyphens between words or numbers break as they always did.
        QVERIFY(text.contains(QStringLiteral("Кирилло-Мефодиевское")));
        QVERIFY(text.contains(QStringLiteral("1-8 и 2 - 3")));
        QCOMPARE(WithReportHyphens(text).count(kNbHyphen), 0);
        // The hyphen keeps the look of the text around it.
        QTextCursor at = doc.find(QString(kNbHyphen));
        QCOMPARE(at.charFormat().fontPointSize(), 12.0);
    }

    void aWrappedEntryLineHangsUnderItsText() {
        QTextDocument doc;
        LoadRtf(doc, kEntries);
        LayOutReportPane(doc);
        QTextBlock title = doc.begin();
        QTextBlock entry = title.next();
        QTextBlock plain = entry.next();
        QCOMPARE(title.blockFormat().leftMargin(), 0.0);
        QVERIFY(entry.blockFormat().leftMargin() > 0);
        QCOMPARE(entry.blockFormat().textIndent(), -entry.blockFormat().leftMargin());
        QCOMPARE(plain.blockFormat().leftMargin(), entry.blockFormat().leftMargin());
        // Laid out narrow, the second line starts where the text after the sign starts.
        doc.setTextWidth(160);
        doc.documentLayout();  // lays the document out
        QTextLayout* layout = entry.layout();
        QVERIFY(layout->lineCount() > 1);
        QCOMPARE(layout->lineAt(1).x(), entry.blockFormat().leftMargin());
        QCOMPARE(layout->lineAt(0).x(), 0.0);
    }

    void copiedSavedAndSearchedTextHasTheReportsHyphen() {
        StartedWindow p;
        MainWindow& w = p.W();
        QTextEdit* pane = w.Pane(0);
        // 2 September 2024 (old style) is a Sunday with its tone.
        const QString shown = pane->document()->toPlainText();
        QVERIFY(shown.contains(QStringLiteral("Глас ")));
        QVERIFY(shown.contains(kNbHyphen));
        QVERIFY(QString::fromStdString(w.PaneDocument(0)).contains(QStringLiteral("-й")));

        CopyAll(*pane, *QApplication::clipboard());
        const QMimeData* copied = QApplication::clipboard()->mimeData();
        QVERIFY(!copied->text().contains(kNbHyphen));
        QCOMPARE(copied->text(), WithReportHyphens(shown));
        QVERIFY(!copied->data(QStringLiteral("text/rtf")).contains("\\u8209"));

        QTextCursor tone = pane->document()->find(QStringLiteral("Глас"));
        tone.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        pane->setTextCursor(tone);
        CopySelection(*pane, *QApplication::clipboard());
        QVERIFY(QApplication::clipboard()->text().contains(QStringLiteral("-й")));
        QVERIFY(!QApplication::clipboard()->text().contains(kNbHyphen));
        QVERIFY(QApplication::clipboard()
                    ->mimeData()
                    ->data(QStringLiteral("text/rtf"))
                    .contains(QByteArray("-\\'e9")));  // "-й" in Windows-1251

        const ReportContent saved = PaneContent(*pane, QByteArray(w.PaneDocument(0).c_str()));
        QVERIFY(!saved.plainText.contains(kNbHyphen));

        // The search tab takes the selection with the report's hyphen.
        w.mnuTab_Click(5);
        QVERIFY(w.SearchField()->text().contains(QStringLiteral("-й")));

        // Finding "-й" with a typed hyphen finds the pane's hyphen too.
        pane->moveCursor(QTextCursor::Start);
        QVERIFY(FindNextInPane(pane, QStringLiteral("-Й"), false));
        QCOMPARE(pane->textCursor().selectedText(), kNbHyphen + QStringLiteral("й"));
        pane->moveCursor(QTextCursor::Start);
        QVERIFY(!FindNextInPane(pane, QStringLiteral("2-"), true));  // no whole word "2-"
    }

    void panesShowNoCaretAndStillSelectByKeyboard() {
        StartedWindow p;
        MainWindow& w = p.W();
        for (int i = 0; i < kPaneCount; ++i)
            QCOMPARE(w.Pane(i)->cursorWidth(), 0);
        QTextEdit* pane = w.Pane(0);
        pane->moveCursor(QTextCursor::Start);
        QTest::keyClick(pane, Qt::Key_Right, Qt::ShiftModifier);
        QTest::keyClick(pane, Qt::Key_Right, Qt::ShiftModifier);
        QCOMPARE(pane->textCursor().selectedText().size(), 2);
        QVERIFY(pane->isReadOnly());
    }

    void aWidePaneKeepsItsTextInACentredColumn() {
        StartedWindow p;
        MainWindow& w = p.W();
        QTextEdit* pane = w.Pane(0);
        w.resize(640, 460);
        w.show();
        QCoreApplication::processEvents();
        QTextFrameFormat narrow = pane->document()->rootFrame()->frameFormat();
        QCOMPARE(narrow.leftMargin(), pane->document()->documentMargin());
        QCOMPARE(w.PanelScale(), 1.0);

        w.resize(1920, 1040);
        QCoreApplication::processEvents();
        QTextFrameFormat wide = pane->document()->rootFrame()->frameFormat();
        QVERIFY(wide.leftMargin() > pane->document()->documentMargin());
        QCOMPARE(wide.leftMargin(), wide.rightMargin());
        const qreal column = pane->viewport()->width() - wide.leftMargin() - wide.rightMargin();
        QVERIFY(column <= pane->findChild<ReadableColumn*>()->MaxTextWidth() + 1);
        // The panel and its grids grow, and stay at the window's right edge.
        QVERIFY(w.PanelScale() > 1.0);
        QVERIFY(w.MonthGrid()->width() > 200);
        QWidget* panel = w.findChild<QWidget*>("Con1");
        QCOMPARE(panel->geometry().right(), w.centralWidget()->width() - 1);
        // A new report is fitted at once.
        w.mnuTab_Click(2);
        QVERIFY(w.Pane(2)->document()->rootFrame()->frameFormat().leftMargin() >
                pane->document()->documentMargin());
        w.close();
    }
};

}  // namespace

std::unique_ptr<QObject> MakePaneLayoutTest() {
    return std::make_unique<PaneLayoutTest>();
}

}  // namespace velorith::tests

#include "pane_layout_test.moc"
