// The window used without a mouse and through assistive technology: where the focus starts and
// goes, the keys of the grid, the selectors and the step buttons, and a name for every control.
#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "dialogs/about_dialog.h"
#include "dialogs/find_dialog.h"
#include "dialogs/go_to_date_dialog.h"
#include "dialogs/range_dialog.h"
#include "shell/cell_grid.h"
#include "shell/selector_bar.h"
#include "shell/window_test_fixture.h"
#include "shell/window_tests.h"

namespace velorith::tests {

namespace {

// The focusable controls of a window that a screen reader could not name: an input without an
// accessible name of its own, or a button without a caption or name.
QStringList Unnamed(QWidget* top) {
    QStringList missing;
    QList<QWidget*> widgets = top->findChildren<QWidget*>();
    widgets.prepend(top);
    for (QWidget* w : widgets) {
        if (w->window() != top || !(w->focusPolicy() & Qt::TabFocus)) continue;
        if (!w->accessibleName().isEmpty()) continue;
        if (auto* button = qobject_cast<QAbstractButton*>(w); button && !button->text().isEmpty())
            continue;
        if (w == top) continue;  // the window itself is named by its title
        missing << QStringLiteral("%1 (%2)").arg(w->objectName(), w->metaObject()->className());
    }
    return missing;
}

// What the accessibility interface of a table widget says of one cell.
QString CellText(QWidget* table, int row, int col, QAccessible::Text what) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(table);
    if (iface == nullptr || iface->tableInterface() == nullptr) return QStringLiteral("<none>");
    QAccessibleInterface* cell = iface->tableInterface()->cellAt(row, col);
    return cell ? cell->text(what) : QStringLiteral("<no cell>");
}

}  // namespace

class WindowAccessTest : public QObject {
    Q_OBJECT

