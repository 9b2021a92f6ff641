// The large month against the day model, its clicks and keys on the shared date, the fast dots
// of the small grid, and the colours on a dark desktop.
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <algorithm>
#include <cmath>

#include "dialogs/about_dialog.h"
#include "reports/day_phrases.h"
#include "shell/cell_grid.h"
#include "shell/month_view.h"
#include "shell/paper_palette.h"
#include "shell/selector_bar.h"
#include "shell/settings_store.h"
#include "shell/window_test_fixture.h"
#include "shell/window_tests.h"

namespace velorith::tests {

namespace {

QPalette DarkPalette() {
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(45, 45, 48));
    dark.setColor(QPalette::WindowText, QColor(230, 230, 230));
    dark.setColor(QPalette::Base, QColor(30, 30, 32));
    dark.setColor(QPalette::AlternateBase, QColor(45, 45, 48));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dark.setColor(QPalette::Button, QColor(45, 45, 48));
    dark.setColor(QPalette::ButtonText, QColor(230, 230, 230));
    dark.setColor(QPalette::PlaceholderText, QColor(150, 150, 150));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    return dark;
}

// The application's palette for one test, put back afterwards.
class AppPalette {
  public:
    explicit AppPalette(const QPalette& palette) : was_(QApplication::palette()) {
        QApplication::setPalette(palette);
    }
    ~AppPalette() { QApplication::setPalette(was_); }
    AppPalette(const AppPalette&) = delete;
    AppPalette& operator=(const AppPalette&) = delete;

  private:
    QPalette was_;
};

// A round dot (its bounding box given) and a number's ink have a pixel between them.
bool Clear(const QRectF& dot, const QRectF& number) {
    const QPointF c = dot.center();
    const qreal dx = std::max({number.left() - c.x(), 0.0, c.x() - number.right()});
    const qreal dy = std::max({number.top() - c.y(), 0.0, c.y() - number.bottom()});
    return std::hypot(dx, dy) >= dot.width() / 2 + 1.0 - 1e-9;
}

MonthView* OpenLargeMonth(MainWindow& w) {
    w.findChild<QAction*>("mnuMonthView")->trigger();
    return w.LargeMonth();
}

}  // namespace

class MonthViewTest : public QObject {
    Q_OBJECT

  private slots:
    void theCellsAreTheDayModelsDays() {
        StartedWindow p;
        MonthView* view = OpenLargeMonth(p.W());
        QVERIFY(view != nullptr && view->isVisible());
        QVERIFY(p.W().findChild<QAction*>("mnuMonthView")->isChecked());
        for (int firstWeekday : {7, 1}) {
            p.W().mnuFirstWD_Click(firstWeekday == 7 ? 0 : 1);
            const MonthTable* table = view->Table();
            const DateRec& d = p.S().Cur();
            QCOMPARE(view->Title()->text(), QStringLiteral("Сентябрь 2024 г. по старому стилю"));
            QCOMPARE(table->horizontalHeaderItem(0)->text(), firstWeekday == 7
                                                                 ? QStringLiteral("Воскресенье")
                                                                 : QStringLiteral("Понедельник"));
            int reds = 0;
            int fasts = 0;
            for (DayNum n = d.MonthFirst; n <= d.MonthLast; ++n) {
                const DayInfo info = p.app->Cal().DayAt(n);
                const QPoint at = table->CellOf(n);
                QCOMPARE(at.x(), WeekDayPos(firstWeekday, info.WeekDay) - 1);
                const MonthViewDay* day = table->DayAt(at.y(), at.x());
                QVERIFY(day != nullptr);
                QCOMPARE(day->dayOfMonth, static_cast<int>(n - d.MonthFirst) + 1);
                QCOMPARE(day->principal, QString::fromStdString(PrincipalOf(info)));
                QCOMPARE(day->red, info.Red());
                const bool fast = info.Fast && info.Fast->Level != FastLevel::None &&
                                  info.Fast->Level != FastLevel::FastFree;
                QCOMPARE(!day->fast.isEmpty(), fast);
                if (fast) QCOMPARE(day->fast, QString::fromStdString(FastLineText(*info.Fast)));
                QCOMPARE(day->otherDate.endsWith(QStringLiteral("н. ст.")), true);
                reds += day->red ? 1 : 0;
                fasts += fast ? 1 : 0;
            }
            QVERIFY(reds >= 5);   // the Sundays at least
            QVERIFY(fasts >= 8);  // Wednesdays and Fridays, the Beheading, the Exaltation
            // Days outside the month are empty cells.
            QCOMPARE(table->DayAt(0, 0) == nullptr,
                     WeekDayPos(firstWeekday, p.app->Cal().DayAt(d.MonthFirst).WeekDay) > 1);
        }
        // Screen readers hear each day's date and content.
        const QPoint first = view->Table()->CellOf(p.S().Cur().MonthFirst);
        QCOMPARE(view->Table()->item(first.y(), first.x())->data(Qt::AccessibleTextRole).toString(),
                 QStringLiteral("1 сентября 2024 г., суббота"));
    }

