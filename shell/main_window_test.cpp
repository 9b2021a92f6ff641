#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QAbstractItemView>

#include <csignal>
#include <cstdio>
#include <cstdlib>

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QThread>
#include <QTimer>
#include <QTranslator>
#include <QWheelEvent>

#include "dialogs/about_dialog.h"
#include "dialogs/range_dialog.h"
#include "dialogs/window_placement.h"
#include "reports/calendar.h"
#include "shell/cell_grid.h"
#include "shell/exit_signals.h"
#include "shell/main_window.h"
#include "shell/selector_bar.h"
#include "shell/settings_store.h"
#include "shell/shell_tests.h"
#include "shell/startup.h"
#include "shell/temp_files.h"

namespace velorith::tests {

namespace {

// One started program with its own settings file, temporary folder and a fixed today:
// Sunday 15 September 2024 (new style), 2 September in the Julian reckoning.
struct Started {
    explicit Started(const QString& settingsFile = {},
                     const QString& dataFolder = QStringLiteral(VELORITH_TEST_DATA_DIR)) {
        QString file = settingsFile.isEmpty() ? folder.filePath("settings.ini") : settingsFile;
        settings = std::make_unique<QSettings>(file, QSettings::IniFormat);
        StartOptions o;
        o.settings = settings.get();
        o.tempFolder = folder.path();
        o.dataFolder = dataFolder;
        o.today = CivilDate{2024, 9, 15};
        o.splash = false;
        app = std::make_unique<VelorithApp>(o);
    }
    MainWindow& W() { return app->Window(); }
    DateState& S() { return app->Cal().State(); }

    QTemporaryDir folder;
    std::unique_ptr<QSettings> settings;
    std::unique_ptr<VelorithApp> app;
};

struct MenuRow {
    const char* name;  // "-" for a separator
    const char* caption;
    QKeySequence keys;
    bool checkable;
};

void CompareMenu(QMenu* menu, const std::vector<MenuRow>& rows) {
    QList<QAction*> actions = menu->actions();
    QCOMPARE(actions.size(), static_cast<qsizetype>(rows.size()));
    for (std::size_t i = 0; i < rows.size(); ++i) {
        QAction* a = actions[static_cast<qsizetype>(i)];
        const MenuRow& row = rows[i];
        if (QByteArray(row.name) == "-") {
            QVERIFY2(a->isSeparator(), row.caption);
            continue;
        }
        QCOMPARE(a->objectName(), QString::fromUtf8(row.name));
        QCOMPARE(a->text(), QString::fromUtf8(row.caption));
        QCOMPARE(a->shortcut(), row.keys);
        QCOMPARE(a->isCheckable(), row.checkable);
    }
}

QString Texts(QComboBox* combo, int i) {
    return combo->itemText(i);
}

class MainWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void startsWithTheDefaults() {
        Started p;
        MainWindow& w = p.W();
        QCOMPARE(p.S().CurCal, std::int16_t{2});
        QCOMPARE(p.S().Cur().Day, std::int16_t{2});
        QCOMPARE(p.S().Cur().Month, std::int16_t{9});
        QVERIFY(w.findChild<QAction*>("mnuCal_2")->isChecked());
        QVERIFY(!w.findChild<QAction*>("mnuCal_3")->isChecked());
        QVERIFY(w.findChild<QAction*>("mnuTab_0")->isChecked());
        QVERIFY(w.findChild<QAction*>("mnuFirstWD_0")->isChecked());
        QVERIFY(!w.findChild<QAction*>("mnuIndiction")->isChecked());
        QVERIFY(w.findChild<QAction*>("mnuFasting")->isChecked());
        QVERIFY(p.app->Cal().Settings().ShowFasting);
        QVERIFY(w.width() >= 640 && w.height() >= 460);
        QCOMPARE(w.windowTitle(), QStringLiteral("Велоритский календарь"));
        // Never placed before: centred across the screen, a third of the free height down.
        QRect screen = QGuiApplication::primaryScreen()->geometry();
        QCOMPARE(w.pos().x(), (screen.width() * 15 - w.width() * 15) / 2 / 15);
        QCOMPARE(w.pos().y(), (screen.height() * 15 - w.height() * 15) / 3 / 15);
        SelectorBar* bar = w.Selectors();
        QCOMPARE(bar->Combo(0)->currentIndex(), 1);
        QCOMPARE(Texts(bar->Combo(1), 0), QStringLiteral("1901"));
        QCOMPARE(Texts(bar->Combo(1), bar->Combo(1)->count() - 1), QStringLiteral("2100"));
        QCOMPARE(bar->Combo(1)->currentText(), QStringLiteral("2024"));
        QCOMPARE(bar->Combo(2)->count(), 12);
        QCOMPARE(Texts(bar->Combo(2), 0), QStringLiteral("(1) Январь"));
        QCOMPARE(bar->Combo(2)->currentIndex(), 8);
        QCOMPARE(Texts(bar->Combo(4), 0), QStringLiteral("Воскресенье"));
        QCOMPARE(bar->Combo(4)->currentIndex(), 0);  // Sunday, 2 September (old style)
        QVERIFY(!w.findChild<QPushButton*>("cbFind")->isEnabled());
        QCOMPARE(w.RenderCount(), 1);
        QVERIFY(!w.Pane(0)->toPlainText().isEmpty());
        QCOMPARE(w.DatesModel().Cell(1, 1).text, QStringLiteral("2 сентября 2024 "));
        // The six report files exist from the start.
        for (int i = 0; i < kTempFileCount; ++i)
            QVERIFY(QFileInfo::exists(p.app->Temps().Name(i)));
    }

