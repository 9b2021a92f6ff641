#include <QApplication>
#include <QCheckBox>
#include <QFont>
#include <QFontDialog>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include "dialogs/about_dialog.h"
#include "dialogs/find_dialog.h"
#include "dialogs/font_choice.h"
#include "dialogs/message_catcher.h"
#include "dialogs/pane_find.h"
#include "dialogs/project_links.h"
#include "dialogs/range_dialog.h"
#include "dialogs/splash_screen.h"

using namespace velorith;

namespace {

using velorith::testing::MessageCatcher;

void WriteFile(const QString& path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("x");
}

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT
  private slots:
    void rangeEntriesAreJudgedAgainstTodayAndTheLimits() {
        const int today = 2026;
        auto verdict = [&](const char* a, const char* b) {
            return CheckRangeEntry(QString::fromUtf8(a), QString::fromUtf8(b), 1901, 2100, today)
                .verdict;
        };
        QCOMPARE(verdict("1901", "2100"), RangeEntry::kUnchanged);
        QCOMPARE(verdict("1901.7", "2100.2"), RangeEntry::kUnchanged);  // whole parts count
        QCOMPARE(verdict("1800", "2200"), RangeEntry::kValid);
        QCOMPARE(verdict("1", "3000"), RangeEntry::kValid);
        QCOMPARE(verdict("0", "2200"), RangeEntry::kInvalid);
        QCOMPARE(verdict("1800", "3001"), RangeEntry::kInvalid);
        QCOMPARE(verdict("2026", "2200"), RangeEntry::kInvalid);  // today must lie inside
        QCOMPARE(verdict("1800", "2026"), RangeEntry::kInvalid);
        QCOMPARE(verdict("abc", "2200"), RangeEntry::kInvalid);
        QCOMPARE(verdict("", "2200"), RangeEntry::kInvalid);
        QCOMPARE(verdict("1e400", "2200"), RangeEntry::kInvalid);
        const RangeEntry entry = CheckRangeEntry("1850.9", "2150", 1901, 2100, today);
        QCOMPARE(entry.first, 1850);
        QCOMPARE(entry.last, 2150);
    }

    void enterInEitherBoxAppliesAValidRange() {
        for (int box = 0; box < 2; ++box) {
            RangeDialog dialog(1901, 2100, 2026);
            QSignalSpy changed(&dialog, &RangeDialog::rangeChanged);
            dialog.show();
            dialog.firstBox()->setText("1800");
            dialog.lastBox()->setText("2200");
            QTest::keyClick(box == 0 ? dialog.firstBox() : dialog.lastBox(), Qt::Key_Return);
            QCOMPARE(changed.count(), 1);
            QCOMPARE(changed.at(0).at(0).toInt(), 1800);
            QCOMPARE(changed.at(0).at(1).toInt(), 2200);
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
        }
    }

    void anUnchangedRangeClosesWithoutChange() {
        RangeDialog dialog(1901, 2100, 2026);
        QSignalSpy changed(&dialog, &RangeDialog::rangeChanged);
        dialog.show();
        dialog.findChild<QPushButton*>("cbOk")->click();
        QCOMPARE(changed.count(), 0);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
    }

    void anInvalidRangeWarnsAndKeepsTheDialogOpen() {
        RangeDialog dialog(1901, 2100, 2026);
        QSignalSpy changed(&dialog, &RangeDialog::rangeChanged);
        dialog.show();
        dialog.lastBox()->setText("2026");
        MessageCatcher catcher;
        dialog.NewRange();
        QCOMPARE(catcher.text, QString::fromUtf8("Недопустимые значения!"));
        QCOMPARE(catcher.title, QString::fromUtf8("Диапазон годов"));
        QCOMPARE(changed.count(), 0);
        QVERIFY(dialog.isVisible());
    }

    void findMovesThroughOccurrencesAndStopsAtTheEnd() {
        QTextEdit pane;
        pane.setPlainText(QString::fromUtf8("Мч. Вонифатия. Мчч. Вонифатия и Аглаиды. вонифатия"));
        pane.setReadOnly(true);
        FindDialog dialog([&] { return &pane; }, nullptr);
        dialog.ShowFor(QString());
        const QString word = QString::fromUtf8("Вонифатия");
        dialog.FindDat(word);
        QCOMPARE(pane.textCursor().selectionStart(), 4);
        dialog.FindDat(word);
        QCOMPARE(pane.textCursor().selectionStart(), 20);
        dialog.FindDat(word);  // letter case is ignored
        QCOMPARE(pane.textCursor().selectedText(), QString::fromUtf8("вонифатия"));
        const int before = pane.textCursor().selectionStart();
        MessageCatcher catcher;
        dialog.FindDat(word);
        QCOMPARE(catcher.text, EndOfTextMessage());
        QCOMPARE(catcher.title, QString::fromUtf8("Поиск"));
        QCOMPARE(pane.textCursor().selectionStart(), before);
    }

    void wholeWordsSkipOccurrencesInsideLongerWords() {
        QTextEdit pane;
        pane.setPlainText(QString::fromUtf8("Мчч. мученицы мч. мученик"));
        QVERIFY(FindNextInPane(&pane, QString::fromUtf8("мч"), true));
        QCOMPARE(pane.textCursor().selectionStart(), 14);
        QVERIFY(!FindNextInPane(&pane, QString::fromUtf8("учени"), true));
        QVERIFY(FindNextInPane(&pane, QString::fromUtf8("учени"), false));
    }

