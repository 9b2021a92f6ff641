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

    MainWindow& Window() { return *window_; }
    Calendar& Cal() { return *calendar_; }
    Navigator& Nav() { return *navigator_; }
    TempFiles& Temps() { return *temps_; }

  private:
    std::unique_ptr<TempFiles> temps_;
    std::unique_ptr<Calendar> calendar_;
    std::unique_ptr<SettingsStore> store_;
    std::unique_ptr<Navigator> navigator_;
    std::unique_ptr<MainWindow> window_;
};

}  // namespace velorith