    // The grid asks for the month's red days when it is drawn: they follow the month shown.
    void theGridMarksEachMonthsRedDays() {
        Started p;
        MainWindow& w = p.W();
        const auto backOf = [&w](const QString& day) {
            const MonthGridModel& m = w.MonthModel();
            for (int c = 1; c < MonthGridModel::kCols; ++c)
                for (int r = 0; r < MonthGridModel::kRows; ++r)
                    if (m.Cell(r, c).text == day &&
                        m.Cell(r, c).fore != CalColors(2, kNeighbourText))
                        return m.Cell(r, c).back;
            return Rgb{};
        };
        // September (old style): the 8th and the 14th are red in the month file.
        QCOMPARE(backOf("8"), CalColors(2, kRedDayBack));
        QCOMPARE(backOf("14"), CalColors(2, kRedDayBack));
        QCOMPARE(backOf("9"), CalColors(2, kBackColor));
        // October: the 1st, the Protection; September's days are plain again.
        p.app->Cal().SelectDate(2, 2024, 10, 2);
        w.SetGridCal();
        QCOMPARE(backOf("1"), CalColors(2, kRedDayBack));
        QCOMPARE(backOf("8"), CalColors(2, kBackColor));
        QCOMPARE(backOf("14"), CalColors(2, kBackColor));
    }

    void withoutDataTheCalendarStillRuns() {
        QTemporaryDir empty;
        Started p({}, empty.filePath("Calendar"));
        QVERIFY(p.W().Pane(0)->toPlainText().contains(QStringLiteral("2 сентября 2024")));
        QVERIFY(p.W().Pane(6)->toPlainText().isEmpty());
        p.W().mnuTab_Click(3);
        QVERIFY(!p.W().Pane(3)->toPlainText().isEmpty());
    }

    void theSavedReckoningIsAppliedAfterToday() {
        QTemporaryDir dir;
        QString file = dir.filePath("world.ini");
        {
            QSettings s(file, QSettings::IniFormat);
            s.setValue("Settings/Calendar", "1");
            s.setValue("Settings/FirstWeekday", "1");
        }
        Started p(file);
        QCOMPARE(p.S().CurCal, std::int16_t{1});
        QCOMPARE(p.W().Selectors()->Combo(1)->currentText(), QStringLiteral("7533"));
        QCOMPARE(Texts(p.W().Selectors()->Combo(1), 0), QStringLiteral("7409"));
        QCOMPARE(Texts(p.W().Selectors()->Combo(2), 0), QStringLiteral("(1) Сентябрь"));
        QVERIFY(p.W().findChild<QAction*>("mnuCal_1")->isChecked());
        QVERIFY(p.W().findChild<QAction*>("mnuFirstWD_1")->isChecked());
        QCOMPARE(p.W().MonthModel().Cell(0, 0).text, QStringLiteral("Пн."));
        QCOMPARE(p.W().MonthModel().Cell(0, 1).back, CalColors(1, kBackColor));
        // Back to the Julian reckoning: both lists are built anew.
        p.W().mnuCal_Click(2);
        QCOMPARE(Texts(p.W().Selectors()->Combo(1), 0), QStringLiteral("1901"));
        QCOMPARE(Texts(p.W().Selectors()->Combo(2), 0), QStringLiteral("(1) Январь"));
        QCOMPARE(p.W().MonthModel().Cell(0, 1).back, CalColors(2, kBackColor));
    }

    void aNewRangeRebuildsTheListsAndKeepsTheDateInside() {
        Started p;
        MainWindow& w = p.W();
        auto enter = [&w](const char* first, const char* last) {
            w.mnuRange_Click();
            auto* dialog = w.findChild<RangeDialog*>();
            QVERIFY(dialog != nullptr);
            dialog->firstBox()->setText(QString::fromLatin1(first));
            dialog->lastBox()->setText(QString::fromLatin1(last));
            dialog->NewRange();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        };
        enter("1950", "2060");
        QCOMPARE(Texts(w.Selectors()->Combo(1), 0), QStringLiteral("1950"));
        QCOMPARE(w.Selectors()->Combo(1)->currentText(), QStringLiteral("2024"));
        w.Selectors()->Choose(1, 2055 - 1950);
        QCOMPARE(int{p.S().Cur().Year}, 2055);
        // The shown year falls outside the new range: back to today.
        enter("1950", "2040");
        QCOMPARE(int{p.S().Cur().Year}, 2024);
        QCOMPARE(w.Selectors()->Combo(1)->currentText(), QStringLiteral("2024"));
        QCOMPARE(Texts(w.Selectors()->Combo(1), w.Selectors()->Combo(1)->count() - 1),
                 QStringLiteral("2040"));
        QCOMPARE(w.CollectExitSettings().MaxYear, 2040);
    }

    void qtsOwnDialogsSpeakRussian() {
        const QString file =
            QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_ru.qm");
        if (!QFileInfo::exists(file)) QSKIP("Qt's Russian translations are not installed");
        QTranslator* translator = InstallQtTranslations(*QCoreApplication::instance());
        QVERIFY(translator != nullptr);
        // The button texts of the message boxes and the file, print and font dialogs.
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Отмена"));
        QCoreApplication::removeTranslator(translator);
        translator->deleteLater();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(QCoreApplication::translate("QPlatformTheme", "Cancel"), QStringLiteral("Cancel"));
    }