    void aClickOrAKeySelectsTheDayEverywhere() {
        StartedWindow p;
        MainWindow& w = p.W();
        MonthView* view = OpenLargeMonth(w);
        QVERIFY(QTest::qWaitForWindowExposed(view));
        MonthTable* table = view->Table();
        const DayNum target = p.S().Cur().MonthFirst + 19;  // 20 September
        const QPoint at = table->CellOf(target);
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                          table->visualRect(table->model()->index(at.y(), at.x())).center());
        QCOMPARE(p.S().CurDay, target);
        QCOMPARE(table->Selected(), target);
        const MonthGridModel& m = w.MonthModel();
        QCOMPARE(m.Cell(m.MarkRow, m.MarkCol).text, QStringLiteral("20"));
        QCOMPARE(w.Selectors()->Combo(kDaySelector)->currentIndex(),
                 WeekDayPos(p.S().FirstWeekday, p.S().CurWeekDay) - 1);
        QCOMPARE(w.DatesModel().Cell(1, 1).text, QStringLiteral("20 сентября 2024 "));

        // The arrows move to the neighbouring cell: a day across, a week down.
        QTest::keyClick(table, Qt::Key_Right);
        QCOMPARE(p.S().CurDay, target + 1);
        QTest::keyClick(table, Qt::Key_Down);
        QCOMPARE(p.S().CurDay, target + 8);
        QCOMPARE(table->Selected(), target + 8);
        QTest::keyClick(table, Qt::Key_PageDown);
        QCOMPARE(view->Title()->text(), QStringLiteral("Октябрь 2024 г. по старому стилю"));
        QCOMPARE(table->Layout().days.size(), std::size_t{31});
        QTest::keyClick(table, Qt::Key_Home);
        QCOMPARE(p.S().CurDay, DayNumber(kGregorian, 15, 9, 2024));
        QCOMPARE(table->Today(), DayNumber(kGregorian, 15, 9, 2024));

        // A change in the small grid shows in the large month at once.
        QTest::keyClick(w.MonthGrid(), Qt::Key_Down);
        QCOMPARE(table->Selected(), p.S().CurDay);

