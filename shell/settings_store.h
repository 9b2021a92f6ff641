// The user's settings in the per-user store: application "Velorith Calendar", group "Settings",
// every value kept as text. Reading converts each key and falls back to its default when the
// stored text is missing, not a number or out of its domain; writing stores every key in a
// fixed order. Window sizes are in twips (15 per pixel), as they always were.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class QSettings;

namespace velorith {

inline constexpr int kTwipsPerPixel = 15;
inline constexpr int kDefaultWidthTwips = 9600;
inline constexpr int kDefaultHeightTwips = 6850;

// What start-up reads, with every conversion applied.
struct StartupSettings {
    int FirstWeekday = 7;
    QString FontName = QStringLiteral("System");
    int FontSize = 10;
    bool ShowIndiction = false;
    bool ShowAllStyles = false;
    bool ShowFasting = true;     // the fast of each day, on unless the user turned it off
    bool ShowReadings = true;    // the readings of each day, on unless the user turned them off
    bool ShowZachala = false;    // the readings with their zachalo numbers
    bool SystemColours = false;  // panes and grids on the desktop's colours, not on paper
    QString LastDir;
    int MinYear = 1901;  // Julian years
    int MaxYear = 2100;
    int Calendar = 2;
};

// The main window's placement, in twips; left and top are absent when never stored.
struct WindowSettings {
    int WindowState = 0;  // 0 normal, 2 maximised (a stored 1, minimised, reads as 0)
    int Width = kDefaultWidthTwips;
    int Height = kDefaultHeightTwips;
    std::optional<int> Left;
    std::optional<int> Top;
};

// Everything shutdown writes.
struct ExitSettings {
    int Calendar = 2;
    int FirstWeekday = 7;
    int WindowState = 0;  // 0 normal, 1 minimised, 2 maximised
    int Left = 0;         // the four geometry keys are written only for a normal window
    int Top = 0;
    int Height = kDefaultHeightTwips;
    int Width = kDefaultWidthTwips;
    QString FontName;
    int FontSize = 10;
    bool FontBold = false;
    bool FontItalic = false;
    bool ShowIndiction = false;
    bool ShowAllStyles = false;
    bool ShowFasting = true;
    bool ShowReadings = true;
    bool ShowZachala = false;
    bool SystemColours = false;
    QString LastDir;
    int MinYear = 1901;
    int MaxYear = 2100;
};

// Opens the user's store, group "Settings" entered.
class SettingsStore {
  public:
    // The program's own store, or (for tests and other callers) any QSettings. The own store is
    // read only from a regular file: one that is something else (a FIFO would block the start
    // for ever) leaves the defaults in force and nothing stored, and a line on standard error
    // says so.
    SettingsStore();
    explicit SettingsStore(QSettings& settings);
    ~SettingsStore();
    SettingsStore(const SettingsStore&) = delete;
    SettingsStore& operator=(const SettingsStore&) = delete;

    // currentYear is the Gregorian year of the local date: the range read always holds it.
    StartupSettings ReadStartup(int currentYear) const;
    WindowSettings ReadWindow() const;
    // True when the store took the values (a full disk or read-only store gives false).
    bool Write(const ExitSettings& values);

    // The file the own store reads, when it exists and is no regular file; candidates are
    // the files QSettings would read, in its order.
    static QString IrregularFile(const QStringList& candidates);
    // The files the program's own store reads: the user's and the system's, each for the
    // application and for its organisation (both "Velorith Calendar").
    static QStringList OwnFiles();

  private:
    QString Text(const char* key) const;

    std::unique_ptr<QSettings> own_;
    QSettings* settings_ = nullptr;
};

// The conversions, shared with whoever else reads such texts.
std::optional<int> ParseInt16(const QString& text);  // rounds halves to even
std::optional<double> ParseNumber(const QString& text);
std::optional<bool> ParseBool(const QString& text);  // "True"/"False" in any case, or a number
QString BoolText(bool value);                        // "True" or "False"

}  // namespace velorith
