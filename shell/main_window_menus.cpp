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

QMenu* Menu(QMenuBar* bar, const char* name, const char* caption) {
    QMenu* menu = bar->addMenu(QString::fromUtf8(caption));
    menu->setObjectName(QLatin1String(name));
    menu->menuAction()->setObjectName(QLatin1String(name));
    return menu;
}

}  // namespace

void MainWindow::BuildMenus() {
    QMenuBar* bar = menuBar();

    mnuFile = Menu(bar, "mnuFile", "&Файл");
    connect(mnuFile, &QMenu::aboutToShow, this, &MainWindow::TestmnuFile);
    connect(Item(mnuFile, "mnuSaveAS", "Сохранить &как...", Qt::CTRL | Qt::Key_S),
            &QAction::triggered, this, &MainWindow::mnuSaveAS_Click);
    mnuFile->addSeparator();
    mnuCopy = Item(mnuFile, "mnuCopy", "&Копировать", Qt::CTRL | Qt::Key_C);
    connect(mnuCopy, &QAction::triggered, this, &MainWindow::mnuCopy_Click);
    connect(Item(mnuFile, "mnuCopyAll", "Копировать &все", Qt::CTRL | Qt::Key_A),
            &QAction::triggered, this, &MainWindow::mnuCopyAll_Click);
    mnuFile->addSeparator();
    connect(Item(mnuFile, "mnuFind", "П&оиск...", Qt::CTRL | Qt::Key_F), &QAction::triggered, this,
            &MainWindow::mnuFind_Click);
    mnuFindSelText = Item(mnuFile, "mnuFindSelText", "&Искать выделенный текст", Qt::Key_F3);
    connect(mnuFindSelText, &QAction::triggered, this, &MainWindow::mnuFindSelText_Click);
    mnuFile->addSeparator();
    connect(Item(mnuFile, "mnuPrint", "&Печать...", Qt::CTRL | Qt::Key_P), &QAction::triggered,
            this, &MainWindow::mnuPrint_Click);
    connect(Item(mnuFile, "mnuPreview", "П&редварительный просмотр"), &QAction::triggered, this,
            &MainWindow::mnuPreview_Click);
    mnuFile->addSeparator();
    connect(Item(mnuFile, "mnuExit", "В&ыход", Qt::CTRL | Qt::Key_X), &QAction::triggered, this,
            &MainWindow::mnuExit_Click);

    mnuCalendar = Menu(bar, "mnuCalendar", "&Календарь");
    static constexpr const char* kCals[] = {"от Сотворения &Мира", "от Р.Х. по &старому стилю",
                                            "от Р.Х. по &новому стилю"};
    static constexpr Qt::Key kCalKeys[] = {Qt::Key_F1, Qt::Key_F2, Qt::Key_F3};
    for (int k = 1; k <= 3; ++k) {
        QAction* item = Item(mnuCalendar, "mnuCal", kCals[k - 1], Qt::CTRL | kCalKeys[k - 1]);
        item->setObjectName(QStringLiteral("mnuCal_%1").arg(k));
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, k] { mnuCal_Click(k); });
        mnuCal.at(static_cast<std::size_t>(k)) = item;
    }
    mnuCalendar->addSeparator();
    connect(Item(mnuCalendar, "mnuToday", "С&егодня", Qt::CTRL | Qt::Key_F4), &QAction::triggered,
            this, &MainWindow::mnuToday_Click);
    connect(Item(mnuCalendar, "mnuGoToDate", "&Перейти к дате...", Qt::CTRL | Qt::Key_G),
            &QAction::triggered, this, &MainWindow::mnuGoToDate_Click);

    mnuView = Menu(bar, "mnuView", "&Вид");
    static constexpr const char* kTabs[] = {"&День",     "&Седмица", "&Месяц",     "&Год",
                                            "&Основные", "&Выборка", "Сокр&ащения"};
    static constexpr Qt::Key kTabKeys[] = {Qt::Key_F1, Qt::Key_F2, Qt::Key_F3, Qt::Key_F4,
                                           Qt::Key_F5, Qt::Key_F6, Qt::Key_F7};
    for (int i = 0; i < kPaneCount; ++i) {
        QAction* item = Item(mnuView, "mnuTab", kTabs[i], Qt::SHIFT | kTabKeys[i]);
        item->setObjectName(QStringLiteral("mnuTab_%1").arg(i));
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, i] { mnuTab_Click(i); });
        mnuTab.at(static_cast<std::size_t>(i)) = item;
    }
    mnuView->addSeparator();
    mnuReadings = Item(mnuView, "mnuReadings", "&Чтения");
    mnuReadings->setCheckable(true);
    connect(mnuReadings, &QAction::triggered, this, &MainWindow::mnuReadings_Click);

    mnuSetup = Menu(bar, "mnuSetup", "&Настройка");
    connect(Item(mnuSetup, "mnuFont", "&Шрифт..."), &QAction::triggered, this,
            &MainWindow::mnuFont_Click);
    mnuSetup->addSeparator();
    mnuIndiction = Item(mnuSetup, "mnuIndiction", "Показывать год &индиктиона");
    mnuIndiction->setCheckable(true);
    connect(mnuIndiction, &QAction::triggered, this, &MainWindow::mnuIndiction_Click);
    mnuAllStyles = Item(mnuSetup, "mnuAllStyles", "Показывать даты по &трем стилям");
    mnuAllStyles->setCheckable(true);
    connect(mnuAllStyles, &QAction::triggered, this, &MainWindow::mnuAllStyles_Click);
    mnuSetup->addSeparator();
    mnuFWD = mnuSetup->addMenu(QStringLiteral("&Первый день недели"));
    mnuFWD->setObjectName(QStringLiteral("mnuFWD"));
    mnuFWD->menuAction()->setObjectName(QStringLiteral("mnuFWD"));
    static constexpr const char* kFirst[] = {"&Воскресенье", "&Понедельник"};
    for (int i = 0; i < 2; ++i) {
        QAction* item = Item(mnuFWD, "mnuFirstWD", kFirst[i]);
        item->setObjectName(QStringLiteral("mnuFirstWD_%1").arg(i));
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, i] { mnuFirstWD_Click(i); });
        mnuFirstWD.at(static_cast<std::size_t>(i)) = item;
    }
    mnuSetup->addSeparator();
    connect(Item(mnuSetup, "mnuRange", "&Диапазон годов..."), &QAction::triggered, this,
            &MainWindow::mnuRange_Click);

    mnuInfo = Menu(bar, "mnuInfo", "&Справка");
    connect(Item(mnuInfo, "mnuHelp", "&Помощь", Qt::Key_F1), &QAction::triggered, this,
            &MainWindow::mnuHelp_Click);
    mnuInfo->addSeparator();
    connect(Item(mnuInfo, "mnuEMail", "E-Mail &автору"), &QAction::triggered, this,
            &MainWindow::mnuEMail_Click);
    connect(Item(mnuInfo, "mnuHomePage", "Web-&страница"), &QAction::triggered, this,
            &MainWindow::mnuHomePage_Click);
    mnuInfo->addSeparator();
    connect(Item(mnuInfo, "mnuAbout", "&О программе"), &QAction::triggered, this,
            &MainWindow::mnuAbout_Click);
}

}  // namespace velorith
