#include "shell/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFile>
#include <QGridLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTextEdit>
#include <QVBoxLayout>

#include "dialogs/find_dialog.h"
#include "reckoning/movable_cycle.h"
#include "reports/calendar.h"
#include "shell/busy_pointer.h"
#include "shell/cell_grid.h"
#include "shell/rtf_document.h"
#include "shell/selector_bar.h"
#include "shell/settings_store.h"
#include "shell/temp_files.h"

namespace velorith {

namespace {

constexpr int Px(int twips) {
    return twips / kTwipsPerPixel;
}

constexpr int kTabGapTwips = 120;  // between the tabs and the right-hand panel

const char* const kTabCaptions[kPaneCount] = {"День",     "Седмица", "Месяц",     "Год",
                                              "Основные", "Выборка", "Сокращения"};

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

    // The window never gets smaller than this; there is no upper limit.
    setMinimumSize(640, 460);
    ApplyPlacement(placement);

    const DateState& s = calendar_.State();
    MSFlexGrid1->SetBackground(CalColors(s.CurCal, kBackColor));
    SetWeekDaysNames();
    MSFlexGrid2->Show(dates_);

    mnuCal.at(static_cast<std::size_t>(s.CurCal))->setChecked(true);
    mnuTab[0]->setChecked(true);
    mnuIndiction->setChecked(calendar_.Settings().ShowIndiction);
    mnuAllStyles->setChecked(calendar_.Settings().ShowAllStyles);
    mnuFirstWD[s.FirstWeekday == 7 ? 0 : 1]->setChecked(true);
    cbFind->setEnabled(false);

    SetYearsMonths();
    SetWeeks();
    LoadAbbreviations();
    LayOut();
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

    SSTab1 = new QTabWidget(client);
    SSTab1->setObjectName(QStringLiteral("SSTab1"));
    SSTab1->setGeometry(Px(120), Px(120), Px(6675), Px(6135));
    QFont arial = dialogFont;
    arial.setPointSize(9);
    SSTab1->tabBar()->setFont(dialogFont);
    SSTab1->setStyleSheet(QStringLiteral("QTabBar::tab { padding: 3px 5px; }"));
    for (int i = 0; i < kPaneCount; ++i) {
        auto* page = new QWidget();
        auto* pane = new QTextEdit(page);
        pane->setObjectName(QStringLiteral("RichTextBox1_%1").arg(i));
        pane->setReadOnly(true);
        pane->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        pane->setContextMenuPolicy(Qt::CustomContextMenu);
        pane->installEventFilter(this);
        // Ctrl+C and F3 act at once on a new selection, not only after the File menu was opened.
        connect(pane, &QTextEdit::copyAvailable, this, [this] { TestmnuFile(); });
        connect(pane, &QWidget::customContextMenuRequested, this, [this, pane](const QPoint& at) {
            TestmnuFile();
            mnuFile->popup(pane->mapToGlobal(at));
        });
        RichTextBox1.at(static_cast<std::size_t>(i)) = pane;
        if (i == 5) {
            auto* grid = new QGridLayout(page);
            grid->setContentsMargins(Px(150), Px(120), Px(120), Px(120));
            strFind = new QLineEdit(page);
            strFind->setObjectName(QStringLiteral("strFind"));
            cbFind = new QPushButton(QStringLiteral("Выбрать"), page);
            cbFind->setObjectName(QStringLiteral("cbFind"));
            WholeWord = new QCheckBox(QStringLiteral("Целое слово"), page);
            WholeWord->setObjectName(QStringLiteral("WholeWord"));
            grid->addWidget(strFind, 0, 0);
            grid->addWidget(cbFind, 0, 1);
            grid->addWidget(WholeWord, 1, 0, 1, 2);
            grid->addWidget(pane, 2, 0, 1, 2);
            grid->setColumnStretch(0, 1);
            connect(strFind, &QLineEdit::textChanged, this, &MainWindow::strFind_Change);
            connect(strFind, &QLineEdit::returnPressed, this, [this] {
                if (!strFind->text().isEmpty()) cbFind_Click();
            });
            connect(cbFind, &QPushButton::clicked, this, &MainWindow::cbFind_Click);
        } else {
            auto* box = new QVBoxLayout(page);
            box->setContentsMargins(Px(120), Px(120), Px(120), Px(120));
            box->addWidget(pane);
        }
        SSTab1->addTab(page, QString::fromUtf8(kTabCaptions[i]));
    }
    connect(SSTab1, &QTabWidget::currentChanged, this, [this] {
        int before = previousTab_;
        previousTab_ = SSTab1->currentIndex();
        SSTab1_Click(before);
    });

