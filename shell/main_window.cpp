#include "shell/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QProxyStyle>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTextEdit>
#include <QVBoxLayout>

#include "dialogs/find_dialog.h"
#include "dialogs/window_placement.h"
#include "reports/calendar.h"
#include "shell/cell_grid.h"
#include "shell/paper_palette.h"
#include "shell/rtf_document.h"
#include "shell/selector_bar.h"
#include "shell/settings_store.h"

namespace velorith {

namespace {

constexpr int Px(int twips) {
    return twips / kTwipsPerPixel;
}

constexpr int kTabGapTwips = 120;  // between the tabs and the right-hand panel

const char* const kTabCaptions[kPaneCount] = {"День",     "Седмица", "Месяц",     "Год",
                                              "Основные", "Выборка", "Сокращения"};

// Seven tabs share the width the design gives them; the style's own padding would push the last
// ones out of sight in the smallest window.
class CompactTabStyle : public QProxyStyle {
  public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (metric == PM_TabBarTabHSpace) return 10;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

}  // namespace

MainWindow::MainWindow(Calendar& calendar, Navigator& navigator, TempFiles* temps,
                       SettingsStore* store, const WindowSettings& placement,
                       const QString& lastDir, QWidget* parent)
    : QMainWindow(parent),
      calendar_(calendar),
      navigator_(navigator),
      temps_(temps),
      store_(store),
      lastDir_(lastDir) {
    setObjectName(QStringLiteral("frmVelorith"));
    setWindowTitle(QStringLiteral("Велоритский календарь"));
    navigator_.SetView(this);

    BuildControls();
    BuildMenus();
    BuildAdditions();

    // The window never gets smaller than this; there is no upper limit.
    setMinimumSize(640, 460);
    ApplyPlacement(placement);

    const DateState& s = calendar_.State();
    monthGrid_->SetBackground(CalColors(s.CurCal, kBackColor));
    SetWeekDaysNames();
    datesGrid_->Show(dates_);

    reckoningActions_.at(static_cast<std::size_t>(s.CurCal))->setChecked(true);
    tabActions_[0]->setChecked(true);
    indictionAction_->setChecked(calendar_.Settings().ShowIndiction);
    allStylesAction_->setChecked(calendar_.Settings().ShowAllStyles);
    fastingAction_->setChecked(calendar_.Settings().ShowFasting);
    readingsAction_->setChecked(calendar_.Settings().ShowReadings);
    zachalaAction_->setChecked(calendar_.Settings().ShowZachala);
    firstWeekdayActions_[s.FirstWeekday == 7 ? 0 : 1]->setChecked(true);
    searchButton_->setEnabled(false);

    SetYearsMonths();
    SetWeeks();
    LoadAbbreviations();
    LayOut();
    // The selected day is what the keys move first; the tabs are a Shift+F-key away.
    monthGrid_->setFocus();
}

MainWindow::~MainWindow() {
    navigator_.SetView(nullptr);
}

void MainWindow::BuildControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    // The design's sizes hold text of the old 8-point dialog font; a face with Arial's widths at
    // that size fills them the same way.
    QFont dialogFont(ResolveFontFamily(QStringLiteral("Arial")));
    dialogFont.setPointSize(8);
    client->setFont(dialogFont);

