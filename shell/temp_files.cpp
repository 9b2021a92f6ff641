#include "shell/temp_files.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <cerrno>
#include <vector>

namespace velorith {
namespace {

constexpr char kFolderPrefix[] = "velorith-";

// The runtime folder is the better home: private, in memory, emptied at logout. It is used only
// when it really is the user's own and closed to others.
QString DefaultBase() {
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    struct stat st {};
    if (!runtime.isEmpty() && ::lstat(runtime.constData(), &st) == 0 && S_ISDIR(st.st_mode) &&
        st.st_uid == ::getuid() && (st.st_mode & 077) == 0) {
        return QFile::decodeName(runtime);
    }
    return QDir::tempPath();
}

// "velorith-<pid>-XXXXXX", made 0700 by mkdtemp.
QString MakeFolder(const QString& base) {
    QByteArray pattern = QFile::encodeName(
        QDir(base).filePath(QStringLiteral("%1%2-XXXXXX").arg(kFolderPrefix).arg(::getpid())));
    if (::mkdtemp(pattern.data()) == nullptr) return QString();
    return QFile::decodeName(pattern);
}

// O_EXCL and O_NOFOLLOW: the file is new, whatever lies under its name.
int CreateNew(const QString& name) {
    return ::open(QFile::encodeName(name).constData(),
                  O_RDWR | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
}

// A new "~DA<unique>.TMP" in the folder (mkstemps creates exclusively, mode 0600): its open
// handle, or -1.
int CreateTempFile(const QString& folder, QString& name) {
    QByteArray pattern = QFile::encodeName(QDir(folder).filePath(QStringLiteral("~DAXXXXXX.TMP")));
    const int fd = ::mkstemps(pattern.data(), 4);
    if (fd >= 0) name = QFile::decodeName(pattern);
    return fd;
}

bool WriteAt(int fd, std::string_view bytes) {
    if (::ftruncate(fd, 0) != 0) return false;
    off_t at = 0;
    while (!bytes.empty()) {
        const ssize_t n = ::pwrite(fd, bytes.data(), bytes.size(), at);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
        at += n;
    }
    return true;
}

bool IsRunning(pid_t pid) {
    return ::kill(pid, 0) == 0 || errno != ESRCH;
}

}  // namespace

TempFiles::TempFiles(const QString& base) {
    fds_.fill(-1);
    const QString where = base.isEmpty() ? DefaultBase() : base;
    RemoveLeftovers(where);
    folder_ = MakeFolder(where);
    if (folder_.isEmpty()) return;
    for (std::size_t i = 0; i < names_.size(); ++i)
        fds_[i] = CreateTempFile(folder_, names_[i]);
}

TempFiles::~TempFiles() {
    RemoveAll();
}

bool TempFiles::Write(int i, std::string_view bytes) {
    const auto k = static_cast<std::size_t>(i);
    if (k >= fds_.size() || fds_[k] < 0) return false;
    // Removed by hand or by a cleaner: made again under the same name, exclusively, so that a
    // later look at the report finds it. Whatever else now holds the name is left alone, and
    // the document goes to the handle this run holds.
    struct stat held {};
    struct stat named {};
    const QByteArray path = QFile::encodeName(names_[k]);
    if (::fstat(fds_[k], &held) == 0 && ::lstat(path.constData(), &named) != 0 && errno == ENOENT) {
        const int fresh = CreateNew(names_[k]);
        if (fresh >= 0) {
            ::close(fds_[k]);
            fds_[k] = fresh;
        }
    }
    return WriteAt(fds_[k], bytes);
}

void TempFiles::RemoveAll() {
    for (std::size_t i = 0; i < names_.size(); ++i) {
        if (fds_[i] >= 0) ::close(fds_[i]);
        fds_[i] = -1;
        if (!names_[i].isEmpty()) QFile::remove(names_[i]);
        names_[i].clear();
    }
    if (!folder_.isEmpty()) QDir().rmdir(folder_);
    folder_.clear();
}

int TempFiles::RemoveLeftovers(const QString& base) {
    static const QRegularExpression kName(
        QStringLiteral("^%1(\\d+)-[A-Za-z0-9]{6}$").arg(kFolderPrefix));
    int removed = 0;
    const QStringList entries =
        QDir(base).entryList({QStringLiteral("%1*").arg(kFolderPrefix)},
                             QDir::Dirs | QDir::NoSymLinks | QDir::Hidden | QDir::System);
    for (const QString& entry : entries) {
        const QRegularExpressionMatch match = kName.match(entry);
        if (!match.hasMatch()) continue;
        bool ok = false;
        const qlonglong pid = match.captured(1).toLongLong(&ok);
        if (!ok || pid <= 0 || pid > 0x7FFFFFFF || pid == ::getpid()) continue;
        const QString folder = QDir(base).filePath(entry);
        struct stat st {};
        // Another user's folder, or a link, is none of ours.
        if (::lstat(QFile::encodeName(folder).constData(), &st) != 0 || !S_ISDIR(st.st_mode) ||
            st.st_uid != ::getuid()) {
            continue;
        }
        if (IsRunning(static_cast<pid_t>(pid))) continue;
        QDir dir(folder);
        for (const QString& file :
             dir.entryList({QStringLiteral("~DA*")}, QDir::Files | QDir::System | QDir::Hidden)) {
            QFile::remove(dir.filePath(file));  // unlink: a link goes, not what it names
        }
        if (QDir().rmdir(folder)) ++removed;
    }
    return removed;
}

}  // namespace velorith
