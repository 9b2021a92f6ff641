// Start-up: everything the program sets up before its window takes over, in its order, and the
// objects that live for the whole run.
#pragma once

#include <QString>
#include <memory>
#include <optional>

#include "reckoning/navigation.h"

class QCoreApplication;
class QSettings;
class QSplashScreen;
class QTranslator;

namespace velorith {

class Calendar;
class ExitSignals;
class MainWindow;
class SettingsStore;
class TempFiles;

struct StartOptions {
    QSettings* settings = nullptr;   // the store to use; the user's own when null
    QString tempFolder;              // the system's temporary folder when empty
    QString dataFolder;              // the "Calendar" folder beside the program when empty
    std::optional<CivilDate> today;  // the local date when absent
    bool splash = true;              // show the splash picture, and for at least a second
    bool show = true;                // show the window at the end
    // Install the exit signals' handlers (shell/exit_signals.h) before anything else, so that a
    // SIGTERM during the start ends it cleanly too; the program does, its tests mostly not.
    bool exitSignals = false;
};

// The interface is Russian whatever the desktop's language, and so are Qt's own dialogs (save,
// print, font, message boxes) once Qt's Russian translations are installed for the application.
// Returns the translator, owned by the application, or null when Qt's translations are missing.
QTranslator* InstallQtTranslations(QCoreApplication& app);

class VelorithApp {
  public:
    explicit VelorithApp(const StartOptions& options = {});
    ~VelorithApp();
    VelorithApp(const VelorithApp&) = delete;
    VelorithApp& operator=(const VelorithApp&) = delete;

    // A signal that came while the program was starting ends the start: nothing is shown, the
    // temporary files are gone, and the program ends without entering its event loop.
    bool ExitRequested() const { return exitRequested_; }

    MainWindow& Window() { return *window_; }
    Calendar& Cal() { return *calendar_; }
    Navigator& Nav() { return *navigator_; }
    TempFiles& Temps() { return *temps_; }

  private:
    // The way out for a signal: the window's own once it is up, else the end of the start.
    void RequestExit();
    // What an exit() outside the event loop can still do: store and clean up what exists.
    void LastWords();
    // Whether the start must stop; cleans up when it must.
    bool StopStarting();

    bool starting_ = true;
    bool exitRequested_ = false;
    std::unique_ptr<TempFiles> temps_;
    std::unique_ptr<Calendar> calendar_;
    std::unique_ptr<SettingsStore> store_;
    std::unique_ptr<Navigator> navigator_;
    std::unique_ptr<MainWindow> window_;
    // Made first and gone first: its handlers reach the objects above.
    std::unique_ptr<ExitSignals> exitSignals_;
};

}  // namespace velorith
