// The way out: the settings stored once, the temporary files deleted, the program ended.
#include <QCloseEvent>
#include <QCoreApplication>

#include "dialogs/find_dialog.h"
#include "reports/calendar.h"
#include "shell/main_window.h"
#include "shell/settings_store.h"
#include "shell/temp_files.h"

namespace velorith {

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
    v.ShowFasting = r.ShowFasting;
    v.ShowReadings = r.ShowReadings;
    v.ShowZachala = r.ShowZachala;
    v.SystemColours = systemColours_;
    v.LastDir = lastDir_;
    v.MinYear = s.MinYears[kJulian];
    v.MaxYear = s.MaxYears[kJulian];
    return v;
}

void MainWindow::StoreAndClean() {
    if (exiting_) return;
    exiting_ = true;
    // The settings are written once, with the window as the user left it; a store that cannot
    // be written does not keep the program from ending.
    if (store_ != nullptr) store_->Write(CollectExitSettings());
    if (temps_ != nullptr) temps_->RemoveAll();
}

void MainWindow::GoToExit() {
    if (exiting_) return;
    StoreAndClean();
    if (findDialog_) findDialog_->hide();
    exited_ = true;
    close();
    QCoreApplication::quit();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    GoToExit();
    event->accept();
}

}  // namespace velorith