    tabs_ = new QTabWidget(client);
    tabs_->setObjectName(QStringLiteral("SSTab1"));
    tabs_->setGeometry(Px(120), Px(120), Px(6675), Px(6135));
    QFont arial = dialogFont;
    arial.setPointSize(9);
    tabs_->tabBar()->setFont(dialogFont);
    auto* tabStyle = new CompactTabStyle();
    tabStyle->setParent(this);  // the window owns the style; the tab bar only uses it
    tabs_->tabBar()->setStyle(tabStyle);
    tabs_->setAccessibleName(QStringLiteral("Отчёты"));
    tabs_->tabBar()->setAccessibleName(QStringLiteral("Вкладки отчётов"));
    tabs_->tabBar()->setAccessibleDescription(
        QStringLiteral("День, седмица, месяц, год, основные праздники, выборка и сокращения"));
    for (int i = 0; i < kPaneCount; ++i) {
        auto* page = new QWidget();
        auto* pane = new QTextEdit(page);
        pane->setObjectName(QStringLiteral("RichTextBox1_%1").arg(i));
        pane->setAccessibleName(
            QStringLiteral("Отчёт «%1»").arg(QString::fromUtf8(kTabCaptions[i])));
        pane->setAccessibleDescription(QStringLiteral(
            "Текст отчёта для выбранной даты. Shift со стрелками выделяет, Ctrl+C копирует"));
        pane->setReadOnly(true);
        pane->setPalette(OnPaper(pane->palette()));  // a document's paper in any theme
        pane->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        pane->setContextMenuPolicy(Qt::CustomContextMenu);
        pane->installEventFilter(this);
        // Ctrl+C and F3 act at once on a new selection, not only after the File menu was opened.
        connect(pane, &QTextEdit::copyAvailable, this, [this] { TestmnuFile(); });
        connect(pane, &QWidget::customContextMenuRequested, this, [this, pane](const QPoint& at) {
            TestmnuFile();
            fileMenu_->popup(pane->mapToGlobal(at));
        });
        panes_.at(static_cast<std::size_t>(i)) = pane;
        if (i == 5) {
            auto* grid = new QGridLayout(page);
            grid->setContentsMargins(Px(150), Px(120), Px(120), Px(120));
            searchField_ = new QLineEdit(page);
            searchField_->setObjectName(QStringLiteral("strFind"));
            searchButton_ = new QPushButton(QStringLiteral("Выбрать"), page);
            searchButton_->setObjectName(QStringLiteral("cbFind"));
            wholeWordBox_ = new QCheckBox(QStringLiteral("Целое слово"), page);
            wholeWordBox_->setObjectName(QStringLiteral("WholeWord"));
            searchField_->setAccessibleName(QStringLiteral("Текст для выборки"));
            searchField_->setAccessibleDescription(QStringLiteral(
                "Поиск по текстам календаря выбранного года; Enter начинает выборку"));
            searchButton_->setAccessibleDescription(
                QStringLiteral("Найти текст во всех днях выбранного года"));
            wholeWordBox_->setAccessibleDescription(QStringLiteral("Искать только целые слова"));
            grid->addWidget(searchField_, 0, 0);
            grid->addWidget(searchButton_, 0, 1);
            grid->addWidget(wholeWordBox_, 1, 0, 1, 2);
            grid->addWidget(pane, 2, 0, 1, 2);
            grid->setColumnStretch(0, 1);
            connect(searchField_, &QLineEdit::textChanged, this, &MainWindow::strFind_Change);
            connect(searchField_, &QLineEdit::returnPressed, this, [this] {
                if (!searchField_->text().isEmpty()) cbFind_Click();
            });
            connect(searchButton_, &QPushButton::clicked, this, &MainWindow::cbFind_Click);
        } else {
            auto* box = new QVBoxLayout(page);
            box->setContentsMargins(Px(120), Px(120), Px(120), Px(120));
            box->addWidget(pane);
        }
        tabs_->addTab(page, QString::fromUtf8(kTabCaptions[i]));
    }
    connect(tabs_, &QTabWidget::currentChanged, this, [this] {
        int before = previousTab_;
        previousTab_ = tabs_->currentIndex();
        SSTab1_Click(before);
    });

