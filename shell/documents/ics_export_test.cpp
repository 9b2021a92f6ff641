#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "data/text_encoding.h"
#include "exports/civil_years.h"
#include "reports/calendar.h"
#include "shell/documents/documents_tests.h"
#include "shell/documents/ics_export.h"

namespace velorith::tests {
namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A calendar on a data folder of one month file, selected on 7 April 2025 old style.
struct Fixture {
    QTemporaryDir dir;
    std::unique_ptr<Calendar> calendar;
    Fixture() {
        QDir(dir.path()).mkdir(QStringLiteral("Calendar"));
        QFile file(dir.filePath(QStringLiteral("Calendar/December.DAT")));
        if (file.open(QIODevice::WriteOnly))
            file.write(QByteArray::fromStdString(
                Utf8ToCp1251("[25]\n0={1}Рождество Христово.\n").value_or("")));
        file.close();
        calendar =
            std::make_unique<Calendar>(dir.filePath(QStringLiteral("Calendar")).toStdString());
        calendar->State().SetRange(1901, 2100);
        calendar->SelectDate(kJulian, 2025, 4, 7);
    }
};

YearSpanDialog Years(std::optional<YearSpan> span, YearSpanRequest* seen = nullptr) {
    return [=](const YearSpanRequest& request) {
        if (seen) *seen = request;
        return span;
    };
}

IcsFileDialog File(std::optional<QString> path, int* asked = nullptr, QString* proposed = nullptr) {
    return [=](const QString&, const QString& name) {
        if (asked) ++*asked;
        if (proposed) *proposed = name;
        return path;
    };
}

class IcsExportTest : public QObject {
    Q_OBJECT

  private slots:
    void exportsTheChosenCivilYears() {
        Fixture f;
        const QString path = f.dir.filePath(QStringLiteral("Календарь.ics"));
        QString lastDir;
        YearSpanRequest seen;
        QString proposed;
        QString toldPath;
        int toldDays = 0;
        QVERIFY(ExportCalendar(*f.calendar, Years(YearSpan{2025, 2026}, &seen),
                               File(path, nullptr, &proposed), lastDir, {},
                               [&](const QString& where, int days) {
                                   toldPath = where;
                                   toldDays = days;
                               }));
        // The user is told how many days went where.
        QCOMPARE(toldPath, path);
        QCOMPARE(toldDays, 365 + 365);
        QVERIFY(ExportDoneText(path, 730).contains(QStringLiteral("Записано дней: 730.")));
        QVERIFY(ExportDoneText(path, 730).contains(path));
        QCOMPARE(seen.proposed, 2025);  // the civil year of the selected day
        QCOMPARE(proposed, QStringLiteral("Календарь 2025-2026.ics"));
        QCOMPARE(lastDir, f.dir.path() + u'/');
        const QByteArray ics = ReadAll(path);
        QVERIFY(ics.startsWith("BEGIN:VCALENDAR\r\n"));
        QCOMPARE(ics.count("BEGIN:VEVENT"), 365 + 365);
        QVERIFY(ics.contains("UID:2025-01-01@calendar.velorith.org\r\n"));
        QVERIFY(ics.contains("UID:2026-12-31@calendar.velorith.org\r\n"));
        QVERIFY(ics.contains(QStringLiteral("SUMMARY:Рождество Христово.\r\n").toUtf8()));
        // The window's selected day and reckoning are as they were.
        QCOMPARE(f.calendar->State().CurCal, static_cast<int>(kJulian));
        QCOMPARE(f.calendar->State().CurDay, DayNumber(kJulian, 7, 4, 2025));
    }

    void cancelsAndBadSpansWriteNothing() {
        Fixture f;
        const QString path = f.dir.filePath(QStringLiteral("x.ics"));
        QString lastDir = QStringLiteral("/before/");
        int asked = 0;
        QVERIFY(!ExportCalendar(*f.calendar, Years(std::nullopt), File(path, &asked), lastDir));
        QVERIFY(
            !ExportCalendar(*f.calendar, Years(YearSpan{2100, 2101}), File(path, &asked), lastDir));
        QVERIFY(!ExportCalendar(*f.calendar, Years(YearSpan{2000, 2100}), File(path, &asked),
                                lastDir));  // more years than a file takes
        QVERIFY(
            !ExportCalendar(*f.calendar, Years(YearSpan{2026, 2025}), File(path, &asked), lastDir));
        QCOMPARE(asked, 0);
        QVERIFY(
            !ExportCalendar(*f.calendar, Years(YearSpan{2025, 2025}), File(std::nullopt), lastDir));
        QVERIFY(!QFile::exists(path));
        // A folder that does not exist: nothing written, the last folder kept, the user told.
        QString told;
        const QString nowhere = f.dir.filePath(QStringLiteral("no/such/x.ics"));
        QVERIFY(!ExportCalendar(*f.calendar, Years(YearSpan{2025, 2025}), File(nowhere), lastDir,
                                [&told](const QString& where, const QString& reason) {
                                    told = where + QStringLiteral(": ") + reason;
                                }));
        QCOMPARE(lastDir, QStringLiteral("/before/"));
        QVERIFY(told.startsWith(nowhere + QStringLiteral(": ")));
        QVERIFY(told.size() > nowhere.size() + 2);
    }

    void yearRequestStaysInTheWorkingRange() {
        Fixture f;
        const YearSpanRequest request = YearRequestOf(*f.calendar);
        const DateState& state = f.calendar->State();
        QVERIFY(exports::CivilYearsInRange(state, request.min, request.max));
        QVERIFY(!exports::CivilYearsInRange(state, request.min - 1, request.max));
        QVERIFY(!exports::CivilYearsInRange(state, request.min, request.max + 1));
        QCOMPARE(ProposedIcsName({2025, 2025}), QStringLiteral("Календарь 2025.ics"));
    }
};

}  // namespace

std::unique_ptr<QObject> MakeIcsExportTest() {
    return std::make_unique<IcsExportTest>();
}

}  // namespace velorith::tests

#include "ics_export_test.moc"