    void theFindButtonFollowsTheTextAndTakesTheSelection() {
        QTextEdit pane;
        FindDialog dialog([&] { return &pane; }, nullptr);
        QVERIFY(!dialog.findButton()->isEnabled());
        dialog.textBox()->setText("   ");
        QVERIFY(!dialog.findButton()->isEnabled());
        dialog.textBox()->setText(" x");
        QVERIFY(dialog.findButton()->isEnabled());
        dialog.ShowFor(QString::fromUtf8("Пасха"));
        QCOMPARE(dialog.textBox()->text(), QString::fromUtf8("Пасха"));
        dialog.hide();
        dialog.ShowFor(QString());  // without a selection the previous text stays
        QCOMPARE(dialog.textBox()->text(), QString::fromUtf8("Пасха"));
    }

    void aboutLinksLightUnderTheMouse() {
        AboutDialog about;
        QCOMPARE(about.windowTitle(), QString::fromUtf8("Велоритский календарь"));
        QCOMPARE(VersionCaption(), QString::fromUtf8("Версия 1.0.10"));
        QVERIFY(about.mailLabel()->text().startsWith("E-mail: "));
        QVERIFY(about.webLabel()->text().startsWith("WWW: "));
        about.HighlightLink(4);
        QVERIFY(about.mailLabel()->font().underline());
        QCOMPARE(about.mailLabel()->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QVERIFY(!about.webLabel()->font().underline());
        QCOMPARE(about.webLabel()->palette().color(QPalette::WindowText), QColor(0, 0, 64));
        about.HighlightLink(5);
        QVERIFY(!about.mailLabel()->font().underline());
        QVERIFY(about.webLabel()->font().underline());
        about.HighlightLink(0);
        QVERIFY(!about.webLabel()->font().underline());
    }

    void theMailLinkIsEncoded() {
        const QString link = MailToUrl().toString(QUrl::FullyEncoded);
        QCOMPARE(link, "mailto:" + AuthorEmail() + "?subject=Velorith%20Calendar&body=");
    }

    void theSplashPictureIsFoundInItsOrder() {
        QTemporaryDir dir;
        QCOMPARE(FindSplashPicture({dir.path()}), QString());
        WriteFile(dir.filePath("Splash.JPG"));
        QCOMPARE(FindSplashPicture({dir.path()}), dir.filePath("Splash.JPG"));
        WriteFile(dir.filePath("Splash.BMP"));
        QCOMPARE(FindSplashPicture({dir.path()}), dir.filePath("Splash.BMP"));
        QTemporaryDir other;
        QCOMPARE(FindSplashPicture({other.path(), dir.path()}), dir.filePath("Splash.BMP"));
        QVERIFY(!ShowSplash({other.path()}));
    }

    void theReportFontKeepsItsStyleAndRoundsItsSize() {
        QCOMPARE(RoundHalfEven(2.5), 2);
        QCOMPARE(RoundHalfEven(3.5), 4);
        QCOMPARE(RoundHalfEven(10.4), 10);
        QCOMPARE(RoundHalfEven(10.6), 11);
        const ReportFont current{"System", 10, true, false};
        QFont chosen("DejaVu Serif");
        chosen.setPointSizeF(12.5);
        chosen.setBold(false);
        chosen.setItalic(true);
        const auto font = ChooseReportFont(current, nullptr, [&](const QFont& preset, QWidget*) {
            [&] {
                QCOMPARE(preset.family(), QString("System"));
                QCOMPARE(preset.pointSize(), 10);
                QVERIFY(preset.bold());
            }();
            return std::optional<QFont>(chosen);
        });
        QVERIFY(font.has_value());
        QCOMPARE(font->name, QString("DejaVu Serif"));
        QCOMPARE(font->size, 12);
        QVERIFY(font->bold);
        QVERIFY(!font->italic);
        QFont stale("DejaVu Sans", 10);
        stale.setItalic(true);  // a style the report does not have
        QFontDialog dialog(stale);
        dialog.setOption(QFontDialog::DontUseNativeDialog);
        LockFontStyle(dialog, false, false);
        QVERIFY(!dialog.currentFont().italic() && !dialog.currentFont().bold());
        // Another family keeps the report's style.
        QFont other("DejaVu Serif", 12);
        other.setItalic(true);
        other.setBold(true);
        dialog.setCurrentFont(other);
        QCOMPARE(dialog.currentFont().family(), QString("DejaVu Serif"));
        QVERIFY(!dialog.currentFont().italic() && !dialog.currentFont().bold());
        // Underline and strike-out are not offered.
        for (QCheckBox* effect : dialog.findChildren<QCheckBox*>())
            QVERIFY(!effect->isVisibleTo(&dialog));
        QFontDialog boldItalic(QFont("DejaVu Sans", 10));
        boldItalic.setOption(QFontDialog::DontUseNativeDialog);
        LockFontStyle(boldItalic, true, true);
        QVERIFY(boldItalic.currentFont().italic() && boldItalic.currentFont().bold());
        const auto lists = dialog.findChildren<QListView*>();
        QCOMPARE(lists.size(), 3);
        QVERIFY(lists[0]->isEnabled());
        QVERIFY(!lists[1]->isEnabled());
        QVERIFY(lists[2]->isEnabled());
        const auto boxes = dialog.findChildren<QLineEdit*>();
        QVERIFY(!boxes[1]->isEnabled());
        QVERIFY(boxes[0]->isEnabled());
        const auto cancelled = ChooseReportFont(
            current, nullptr, [](const QFont&, QWidget*) { return std::optional<QFont>(); });
        QVERIFY(!cancelled.has_value());
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
