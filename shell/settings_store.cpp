#include "shell/settings_store.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <cmath>
#include <cstdio>
#include <limits>

namespace velorith {

namespace {

constexpr char kGroup[] = "Settings";
constexpr char kAppName[] = "Velorith Calendar";

int IntOr(const QString& text, int fallback, int low, int high) {
    std::optional<int> v = ParseInt16(text);
    return v && *v >= low && *v <= high ? *v : fallback;
}

// Sizes and positions are single-precision numbers of twips; whole numbers in practice.
std::optional<int> Twips(const QString& text) {
    std::optional<double> v = ParseNumber(text);
    if (!v || std::fabs(*v) > 1e7) return std::nullopt;
    return static_cast<int>(std::nearbyint(*v));
}

// A year of the range: the number truncated toward zero; only years 1..3000 are meaningful.
std::optional<int> RangeYear(const QString& text) {
    std::optional<double> v = ParseNumber(text);
    if (!v) return std::nullopt;
    double t = std::trunc(*v);
    if (t < 1 || t > 3000) return std::nullopt;
    return static_cast<int>(t);
}

}  // namespace

std::optional<double> ParseNumber(const QString& text) {
    bool ok = false;
    double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v)) return std::nullopt;
    return v;
}

std::optional<int> ParseInt16(const QString& text) {
    std::optional<double> v = ParseNumber(text);
    if (!v) return std::nullopt;
    double r = std::nearbyint(*v);  // the default rounding mode rounds halves to even
    if (r < std::numeric_limits<std::int16_t>::min() ||
        r > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<int>(r);
}

std::optional<bool> ParseBool(const QString& text) {
    QString t = text.trimmed();
    if (t.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0) return true;
    if (t.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0) return false;
    if (std::optional<double> v = ParseNumber(t)) return *v != 0;
    return std::nullopt;
}

QString BoolText(bool value) {
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

SettingsStore::SettingsStore() {
    const QString irregular = IrregularFile(OwnFiles());
    if (!irregular.isEmpty()) {
        std::fprintf(stderr,
                     "velorith: файл настроек «%s» не обычный файл; программа начата с настройками "
                     "по умолчанию и не сохранит их.\n",
                     qUtf8Printable(QDir::toNativeSeparators(irregular)));
        return;
    }
    own_ = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, kAppName,
                                       kAppName);
    settings_ = own_.get();
}

QStringList SettingsStore::OwnFiles() {
    // QSettings keeps a native store on Unix as "<config folder>/<organisation>/<application>.conf"
    // and "<config folder>/<organisation>.conf", the user's folder first.
    QStringList files;
    for (const QString& folder :
         QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation)) {
        files << QStringLiteral("%1/%2/%2.conf").arg(folder, QLatin1String(kAppName))
              << QStringLiteral("%1/%2.conf").arg(folder, QLatin1String(kAppName));
    }
    return files;
}

QString SettingsStore::IrregularFile(const QStringList& candidates) {
    for (const QString& file : candidates) {
        const QFileInfo info(file);  // a link counts as what it points to
        if (info.exists() && !info.isFile()) return file;
    }
    return QString();
}

SettingsStore::SettingsStore(QSettings& settings) : settings_(&settings) {}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::Text(const char* key) const {
    if (settings_ == nullptr) return QString();
    QVariant v = settings_->value(QStringLiteral("%1/%2").arg(kGroup, key));
    // A store edited by hand may hold a list where a text belongs ("a, b" in an INI file).
    if (v.typeId() == QMetaType::QStringList) return v.toStringList().join(QStringLiteral(", "));
    return v.toString();
}

StartupSettings SettingsStore::ReadStartup(int currentYear) const {
    StartupSettings s;
    s.FirstWeekday = IntOr(Text("FirstWeekday"), 7, 1, 7);
    QString font = Text("FontName");
    if (!font.trimmed().isEmpty()) s.FontName = font;
    s.FontSize = IntOr(Text("FontSize"), 10, 1, 1638);  // \fs takes the size in half points
    s.ShowIndiction = ParseBool(Text("ShowIndiction")).value_or(false);
    s.ShowAllStyles = ParseBool(Text("ShowAllStyles")).value_or(false);
    s.ShowFasting = ParseBool(Text("ShowFasting")).value_or(true);
    s.ShowReadings = ParseBool(Text("ShowReadings")).value_or(true);
    s.ShowZachala = ParseBool(Text("ShowZachala")).value_or(false);
    s.SystemColours = ParseBool(Text("SystemColours")).value_or(false);
    s.LastDir = Text("LastDir");
    s.MinYear = RangeYear(Text("MinYear")).value_or(1901);
    if (s.MinYear >= currentYear) s.MinYear = 1901;
    s.MaxYear = RangeYear(Text("MaxYear")).value_or(2100);
    if (s.MaxYear <= currentYear) s.MaxYear = 2100;
    s.Calendar = IntOr(Text("Calendar"), 2, 1, 3);
    return s;
}

WindowSettings SettingsStore::ReadWindow() const {
    WindowSettings w;
    w.WindowState = IntOr(Text("WindowState"), 0, 0, 2);
    if (w.WindowState == 1) w.WindowState = 0;  // never start minimised
    std::optional<int> height = Twips(Text("Height"));
    if (height && *height > 0) w.Height = *height;
    std::optional<int> width = Twips(Text("Width"));
    if (width && *width > 0) w.Width = *width;
    w.Left = Twips(Text("Left"));
    w.Top = Twips(Text("Top"));
    return w;
}

bool SettingsStore::Write(const ExitSettings& v) {
    if (settings_ == nullptr) return false;
    settings_->beginGroup(kGroup);
    auto put = [this](const char* key, const QString& text) { settings_->setValue(key, text); };
    auto num = [](int n) { return QString::number(n); };
    put("Calendar", num(v.Calendar));
    put("FirstWeekday", num(v.FirstWeekday));
    put("WindowState", num(v.WindowState));
    if (v.WindowState == 0) {
        put("Left", num(v.Left));
        put("Top", num(v.Top));
        put("Height", num(v.Height));
        put("Width", num(v.Width));
    }
    put("FontName", v.FontName);
    put("FontSize", num(v.FontSize));
    put("FontBold", BoolText(v.FontBold));
    put("FontItalic", BoolText(v.FontItalic));
    put("ShowIndiction", BoolText(v.ShowIndiction));
    put("ShowAllStyles", BoolText(v.ShowAllStyles));
    put("ShowFasting", BoolText(v.ShowFasting));
    put("ShowReadings", BoolText(v.ShowReadings));
    put("ShowZachala", BoolText(v.ShowZachala));
    put("SystemColours", BoolText(v.SystemColours));
    put("LastDir", v.LastDir);
    put("MinYear", num(v.MinYear));
    put("MaxYear", num(v.MaxYear));
    settings_->endGroup();
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

}  // namespace velorith
