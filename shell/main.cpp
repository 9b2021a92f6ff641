// velorith: the desktop calendar.
#include <QApplication>

#include "shell/startup.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velorith Calendar"));
    QApplication::setApplicationVersion(QStringLiteral(VELORITH_VERSION));
    velorith::VelorithApp calendar;
    return QApplication::exec();
}
