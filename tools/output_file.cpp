#include "tools/output_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <vector>

namespace fs = std::filesystem;

namespace velorith {
namespace {

std::string Failure(const fs::path& target, int error) {
    return "cannot write " + target.string() + ": " + std::strerror(error);
}

// The file a chain of symbolic links ends in (which need not exist yet: a dangling link names
// the file to create). Writing the link's target is what a shell redirect does; renaming over
// the link would cut it.
bool FollowLinks(fs::path& path, int& error) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return true;
        std::error_code ec;
        const fs::path next = fs::read_symlink(path, ec);
        if (ec) {
            error = ec.value();
            return false;
        }
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    error = ELOOP;
    return false;
}

// Opens a device or pipe for writing. A FIFO without a reader would block open() for ever, so
// it is opened without blocking: a reader that is on its way is waited for a few seconds, then
// the run fails as a write to a closed pipe does. Once open, writes block as they always do.
int OpenInPlace(const fs::path& target) {
    constexpr int kTries = 100;  // 5 seconds
    for (int attempt = 0;; ++attempt) {
        const int fd =
            ::open(target.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
        if (fd >= 0) {
            const int flags = ::fcntl(fd, F_GETFL);
            if (flags >= 0) ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK);
            return fd;
        }
        if (errno != ENXIO || attempt + 1 >= kTries) return -1;
        ::usleep(50 * 1000);
    }
}

// A device or pipe named as the output (/dev/stdout, a FIFO) is written in place; renaming a
// file over it would replace the device itself.
std::string WriteInPlace(const fs::path& shown, const fs::path& target, std::string_view bytes) {
    const int fd = OpenInPlace(target);
    if (fd < 0 && errno == ENXIO) {
        return "cannot write " + shown.string() + ": no program reads from that pipe";
    }
    bool ok = fd >= 0 && WriteAll(fd, bytes);
    int error = ok ? 0 : errno;
    if (fd >= 0 && ::close(fd) != 0 && ok) ok = false, error = errno;
    return ok ? std::string() : Failure(shown, error);
}

// The signals that end a run from outside are held back while the temporary file exists, so
// that none can leave it behind; one that came in the meantime is acted on once it is gone.
class HeldSignals {
  public:
    HeldSignals() {
        sigemptyset(&held_);
        for (const int sig : kSignals)
            sigaddset(&held_, sig);
        ::sigprocmask(SIG_BLOCK, &held_, &before_);
    }
    ~HeldSignals() { ::sigprocmask(SIG_SETMASK, &before_, nullptr); }
    HeldSignals(const HeldSignals&) = delete;
    HeldSignals& operator=(const HeldSignals&) = delete;

    // The held signal that has arrived, or 0.
    int Arrived() const {
        sigset_t pending;
        sigemptyset(&pending);
        ::sigpending(&pending);
        for (const int sig : kSignals) {
            if (sigismember(&pending, sig)) return sig;
        }
        return 0;
    }

    // Ends the program by `sig` as if it had never been held (even when the caller had it
    // blocked): the exit status tells the caller the run was interrupted.
    [[noreturn]] static void EndBy(int sig) {
        std::signal(sig, SIG_DFL);
        sigset_t only;
        sigemptyset(&only);
        sigaddset(&only, sig);
        ::sigprocmask(SIG_UNBLOCK, &only, nullptr);
        ::raise(sig);
        ::_exit(128 + sig);
    }

  private:
    static constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};
    sigset_t held_;
    sigset_t before_;
};

constexpr std::size_t kChunk = 64 * 1024;

}  // namespace

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

std::string WriteOutputFile(const fs::path& shown, std::string_view bytes) {
    // "DIR/" names a folder whether or not it exists.
    if (!shown.has_filename()) return Failure(shown, EISDIR);
    fs::path target = shown;
    int error = 0;
    if (!FollowLinks(target, error)) return Failure(shown, error);

    struct stat existing {};
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) return Failure(shown, EISDIR);
    if (exists && !S_ISREG(existing.st_mode)) return WriteInPlace(shown, target, bytes);
    if (exists) {
        // Refuse what a shell redirect would refuse: a file the user may not write, though
        // its folder would let a new file be renamed over it.
        const int probe = ::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
        if (probe < 0) return Failure(shown, errno);
        ::close(probe);
    }

    const fs::path dir = target.has_parent_path() ? target.parent_path() : fs::path(".");
    // Appended piece by piece: GCC 12 warns falsely (-Wrestrict) on "." + string.
    std::string hidden(1, '.');
    hidden += target.filename().string();
    hidden += ".XXXXXX";
    std::string temp = (dir / hidden).string();
    std::vector<char> name(temp.begin(), temp.end());
    name.push_back('\0');

    HeldSignals held;
    const int fd = ::mkstemp(name.data());
    if (fd < 0) {
        return "cannot write " + shown.string() + ": cannot make a temporary file in " +
               dir.string() + ": " + std::strerror(errno);
    }
    temp.assign(name.data());
    bool ok = true;
    int interrupted = 0;
    for (std::size_t at = 0; ok && at < bytes.size(); at += kChunk) {
        if ((interrupted = held.Arrived()) != 0) break;
        ok = WriteAll(fd, bytes.substr(at, kChunk));
        error = ok ? 0 : errno;
    }
    // The replaced file keeps its permissions and, where the user may set them, its owners; a
    // new file gets what an ordinary new file would (mkstemp makes it private).
    if (exists) {
        ::fchmod(fd, existing.st_mode & 07777);
        if (existing.st_uid != ::geteuid() || existing.st_gid != ::getegid()) {
            [[maybe_unused]] const int owned = ::fchown(fd, existing.st_uid, existing.st_gid);
        }
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(fd, 0666 & ~mask);
    }
    if (ok && !interrupted && ::fsync(fd) != 0) ok = false, error = errno;
    if (::close(fd) != 0 && ok) ok = false, error = errno;
    if (!interrupted) interrupted = held.Arrived();
    if (ok && !interrupted && std::rename(temp.c_str(), target.c_str()) != 0) {
        ok = false, error = errno;
    }
    if (!ok || interrupted) ::unlink(temp.c_str());
    if (interrupted) HeldSignals::EndBy(interrupted);
    return ok ? std::string() : Failure(shown, error);
}

}  // namespace velorith
