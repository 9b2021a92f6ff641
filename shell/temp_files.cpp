#include "shell/temp_files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>

namespace velorith {

QString GetTempName(const QString& folder) {
    // QTemporaryFile creates exclusively with owner-only permissions, which is exactly what
    // a document of the user's reading wants; the file is kept after the object goes.
    QTemporaryFile file(QDir(folder).filePath(QStringLiteral("~DAXXXXXX.TMP")));
    file.setAutoRemove(false);
    if (!file.open()) return QString();
    return file.fileName();
}

TempFiles::TempFiles(const QString& folder) {
    QString where = folder.isEmpty() ? QDir::tempPath() : folder;
    for (QString& name : names_)
        name = GetTempName(where);
}

TempFiles::~TempFiles() {
    RemoveAll();
}

void TempFiles::RemoveAll() {
    for (QString& name : names_) {
        if (!name.isEmpty()) QFile::remove(name);
        name.clear();
    }
}

}  // namespace velorith
