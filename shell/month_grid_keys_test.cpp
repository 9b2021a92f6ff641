#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QTest>
#include <QTextEdit>
#include <algorithm>

#include "reports/day_phrases.h"
#include "shell/cell_grid.h"
#include "shell/day_tool_tip.h"
#include "shell/month_grid_keys.h"
#include "shell/selector_bar.h"
#include "shell/window_test_fixture.h"
#include "shell/window_tests.h"

namespace velorith::tests {

namespace {

// The grid cell of day d of the shown month.
QPoint CellOfDay(const MonthGridModel& m, int d) {
    for (int c = 1; c < MonthGridModel::kCols; ++c) {
        for (int r = 0; r < MonthGridModel::kRows; ++r) {
            if (m.Cell(r, c).text == QString::number(d) &&
                m.Cell(r, c).fore != CalColors(1, kNeighbourText))
                return {c, r};
        }
    }
    return {-1, -1};
}

class MonthGridKeysTest : public QObject {
    Q_OBJECT

  private slots:
    void keysMapToTheSelectorsSteps() {
        using K = QKeyCombination;
        QCOMPARE(GridKeyStepOf(K(Qt::Key_Down)), (GridKeyStep{false, kDaySelector, 1}));
        QCOMPARE(GridKeyStepOf(K(Qt::Key_Up)), (GridKeyStep{false, kDaySelector, -1}));
        QCOMPARE(GridKeyStepOf(K(Qt::Key_Right)), (GridKeyStep{false, kWeekSelector, 1}));
        QCOMPARE(GridKeyStepOf(K(Qt::Key_Left)), (GridKeyStep{false, kWeekSelector, -1}));
        QCOMPARE(GridKeyStepOf(K(Qt::Key_PageDown)), (GridKeyStep{false, kMonthSelector, 1}));
        QCOMPARE(GridKeyStepOf(K(Qt::ControlModifier, Qt::Key_PageUp)),
                 (GridKeyStep{false, kYearSelector, -1}));
        QCOMPARE(GridKeyStepOf(K(Qt::KeypadModifier, Qt::Key_Down)),
                 (GridKeyStep{false, kDaySelector, 1}));
        QVERIFY(GridKeyStepOf(K(Qt::Key_Home))->today);
        // Shift selects elsewhere, Ctrl with an arrow or a letter belongs to the menus.
        QVERIFY(!GridKeyStepOf(K(Qt::ShiftModifier, Qt::Key_Down)));
        QVERIFY(!GridKeyStepOf(K(Qt::ControlModifier, Qt::Key_Down)));
        QVERIFY(!GridKeyStepOf(K(Qt::ControlModifier, Qt::Key_A)));
        QVERIFY(!GridKeyStepOf(K(Qt::AltModifier, Qt::Key_PageDown)));
        QVERIFY(!GridKeyStepOf(K(Qt::Key_Return)));
    }

    void theArrowsStepByDayAndWeekAcrossMonthsAndYears() {
        StartedWindow p;
        CellGrid* grid = p.W().MonthGrid();
        QCOMPARE(Shown(p.S()), (Ymd{2024, 9, 2}));
        QTest::keyClick(grid, Qt::Key_Down);
        QCOMPARE(Shown(p.S()), (Ymd{2024, 9, 3}));
        QCOMPARE(
            p.W().MonthModel().Cell(p.W().MonthModel().MarkRow, p.W().MonthModel().MarkCol).text,
            QStringLiteral("3"));
        QTest::keyClick(grid, Qt::Key_Right);
        QCOMPARE(Shown(p.S()), (Ymd{2024, 9, 10}));
        QCOMPARE(p.W().Selectors()->Combo(kWeekSelector)->currentIndex(), p.S().Cur().Week - 1);
        QTest::keyClick(grid, Qt::Key_Left);
        QTest::keyClick(grid, Qt::Key_Left);
        QCOMPARE(Shown(p.S()), (Ymd{2024, 8, 27}));  // back into August, as a grey day leads
        QCOMPARE(p.W().Selectors()->Combo(kMonthSelector)->currentIndex(), 7);
        QTest::keyClick(grid, Qt::Key_Up);
        QCOMPARE(Shown(p.S()), (Ymd{2024, 8, 26}));

        p.Select(2024, 12, 31);
        QTest::keyClick(grid, Qt::Key_Down);
        QCOMPARE(Shown(p.S()), (Ymd{2025, 1, 1}));
        QCOMPARE(p.W().Selectors()->Combo(kYearSelector)->currentText(), QStringLiteral("2025"));
        QTest::keyClick(grid, Qt::Key_Left);
        QCOMPARE(Shown(p.S()), (Ymd{2024, 12, 25}));
        QCOMPARE(p.W().DatesModel().Cell(1, 1).text, QStringLiteral("25 декабря 2024 "));
    }