    void theRangeDialogAndTheAboutBoxOpenOnceAtATime() {
        Started p;
        MainWindow& w = p.W();
        w.mnuRange_Click();
        w.mnuRange_Click();
        QCOMPARE(w.findChildren<RangeDialog*>().size(), qsizetype{1});
        w.mnuAbout_Click();
        w.mnuAbout_Click();
        QCOMPARE(w.findChildren<AboutDialog*>().size(), qsizetype{1});
        // Once closed, the menu opens a new one.
        w.findChild<RangeDialog*>()->close();
        w.findChild<AboutDialog*>()->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(w.findChildren<RangeDialog*>().size(), qsizetype{0});
        w.mnuRange_Click();
        w.mnuAbout_Click();
        QCOMPARE(w.findChildren<RangeDialog*>().size(), qsizetype{1});
        QCOMPARE(w.findChildren<AboutDialog*>().size(), qsizetype{1});
    }

    void menuTreeMatchesItsTable() {
        Started p;
        QList<QAction*> top = p.W().menuBar()->actions();
        QStringList captions;
        for (QAction* a : top)
            captions << a->text();
        QCOMPARE(captions, (QStringList{"&Файл", "&Календарь", "&Вид", "&Настройка", "&Справка"}));
        const auto ctrl = [](int key) {
            return QKeySequence(Qt::CTRL | static_cast<Qt::Key>(key));
        };
        CompareMenu(p.W().FileMenu(), {{"mnuSaveAS", "Сохранить &как...", ctrl(Qt::Key_S), false},
                                       {"mnuExportIcs", "Экспорт в календарь (ICS)...", {}, false},
                                       {"-", "1", {}, false},
                                       {"mnuCopy", "&Копировать", ctrl(Qt::Key_C), false},
                                       {"mnuCopyAll", "Копировать &все", ctrl(Qt::Key_A), false},
                                       {"-", "2", {}, false},
                                       {"mnuFind", "П&оиск...", ctrl(Qt::Key_F), false},
                                       {"mnuFindSelText", "&Искать выделенный текст",
                                        QKeySequence(Qt::Key_F3), false},
                                       {"-", "3", {}, false},
                                       {"mnuPrint", "&Печать...", ctrl(Qt::Key_P), false},
                                       {"mnuPreview", "П&редварительный просмотр", {}, false},
                                       {"-", "4", {}, false},
                                       {"mnuExit", "В&ыход", ctrl(Qt::Key_X), false}});
        CompareMenu(p.W().CalendarMenu(),
                    {{"mnuCal_1", "от Сотворения &Мира", ctrl(Qt::Key_F1), true},
                     {"mnuCal_2", "от Р.Х. по &старому стилю", ctrl(Qt::Key_F2), true},
                     {"mnuCal_3", "от Р.Х. по &новому стилю", ctrl(Qt::Key_F3), true},
                     {"-", "5", {}, false},
                     {"mnuToday", "С&егодня", ctrl(Qt::Key_F4), false},
                     {"mnuGoToDate", "&Перейти к дате...", ctrl(Qt::Key_G), false}});
        std::vector<MenuRow> view;
        const char* tabs[] = {"&День",     "&Седмица", "&Месяц",     "&Год",
                              "&Основные", "&Выборка", "Сокр&ащения"};
        static const QByteArray names[] = {"mnuTab_0", "mnuTab_1", "mnuTab_2", "mnuTab_3",
                                           "mnuTab_4", "mnuTab_5", "mnuTab_6"};
        for (int i = 0; i < 7; ++i) {
            view.push_back({names[i].constData(), tabs[i],
                            QKeySequence(Qt::SHIFT | static_cast<Qt::Key>(Qt::Key_F1 + i)), true});
        }
        view.push_back({"-", "view", {}, false});
        view.push_back({"mnuFasting", "&Пост", {}, true});
        view.push_back({"mnuReadings", "&Чтения", {}, true});
        view.push_back({"mnuZachala", "&Зачала", {}, true});
        view.push_back({"-", "large", {}, false});
        view.push_back({"mnuMonthView", "Месяц к&рупно", QKeySequence(Qt::CTRL | Qt::Key_M), true});
        CompareMenu(p.W().findChild<QMenu*>("mnuView"), view);
        QMenu* setup = p.W().findChild<QMenu*>("mnuSetup");
        CompareMenu(setup, {{"mnuFont", "&Шрифт...", {}, false},
                            {"-", "6", {}, false},
                            {"mnuIndiction", "Показывать год &индиктиона", {}, true},
                            {"mnuAllStyles", "Показывать даты по &трем стилям", {}, true},
                            {"mnuSystemColours", "&Цвета системы", {}, true},
                            {"-", "7", {}, false},
                            {"mnuFWD", "&Первый день недели", {}, false},
                            {"-", "8", {}, false},
                            {"mnuRange", "&Диапазон годов...", {}, false}});
        CompareMenu(p.W().findChild<QMenu*>("mnuFWD"),
                    {{"mnuFirstWD_0", "&Воскресенье", {}, true},
                     {"mnuFirstWD_1", "&Понедельник", {}, true}});
        CompareMenu(p.W().findChild<QMenu*>("mnuInfo"),
                    {{"mnuHelp", "&Помощь", QKeySequence(Qt::Key_F1), false},
                     {"-", "9", {}, false},
                     {"mnuEMail", "E-Mail &автору", {}, false},
                     {"mnuHomePage", "Web-&страница", {}, false},
                     {"-", "10", {}, false},
                     {"mnuAbout", "&О программе", {}, false}});
        // Copy and find-selected need a selection in the shown pane.
        p.W().TestmnuFile();
        QVERIFY(!p.W().findChild<QAction*>("mnuCopy")->isEnabled());
        p.W().Pane(0)->selectAll();
        p.W().TestmnuFile();
        QVERIFY(p.W().findChild<QAction*>("mnuCopy")->isEnabled());
        QVERIFY(p.W().findChild<QAction*>("mnuFindSelText")->isEnabled());
    }

