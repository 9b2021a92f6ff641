// A started program for the window tests: its own settings file and temporary folder, the
// data set the build makes, and a fixed today: Sunday 15 September 2024 (new style), which is
// 2 September in the Julian reckoning the program starts in.
#pragma once

#include <QSettings>
#include <QTemporaryDir>
#include <memory>

#include "reports/calendar.h"
#include "shell/main_window.h"
#include "shell/startup.h"

namespace velorith::tests {

struct StartedWindow {
    StartedWindow() {
        settings =
            std::make_unique<QSettings>(folder.filePath("settings.ini"), QSettings::IniFormat);
        StartOptions o;
        o.settings = settings.get();
        o.tempFolder = folder.path();
        o.dataFolder = QStringLiteral(VELORITH_TEST_DATA_DIR);
        o.today = CivilDate{2024, 9, 15};
        o.splash = false;
        app = std::make_unique<VelorithApp>(o);
    }
    MainWindow& W() { return app->Window(); }
    DateState& S() { return app->Cal().State(); }
    // Selects a date of the current reckoning as the program does, with the grid redrawn.
    void Select(int year, int month, int day) {
        app->Cal().SelectDate(S().CurCal, year, month, day);
        W().SetGridCal();
    }

    QTemporaryDir folder;
    std::unique_ptr<QSettings> settings;
    std::unique_ptr<VelorithApp> app;
};

// The selected date of the current reckoning, as the selectors show it.
struct Ymd {
    int year;
    int month;
    int day;
    bool operator==(const Ymd&) const = default;
};

inline Ymd Shown(const DateState& s) {
    return {s.Cur().Year, s.Cur().Month, s.Cur().Day};
}

}  // namespace velorith::tests