  private slots:
    void theGridHasTheFocusAndATabStop() {
        StartedWindow p;
        MainWindow& w = p.W();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.MonthGrid()));
        // Right moves in the grid, not to the next tab.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QCOMPARE(Shown(p.S()), (Ymd{2024, 9, 9}));
        QCOMPARE(w.Tabs()->currentIndex(), 0);

        // Tab goes from the last selector to the grid and on to "Сегодня"; the step buttons
        // stay out of the way, as the labels they were did.
        QComboBox* weekdays = w.Selectors()->Combo(kDaySelector);
        weekdays->setFocus();
        QTest::keyClick(weekdays, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.MonthGrid()));
        QTest::keyClick(w.MonthGrid(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("cbToday"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w.MonthGrid()));
    }

    void afterGoingToADateTheKeysMoveItsDay() {
        StartedWindow p;
        MainWindow& w = p.W();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        w.Tabs()->tabBar()->setFocus();
        w.findChild<QAction*>("mnuGoToDate")->trigger();
        GoToDateDialog* dialog = w.GoToDate();
        dialog->DayBox()->setText("7");
        dialog->MonthBox()->setCurrentIndex(0);
        dialog->YearBox()->setText("2000");
        dialog->GoToDate();
        QCoreApplication::processEvents();
        QCOMPARE(Shown(p.S()), (Ymd{2000, 1, 7}));
        QCOMPARE(w.focusWidget(), static_cast<QWidget*>(w.MonthGrid()));
        QTest::keyClick(w.MonthGrid(), Qt::Key_Home);
        QCOMPARE(Shown(p.S()), (Ymd{2024, 9, 2}));
    }

    void theSelectorsStepWithTheArrowsAndGoHomeToToday() {
        StartedWindow p;
        MainWindow& w = p.W();
        SelectorBar* bar = w.Selectors();
        p.Select(2000, 1, 7);
        QComboBox* years = bar->Combo(kYearSelector);
        years->setFocus();
        QTest::keyClick(years, Qt::Key_Home);  // today, not the first year of the list
        QCOMPARE(Shown(p.S()), (Ymd{2024, 9, 2}));
        QCOMPARE(years->currentText(), QStringLiteral("2024"));
        QTest::keyClick(years, Qt::Key_End);  // nor the last one
        QCOMPARE(Shown(p.S()), (Ymd{2024, 9, 2}));
        QTest::keyClick(years, Qt::Key_Right);
        QCOMPARE(Shown(p.S()), (Ymd{2025, 9, 2}));
        QCOMPARE(years->currentText(), QStringLiteral("2025"));
        QComboBox* months = bar->Combo(kMonthSelector);
        months->setFocus();
        QTest::keyClick(months, Qt::Key_Left);
        QCOMPARE(Shown(p.S()), (Ymd{2025, 8, 2}));
        // The month list keeps its own Home: its first entry, January.
        QTest::keyClick(months, Qt::Key_Home);
        QCOMPARE(Shown(p.S()), (Ymd{2025, 1, 2}));
        QComboBox* weeks = bar->Combo(kWeekSelector);
        weeks->setFocus();
        QTest::keyClick(weeks, Qt::Key_Home);
        QCOMPARE(Shown(p.S()), (Ymd{2024, 9, 2}));
    }

    void theStepsAreButtonsWithNames() {
        StartedWindow p;
        SelectorBar* bar = p.W().Selectors();
        const char* const expected[] = {"Предыдущий год", "Следующий год"};
        QToolButton* back = bar->Prev(kYearSelector);
        QToolButton* forward = bar->Next(kYearSelector);
        QCOMPARE(back->text(), QStringLiteral("<"));
        QCOMPARE(back->toolTip(), QString::fromUtf8(expected[0]));
        QCOMPARE(back->accessibleName(), QString::fromUtf8(expected[0]));
        QCOMPARE(forward->accessibleName(), QString::fromUtf8(expected[1]));
        QCOMPARE(bar->Next(kDaySelector)->toolTip(), QStringLiteral("Следующий день"));
        // An assistive tool presses it: one step.
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(forward);
        QVERIFY(iface && iface->actionInterface());
        QCOMPARE(iface->role(), QAccessible::Button);
        iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(Shown(p.S()), (Ymd{2025, 9, 2}));
        forward->click();  // Space with the focus on it
        QCOMPARE(Shown(p.S()), (Ymd{2026, 9, 2}));
    }

    void ctrlQQuitsBesideCtrlX() {
        StartedWindow p;
        QAction* exit = p.W().findChild<QAction*>("mnuExit");
        QCOMPARE(exit->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_X));  // the one the menu shows
        QVERIFY(exit->shortcuts().contains(QKeySequence(Qt::CTRL | Qt::Key_Q)));
    }

    void everyFocusableControlHasAName() {
        StartedWindow p;
        MainWindow& w = p.W();
        QCOMPARE(Unnamed(&w), QStringList());
        // The dialogs, each as the window opens it.
        w.findChild<QAction*>("mnuGoToDate")->trigger();
        QCOMPARE(Unnamed(w.GoToDate()), QStringList());
        w.GoToDate()->reject();
        w.mnuRange_Click();
        auto* range = w.findChild<RangeDialog*>();
        QVERIFY(range != nullptr);
        QCOMPARE(Unnamed(range), QStringList());
        range->close();
        w.mnuFind_Click();
        auto* find = w.findChild<FindDialog*>();
        QVERIFY(find != nullptr);
        QCOMPARE(Unnamed(find), QStringList());
        find->close();
        w.mnuAbout_Click();
        auto* about = w.findChild<AboutDialog*>();
        QVERIFY(about != nullptr);
        QCOMPARE(Unnamed(about), QStringList());
        about->close();
        w.findChild<QAction*>("mnuMonthView")->trigger();
        QVERIFY(w.LargeMonth() != nullptr);
        QCOMPARE(Unnamed(w.LargeMonth()), QStringList());
        w.LargeMonth()->close();

        // The walk itself finds a control without a name.
        auto* stray = new QLineEdit(w.centralWidget());
        stray->setObjectName("stray");
        QCOMPARE(Unnamed(&w), QStringList{QStringLiteral("stray (QLineEdit)")});
        delete stray;
    }

    void theGridsCellsTellTheirDateAndContent() {
        StartedWindow p;
        MainWindow& w = p.W();
        w.mnuCal_Click(kGregorian);
        p.Select(2000, 1, 7);
        const MonthGridModel& m = w.MonthModel();
        const QString name = CellText(w.MonthGrid(), m.MarkRow, m.MarkCol, QAccessible::Name);
        QCOMPARE(name, QStringLiteral("7 января 2000 г., пятница, праздничный день"));
        const QString content =
            CellText(w.MonthGrid(), m.MarkRow, m.MarkCol, QAccessible::Description);
        QVERIFY2(content.contains(QStringLiteral("Рождество Господа")), qPrintable(content));
        QVERIFY2(content.contains(QStringLiteral("25 декабря 1999 г. по старому стилю.")),
                 qPrintable(content));
        // The weekday names say the whole word; an empty cell says nothing.
        QCOMPARE(CellText(w.MonthGrid(), 0, 0, QAccessible::Name), QStringLiteral("Воскресенье"));
        p.Select(2000, 2, 1);  // Tuesday: the Sunday and Monday cells of column 1 are January's
        QCOMPARE(CellText(w.MonthGrid(), 2, 1, QAccessible::Name),
                 QStringLiteral("1 февраля 2000 г., вторник"));
    }
};

std::unique_ptr<QObject> MakeWindowAccessTest() {
    return std::make_unique<WindowAccessTest>();
}

}  // namespace velorith::tests

#include "window_access_test.moc"
