#include "shell/documents/help_links.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>

#include "dialogs/project_links.h"

namespace velorith {

QString HelpIndexPath(const QString& programDir) {
    const QDir dir(programDir);
    const QString beside = QDir::cleanPath(dir.filePath(QStringLiteral("Help/Index.html")));
    if (QFileInfo::exists(beside)) return beside;
    const QString installed =
        QDir::cleanPath(dir.filePath(QStringLiteral("../share/velorith/Help/Index.html")));
    return QFileInfo::exists(installed) ? installed : beside;
}

bool OpenHelp(const QString& programDir) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(HelpIndexPath(programDir)));
}

bool OpenMailToAuthor() {
    return QDesktopServices::openUrl(MailToUrl());
}

bool OpenHomePage() {
    return QDesktopServices::openUrl(HomePageUrl());
}

}  // namespace velorith
