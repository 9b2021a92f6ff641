#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "dialogs/go_to_date_dialog.h"
#include "dialogs/message_catcher.h"
#include "shell/selector_bar.h"
#include "shell/window_test_fixture.h"
#include "shell/window_tests.h"

namespace velorith::tests {

namespace {

using velorith::testing::MessageCatcher;

class GoToDateTest : public QObject {
    Q_OBJECT

  private slots:
    void anEntryIsADateOfTheRange() {
        const auto check = [](const char* day, int month, const char* year, int k = kJulian) {
            return CheckDateEntry(QString::fromUtf8(day), month, QString::fromUtf8(year), k,
                                  DayNumber(k, 1, 1, k == kWorld ? 7409 : 1901),
                                  DayNumber(k, 31, 12, k == kWorld ? 7608 : 2100));
        };
        QCOMPARE(check("7", 1, "2000"), (CalendarDate{2000, 1, 7}));
        QCOMPARE(check(" 15.9 ", 8, "2024.5"), (CalendarDate{2024, 8, 15}));  // whole parts
        QCOMPARE(check("29", 2, "1900", kJulian), std::nullopt);              // before the range
        QCOMPARE(check("1", 1, "1901"), (CalendarDate{1901, 1, 1}));
        QCOMPARE(check("31", 12, "2100"), (CalendarDate{2100, 12, 31}));
        QCOMPARE(check("1", 1, "2101"), std::nullopt);
        // Impossible dates.
        QCOMPARE(check("31", 4, "2024"), std::nullopt);
        QCOMPARE(check("30", 2, "2024"), std::nullopt);
        QCOMPARE(check("0", 5, "2024"), std::nullopt);
        QCOMPARE(check("-3", 5, "2024"), std::nullopt);
        QCOMPARE(check("29", 2, "2100", kGregorian), std::nullopt);  // no leap year there
        QCOMPARE(check("29", 2, "2100", kJulian), (CalendarDate{2100, 2, 29}));
        QCOMPARE(check("дцать", 5, "2024"), std::nullopt);
        QCOMPARE(check("5", 5, ""), std::nullopt);
        QCOMPARE(check("5", 5, "1e300"), std::nullopt);
        QCOMPARE(check("5", 13, "2024"), std::nullopt);
        // The World reckoning counts months from September.
        QCOMPARE(check("1", 1, "7533", kWorld), (CalendarDate{7533, 1, 1}));
    }

    void badInputWarnsAndKeepsTheDialogOpen() {
        GoToDateDialog dialog(kGregorian, CalendarDate{2024, 9, 15},
                              DayNumber(kGregorian, 1, 1, 1901),
                              DayNumber(kGregorian, 31, 12, 2100));
        QSignalSpy chosen(&dialog, &GoToDateDialog::dateChosen);
        dialog.show();
        QCOMPARE(dialog.DayBox()->text(), QStringLiteral("15"));
        QCOMPARE(dialog.MonthBox()->currentText(), QStringLiteral("сентября"));
        QCOMPARE(dialog.YearBox()->text(), QStringLiteral("2024"));
        // Each refusal names the field at fault and the reason, and puts the focus there.
        struct Case {
            const char* day;
            int month;
            const char* year;
            const char* text;
            QWidget* field;
        };
        const Case cases[] = {
            {"30", 2, "2027", "Недопустимое значение в поле «День».\nВ феврале 2027 года 28 дней.",
             dialog.DayBox()},
            {"31", 9, "2024", "Недопустимое значение в поле «День».\nВ сентябре 2024 года 30 дней.",
             dialog.DayBox()},
            {"0", 1, "2024", "Недопустимое значение в поле «День».\nВ январе 2024 года 31 день.",
             dialog.DayBox()},
            {"abc", 9, "2024",
             "Недопустимое значение в поле «День».\nВведите число месяца цифрами.",
             dialog.DayBox()},
            {"1", 1, "2101",
             "Недопустимое значение в поле «Год».\nРабочий диапазон: годы от 1901 до 2100.",
             dialog.YearBox()},
            {"1", 1, "две тысячи", "Недопустимое значение в поле «Год».\nВведите год цифрами.",
             dialog.YearBox()},
        };
        for (const Case& c : cases) {
            dialog.DayBox()->setText(QString::fromUtf8(c.day));
            dialog.MonthBox()->setCurrentIndex(c.month - 1);
            dialog.YearBox()->setText(QString::fromUtf8(c.year));
            MessageCatcher catcher;
            QTest::keyClick(dialog.YearBox(), Qt::Key_Return);
            QCOMPARE(catcher.text, QString::fromUtf8(c.text));
            QCOMPARE(catcher.title, QStringLiteral("Перейти к дате"));
            QVERIFY(dialog.isVisible());
            QCOMPARE(dialog.focusWidget(), c.field);
        }
        QCOMPARE(chosen.count(), 0);

        dialog.YearBox()->setText("2000");
        dialog.MonthBox()->setCurrentIndex(0);
        dialog.DayBox()->setText("7");
        QTest::keyClick(dialog.DayBox(), Qt::Key_Return);
        QCOMPARE(chosen.count(), 1);
        QCOMPARE(chosen.at(0), (QList<QVariant>{2000, 1, 7}));
        QVERIFY(!dialog.isVisible());
    }