    void pagesStepByMonthAndYear() {
        StartedWindow p;
        CellGrid* grid = p.W().MonthGrid();
        p.Select(2024, 1, 31);
        QTest::keyClick(grid, Qt::Key_PageDown);
        QCOMPARE(Shown(p.S()), (Ymd{2024, 2, 29}));  // the day is shortened to the month
        QTest::keyClick(grid, Qt::Key_PageUp);
        QTest::keyClick(grid, Qt::Key_PageUp);
        QCOMPARE(Shown(p.S()), (Ymd{2023, 12, 29}));
        QTest::keyClick(grid, Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(Shown(p.S()), (Ymd{2024, 12, 29}));
        QTest::keyClick(grid, Qt::Key_PageUp, Qt::ControlModifier);
        QTest::keyClick(grid, Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(Shown(p.S()), (Ymd{2022, 12, 29}));
        QTest::keyClick(grid, Qt::Key_Home);
        QCOMPARE(Shown(p.S()), (Ymd{2024, 9, 2}));
        // A key the grid does not use changes nothing.
        QTest::keyClick(grid, Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(Shown(p.S()), (Ymd{2024, 9, 2}));
    }

    void theRangeEndsRefuseEveryStep() {
        StartedWindow p;
        CellGrid* grid = p.W().MonthGrid();
        p.Select(2100, 12, 31);  // the last day of the working range 1901..2100
        for (auto key : {Qt::Key_Down, Qt::Key_Right, Qt::Key_PageDown}) {
            QTest::keyClick(grid, key);
            QCOMPARE(Shown(p.S()), (Ymd{2100, 12, 31}));
        }
        QTest::keyClick(grid, Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(Shown(p.S()), (Ymd{2100, 12, 31}));
        p.Select(2100, 12, 26);
        QTest::keyClick(grid, Qt::Key_Right);  // a week on would be 2101
        QCOMPARE(Shown(p.S()), (Ymd{2100, 12, 26}));

        p.Select(1901, 1, 1);
        for (auto key : {Qt::Key_Up, Qt::Key_Left, Qt::Key_PageUp}) {
            QTest::keyClick(grid, key);
            QCOMPARE(Shown(p.S()), (Ymd{1901, 1, 1}));
        }
        QTest::keyClick(grid, Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(Shown(p.S()), (Ymd{1901, 1, 1}));
        QTest::keyClick(grid, Qt::Key_Down);
        QCOMPARE(Shown(p.S()), (Ymd{1901, 1, 2}));
    }

    void aClickGivesTheGridTheFocusAndTheMenuKeysKeepTheirMeaning() {
        StartedWindow p;
        MainWindow& w = p.W();
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        CellGrid* grid = w.MonthGrid();
        w.Selectors()->Combo(kYearSelector)->setFocus();
        QVERIFY(!grid->hasFocus());
        const QPoint cell = CellOfDay(w.MonthModel(), 4);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                          grid->visualRect(grid->model()->index(cell.y(), cell.x())).center());
        QVERIFY(grid->hasFocus());
        QCOMPARE(w.MonthGridMarks().focusRow, cell.y());
        QCOMPARE(w.MonthGridMarks().focusCol, cell.x());
        QTest::keyClick(grid, Qt::Key_Down);
        QCOMPARE(Shown(p.S()), (Ymd{2024, 9, 5}));
        // Ctrl+A is still "Копировать все" of the shown pane.
        QApplication::clipboard()->clear();
        QTest::keyClick(grid, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(),
                 w.Pane(0)->document()->toPlainText().replace(QChar(0x2011), QLatin1Char('-')));
        QVERIFY(!QApplication::clipboard()->text().isEmpty());
        w.close();
    }

    void fastDaysCarryAMarkAndTheTooltipNamesTheFast() {
        StartedWindow p;
        MainWindow& w = p.W();
        // Julian September 2024: Wednesday the 5th is an ordinary fast day, Friday the 14th the
        // one-day fast of the Exaltation, Monday the 3rd no fast.
        const auto marked = [&w](int day) {
            const QPoint cell = CellOfDay(w.MonthModel(), day);
            const auto cells = w.MonthGridMarks().fastCells;
            return std::find(cells.begin(), cells.end(), cell) != cells.end();
        };
        QVERIFY(marked(5));
        QVERIFY(marked(14));
        QVERIFY(!marked(3));
        const QPoint wednesday = CellOfDay(w.MonthModel(), 5);
        QVERIFY(w.MonthCellToolTip(wednesday.y(), wednesday.x())
                    .contains(QStringLiteral("Сухоядение.")));
        // The fast switched off: no marks and no fast in the tooltip.
        p.app->Cal().Settings().ShowFasting = false;
        QVERIFY(w.MonthGridMarks().fastCells.empty());
        QVERIFY(!w.MonthCellToolTip(wednesday.y(), wednesday.x()).contains(QStringLiteral("пост")));
    }

    void todayKeepsAFrameOverItsOwnFill() {
        StartedWindow p;
        MainWindow& w = p.W();
        // Today is selected: its highlight is the mark.
        QCOMPARE(w.MonthGridMarks().todayRow, -1);
        QTest::keyClick(w.MonthGrid(), Qt::Key_Right);
        const QPoint today = CellOfDay(w.MonthModel(), 2);
        CellGrid::Marks marks = w.MonthGridMarks();
        QCOMPARE(marks.todayRow, today.y());
        QCOMPARE(marks.todayCol, today.x());
        // The cell keeps the fill its day has; the frame lies along its edges.
        CellGrid* grid = w.MonthGrid();
        QImage shot = grid->viewport()->grab().toImage();
        QRect cell = grid->visualRect(grid->model()->index(today.y(), today.x()));
        const GridCell& look = w.MonthModel().Cell(today.y(), today.x());
        QCOMPARE(shot.pixelColor(cell.left() + 4, cell.center().y()), ToQColor(look.back));
        QCOMPARE(shot.pixelColor(cell.left() + 4, cell.top() + 1), QColor(0, 0, 128));
        QCOMPARE(look.back, CalColors(2, kBackColor));  // 2 September is no red day
        // In another month there is no today to mark.
        QTest::keyClick(grid, Qt::Key_PageDown);
        QCOMPARE(w.MonthGridMarks().todayRow, -1);
    }

    void aDaysTooltipGivesTheOtherReckonings() {
        DayInfo nativity;
        nativity.Reckoning = kGregorian;
        nativity.Dates.World = {7508, 4, 25};
        nativity.Dates.Julian = {1999, 12, 25};
        nativity.Dates.Gregorian = {2000, 1, 7};
        QCOMPARE(DayToolTip(nativity), QStringLiteral("25 декабря 7508 г. от Сотворения Мира\n"
                                                      "25 декабря 1999 г. по старому стилю"));
        // The principal commemoration: the feast before the saints, else the day line.
        nativity.Line.Titles.Text = "Пятница 33-ей седмицы по Пятидесятнице.";
        QVERIFY(
            DayToolTip(nativity).endsWith(QStringLiteral("\nПятница 33-ей седмицы по "
                                                         "Пятидесятнице.")));
        nativity.Entries.push_back(
            DayEntry{1, Rank::None, EntrySource::MonthFile, 0, "Мч. Анастасии.", ""});
        nativity.Entries.push_back(
            DayEntry{0, Rank::GreatFeast, EntrySource::MonthFile, 0, "Рождество Христово.", ""});
        QCOMPARE(DayToolTip(nativity), QStringLiteral("25 декабря 7508 г. от Сотворения Мира\n"
                                                      "25 декабря 1999 г. по старому стилю\n"
                                                      "Рождество Христово."));
        nativity.Entries.clear();
        nativity.Line = {};
        nativity.Reckoning = kWorld;
        nativity.Fast = DayFast{FastLevel::FastFree, FastPeriod::Christmastide};
        QCOMPARE(DayToolTip(nativity), QStringLiteral("25 декабря 1999 г. по старому стилю\n"
                                                      "7 января 2000 г. по новому стилю\n"
                                                      "Святки. Поста нет."));
        nativity.Dates.World = {7509, 1, 1};  // September opens the World year
        nativity.Reckoning = kJulian;
        QVERIFY(DayToolTip(nativity).startsWith(QStringLiteral("1 сентября 7509 г.")));
    }

    void everyDayOfTheGridHasItsTooltip() {
        StartedWindow p;
        MainWindow& w = p.W();
        const MonthGridModel& m = w.MonthModel();
        const QPoint first = CellOfDay(m, 1);
        const DayNum sep1 = DayNumber(kJulian, 1, 9, 2024);
        const QString principal = QString::fromStdString(PrincipalOf(p.app->Cal().DayAt(sep1)));
        QVERIFY(!principal.isEmpty());
        QCOMPARE(w.MonthCellToolTip(first.y(), first.x()),
                 QStringLiteral("1 сентября 7533 г. от Сотворения Мира\n"
                                "14 сентября 2024 г. по новому стилю\n") +
                     principal);
        // A grey day of August, and of October at the grid's end.
        QVERIFY(first.y() > 0);
        QVERIFY(w.MonthCellToolTip(first.y() - 1, 1)
                    .startsWith(QStringLiteral("31 августа 7532 г. от Сотворения Мира\n"
                                               "13 сентября 2024 г. по новому стилю\n")));
        QVERIFY(w.MonthCellToolTip(6, 6).contains(QStringLiteral("октября 2024 г. по новому")));
        QVERIFY(w.MonthCellToolTip(0, 0).isEmpty());  // a weekday name
        // In the first month of the range the cells before the 1st are empty.
        p.Select(1901, 1, 1);
        const QPoint jan1 = CellOfDay(m, 1);
        if (jan1.y() > 0) QVERIFY(w.MonthCellToolTip(0, 1).isEmpty());
        QVERIFY(!w.MonthCellToolTip(jan1.y(), jan1.x()).isEmpty());
    }
};

}  // namespace

std::unique_ptr<QObject> MakeMonthGridKeysTest() {
    return std::make_unique<MonthGridKeysTest>();
}

}  // namespace velorith::tests

#include "month_grid_keys_test.moc"
