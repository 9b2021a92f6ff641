// The menu tree of the main window: captions with their access keys, shortcuts, separators
// and check marks, each item wired to its command.
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include "shell/main_window.h"

namespace velorith {

namespace {

QAction* Item(QMenu* menu, const char* name, const char* caption, const QKeySequence& keys = {}) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QLatin1String(name));
    if (!keys.isEmpty()) action->setShortcut(keys);
    return action;
}

// A check-mark item wired to the window's command.
template <typename Command>
QAction* CheckItem(QMenu* menu, const char* name, const char* caption, MainWindow* window,
                   Command command) {
    QAction* action = Item(menu, name, caption);
    action->setCheckable(true);
    QObject::connect(action, &QAction::triggered, window, command);
    return action;
}

QMenu* Menu(QMenuBar* bar, const char* name, const char* caption) {
    QMenu* menu = bar->addMenu(QString::fromUtf8(caption));
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    return menu;
}

}  // namespace

void MainWindow::BuildMenus() {
    QMenuBar* bar = menuBar();

    fileMenu_ = Menu(bar, "mnuFile", "&Файл");
    connect(fileMenu_, &QMenu::aboutToShow, this, &MainWindow::TestmnuFile);
    connect(Item(fileMenu_, "mnuSaveAS", "Сохранить &как...", Qt::CTRL | Qt::Key_S),
            &QAction::triggered, this, &MainWindow::mnuSaveAS_Click);
    connect(Item(fileMenu_, "mnuExportIcs", "Экспорт в календарь (ICS)..."), &QAction::triggered,
            this, &MainWindow::mnuExportIcs_Click);
    fileMenu_->addSeparator();
    copyAction_ = Item(fileMenu_, "mnuCopy", "&Копировать", Qt::CTRL | Qt::Key_C);
    connect(copyAction_, &QAction::triggered, this, &MainWindow::mnuCopy_Click);
    connect(Item(fileMenu_, "mnuCopyAll", "Копировать &все", Qt::CTRL | Qt::Key_A),
            &QAction::triggered, this, &MainWindow::mnuCopyAll_Click);
    fileMenu_->addSeparator();
    connect(Item(fileMenu_, "mnuFind", "П&оиск...", Qt::CTRL | Qt::Key_F), &QAction::triggered,
            this, &MainWindow::mnuFind_Click);
    findSelectedAction_ = Item(fileMenu_, "mnuFindSelText", "&Искать выделенный текст", Qt::Key_F3);
    connect(findSelectedAction_, &QAction::triggered, this, &MainWindow::mnuFindSelText_Click);
    fileMenu_->addSeparator();
    connect(Item(fileMenu_, "mnuPrint", "&Печать...", Qt::CTRL | Qt::Key_P), &QAction::triggered,
            this, &MainWindow::mnuPrint_Click);
    connect(Item(fileMenu_, "mnuPreview", "П&редварительный просмотр"), &QAction::triggered, this,
            &MainWindow::mnuPreview_Click);
    fileMenu_->addSeparator();
    QAction* exitItem = Item(fileMenu_, "mnuExit", "В&ыход", Qt::CTRL | Qt::Key_X);
    // Ctrl+Q ends a program on every Linux desktop; the menu shows the first key.
    exitItem->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_X), QKeySequence(Qt::CTRL | Qt::Key_Q)});
    connect(exitItem, &QAction::triggered, this, &MainWindow::mnuExit_Click);

    calendarMenu_ = Menu(bar, "mnuCalendar", "&Календарь");
    static constexpr const char* kCals[] = {"от Сотворения &Мира", "от Р.Х. по &старому стилю",
                                            "от Р.Х. по &новому стилю"};
    static constexpr Qt::Key kCalKeys[] = {Qt::Key_F1, Qt::Key_F2, Qt::Key_F3};
    for (int k = 1; k <= 3; ++k) {
        QAction* item = Item(calendarMenu_, "mnuCal", kCals[k - 1], Qt::CTRL | kCalKeys[k - 1]);
        item->setObjectName(QStringLiteral("mnuCal_%1").arg(k));
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, k] { mnuCal_Click(k); });
        reckoningActions_.at(static_cast<std::size_t>(k)) = item;
    }
    calendarMenu_->addSeparator();
    connect(Item(calendarMenu_, "mnuToday", "С&егодня", Qt::CTRL | Qt::Key_F4), &QAction::triggered,
            this, &MainWindow::mnuToday_Click);
    connect(Item(calendarMenu_, "mnuGoToDate", "&Перейти к дате...", Qt::CTRL | Qt::Key_G),
            &QAction::triggered, this, &MainWindow::mnuGoToDate_Click);

    viewMenu_ = Menu(bar, "mnuView", "&Вид");
    static constexpr const char* kTabs[] = {"&День",     "&Седмица", "&Месяц",     "&Год",
                                            "&Основные", "&Выборка", "Сокр&ащения"};
    static constexpr Qt::Key kTabKeys[] = {Qt::Key_F1, Qt::Key_F2, Qt::Key_F3, Qt::Key_F4,
                                           Qt::Key_F5, Qt::Key_F6, Qt::Key_F7};
    for (int i = 0; i < kPaneCount; ++i) {
        QAction* item = Item(viewMenu_, "mnuTab", kTabs[i], Qt::SHIFT | kTabKeys[i]);
        item->setObjectName(QStringLiteral("mnuTab_%1").arg(i));
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, i] { mnuTab_Click(i); });
        tabActions_.at(static_cast<std::size_t>(i)) = item;
    }
    viewMenu_->addSeparator();
    fastingAction_ =
        CheckItem(viewMenu_, "mnuFasting", "&Пост", this, &MainWindow::mnuFasting_Click);
    readingsAction_ =
        CheckItem(viewMenu_, "mnuReadings", "&Чтения", this, &MainWindow::mnuReadings_Click);
    zachalaAction_ =
        CheckItem(viewMenu_, "mnuZachala", "&Зачала", this, &MainWindow::mnuZachala_Click);
    viewMenu_->addSeparator();
    monthViewAction_ = CheckItem(viewMenu_, "mnuMonthView", "Месяц к&рупно", this,
                                 &MainWindow::mnuMonthView_Click);
    monthViewAction_->setShortcut(Qt::CTRL | Qt::Key_M);

    setupMenu_ = Menu(bar, "mnuSetup", "&Настройка");
    connect(Item(setupMenu_, "mnuFont", "&Шрифт..."), &QAction::triggered, this,
            &MainWindow::mnuFont_Click);
    setupMenu_->addSeparator();
    indictionAction_ = CheckItem(setupMenu_, "mnuIndiction", "Показывать год &индиктиона", this,
                                 &MainWindow::mnuIndiction_Click);
    allStylesAction_ = CheckItem(setupMenu_, "mnuAllStyles", "Показывать даты по &трем стилям",
                                 this, &MainWindow::mnuAllStyles_Click);
    systemColoursAction_ = CheckItem(setupMenu_, "mnuSystemColours", "&Цвета системы", this,
                                     &MainWindow::mnuSystemColours_Click);
    setupMenu_->addSeparator();
    firstWeekdayMenu_ = setupMenu_->addMenu(QStringLiteral("&Первый день недели"));
    firstWeekdayMenu_->setObjectName(QStringLiteral("mnuFWD"));
    firstWeekdayMenu_->menuAction()->setObjectName(QStringLiteral("mnuFWD"));
    static constexpr const char* kFirst[] = {"&Воскресенье", "&Понедельник"};
    for (int i = 0; i < 2; ++i) {
        QAction* item = Item(firstWeekdayMenu_, "mnuFirstWD", kFirst[i]);
        item->setObjectName(QStringLiteral("mnuFirstWD_%1").arg(i));
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, i] { mnuFirstWD_Click(i); });
        firstWeekdayActions_.at(static_cast<std::size_t>(i)) = item;
    }
    setupMenu_->addSeparator();
    connect(Item(setupMenu_, "mnuRange", "&Диапазон годов..."), &QAction::triggered, this,
            &MainWindow::mnuRange_Click);

    infoMenu_ = Menu(bar, "mnuInfo", "&Справка");
    connect(Item(infoMenu_, "mnuHelp", "&Помощь", Qt::Key_F1), &QAction::triggered, this,
            &MainWindow::mnuHelp_Click);
    infoMenu_->addSeparator();
    connect(Item(infoMenu_, "mnuEMail", "E-Mail &автору"), &QAction::triggered, this,
            &MainWindow::mnuEMail_Click);
    connect(Item(infoMenu_, "mnuHomePage", "Web-&страница"), &QAction::triggered, this,
            &MainWindow::mnuHomePage_Click);
    infoMenu_->addSeparator();
    connect(Item(infoMenu_, "mnuAbout", "&О программе"), &QAction::triggered, this,
            &MainWindow::mnuAbout_Click);
}

}  // namespace velorith