    void ctrlGGoesToTheTypedDate() {
        StartedWindow p;
        MainWindow& w = p.W();
        w.findChild<QAction*>("mnuGoToDate")->trigger();
        GoToDateDialog* dialog = w.GoToDate();
        QVERIFY(dialog != nullptr);
        QVERIFY(dialog->isVisible());
        QCOMPARE(dialog->YearBox()->text(), QStringLiteral("2024"));  // the old style's date
        dialog->DayBox()->setText("25");
        dialog->MonthBox()->setCurrentIndex(11);
        dialog->YearBox()->setText("1999");
        const int renders = w.RenderCount();
        dialog->GoToDate();
        QCOMPARE(p.S().Cur().Year, std::int16_t{1999});
        QCOMPARE(p.S().Cur().Month, std::int16_t{12});
        QCOMPARE(p.S().Cur().Day, std::int16_t{25});
        QCOMPARE(p.S().CurDay, DayNumber(kGregorian, 7, 1, 2000));
        QCOMPARE(w.Selectors()->Combo(kYearSelector)->currentText(), QStringLiteral("1999"));
        QCOMPARE(w.Selectors()->Combo(kMonthSelector)->currentIndex(), 11);
        QCOMPARE(w.DatesModel().Cell(2, 1).text, QStringLiteral("7 января 2000 "));
        const MonthGridModel& m = w.MonthModel();
        QCOMPARE(m.Cell(m.MarkRow, m.MarkCol).text, QStringLiteral("25"));
        QCOMPARE(w.RenderCount(), renders + 1);
        QCoreApplication::processEvents();
        QVERIFY(w.GoToDate() == nullptr);  // closed and gone

        // In the World reckoning the dialog speaks its months.
        w.mnuCal_Click(1);
        w.findChild<QAction*>("mnuGoToDate")->trigger();
        QCOMPARE(w.GoToDate()->MonthBox()->itemText(0), QStringLiteral("сентября"));
        QCOMPARE(w.GoToDate()->YearBox()->text(), QStringLiteral("7508"));
        w.GoToDate()->reject();
    }

    void thePreviewShowsThePane() {
        StartedWindow p;
        MainWindow& w = p.W();
        w.findChild<QAction*>("mnuPreview")->trigger();
        QVERIFY(w.Preview() != nullptr);
        QVERIFY(w.Preview()->isVisible());
        QCOMPARE(w.Preview()->windowTitle(), QStringLiteral("Предварительный просмотр"));
        w.Preview()->close();
    }
};

}  // namespace

std::unique_ptr<QObject> MakeGoToDateTest() {
    return std::make_unique<GoToDateTest>();
}

}  // namespace velorith::tests

#include "go_to_date_test.moc"
