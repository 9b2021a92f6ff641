#include "dialogs/splash_screen.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPixmap>

#include "dialogs/window_placement.h"

namespace velorith {

QString FindSplashPicture(const QStringList& folders) {
    for (const QString& folder : folders) {
        // The capitalised names first; a file system that tells case apart also gets a chance
        // at the lower-case ones.
        for (const char* ext : {".BMP", ".GIF", ".JPG", ".bmp", ".gif", ".jpg"}) {
            const QString path = QDir(folder).filePath(QStringLiteral("Splash") + ext);
            if (QFileInfo(path).isFile()) return path;
        }
    }
    return {};
}

std::unique_ptr<QSplashScreen> ShowSplash(const QStringList& folders) {
    const QString path = FindSplashPicture(folders);
    if (path.isEmpty()) return nullptr;
    const QPixmap picture(path);
    if (picture.isNull()) return nullptr;
    auto splash = std::make_unique<QSplashScreen>(picture);
    splash->setObjectName("frmSplash");
    splash->show();
    PlaceAtUpperThird(splash.get());
    splash->repaint();
    QApplication::processEvents();
    return splash;
}

}  // namespace velorith
