#include "shell/startup.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLibraryInfo>
#include <QSplashScreen>
#include <QThread>
#include <QTranslator>

#include "dialogs/splash_screen.h"
#include "reports/calendar.h"
#include "shell/app_paths.h"
#include "shell/exit_signals.h"
#include "shell/main_window.h"
#include "shell/settings_store.h"
#include "shell/temp_files.h"

namespace velorith {

QTranslator* InstallQtTranslations(QCoreApplication& app) {
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_ru"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        return nullptr;
    }
    translator->setParent(&app);
    QTranslator* installed = translator.release();
    QCoreApplication::installTranslator(installed);
    return installed;
}

VelorithApp::VelorithApp(const StartOptions& o) {
    // 0. The exit signals first: from here on a SIGTERM leaves no temporary file behind.
    if (o.exitSignals) {
        exitSignals_ =
            std::make_unique<ExitSignals>([this] { RequestExit(); }, [this] { LastWords(); });
    }
    // 1. The busy pointer until the window shows.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    // 3. The splash, and the time it went up (a monotonic clock: midnight does not matter).
    QElapsedTimer shown;
    shown.start();
    std::unique_ptr<QSplashScreen> splash;
    if (o.splash) splash = ShowSplash(ProgramFolders());
    QCoreApplication::processEvents();
    if (StopStarting()) return;

    // 7-8. The data folder, then the six temporary files of the report panes.
    QString dataFolder = o.dataFolder.isEmpty() ? DataFolder() : o.dataFolder;
    temps_ = std::make_unique<TempFiles>(o.tempFolder);
    // 5-6 and 9. The calendar sets up its name tables and month lengths, builds the data file
    // paths and loads the six tables.
    calendar_ = std::make_unique<Calendar>(dataFolder.toStdString());

    // 10-11. The settings and the working range, which always holds today.
    TodayClock clock = o.today ? TodayClock([d = *o.today] { return d; }) : TodayClock(LocalToday);
    CivilDate today = clock();
    store_ = o.settings ? std::make_unique<SettingsStore>(*o.settings)
                        : std::make_unique<SettingsStore>();
    StartupSettings settings = store_->ReadStartup(today.Year);
    DateState& state = calendar_->State();
    state.FirstWeekday = static_cast<std::int16_t>(settings.FirstWeekday);
    ReportSettings& report = calendar_->Settings();
    report.FontName = settings.FontName.toStdString();
    report.FontSize = static_cast<std::int16_t>(settings.FontSize);
    report.FontBold = false;  // bold and italic always start off
    report.FontItalic = false;
    report.ShowIndiction = settings.ShowIndiction;
    report.ShowAllStyles = settings.ShowAllStyles;
    report.ShowFasting = settings.ShowFasting;
    report.ShowReadings = settings.ShowReadings;
    report.ShowZachala = settings.ShowZachala;
    state.SetRange(settings.MinYear, settings.MaxYear);

    // 12. Today, always first in the Gregorian reckoning, where the local date is known; then
    // the window, which sets itself up from all of the above.
    navigator_ = std::make_unique<Navigator>(state, nullptr, &calendar_->Assembler(), clock);
    calendar_->SelectDate(kGregorian, today.Year, today.Month, today.Day);
    window_ = std::make_unique<MainWindow>(*calendar_, *navigator_, temps_.get(), store_.get(),
                                           store_->ReadWindow(), settings.LastDir);
    window_->SetTodayClock(clock);
    if (settings.SystemColours) window_->SetSystemColours(true);

    // 13. The saved reckoning.
    state.CurCal = static_cast<std::int16_t>(settings.Calendar);
    if (state.CurCal == kGregorian) {
        calendar_->SetYearDates();
    } else {
        navigator_->ChangeCal();
    }
    // 14. The month grid, the selectors and the first report.
    window_->SetGridCal();
    window_->SetTabReport();

    // 15. The splash stays up for at least a second.
    if (o.splash) {
        while (shown.elapsed() < 1000 && !exitRequested_) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
            QThread::msleep(10);
        }
    }
    if (StopStarting()) return;
    // 16.
    starting_ = false;
    QGuiApplication::restoreOverrideCursor();
    if (o.show) window_->show();
    if (splash) splash->finish(window_.get());
}

void VelorithApp::RequestExit() {
    // During the start the window, if any, is not shown yet and the event loop not entered:
    // its way out could not end the program, so the start ends itself.
    if (starting_ || !window_) {
        exitRequested_ = true;
        return;
    }
    window_->GoToExit();
}

void VelorithApp::LastWords() {
    if (window_ && !starting_) {
        window_->StoreAndClean();
    } else if (temps_) {
        temps_->RemoveAll();
    }
}

bool VelorithApp::StopStarting() {
    if (!exitRequested_) return false;
    // Nothing the user chose has changed yet: there are no settings to store.
    if (temps_) temps_->RemoveAll();
    QGuiApplication::restoreOverrideCursor();
    return true;
}

VelorithApp::~VelorithApp() {
    exitSignals_.reset();
    // The navigator must not reach a window that is gone.
    if (navigator_) navigator_->SetView(nullptr);
    window_.reset();
}

}  // namespace velorith