    void ctrlCInAPaneCopiesRtfAndText() {
        Started p;
        MainWindow& w = p.W();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTextEdit* pane = w.Pane(0);
        pane->setFocus();
        pane->setTextCursor(pane->document()->find(QStringLiteral("2024")));
        QTest::keyClick(pane, Qt::Key_C, Qt::ControlModifier);
        const QMimeData* copied = QGuiApplication::clipboard()->mimeData();
        QVERIFY(copied != nullptr);
        QCOMPARE(copied->text(), QStringLiteral("2024"));
        QVERIFY(copied->data(QStringLiteral("text/rtf")).startsWith("{\\rtf1"));
    }

    void aPaneIsRenderedOnlyWhenItsPeriodChanges() {
        Started p;
        MainWindow& w = p.W();
        int first = w.RenderCount();
        w.SetTabReport();
        w.SetTabReport();
        QCOMPARE(w.RenderCount(), first);
        w.mnuTab_Click(1);
        QCOMPARE(w.Tabs()->currentIndex(), 1);
        QVERIFY(w.findChild<QAction*>("mnuTab_1")->isChecked());
        QVERIFY(!w.findChild<QAction*>("mnuTab_0")->isChecked());
        QCOMPARE(w.RenderCount(), first + 1);
        w.mnuTab_Click(0);
        QCOMPARE(w.RenderCount(), first + 1);  // the same day: the pane keeps its document
        // The indiction option renders anew each time and comes back to its first value.
        w.mnuIndiction_Click();
        QVERIFY(p.app->Cal().Settings().ShowIndiction);
        w.mnuIndiction_Click();
        QVERIFY(!p.app->Cal().Settings().ShowIndiction);
        QVERIFY(!w.findChild<QAction*>("mnuIndiction")->isChecked());
        QCOMPARE(w.RenderCount(), first + 3);
        // So does the fast of the day, which starts on.
        w.mnuFasting_Click();
        QVERIFY(!p.app->Cal().Settings().ShowFasting);
        QVERIFY(!w.findChild<QAction*>("mnuFasting")->isChecked());
        w.mnuFasting_Click();
        QVERIFY(p.app->Cal().Settings().ShowFasting);
        QCOMPARE(w.RenderCount(), first + 5);
        // "Вид" / "Чтения": checked from the start, each click renders anew.
        QAction* readings = w.findChild<QAction*>("mnuReadings");
        QVERIFY(readings != nullptr && readings->isCheckable() && readings->isChecked());
        QVERIFY(p.app->Cal().Settings().ShowReadings);
        w.mnuReadings_Click();
        QVERIFY(!p.app->Cal().Settings().ShowReadings);
        QVERIFY(!readings->isChecked());
        w.mnuReadings_Click();
        QVERIFY(readings->isChecked());
        QCOMPARE(w.RenderCount(), first + 7);
        // "Вид" / "Зачала": off from the start; on, the day's readings carry their zachala.
        QAction* zachala = w.findChild<QAction*>("mnuZachala");
        QVERIFY(zachala != nullptr && zachala->isCheckable() && !zachala->isChecked());
        w.mnuZachala_Click();
        QVERIFY(p.app->Cal().Settings().ShowZachala && zachala->isChecked());
        w.mnuZachala_Click();
        QVERIFY(!p.app->Cal().Settings().ShowZachala && !zachala->isChecked());
        QCOMPARE(w.RenderCount(), first + 9);
        // The abbreviations pane is never rendered by the calendar.
        w.mnuTab_Click(6);
        QCOMPARE(w.RenderCount(), first + 9);
    }

    void clicksOnTheGrids() {
        Started p;
        MainWindow& w = p.W();
        // A real mouse click on the 10th of September (old style).
        const MonthGridModel& m = w.MonthModel();
        int row = -1;
        int col = -1;
        for (int c = 1; c < 7 && row < 0; ++c) {
            for (int r = 0; r < 7; ++r) {
                if (m.Cell(r, c).text == "10" &&
                    m.Cell(r, c).fore != CalColors(2, kNeighbourText)) {
                    row = r;
                    col = c;
                }
            }
        }
        QVERIFY(row >= 0);
        int renders = w.RenderCount();
        CellGrid* grid = w.MonthGrid();
        QRect cell = grid->visualRect(grid->model()->index(row, col));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        QCOMPARE(p.S().Cur().Day, std::int16_t{10});
        QCOMPARE(m.MarkRow, row);
        QCOMPARE(m.MarkCol, col);
        QCOMPARE(w.RenderCount(), renders + 1);
        QCOMPARE(w.Selectors()->Combo(4)->currentIndex(), WeekDayPos(7, p.S().CurWeekDay) - 1);
        QCOMPARE(w.DatesModel().Cell(1, 1).text, QStringLiteral("10 сентября 2024 "));

        // A weekday name: Friday of the same week.
        DayNum weekFirst = p.S().Cur().WeekFirst;
        w.MSFlexGrid1_Click(5, 0);
        QCOMPARE(p.S().CurWeekDay, std::int16_t{5});
        QCOMPARE(p.S().Cur().WeekFirst, weekFirst);
        QCOMPARE(w.Selectors()->Combo(4)->currentIndex(), 5);

        // A grey day in column 1 goes to the previous month.
        QCOMPARE(m.Cell(0, 1).fore, CalColors(2, kNeighbourText));
        int greyDay = m.Cell(0, 1).text.toInt();
        w.MSFlexGrid1_Click(0, 1);
        QCOMPARE(p.S().Cur().Month, std::int16_t{8});
        QCOMPARE(int{p.S().Cur().Day}, greyDay);

        // A reckoning row switches the reckoning; its own row does nothing.
        w.MSFlexGrid2_Click(2, 0);
        QCOMPARE(p.S().CurCal, std::int16_t{3});
        QVERIFY(w.findChild<QAction*>("mnuCal_3")->isChecked());
        QCOMPARE(w.Selectors()->Combo(0)->currentIndex(), 2);
        w.MSFlexGrid2_Click(2, 1);
        QCOMPARE(p.S().CurCal, std::int16_t{3});
    }

