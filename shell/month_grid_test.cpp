#include <QTest>

#include "reckoning/navigation.h"
#include "shell/month_grid_model.h"
#include "shell/shell_tests.h"

namespace velorith::tests {

namespace {

Rgb Role(int cal, int role) {
    return CalColors(cal, role);
}

// The date state on a date of reckoning cal, computed as navigation computes it.
DateState At(int cal, int year, int month, int day, int firstWeekday = 7) {
    DateState s;
    s.FirstWeekday = static_cast<std::int16_t>(firstWeekday);
    s.CurCal = static_cast<std::int16_t>(cal);
    Navigator nav(s);
    s.Cur().Year = static_cast<std::int16_t>(year);
    s.Cur().Month = static_cast<std::int16_t>(month);
    s.Cur().Day = static_cast<std::int16_t>(day);
    nav.RecalcYear();
    return s;
}

MonthGridModel Filled(const DateState& s, const std::vector<bool>& red = {}) {
    MonthGridModel m;
    m.SetWeekDaysNames(s.FirstWeekday);
    m.Fill(s, red);
    return m;
}

QStringList Column(const MonthGridModel& m, int col) {
    QStringList texts;
    for (int r = 0; r < MonthGridModel::kRows; ++r)
        texts << m.Cell(r, col).text;
    return texts;
}

class MonthGridTest : public QObject {
    Q_OBJECT

  private slots:
    void monthStartingOnTheFirstRowHasNoLeadingDays() {
        // 1 September 2024 (new style) is a Sunday.
        MonthGridModel m = Filled(At(3, 2024, 9, 10));
        QCOMPARE(Column(m, 1), (QStringList{"1", "2", "3", "4", "5", "6", "7"}));
        // Sundays: row 0, red and bold; other days navy.
        QCOMPARE(m.Cell(0, 2).text, QStringLiteral("8"));
        QCOMPARE(m.Cell(0, 2).fore, Role(3, kSundayText));
        QVERIFY(m.Cell(0, 2).bold);
        QCOMPARE(m.Cell(3, 2).fore, Role(3, kOrdinaryText));
        QVERIFY(!m.Cell(3, 2).bold);
        // The 30th is a Monday in column 5; October follows in grey.
        QCOMPARE(m.Cell(1, 5).text, QStringLiteral("30"));
        QCOMPARE(m.Cell(2, 5).text, QStringLiteral("1"));
        QCOMPARE(m.Cell(2, 5).fore, Role(3, kNeighbourText));
        QCOMPARE(m.Cell(6, 6).text, QStringLiteral("12"));
        // The selected 10th (a Tuesday, row 2 of column 2) carries the highlight.
        QCOMPARE(m.MarkRow, 2);
        QCOMPARE(m.MarkCol, 2);
        QCOMPARE(m.Cell(2, 2).back, Role(3, kSelectedBack));
        QCOMPARE(m.Cell(2, 2).fore, Role(3, kSelectedText));
        QCOMPARE(m.MarkLook.fore, Role(3, kOrdinaryText));
    }

    void thirtyOneDaysFromTheLastRowFillSixColumns() {
        // 1 March 2025 is a Saturday: six grey February days above it, two days in column 6.
        MonthGridModel m = Filled(At(3, 2025, 3, 1));
        QCOMPARE(Column(m, 1), (QStringList{"23", "24", "25", "26", "27", "28", "1"}));
        for (int r = 0; r < 6; ++r)
            QCOMPARE(m.Cell(r, 1).fore, Role(3, kNeighbourText));
        QCOMPARE(m.Cell(0, 6).text, QStringLiteral("30"));
        QCOMPARE(m.Cell(1, 6).text, QStringLiteral("31"));
        QCOMPARE(m.Cell(2, 6).text, QStringLiteral("1"));
        QCOMPARE(m.Cell(2, 6).fore, Role(3, kNeighbourText));
    }

    void mondayFirstPutsSundaysLast() {
        MonthGridModel m;
        std::vector<QString> names = m.SetWeekDaysNames(1);
        QCOMPARE(names.front(), QStringLiteral("Понедельник"));
        QCOMPARE(names.back(), QStringLiteral("Воскресенье"));
        QCOMPARE(m.Cell(0, 0).text, QStringLiteral("Пн."));
        QCOMPARE(m.Cell(6, 0).text, QStringLiteral("Вс."));
        QVERIFY(m.Cell(6, 0).bold);
        QCOMPARE(m.Cell(6, 0).fore, Role(1, kSundayText));
        QCOMPARE(m.SundayRow, 7);
        m.Fill(At(3, 2024, 9, 1, 1), {});
        QCOMPARE(m.Cell(6, 1).text, QStringLiteral("1"));  // 1 September 2024 is a Sunday
        QCOMPARE(m.MarkLook.fore, Role(3, kSundayText));
        QVERIFY(m.MarkLook.bold);
        QCOMPARE(m.Cell(0, 1).text, QStringLiteral("26"));  // Monday 26 August
        // Back to Sunday first: the last label is Saturday, navy and plain.
        names = m.SetWeekDaysNames(7);
        QCOMPARE(names.front(), QStringLiteral("Воскресенье"));
        QCOMPARE(m.Cell(0, 0).text, QStringLiteral("Вс."));
        QVERIFY(m.Cell(0, 0).bold);
        QCOMPARE(m.Cell(6, 0).text, QStringLiteral("Сб."));
        QVERIFY(!m.Cell(6, 0).bold);
        QCOMPARE(m.Cell(6, 0).fore, Role(1, kOrdinaryText));
    }