    selectorPanel_ = new QWidget(client);
    selectorPanel_->setObjectName(QStringLiteral("Con1"));
    selectorPanel_->setGeometry(Px(6840), Px(120), Px(2625), Px(5325));
    selectorPanel_->setAccessibleName(QStringLiteral("Выбор даты"));
    selectors_ = new SelectorBar(selectorPanel_);
    for (int i = 0; i < kSelectorCount; ++i) {
        int top = Px(45 + 360 * i);
        selectors_->Combo(i)->setGeometry(Px(225), top, Px(2175), Px(315));
        selectors_->Prev(i)->setGeometry(Px(45) - 2, top, Px(135) + 4, Px(315));
        selectors_->Next(i)->setGeometry(Px(2445) - 2, top, Px(135) + 4, Px(315));
    }
    connect(selectors_, &SelectorBar::comboChosen, this, [this](int i, int now, int before) {
        if (!navigator_.Choose(UnitOf(i), now, before)) PutComboBack(i, before);
        navigator_.Redraw();
    });
    connect(selectors_, &SelectorBar::stepPrev, this,
            [this](int i) { navigator_.StepBack(UnitOf(i)); });
    connect(selectors_, &SelectorBar::stepNext, this,
            [this](int i) { navigator_.StepOn(UnitOf(i)); });
    connect(selectors_, &SelectorBar::today, this, &MainWindow::mnuToday_Click);

    monthGrid_ = new CellGrid({345, 300, 300, 300, 300, 300, 300}, std::vector<int>(7, 255), true,
                              selectorPanel_);
    monthGrid_->setObjectName(QStringLiteral("MSFlexGrid1"));
    monthGrid_->setAccessibleName(QStringLiteral("Месяц"));
    monthGrid_->setAccessibleDescription(
        QStringLiteral("Дни месяца по седмицам. Стрелки вверх и вниз: день; влево и вправо: "
                       "седмица; Page Up и Page Down: месяц, с Ctrl год; Home: сегодня"));
    monthGrid_->move(Px(225), Px(1905));
    // The three-reckonings grid is as wide as the month grid; its label column is fixed.
    int gridTwips = monthGrid_->width() * kTwipsPerPixel - 2 * kTwipsPerPixel;
    datesGrid_ =
        new CellGrid({650, gridTwips - 650}, std::vector<int>(3, 255), false, selectorPanel_);
    datesGrid_->setObjectName(QStringLiteral("MSFlexGrid2"));
    datesGrid_->setAccessibleName(QStringLiteral("Дата в трёх летоисчислениях"));
    datesGrid_->move(Px(225), Px(3825));
    connect(monthGrid_, &CellGrid::leftClicked, this, &MainWindow::MSFlexGrid1_Click);
    connect(datesGrid_, &CellGrid::leftClicked, this, &MainWindow::MSFlexGrid2_Click);
    for (CellGrid* grid : {monthGrid_, datesGrid_}) {
        connect(grid, &CellGrid::rightClicked, this,
                [this](const QPoint& at) { calendarMenu_->popup(at); });
    }

    todayButton_ = new QPushButton(QStringLiteral("Сегодня"), selectorPanel_);
    todayButton_->setObjectName(QStringLiteral("cbToday"));
    todayButton_->setGeometry(Px(225), Px(4725), Px(2175), Px(495));
    todayButton_->setFont(arial);
    todayButton_->setFocusPolicy(Qt::TabFocus);
    todayButton_->setAccessibleDescription(QStringLiteral("Перейти к сегодняшнему дню"));
    connect(todayButton_, &QPushButton::clicked, this, &MainWindow::mnuToday_Click);