    Con1 = new QWidget(client);
    Con1->setObjectName(QStringLiteral("Con1"));
    Con1->setGeometry(Px(6840), Px(120), Px(2625), Px(5325));
    selectors_ = new SelectorBar(Con1);
    for (int i = 0; i < kSelectorCount; ++i) {
        int top = Px(45 + 360 * i);
        selectors_->Combo(i)->setGeometry(Px(225), top, Px(2175), Px(315));
        selectors_->Prev(i)->setGeometry(Px(45) - 2, top, Px(135) + 4, Px(315));
        selectors_->Next(i)->setGeometry(Px(2445) - 2, top, Px(135) + 4, Px(315));
    }
    connect(selectors_, &SelectorBar::comboChosen, this,
            [this](int i, int now, int before) { navigator_.GoCombo(i, now, before); });
    connect(selectors_, &SelectorBar::stepPrev, this, [this](int i) { navigator_.GoPrev(i); });
    connect(selectors_, &SelectorBar::stepNext, this, [this](int i) { navigator_.GoNext(i); });

    MSFlexGrid1 =
        new CellGrid({345, 300, 300, 300, 300, 300, 300}, std::vector<int>(7, 255), true, Con1);
    MSFlexGrid1->setObjectName(QStringLiteral("MSFlexGrid1"));
    MSFlexGrid1->move(Px(225), Px(1905));
    // The three-reckonings grid is as wide as the month grid; its label column is fixed.
    int gridTwips = MSFlexGrid1->width() * kTwipsPerPixel - 2 * kTwipsPerPixel;
    MSFlexGrid2 = new CellGrid({650, gridTwips - 650}, std::vector<int>(3, 255), false, Con1);
    MSFlexGrid2->setObjectName(QStringLiteral("MSFlexGrid2"));
    MSFlexGrid2->move(Px(225), Px(3825));
    connect(MSFlexGrid1, &CellGrid::leftClicked, this, &MainWindow::MSFlexGrid1_Click);
    connect(MSFlexGrid2, &CellGrid::leftClicked, this, &MainWindow::MSFlexGrid2_Click);
    for (CellGrid* grid : {MSFlexGrid1, MSFlexGrid2}) {
        connect(grid, &CellGrid::rightClicked, this,
                [this](const QPoint& at) { mnuCalendar->popup(at); });
    }

    cbToday = new QPushButton(QStringLiteral("Сегодня"), Con1);
    cbToday->setObjectName(QStringLiteral("cbToday"));
    cbToday->setGeometry(Px(225), Px(4725), Px(2175), Px(495));
    cbToday->setFont(arial);
    cbToday->setFocusPolicy(Qt::TabFocus);
    connect(cbToday, &QPushButton::clicked, this, &MainWindow::mnuToday_Click);