    void aReckoningThatCannotShowTheDateIsRefused() {
        Started p;
        MainWindow& w = p.W();
        // 25 December 2100 (old style) is 7 January 2101 (new style), past the range.
        p.app->Cal().SelectDate(2, 2100, 12, 25);
        w.SetGridCal();
        w.Selectors()->Choose(0, 2);
        QCOMPARE(p.S().CurCal, std::int16_t{2});
        QCOMPARE(w.Selectors()->Combo(0)->currentIndex(), 1);
        QCOMPARE(w.Selectors()->OldComboIndex(0), 1);
        w.MSFlexGrid2_Click(2, 0);
        QCOMPARE(p.S().CurCal, std::int16_t{2});
        w.mnuCal_Click(3);
        QCOMPARE(p.S().CurCal, std::int16_t{2});
        QVERIFY(w.findChild<QAction*>("mnuCal_2")->isChecked());
        QVERIFY(!w.findChild<QAction*>("mnuCal_3")->isChecked());
    }

    void inADarkThemeTheReportsStayOnPaper() {
        const QPalette before = QApplication::palette();
        QPalette dark = before;
        for (const QPalette::ColorRole role : {QPalette::Base, QPalette::Window, QPalette::Button})
            dark.setColor(role, QColor(30, 30, 34));
        for (const QPalette::ColorRole role :
             {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
            dark.setColor(role, QColor(230, 230, 230));
        QApplication::setPalette(dark);
        {
            Started p;
            MainWindow& w = p.W();
            const auto light = [](const QColor& c) { return c.lightness() > 200; };
            const auto inky = [](const QColor& c) { return c.lightness() < 80; };
            for (int i = 0; i < kPaneCount; ++i) {
                const QPalette pane = w.Pane(i)->palette();
                QVERIFY2(light(pane.color(QPalette::Base)), qPrintable(QString::number(i)));
                QVERIFY(inky(pane.color(QPalette::Text)));
                QVERIFY(light(w.Pane(i)->viewport()->palette().color(QPalette::Base)));
            }
            for (CellGrid* grid : {w.MonthGrid(), w.DatesGrid()}) {
                QVERIFY(light(grid->palette().color(QPalette::Base)));
                QVERIFY(inky(grid->palette().color(QPalette::Text)));
            }
            for (int i = 0; i < kSelectorCount; ++i) {
                const QPalette combo = w.Selectors()->Combo(i)->palette();
                QVERIFY(light(combo.color(QPalette::Button)));
                QVERIFY(inky(combo.color(QPalette::ButtonText)));
                QVERIFY(inky(combo.color(QPalette::Text)));
            }
        }
        QApplication::setPalette(before);
    }

    void theWheelMovesOnlyASelectorThatHasFocus() {
        Started p;
        MainWindow& w = p.W();
        w.show();
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QComboBox* month = w.Selectors()->Combo(2);
        const auto turn = [month] {
            const QPointF at(month->width() / 2.0, month->height() / 2.0);
            QWheelEvent wheel(at, month->mapToGlobal(at), QPoint(), QPoint(0, -120), Qt::NoButton,
                              Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(month, &wheel);
        };
        w.Pane(0)->setFocus();
        turn();
        QCOMPARE(p.S().Cur().Month, std::int16_t{9});
        QVERIFY(!month->hasFocus());  // nor does the wheel take the focus
        month->setFocus();
        QTRY_VERIFY(month->hasFocus());
        turn();
        QCOMPARE(p.S().Cur().Month, std::int16_t{10});
    }

    void selectorsActOnChoicesOnly() {
        Started p;
        MainWindow& w = p.W();
        SelectorBar* bar = w.Selectors();
        DateState before = p.S();
        bar->SetIndex(2, 0);  // the program's own setting, under the lock
        QCOMPARE(p.S().Cur().Month, before.Cur().Month);
        w.SetGridCal();
        QCOMPARE(bar->Combo(2)->currentIndex(), 8);
        bar->Choose(2, 10);  // the user picks November
        QCOMPARE(p.S().Cur().Month, std::int16_t{11});
        QCOMPARE(bar->Combo(2)->currentIndex(), 10);

        // After a step by the ">" label the week list is compared with what it shows now, so
        // the next entry is one week on.
        DayNum day = p.S().CurDay;
        QTest::mousePress(bar->Next(3), Qt::LeftButton);
        QCOMPARE(p.S().CurDay, day + 7);
        bar->Choose(3, bar->Combo(3)->currentIndex() + 1);
        QCOMPARE(p.S().CurDay, day + 14);

        // "<" steps on a press of the left button, not the right one, and on a double click.
        day = p.S().CurDay;
        QTest::mousePress(bar->Prev(4), Qt::RightButton);
        QCOMPARE(p.S().CurDay, day);
        QTest::mousePress(bar->Prev(4), Qt::LeftButton);
        QCOMPARE(p.S().CurDay, day - 1);
        QMouseEvent dbl(QEvent::MouseButtonDblClick, QPointF(2, 2),
                        bar->Prev(4)->mapToGlobal(QPointF(2, 2)), Qt::LeftButton, Qt::LeftButton,
                        Qt::NoModifier);
        QCoreApplication::sendEvent(bar->Prev(4), &dbl);
        QCOMPARE(p.S().CurDay, day - 2);
    }

    void anOpenedListShowsNineEntriesBeforeTheChosenOne() {
        Started p;
        SelectorBar* bar = p.W().Selectors();
        bar->Choose(1, 150);  // 2051, the 151st of 200 years
        QCOMPARE(int{p.S().Cur().Year}, 2051);
        SelectorCombo* years = bar->Combo(1);
        years->showPopup();
        QAbstractItemView* list = years->view();
        QCOMPARE(list->indexAt(QPoint(4, 2)).row(), 141);
        years->hidePopup();
        // Near the top of the list the first entry stays first.
        QCOMPARE(SelectorCombo::FirstVisible(5), 0);
    }

    void anOpenedListEndsAboveTheWindowsBottom() {
        Started p;
        MainWindow& w = p.W();
        w.resize(640, 460);
        SelectorCombo* years = w.Selectors()->Combo(1);
        years->showPopup();
        QWidget* popup = years->view()->window();
        const int bottom = w.mapToGlobal(QPoint(0, w.height())).y();
        const int top = years->mapToGlobal(QPoint(0, 0)).y();
        // The list opens below its selector and stops short of the window's bottom edge, as the
        // window's set-up fits it, instead of running over the whole screen.
        QVERIFY2(popup->geometry().top() >= top, qPrintable(QString::number(popup->y())));
        QVERIFY2(popup->geometry().bottom() <= bottom,
                 qPrintable(QStringLiteral("%1 > %2").arg(popup->geometry().bottom()).arg(bottom)));
        years->hidePopup();
    }

    void displayOptionsAndTheFirstWeekday() {
        Started p;
        MainWindow& w = p.W();
        w.mnuFirstWD_Click(1);
        QCOMPARE(p.S().FirstWeekday, std::int16_t{1});
        QVERIFY(w.findChild<QAction*>("mnuFirstWD_1")->isChecked());
        QVERIFY(!w.findChild<QAction*>("mnuFirstWD_0")->isChecked());
        QCOMPARE(w.MonthModel().Cell(0, 0).text, QStringLiteral("Пн."));
        QCOMPARE(w.Selectors()->Combo(4)->itemText(0), QStringLiteral("Понедельник"));
        QCOMPARE(w.Selectors()->Combo(4)->currentIndex(),
                 6);  // 2 September (old style) is a Sunday
        QCOMPARE(w.MonthModel().MarkRow, 6);
        QCOMPARE(w.MonthModel().Cell(6, 0).text, QStringLiteral("Вс."));
    }

    void theSearchTabTakesTheSelection() {
        Started p;
        MainWindow& w = p.W();
        QTextCursor cursor = w.Pane(0)->document()->find(QStringLiteral("2024"));
        QVERIFY(!cursor.isNull());
        w.Pane(0)->setTextCursor(cursor);
        QString selected = cursor.selectedText();
        QVERIFY(!selected.isEmpty());
        w.mnuTab_Click(5);
        QCOMPARE(w.SearchField()->text(), selected);
        QVERIFY(w.findChild<QPushButton*>("cbFind")->isEnabled());
        // Without a selection the field keeps its text.
        w.mnuTab_Click(1);
        w.mnuTab_Click(5);
        QCOMPARE(w.SearchField()->text(), selected);
        // Only blanks: nothing to search for.
        w.SearchField()->setText(QStringLiteral("   "));
        QVERIFY(!w.findChild<QPushButton*>("cbFind")->isEnabled());
        // Enter in the field runs the search over the year into the search pane.
        w.SearchField()->setText(QStringLiteral("сентября"));
        int renders = w.RenderCount();
        QTest::keyClick(w.SearchField(), Qt::Key_Return);
        QCOMPARE(w.RenderCount(), renders + 1);
        QVERIFY(!w.PaneDocument(5).empty());
        QVERIFY(!w.Pane(5)->toPlainText().isEmpty());
        // Going to another tab and back keeps the result.
        w.mnuTab_Click(0);
        w.mnuTab_Click(5);
        QCOMPARE(w.RenderCount(), renders + 1);
    }

    void exitStoresTheSettingsOnceAndDeletesTheFiles() {
        Started p;
        MainWindow& w = p.W();
        w.mnuAllStyles_Click();
        w.mnuFasting_Click();
        QStringList files;
        for (int i = 0; i < kTempFileCount; ++i)
            files << p.app->Temps().Name(i);
        QFile::remove(files[3]);  // deleted by someone else: the exit goes on
        w.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QTest::keyClick(&w, Qt::Key_X, Qt::ControlModifier);  // "В&ыход", Ctrl+X
        QVERIFY(w.Exited());
        for (const QString& f : files)
            QVERIFY(!QFileInfo::exists(f));
        QSettings stored(p.settings->fileName(), QSettings::IniFormat);
        QCOMPARE(stored.value("Settings/Calendar").toString(), QStringLiteral("2"));
        QCOMPARE(stored.value("Settings/WindowState").toString(), QStringLiteral("0"));
        QCOMPARE(stored.value("Settings/Width").toString(), QString::number(w.width() * 15));
        QCOMPARE(stored.value("Settings/ShowAllStyles").toString(), QStringLiteral("True"));
        QCOMPARE(stored.value("Settings/ShowFasting").toString(), QStringLiteral("False"));
        QCOMPARE(stored.value("Settings/ShowReadings").toString(), QStringLiteral("True"));
        QCOMPARE(stored.value("Settings/FontBold").toString(), QStringLiteral("False"));
        QCOMPARE(stored.value("Settings/MinYear").toString(), QStringLiteral("1901"));
        QCOMPARE(stored.value("Settings/MaxYear").toString(), QStringLiteral("2100"));
        // Closing once more does nothing more.
        w.close();
        QVERIFY(w.Exited());
    }

    void aPlaceOffEveryScreenIsNotRestored() {
        QTemporaryDir dir;
        QString file = dir.filePath("away.ini");
        {
            QSettings s(file, QSettings::IniFormat);
            s.setValue("Settings/Left", "1500000");
            s.setValue("Settings/Top", "300");
        }
        Started p(file);
        QRect screen = QGuiApplication::primaryScreen()->geometry();
        QVERIFY(screen.contains(p.W().geometry().center()));
        {
            QSettings s(file, QSettings::IniFormat);
            s.setValue("Settings/Left", "1500");
        }
        Started q(file);
        QCOMPARE(q.W().pos(), QPoint(100, 20));
    }

    void aSignalEndsTheRunByItsNormalWayOut() {
        for (const int sig : {SIGTERM, SIGINT, SIGHUP}) {
            Started p;
            ExitSignals exitSignals([&p] { p.W().GoToExit(); });
            QVERIFY(exitSignals.Installed());
            const QString folder = p.app->Temps().Folder();
            QVERIFY(QFileInfo(folder).isDir());
            ::raise(sig);
            QTRY_VERIFY(p.W().Exited());
            QVERIFY(!QFileInfo::exists(folder));
            QSettings stored(p.settings->fileName(), QSettings::IniFormat);
            QCOMPARE(stored.value("Settings/Calendar").toString(), QStringLiteral("2"));
        }
    }

    // The handlers are in place before the splash: a signal during the start ends it with
    // nothing shown and nothing left in the temporary folder; one after it, as ever.
    void aSignalDuringTheStartEndsItCleanly() {
        {
            QTemporaryDir folder;
            QSettings settings(folder.filePath("settings.ini"), QSettings::IniFormat);
            StartOptions o;
            o.settings = &settings;
            o.tempFolder = folder.filePath("temp");
            QVERIFY(QDir().mkpath(o.tempFolder));
            o.dataFolder = QStringLiteral(VELORITH_TEST_DATA_DIR);
            o.today = CivilDate{2024, 9, 15};
            o.exitSignals = true;
            // Raised at the start's first look at its events, while the splash is up.
            QTimer::singleShot(0, [] { ::raise(SIGTERM); });
            VelorithApp app(o);
            QVERIFY(app.ExitRequested());
            QVERIFY(
                QDir(o.tempFolder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
            QVERIFY(!settings.contains(QStringLiteral("Settings/Calendar")));
        }
        // Started normally, the same handlers take the window's way out.
        QTemporaryDir folder;
        QSettings settings(folder.filePath("settings.ini"), QSettings::IniFormat);
        StartOptions o;
        o.settings = &settings;
        o.tempFolder = folder.path();
        o.dataFolder = QStringLiteral(VELORITH_TEST_DATA_DIR);
        o.today = CivilDate{2024, 9, 15};
        o.splash = false;
        o.show = false;
        o.exitSignals = true;
        VelorithApp app(o);
        QVERIFY(!app.ExitRequested());
        const QString temps = app.Temps().Folder();
        QVERIFY(QFileInfo(temps).isDir());
        ::raise(SIGTERM);
        QTRY_VERIFY(app.Window().Exited());
        QVERIFY(!QFileInfo::exists(temps));
    }

    // The program itself, signalled while its splash is up and after: it ends by its normal way
    // out (status 0) and leaves no private folder behind.
    void theProgramSignalledEarlyOrLateLeavesNothingBehind() {
        for (const int delayMs : {150, 600, 2500}) {
            QTemporaryDir runtime;
            QTemporaryDir config;
            ::chmod(QFile::encodeName(runtime.path()).constData(), 0700);
            QProcess program;
            QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
            env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
            env.insert(QStringLiteral("XDG_CONFIG_HOME"), config.path());
            env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
            program.setProcessEnvironment(env);
            program.start(QStringLiteral(VELORITH_EXE), {});
            QVERIFY(program.waitForStarted());
            QThread::msleep(static_cast<unsigned long>(delayMs));
            program.terminate();  // SIGTERM
            QVERIFY(program.waitForFinished(20000));
            QCOMPARE(program.exitStatus(), QProcess::NormalExit);
            QCOMPARE(program.exitCode(), 0);
            QVERIFY2(QDir(runtime.path())
                         .entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)
                         .isEmpty(),
                     qPrintable(QString::number(delayMs)));
        }
    }

    // Qt ends the process through exit() when the X connection breaks; the last words run then,
    // and only while the object that set them lives.
    void anExitOutsideTheEventLoopRunsTheLastWords() {
        QTemporaryDir dir;
        const auto runChild = [&dir](bool destroyFirst) {
            const std::string marker = dir.filePath(destroyFirst ? "late" : "spoken").toStdString();
            const pid_t child = ::fork();
            if (child == 0) {
                {
                    ExitSignals exitSignals({}, [&marker] {
                        if (FILE* f = std::fopen(marker.c_str(), "w")) std::fclose(f);
                    });
                    if (!destroyFirst) std::exit(1);
                }
                std::exit(1);
            }
            int status = 0;
            ::waitpid(child, &status, 0);
            return QFileInfo::exists(QString::fromStdString(marker));
        };
        QVERIFY(runChild(false));
        QVERIFY(!runChild(true));
    }

    void aWindowLargerThanTheScreenIsFittedToIt() {
        const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
        for (const char* width : {"9000000", "60000"}) {
            QTemporaryDir dir;
            QString file = dir.filePath("huge.ini");
            {
                QSettings s(file, QSettings::IniFormat);
                s.setValue("Settings/Width", width);
                s.setValue("Settings/Height", "9000000");
                s.setValue("Settings/Left", "600");
                s.setValue("Settings/Top", "300");
            }
            Started p(file);
            const QRect g = p.W().geometry();
            QVERIFY2(g.width() <= area.width() && g.height() <= area.height(), width);
            QVERIFY2(area.contains(p.W().frameGeometry().topLeft()), width);
            // What is stored back is what fits.
            p.W().GoToExit();
            QSettings stored(file, QSettings::IniFormat);
            QVERIFY(stored.value("Settings/Width").toInt() <= area.width() * 15);
            QVERIFY(stored.value("Settings/Height").toInt() <= area.height() * 15);
        }
        // A rectangle is moved the least, and never smaller than the window allows.
        QCOMPARE(FitIntoArea(QRect(700, 500, 300, 200), QRect(0, 0, 800, 600), QSize(10, 10)),
                 QRect(500, 400, 300, 200));
        QCOMPARE(FitIntoArea(QRect(-50, -9, 300, 200), QRect(0, 0, 800, 600), QSize(10, 10)),
                 QRect(0, 0, 300, 200));
        QCOMPARE(FitIntoArea(QRect(90, 90, 300, 200), QRect(100, 100, 200, 150), QSize(250, 10)),
                 QRect(100, 100, 250, 150));
    }

    void aMaximisedWindowStaysMaximisedAndTheStoreFailingDoesNotStopTheExit() {
        QTemporaryDir dir;
        QString file = dir.filePath("max.ini");
        {
            QSettings s(file, QSettings::IniFormat);
            s.setValue("Settings/WindowState", "2");
            s.setValue("Settings/Left", "1515");
        }
        Started p(file);
        p.W().show();
        QVERIFY(p.W().isMaximized());
        p.W().close();  // the window's own close button
        QSettings stored(file, QSettings::IniFormat);
        QCOMPARE(stored.value("Settings/WindowState").toString(), QStringLiteral("2"));
        QCOMPARE(stored.value("Settings/Left").toString(), QStringLiteral("1515"));

        QTemporaryDir blocked;
        QVERIFY(QDir(blocked.path()).mkpath("store.ini"));
        Started q(blocked.filePath("store.ini"));
        QStringList files;
        for (int i = 0; i < kTempFileCount; ++i)
            files << q.app->Temps().Name(i);
        q.W().cbExit_Click();
        QVERIFY(q.W().Exited());
        for (const QString& f : files)
            QVERIFY(!QFileInfo::exists(f));
    }

    void screenshots() {
        // Pictures to look at, when asked for.
        QString where = qEnvironmentVariable("VELORITH_SHOT_DIR");
        if (where.isEmpty()) QSKIP("VELORITH_SHOT_DIR not set");
        Started p;
        MainWindow& w = p.W();
        w.mnuIndiction_Click();
        QCoreApplication::processEvents();
        QVERIFY(w.grab().save(QDir(where).filePath("default.png")));
        w.resize(640, 460);
        QCoreApplication::processEvents();
        QVERIFY(w.grab().save(QDir(where).filePath("smallest.png")));
        w.resize(1000, 720);
        w.mnuTab_Click(2);
        QCoreApplication::processEvents();
        QVERIFY(w.grab().save(QDir(where).filePath("large-month.png")));
        w.mnuTab_Click(6);
        QCoreApplication::processEvents();
        QVERIFY(w.grab().save(QDir(where).filePath("abbreviations.png")));
        w.resize(640, 460);
        w.mnuTab_Click(5);
        w.SearchField()->setText(QStringLiteral("мученик"));
        w.cbFind_Click();
        QCoreApplication::processEvents();
        QVERIFY(w.grab().save(QDir(where).filePath("search.png")));
        w.mnuCal_Click(1);
        w.mnuFirstWD_Click(1);
        QElapsedTimer year;
        year.start();
        w.mnuTab_Click(3);
        qInfo("year report shown in %lld ms", static_cast<long long>(year.elapsed()));
        QCoreApplication::processEvents();
        QVERIFY(w.grab().save(QDir(where).filePath("world-monday-year.png")));
    }
};

}  // namespace

std::unique_ptr<QObject> MakeMainWindowTest() {
    return std::make_unique<MainWindowTest>();
}

}  // namespace velorith::tests

#include "main_window_test.moc"