    closePanel_ = new QWidget(client);
    closePanel_->setObjectName(QStringLiteral("Con2"));
    closePanel_->setGeometry(Px(6840), Px(5715), Px(2625), Px(600));
    closeButton_ = new QPushButton(QStringLiteral("Закрыть"), closePanel_);
    closeButton_->setObjectName(QStringLiteral("cbExit"));
    closeButton_->setGeometry(Px(225), Px(45), Px(2175), Px(495));
    closeButton_->setFont(arial);
    closeButton_->setAccessibleDescription(
        QStringLiteral("Сохранить настройки и выйти из программы"));
    connect(closeButton_, &QPushButton::clicked, this, &MainWindow::cbExit_Click);
}

void MainWindow::ApplyPlacement(const WindowSettings& w) {
    QSize size(std::max(Px(w.Width), minimumWidth()), std::max(Px(w.Height), minimumHeight()));
    QScreen* primary = QGuiApplication::primaryScreen();
    QRect screen = primary ? primary->geometry() : QRect(0, 0, 1024, 768);
    int widthTw = size.width() * kTwipsPerPixel;
    int heightTw = size.height() * kTwipsPerPixel;
    int left = w.Left.value_or((screen.width() * kTwipsPerPixel - widthTw) / 2);
    int top = w.Top.value_or((screen.height() * kTwipsPerPixel - heightTw) / 3);
    // A place on a screen that is no longer attached would hide the window: centre it instead.
    QPoint titleBar(Px(left) + size.width() / 2, Px(top) + 8);
    QScreen* on = QGuiApplication::screenAt(titleBar);
    if (on == nullptr) {
        left = (screen.width() * kTwipsPerPixel - widthTw) / 2;
        top = (screen.height() * kTwipsPerPixel - heightTw) / 3;
        on = primary;
    }
    // A size stored on a larger monitor would reach past this one, and be stored back so. (The
    // frame is not known before the window is first shown; the window manager adds it.)
    const QRect area = on ? on->availableGeometry() : screen;
    const QRect placed = FitIntoArea(QRect(QPoint(Px(left), Px(top)), size), area, minimumSize());
    resize(placed.size());
    move(placed.topLeft());
    if (w.WindowState == 2) setWindowState(windowState() | Qt::WindowMaximized);
}

void MainWindow::LayOut() {
    if (isMinimized()) return;
    ScaleRightPanel();
    QWidget* client = centralWidget();
    int cw = client->width();
    int ch = client->height();
    if (width() * kTwipsPerPixel >= kDefaultWidthTwips) {
        selectorPanel_->move(cw - selectorPanel_->width(), selectorPanel_->y());
        closePanel_->move(cw - closePanel_->width(), closePanel_->y());
        tabs_->resize(cw - selectorPanel_->width() - Px(kTabGapTwips), tabs_->height());
    }
    if (height() * kTwipsPerPixel >= kDefaultHeightTwips) {
        closePanel_->move(closePanel_->x(), ch - closePanel_->height() - Px(50));
        tabs_->resize(tabs_->width(), ch - tabs_->y() - Px(100));
    }
    // The drop-downs of the year, month and week lists may reach down to the window's bottom.
    for (int i = 1; i <= 3; ++i) {
        QComboBox* combo = selectors_->Combo(i);
        int room = height() - selectorPanel_->y() - combo->y() - 45;
        int row = std::max(1, combo->fontMetrics().height() + 4);
        combo->setMaxVisibleItems(std::max(5, room / row));
    }
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    LayOut();
}

void MainWindow::LoadAbbreviations() {
    std::string bytes = calendar_.AbbrDocument();
    paneDocs_[6] = bytes;
    FillPane(6, bytes);
    Pane(6)->moveCursor(QTextCursor::Start);
}

QTextEdit* MainWindow::CurrentPane() const {
    return Pane(std::clamp(tabs_->currentIndex(), 0, kPaneCount - 1));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // The panes would take Ctrl+C and Ctrl+A for themselves; the menu's copy commands put RTF
    // and plain text on the clipboard, so the menu gets them.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        QKeySequence pressed(key->keyCombination());
        if (pressed == QKeySequence(Qt::CTRL | Qt::Key_C) ||
            pressed == QKeySequence(Qt::CTRL | Qt::Key_A)) {
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool MainWindow::RaiseIfOpen(QWidget* dialog) {
    if (dialog == nullptr) return false;
    dialog->raise();
    dialog->activateWindow();
    return true;
}

}  // namespace velorith