    Con2 = new QWidget(client);
    Con2->setObjectName(QStringLiteral("Con2"));
    Con2->setGeometry(Px(6840), Px(5715), Px(2625), Px(600));
    cbExit = new QPushButton(QStringLiteral("Закрыть"), Con2);
    cbExit->setObjectName(QStringLiteral("cbExit"));
    cbExit->setGeometry(Px(225), Px(45), Px(2175), Px(495));
    cbExit->setFont(arial);
    connect(cbExit, &QPushButton::clicked, this, &MainWindow::cbExit_Click);
}

void MainWindow::ApplyPlacement(const WindowSettings& w) {
    QSize size(std::max(Px(w.Width), minimumWidth()), std::max(Px(w.Height), minimumHeight()));
    resize(size);
    QRect screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->geometry()
                                                    : QRect(0, 0, 1024, 768);
    int widthTw = size.width() * kTwipsPerPixel;
    int heightTw = size.height() * kTwipsPerPixel;
    int left = w.Left.value_or((screen.width() * kTwipsPerPixel - widthTw) / 2);
    int top = w.Top.value_or((screen.height() * kTwipsPerPixel - heightTw) / 3);
    move(Px(left), Px(top));
    if (w.WindowState == 2) setWindowState(windowState() | Qt::WindowMaximized);
}

void MainWindow::LayOut() {
    if (isMinimized()) return;
    QWidget* client = centralWidget();
    int cw = client->width();
    int ch = client->height();
    if (width() * kTwipsPerPixel >= kDefaultWidthTwips) {
        Con1->move(cw - Con1->width(), Con1->y());
        Con2->move(cw - Con2->width(), Con2->y());
        SSTab1->resize(cw - Con1->width() - Px(kTabGapTwips), SSTab1->height());
    }
    if (height() * kTwipsPerPixel >= kDefaultHeightTwips) {
        Con2->move(Con2->x(), ch - Con2->height() - Px(50));
        SSTab1->resize(SSTab1->width(), ch - SSTab1->y() - Px(100));
    }
    // The drop-downs of the year, month and week lists may reach down to the window's bottom.
    for (int i = 1; i <= 3; ++i) {
        QComboBox* combo = selectors_->Combo(i);
        int room = height() - Con1->y() - combo->y() - 45;
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
    abbrIsBytes_ = true;
    LoadRtf(*Pane(6)->document(), bytes);
    Pane(6)->moveCursor(QTextCursor::Start);
}

QTextEdit* MainWindow::CurrentPane() const {
    return Pane(std::clamp(SSTab1->currentIndex(), 0, kPaneCount - 1));
}

// --- what navigation redraws -----------------------------------------------------------------

void MainWindow::SetGridCal() {
    const DateState& s = calendar_.State();
    QColor back = ToQColor(CalColors(s.CurCal, kBackColor));
    selectors_->SetBackground(back);
    MSFlexGrid1->SetBackground(CalColors(s.CurCal, kBackColor));
    grid_.Fill(s, calendar_.RedDays());
    MSFlexGrid1->Show(grid_);
    selectors_->SetIndices(s);
    SetDatesCal();
}

void MainWindow::SetDatesCal() {
    dates_.SetDatesCal(calendar_.State());
    MSFlexGrid2->Show(dates_);
}

void MainWindow::SetWeekDaysNames() {
    std::vector<QString> names = grid_.SetWeekDaysNames(calendar_.State().FirstWeekday);
    selectors_->SetWeekDays(names);
    MSFlexGrid1->Show(grid_);
}

void MainWindow::SetTabReport() {
    int tab = SSTab1->currentIndex();
    // The week, month and year reports walk through many days: show that the program works.
    std::optional<BusyPointer> busy;
    if (tab >= kWeekTab && tab <= kYearTab) busy.emplace();
    TabUpdate update = calendar_.SetTabReport(tab);
    if (update.render) ShowDocument(tab, std::move(update.document));
}

void MainWindow::ShowDocument(int i, std::string document) {
    ++renderCount_;
    std::string bytes = Calendar::DocumentBytes(document);
    // The pane's file is what a later look at the report would find; a failing write loses
    // nothing, since the pane shows the document from memory.
    if (temps_ != nullptr && i < kTempFileCount && !temps_->Name(i).isEmpty()) {
        QFile file(temps_->Name(i));
        if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            file.write(bytes.data(), static_cast<qint64>(bytes.size()));
    }
    LoadRtf(*Pane(i)->document(), bytes);
    Pane(i)->moveCursor(QTextCursor::Start);  // a new report is read from its top
    paneDocs_.at(static_cast<std::size_t>(i)) = std::move(document);
}

std::string MainWindow::PaneBytes(int i) const {
    if (i == 6 && abbrIsBytes_) return paneDocs_[6];
    return Calendar::DocumentBytes(paneDocs_.at(static_cast<std::size_t>(i)));
}

void MainWindow::SetYearsMonths() {
    selectors_->SetYearsMonths(calendar_.State());
}

void MainWindow::SetWeeks() {
    selectors_->SetWeeks(WeekLabels(calendar_.State()));
}

void MainWindow::CheckCalMenu(int k) {
    for (int i = 1; i <= 3; ++i)
        mnuCal.at(static_cast<std::size_t>(i))->setChecked(i == k);
}

void MainWindow::Beep() {
    QApplication::beep();
}

void MainWindow::PutComboBack(int i, int oldIndex) {
    selectors_->Choose(i, oldIndex);
}

// --- grids -----------------------------------------------------------------------------------

void MainWindow::MSFlexGrid1_Click(int row, int col) {
    MonthGridModel::Click click = grid_.LeftClick(row, col);
    switch (click.kind) {
        case MonthGridModel::Click::kNothing:
            return;
        case MonthGridModel::Click::kWeekday:
            // A choice in the weekday list, exactly as if the user had made it there.
            selectors_->Choose(kDaySelector, click.row);
            return;
        case MonthGridModel::Click::kNearDay:
            MSFlexGrid1->Show(grid_);
            navigator_.GoNearMonth(click.day, click.col);
            return;
        case MonthGridModel::Click::kDay: {
            MSFlexGrid1->Show(grid_);  // the highlight moves; nothing is rebuilt
            navigator_.GoDay(click.day);
            const DateState& s = calendar_.State();
            selectors_->SetIndex(kWeekSelector, s.Cur().Week - 1);
            selectors_->SetIndex(kDaySelector, WeekDayPos(s.FirstWeekday, s.CurWeekDay) - 1);
            SetDatesCal();
            return;
        }
    }
}

void MainWindow::MSFlexGrid2_Click(int row, int /*col*/) {
    DateState& s = calendar_.State();
    int k = row + 1;
    if (k == s.CurCal) return;
    if (!s.InRange(k, s.CurDay)) {
        Beep();
        return;
    }
    BusyPointer busy;
    s.CurCal = static_cast<std::int16_t>(k);
    navigator_.ChangeCal();
    SetGridCal();
    SetTabReport();
}

// --- tabs and display options ----------------------------------------------------------------

void MainWindow::SSTab1_Click(int previousTab) {
    int tab = SSTab1->currentIndex();
    if (tab == kSearchTab) {
        QTextCursor selection = Pane(std::clamp(previousTab, 0, kPaneCount - 1))->textCursor();
        if (selection.hasSelection()) {
            strFind->setText(
                selection.selectedText().replace(QChar::ParagraphSeparator, QLatin1Char(' ')));
        }
        strFind->setFocus();
    }
    for (int i = 0; i < kPaneCount; ++i)
        mnuTab.at(static_cast<std::size_t>(i))->setChecked(i == tab);
    SetTabReport();
    TestmnuFile();
}

void MainWindow::mnuTab_Click(int i) {
    for (int t = 0; t < kPaneCount; ++t)
        mnuTab.at(static_cast<std::size_t>(t))->setChecked(t == i);
    SSTab1->setCurrentIndex(i);
}

void MainWindow::mnuIndiction_Click() {
    bool& flag = calendar_.Settings().ShowIndiction;
    flag = !flag;
    mnuIndiction->setChecked(flag);
    calendar_.ResetReports();
    SetTabReport();
}

void MainWindow::mnuAllStyles_Click() {
    bool& flag = calendar_.Settings().ShowAllStyles;
    flag = !flag;
    mnuAllStyles->setChecked(flag);
    calendar_.ResetReports();
    SetTabReport();
}

void MainWindow::mnuFirstWD_Click(int i) {
    mnuFirstWD[0]->setChecked(i == 0);
    mnuFirstWD[1]->setChecked(i == 1);
    DateState& s = calendar_.State();
    s.FirstWeekday = i == 1 ? 1 : 7;
    s.SetYearInfo();
    s.SetWeekInfo();
    SetWeekDaysNames();
    SetWeeks();
    SetGridCal();
    SetTabReport();
}

void MainWindow::mnuCal_Click(int k) {
    navigator_.mnuCal_Click(k);
    // A refused switch leaves the old item checked; Qt has already toggled the clicked one.
    CheckCalMenu(calendar_.State().CurCal);
}

void MainWindow::mnuToday_Click() {
    navigator_.GoToday();
}

void MainWindow::TestmnuFile() {
    if (mnuCopy == nullptr) return;  // the menus are not built yet
    bool selected = CurrentPane()->textCursor().hasSelection();
    mnuCopy->setEnabled(selected);
    mnuFindSelText->setEnabled(selected);
}

// --- search field ----------------------------------------------------------------------------

void MainWindow::strFind_Change() {
    cbFind->setEnabled(!strFind->text().trimmed().isEmpty());
}

void MainWindow::cbFind_Click() {
    BusyPointer busy;
    std::optional<std::string> document =
        calendar_.SetFindReport(strFind->text().toStdString(), WholeWord->isChecked());
    if (document) ShowDocument(kSearchTab, std::move(*document));
}

// --- the way out -----------------------------------------------------------------------------

ExitSettings MainWindow::CollectExitSettings() const {
    const DateState& s = calendar_.State();
    const ReportSettings& r = calendar_.Settings();
    ExitSettings v;
    v.Calendar = s.CurCal;
    v.FirstWeekday = s.FirstWeekday;
    v.WindowState = isMinimized() ? 1 : isMaximized() ? 2 : 0;
    QRect placed = geometry();
    v.Left = pos().x() * kTwipsPerPixel;
    v.Top = pos().y() * kTwipsPerPixel;
    v.Height = placed.height() * kTwipsPerPixel;
    v.Width = placed.width() * kTwipsPerPixel;
    v.FontName = QString::fromStdString(r.FontName);
    v.FontSize = r.FontSize;
    v.FontBold = r.FontBold;
    v.FontItalic = r.FontItalic;
    v.ShowIndiction = r.ShowIndiction;
    v.ShowAllStyles = r.ShowAllStyles;
    v.LastDir = lastDir_;
    v.MinYear = s.MinYears[kJulian];
    v.MaxYear = s.MaxYears[kJulian];
    return v;
}

void MainWindow::GoToExit() {
    if (exiting_) return;
    exiting_ = true;
    // The settings are written once, with the window as the user left it; a store that cannot
    // be written does not keep the program from ending.
    if (store_ != nullptr) store_->Write(CollectExitSettings());
    if (temps_ != nullptr) temps_->RemoveAll();
    if (findDialog_) findDialog_->hide();
    exited_ = true;
    close();
    QCoreApplication::quit();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    GoToExit();
    event->accept();
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

}  // namespace velorith
