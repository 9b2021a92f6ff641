#include "shell/app_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace velorith {

namespace {

// The sub-folder `name` beside the program, else in the installed share folder.
QString Beside(const QString& name) {
    QDir program(QCoreApplication::applicationDirPath());
    QString local = program.filePath(name);
    if (QFileInfo(local).exists()) return local;
    QString installed = program.filePath(QStringLiteral("../share/velorith/") + name);
    if (QFileInfo(installed).exists()) return QDir::cleanPath(installed);
    return local;
}

}  // namespace

QString DataFolder() {
    return Beside(QStringLiteral("Calendar"));
}

QStringList ProgramFolders() {
    QDir program(QCoreApplication::applicationDirPath());
    return {program.path(), QDir::cleanPath(program.filePath(QStringLiteral("../share/velorith")))};
}

}  // namespace velorith