    void endsOfTheWorkingRangeShowEmptyNeighbours() {
        // 1 January 1901 (new style) is a Tuesday: two empty cells above it.
        MonthGridModel first = Filled(At(3, 1901, 1, 1));
        QCOMPARE(Column(first, 1).mid(0, 3), (QStringList{"", "", "1"}));
        // 31 December 2100 is a Friday: Saturday and the columns after it are empty.
        MonthGridModel last = Filled(At(3, 2100, 12, 31));
        int filled = 0;
        for (int c = 1; c < MonthGridModel::kCols; ++c) {
            for (int r = 0; r < MonthGridModel::kRows; ++r) {
                const GridCell& cell = last.Cell(r, c);
                if (cell.fore == Role(3, kNeighbourText))
                    QVERIFY(cell.text.isEmpty() || cell.text.toInt() > 20);
                if (!cell.text.isEmpty()) ++filled;
            }
        }
        QCOMPARE(filled, 31 + 3);  // November's last three days, December, nothing after
        // One year earlier the same month has its January days.
        MonthGridModel before = Filled(At(3, 2099, 12, 31));
        QVERIFY(Column(before, 6).contains(QStringLiteral("1")) ||
                Column(before, 5).contains(QStringLiteral("1")));
    }

    void redDaysAndTheHighlightKeepTheirLooks() {
        // 8 September 2024, a Sunday, is red; the 10th is selected.
        std::vector<bool> red(31, false);
        red[8] = true;
        MonthGridModel m = Filled(At(3, 2024, 9, 10), red);
        QCOMPARE(m.Cell(0, 2).back, Role(3, kRedDayBack));
        QCOMPARE(m.Cell(0, 2).fore, Role(3, kSundayText));
        // Selecting the red Sunday: white bold on red; selecting another day gives its look back.
        MonthGridModel::Click click = m.LeftClick(0, 2);
        QCOMPARE(click.kind, MonthGridModel::Click::kDay);
        QCOMPARE(click.day, 8);
        QCOMPARE(m.Cell(0, 2).back, Role(3, kSelectedBack));
        QCOMPARE(m.Cell(2, 2).back, Role(3, kBackColor));  // the 10th is plain again
        m.LeftClick(3, 2);
        QCOMPARE(m.Cell(0, 2).back, Role(3, kRedDayBack));
        QCOMPARE(m.Cell(0, 2).fore, Role(3, kSundayText));
        QVERIFY(m.Cell(0, 2).bold);
    }

    void clicksTellWhatToDo() {
        MonthGridModel m = Filled(At(3, 2025, 3, 12));
        MonthGridModel unchanged = m;
        // The highlighted day: nothing, and nothing changes.
        MonthGridModel::Click click = m.LeftClick(m.MarkRow, m.MarkCol);
        QCOMPARE(click.kind, MonthGridModel::Click::kNothing);
        for (int r = 0; r < 7; ++r) {
            for (int c = 0; c < 7; ++c)
                QCOMPARE(m.Cell(r, c), unchanged.Cell(r, c));
        }
        // A grey February day in column 1, an April day in column 6.
        click = m.LeftClick(2, 1);
        QCOMPARE(click.kind, MonthGridModel::Click::kNearDay);
        QCOMPARE(click.day, 25);
        QCOMPARE(click.col, 1);
        click = m.LeftClick(6, 6);
        QCOMPARE(click.kind, MonthGridModel::Click::kNearDay);
        QCOMPARE(click.day, 5);
        QCOMPARE(click.col, 6);
        // A weekday name.
        click = m.LeftClick(3, 0);
        QCOMPARE(click.kind, MonthGridModel::Click::kWeekday);
        QCOMPARE(click.row, 3);
    }

    void datesGridWritesEveryReckoning() {
        DatesGridModel g;
        g.SetDatesCal(At(2, 2000, 1, 7));
        QCOMPARE(g.Cell(1, 1).text, QStringLiteral("7 января 2000 "));
        QCOMPARE(g.Cell(2, 1).text, QStringLiteral("20 января 2000 "));
        QCOMPARE(g.Cell(0, 1).text, QStringLiteral("7 января 7508 "));
        QCOMPARE(g.Cell(0, 0).text, QStringLiteral("от С.М."));
        QCOMPARE(g.Cell(0, 1).back, CalColors(1, kBackColor));
        QCOMPARE(g.Cell(2, 0).back, CalColors(3, kBackColor));
    }
};

}  // namespace

std::unique_ptr<QObject> MakeMonthGridTest() {
    return std::make_unique<MonthGridTest>();
}

}  // namespace velorith::tests

#include "month_grid_test.moc"