        // Closed from its own window, the menu item follows.
        QTest::keyClick(view, Qt::Key_Escape);
        QVERIFY(!view->isVisible());
        QVERIFY(!w.findChild<QAction*>("mnuMonthView")->isChecked());
    }

    void theFastOptionReachesTheLargeMonthAndTheGridsDots() {
        StartedWindow p;
        MainWindow& w = p.W();
        MonthView* view = OpenLargeMonth(w);
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const auto anyFast = [view] {
            for (const MonthViewDay& day : view->Table()->Layout().days)
                if (!day.fast.isEmpty()) return true;
            return false;
        };
        QVERIFY(anyFast());
        QVERIFY(!w.FastCells().empty());
        // Switching "Пост" off repaints the grid at once: its dots go with the option.
        int paints = 0;
        struct Counter : QObject {
            int* n;
            explicit Counter(int* count) : n(count) {}
            bool eventFilter(QObject*, QEvent* e) override {
                if (e->type() == QEvent::Paint) ++*n;
                return false;
            }
        } counter(&paints);
        QCoreApplication::processEvents();
        w.MonthGrid()->viewport()->installEventFilter(&counter);
        w.findChild<QAction*>("mnuFasting")->trigger();
        QTest::qWait(50);
        QVERIFY(paints > 0);
        QVERIFY(w.FastCells().empty());
        QVERIFY(!anyFast());
        w.MonthGrid()->viewport()->removeEventFilter(&counter);
    }

    void theFastDotNeverTouchesTheNumber() {
        StartedWindow p;
        MainWindow& w = p.W();
        CellGrid* grid = w.MonthGrid();
        const QFont designFont = grid->font();
        // Every scale of the panel, and fonts larger than the design's (a desktop's text scale).
        for (const QSize size : {QSize(640, 460), QSize(1280, 914), QSize(1920, 1080)}) {
            w.resize(size);
            for (const qreal grow : {1.0, 1.25, 1.5}) {
                QFont font = designFont;
                font.setPointSizeF(designFont.pointSizeF() * grow * w.PanelScale());
                grid->setFont(font);
                w.SetGridCal();
                for (int col = 1; col < MonthGridModel::kCols; ++col) {
                    for (int row = 0; row < MonthGridModel::kRows; ++row) {
                        if (w.MonthModel().Cell(row, col).text.isEmpty()) continue;
                        const QRectF number = grid->NumberRect(row, col);
                        const QRectF dot = grid->FastDotRect(row, col);
                        const QRectF cell = grid->visualRect(grid->model()->index(row, col));
                        QVERIFY(!number.isEmpty());
                        if (dot.isEmpty()) continue;  // no room at all: no dot, never a blot
                        QVERIFY2(Clear(dot, number),
                                 qPrintable(QStringLiteral("%1 at %2x%3, font %4")
                                                .arg(w.MonthModel().Cell(row, col).text)
                                                .arg(size.width())
                                                .arg(size.height())
                                                .arg(font.pointSizeF())));
                        QVERIFY(cell.contains(dot));
                    }
                }
            }
        }
        // At the design size, a two-digit day still has its dot.
        w.resize(640, 460);
        grid->setFont(designFont);
        w.SetGridCal();
        for (int row = 0; row < MonthGridModel::kRows; ++row) {
            if (w.MonthModel().Cell(row, 5).text.size() == 2)
                QVERIFY(grid->FastDotRect(row, 5).width() >= 2.5);
        }
        // Beside the number when there is room; above or below it when not; else nowhere.
        const QRectF cellBox(0, 0, 20, 17);
        const QRectF beside = DotBesideNumber(cellBox, QRectF(7, 4, 11, 9), 2);
        QVERIFY(!beside.isEmpty() && beside.right() < 7);
        const QRectF above = DotBesideNumber(cellBox, QRectF(2, 6, 16, 9), 2);
        QVERIFY(!above.isEmpty() && above.bottom() < 6 && Clear(above, QRectF(2, 6, 16, 9)));
        QVERIFY(DotBesideNumber(cellBox, QRectF(1, 1, 18, 15), 2).isEmpty());
    }

    void darkDesktopsReadTheLinksAndMayChooseTheirColours() {
        // The About box's links stay as they were on light ground and become readable on dark.
        const QPalette light;
        QCOMPARE(LinkColoursFor(light).normal, QColor(0, 0, 64));
        QCOMPARE(LinkColoursFor(light).lit, QColor(0, 0, 255));
        const QPalette dark = DarkPalette();
        for (const QColor& link : {LinkColoursFor(dark).normal, LinkColoursFor(dark).lit})
            QVERIFY(Contrast(link, dark.color(QPalette::Window)) >= 4.5);
        {
            AppPalette palette(dark);
            AboutDialog about;
            QVERIFY(Contrast(about.mailLabel()->palette().color(QPalette::WindowText),
                             about.palette().color(QPalette::Window)) >= 4.5);
        }

        AppPalette palette(dark);
        StartedWindow p;
        MainWindow& w = p.W();
        // By default the panes and grid keep the calendar's paper.
        QCOMPARE(w.Pane(0)->palette().color(QPalette::Base), QColor(Qt::white));
        QVERIFY(!w.SystemColours());
        w.findChild<QAction*>("mnuSystemColours")->trigger();
        QVERIFY(w.SystemColours());
        const QColor ground = w.Pane(0)->palette().color(QPalette::Base);
        QCOMPARE(ground, dark.color(QPalette::Base));
        // Every coloured run of the report reads on the dark ground.
        QTextDocument* doc = w.Pane(0)->document();
        int runs = 0;
        for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat f = it.fragment().charFormat();
                if (!f.hasProperty(QTextFormat::ForegroundBrush)) continue;
                ++runs;
                QVERIFY(Contrast(f.foreground().color(), ground) >= 3.0);
            }
        }
        QVERIFY(runs > 0);
        // The grid's cells are dark with readable numbers; the selected day keeps its red.
        const MonthGridModel& m = w.MonthModel();
        for (int col = 1; col < MonthGridModel::kCols; ++col) {
            for (int row = 0; row < MonthGridModel::kRows; ++row) {
                const QTableWidgetItem* it = w.MonthGrid()->item(row, col);
                if (it->text().isEmpty()) continue;
                QVERIFY(Contrast(it->foreground().color(), it->background().color()) >= 3.0);
                if (row == m.MarkRow && col == m.MarkCol) {
                    QCOMPARE(it->background().color(), QColor(255, 0, 0));
                } else {
                    QVERIFY(it->background().color().lightnessF() < 0.5);
                }
            }
        }
        // The choice is stored with the settings.
        QVERIFY(w.CollectExitSettings().SystemColours);
        w.findChild<QAction*>("mnuSystemColours")->trigger();
        QCOMPARE(w.Pane(0)->palette().color(QPalette::Base), QColor(Qt::white));
        QVERIFY(!w.CollectExitSettings().SystemColours);
    }
};

std::unique_ptr<QObject> MakeMonthViewTest() {
    return std::make_unique<MonthViewTest>();
}

}  // namespace velorith::tests

#include "month_view_test.moc"
