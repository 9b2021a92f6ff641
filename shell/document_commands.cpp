// The commands on the shown report (copy, save, print, font), the find commands, the dialogs
// and the links of the Help menu.
#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QTabWidget>
#include <QTextEdit>

#include "dialogs/about_dialog.h"
#include "dialogs/find_dialog.h"
#include "dialogs/font_choice.h"
#include "dialogs/pane_find.h"
#include "dialogs/pane_hyphens.h"
#include "dialogs/range_dialog.h"
#include "exports/format_registry.h"
#include "reports/calendar.h"
#include "shell/documents/clipboard_export.h"
#include "shell/documents/help_links.h"
#include "shell/documents/ics_export.h"
#include "shell/documents/pane_print.h"
#include "shell/documents/save_names.h"
#include "shell/documents/save_report.h"
#include "shell/main_window.h"
#include "shell/selector_bar.h"

namespace velorith {

static_assert(static_cast<int>(ReportKind::Search) == kSearchTab &&
                  static_cast<int>(ReportKind::Abbreviations) == kAbbrTab,
              "a pane's report is the report kind of its tab's number");

void MainWindow::mnuCopy_Click() {
    CopySelection(*CurrentPane(), *QGuiApplication::clipboard());
}

void MainWindow::mnuCopyAll_Click() {
    CopyAll(*CurrentPane(), *QGuiApplication::clipboard());
}

QString MainWindow::ProposedFileName() const {
    SaveNameTexts texts;
    texts.reckoning = selectors_->Combo(kCalSelector)->currentText();
    texts.year = selectors_->Combo(kYearSelector)->currentText();
    texts.monthItem = selectors_->Combo(kMonthSelector)->currentText();
    texts.week = selectors_->Combo(kWeekSelector)->currentText();
    texts.day = grid_.Cell(grid_.MarkRow, grid_.MarkCol).text;
    texts.tabCaption = tabs_->tabText(tabs_->currentIndex());
    return ProposedSaveName(tabs_->currentIndex(), texts);
}

// A failed save or export is told in a message box with the path and the system's reason.
SaveFailureNotice MainWindow::SaveFailureBox() {
    return [this](const QString& path, const QString& reason) {
        QMessageBox::warning(this, windowTitle(), SaveFailureText(path, reason));
    };
}

void MainWindow::mnuSaveAS_Click() {
    int i = tabs_->currentIndex();
    std::string bytes = PaneBytes(i);
    ReportContent content =
        PaneContent(*Pane(i), QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    // The web page of the same report, drawn from the day model; the search pane's is that of
    // the search it shows (none before the first).
    if (i != kSearchTab || !paneDocs_[kSearchTab].empty()) {
        const std::string html = exports::kHtmlFormat.Render(
            {calendar_, static_cast<ReportKind>(i), shownFind_, shownFindWholeWord_, {}});
        content.html = QByteArray(html.data(), static_cast<qsizetype>(html.size()));
    }
    SaveReport(content, ProposedFileName(), lastDir_, FileSaveDialog(this), SaveFailureBox());
}

void MainWindow::mnuExportIcs_Click() {
    ExportCalendar(calendar_, DesktopYearSpanDialog(this), DesktopIcsFileDialog(this), lastDir_,
                   SaveFailureBox(), [this](const QString& path, int days) {
                       QMessageBox::information(this, QStringLiteral("Экспорт в календарь (ICS)"),
                                                ExportDoneText(path, days));
                   });
}

void MainWindow::mnuPrint_Click() {
    PrintPaneCommand(*CurrentPane(), DesktopPrintDialog(this));
}

void MainWindow::mnuFont_Click() {
    ReportSettings& r = calendar_.Settings();
    ReportFont current{QString::fromStdString(r.FontName), r.FontSize, r.FontBold, r.FontItalic};
    std::optional<ReportFont> chosen = ChooseReportFont(current, this);
    if (!chosen) return;
    r.FontName = chosen->name.toStdString();
    r.FontSize = static_cast<std::int16_t>(chosen->size);
    r.FontBold = chosen->bold;
    r.FontItalic = chosen->italic;
    calendar_.ResetReports();
    SetTabReport();
}

void MainWindow::mnuFind_Click() {
    if (!findDialog_) findDialog_ = new FindDialog([this] { return CurrentPane(); }, this);
    QTextCursor selection = CurrentPane()->textCursor();
    findDialog_->ShowFor(selection.hasSelection() ? WithReportHyphens(selection.selectedText())
                                                  : QString());
}

void MainWindow::mnuFindSelText_Click() {
    QTextEdit* pane = CurrentPane();
    pane->setFocus();
    QString text = pane->textCursor().selectedText();
    if (text.isEmpty()) return;
    if (!FindNextInPane(pane, text, false)) {
        QMessageBox::information(this, windowTitle(), EndOfTextMessage());
    }
}

void MainWindow::mnuRange_Click() {
    if (RaiseIfOpen(rangeDialog_)) return;
    const DateState& s = calendar_.State();
    rangeDialog_ = new RangeDialog(s.MinYears[kJulian], s.MaxYears[kJulian], today_().Year, this);
    rangeDialog_->setAttribute(Qt::WA_DeleteOnClose);
    connect(rangeDialog_, &RangeDialog::rangeChanged, this, &MainWindow::NewRange);
    rangeDialog_->show();
}

void MainWindow::NewRange(int first, int last) {
    DateState& s = calendar_.State();
    s.SetRange(first, last);
    SetYearsMonths();
    const DateRec& d = s.Cur();
    if (d.Year < s.MinYears[s.CurCal] || d.Year > s.MaxYears[s.CurCal]) {
        navigator_.GoToday();
        SetTabReport();
    } else {
        SetGridCal();
    }
}

void MainWindow::mnuHelp_Click() {
    OpenHelp(QCoreApplication::applicationDirPath(), this);
}

void MainWindow::mnuEMail_Click() {
    OpenMailToAuthor(this);
}

void MainWindow::mnuHomePage_Click() {
    OpenHomePage(this);
}

void MainWindow::mnuAbout_Click() {
    if (RaiseIfOpen(aboutDialog_)) return;
    aboutDialog_ = new AboutDialog(this);
    aboutDialog_->setAttribute(Qt::WA_DeleteOnClose);
    aboutDialog_->show();
}

}  // namespace velorith
