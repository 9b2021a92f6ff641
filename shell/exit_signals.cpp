#include "shell/exit_signals.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <cstdlib>

namespace velorith {
namespace {

constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};

// The program's only mutable globals, because a signal handler and an exit handler can reach
// nothing else: the write end of the self-pipe while an ExitSignals object has its handlers
// installed (else -1), and the object whose last words an exit() runs.
class SignalPipe {
  public:
    static volatile std::sig_atomic_t writeEnd;
    static const std::function<void()>* lastWords;
};
volatile std::sig_atomic_t SignalPipe::writeEnd = -1;
const std::function<void()>* SignalPipe::lastWords = nullptr;

void OnProcessExit() {
    const std::function<void()>* words = SignalPipe::lastWords;
    SignalPipe::lastWords = nullptr;
    if (words != nullptr && *words) (*words)();
}

// Async-signal-safe: one byte into the pipe, errno as it was.
void OnSignal(int sig) {
    const int saved = errno;
    const int fd = SignalPipe::writeEnd;
    if (fd >= 0) {
        const char byte = static_cast<char>(sig);
        [[maybe_unused]] const ssize_t n = ::write(fd, &byte, 1);
    }
    errno = saved;
}

void SetHandler(void (*handler)(int)) {
    struct sigaction action {};
    action.sa_handler = handler;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int sig : kSignals)
        ::sigaction(sig, &action, nullptr);
}

}  // namespace

ExitSignals::ExitSignals(std::function<void()> exit, std::function<void()> lastWords,
                         QObject* parent)
    : QObject(parent), exit_(std::move(exit)), lastWords_(std::move(lastWords)) {
    if (SignalPipe::writeEnd >= 0) return;
    // Registered once for the process; it does nothing unless an object's last words are set.
    static const bool registered = std::atexit(OnProcessExit) == 0;
    if (registered && lastWords_) SignalPipe::lastWords = &lastWords_;
    int ends[2];
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, ends) != 0) return;
    readEnd_ = ends[0];
    writeEnd_ = ends[1];
    notifier_ = new QSocketNotifier(readEnd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &ExitSignals::Arrived);
    SignalPipe::writeEnd = writeEnd_;
    SetHandler(OnSignal);
}

ExitSignals::~ExitSignals() {
    if (SignalPipe::lastWords == &lastWords_) SignalPipe::lastWords = nullptr;
    Uninstall();
}

void ExitSignals::Uninstall() {
    if (notifier_ == nullptr) return;
    SetHandler(SIG_DFL);
    SignalPipe::writeEnd = -1;
    notifier_->setEnabled(false);
    ::close(readEnd_);
    ::close(writeEnd_);
    readEnd_ = writeEnd_ = -1;
}

void ExitSignals::Arrived() {
    char bytes[16];
    while (::read(readEnd_, bytes, sizeof bytes) > 0) {
    }
    Uninstall();
    if (exit_) exit_();
}

}  // namespace velorith
