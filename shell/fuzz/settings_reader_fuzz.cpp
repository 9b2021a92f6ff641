// libFuzzer target: a settings file of any bytes, as a hand-edited or damaged store would be.
// Reading it never fails, and every value read lies in its domain.
#include <QCoreApplication>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>
#include <memory>

#include "data/fuzz/fuzz_check.h"
#include "shell/settings_store.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using velorith::fuzz::Check;
    using namespace velorith;
    static int argc = 1;
    static char name[] = "settings_reader_fuzz";
    static char* argv[] = {name, nullptr};
    static const auto app = std::make_unique<QCoreApplication>(argc, argv);
    static const QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("settings.ini"));
    {
        QFile out(file);
        Check(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
        out.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    QSettings settings(file, QSettings::IniFormat);
    const SettingsStore store(settings);
    const StartupSettings s = store.ReadStartup(2024);
    Check(s.FirstWeekday >= 1 && s.FirstWeekday <= 7);
    Check(s.FontSize >= 1 && s.FontSize <= 1638);
    Check(s.MinYear >= 1 && s.MinYear < 2024 && s.MaxYear > 2024 && s.MaxYear <= 3000);
    Check(s.Calendar >= 1 && s.Calendar <= 3);
    Check(!s.FontName.trimmed().isEmpty());
    const WindowSettings w = store.ReadWindow();
    Check(w.WindowState == 0 || w.WindowState == 2);
    Check(w.Width > 0 && w.Height > 0);
    return 0;
}
