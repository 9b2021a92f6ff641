// velorith: the desktop calendar.
#include <QApplication>
#include <QIcon>

#include "shell/main_window.h"
#include "shell/startup.h"

int main(int argc, char** argv) {
    // The pictures of the About box and the icon are linked in from the dialogs' static library,
    // which nothing else would pull in.
    Q_INIT_RESOURCE(art);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velorith Calendar"));
    QApplication::setApplicationVersion(QStringLiteral(VELORITH_VERSION));
    // The desktop entry's id, so that the desktop (Wayland too) matches the window to its entry.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.velorith.Calendar"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("org.velorith.Calendar"),
                                                 QIcon(QStringLiteral(":/velorith/velorith.png"))));
    velorith::InstallQtTranslations(app);
    velorith::StartOptions options;
    options.exitSignals = true;
    velorith::VelorithApp calendar(options);
    // A signal during the start has ended it cleanly: the normal way out, status 0.
    if (calendar.ExitRequested()) return 0;
    return QApplication::exec();
}
