// A logout, `kill` or Ctrl+C in the terminal ends the program by its normal way out (settings
// stored, temporary files removed) instead of on the spot: SIGTERM, SIGINT and SIGHUP are turned
// into an event of Qt's event loop through a self-pipe. When the process ends through exit()
// instead (Qt ends it so when the connection to the X server breaks), the last words still
// store what can be stored and remove the temporary files.
#pragma once

#include <QObject>
#include <functional>

class QSocketNotifier;

namespace velorith {

class ExitSignals : public QObject {
    Q_OBJECT
  public:
    // Installs the handlers; `exit` runs in the event loop when the first signal arrives. After
    // that the signals have their default effect again, so that a second one ends a run whose
    // exit does not come. Only one object may install at a time; a second one is inert.
    // `lastWords` runs when the process ends through exit() while this object lives; it must
    // not touch the display.
    explicit ExitSignals(std::function<void()> exit, std::function<void()> lastWords = {},
                         QObject* parent = nullptr);
    ~ExitSignals() override;  // the default handlers again
    ExitSignals(const ExitSignals&) = delete;
    ExitSignals& operator=(const ExitSignals&) = delete;

    bool Installed() const { return notifier_ != nullptr; }

  private:
    void Arrived();
    void Uninstall();

    std::function<void()> exit_;
    std::function<void()> lastWords_;
    int readEnd_ = -1;
    int writeEnd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace velorith
