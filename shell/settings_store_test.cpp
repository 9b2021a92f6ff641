#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "shell/settings_store.h"
#include "shell/shell_tests.h"
#include "shell/temp_files.h"

namespace velorith::tests {

namespace {

QByteArray ReadAll(const QString& name) {
    QFile file(name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

class SettingsStoreTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;

    std::unique_ptr<QSettings> Store(const QString& name) {
        return std::make_unique<QSettings>(dir_.filePath(name), QSettings::IniFormat);
    }

  private slots:
    void emptyStoreGivesEveryDefault() {
        auto qs = Store("empty.ini");
        SettingsStore store(*qs);
        StartupSettings s = store.ReadStartup(2024);
        QCOMPARE(s.Calendar, 2);
        QCOMPARE(s.FirstWeekday, 7);
        QCOMPARE(s.FontName, QStringLiteral("System"));
        QCOMPARE(s.FontSize, 10);
        QVERIFY(!s.ShowIndiction);
        QVERIFY(!s.ShowAllStyles);
        QVERIFY(s.ShowFasting);
        QVERIFY(s.ShowReadings);    // the readings are shown until turned off
        QVERIFY(!s.SystemColours);  // the calendar's own paper until the desktop's is chosen
        QVERIFY(s.LastDir.isEmpty());
        QCOMPARE(s.MinYear, 1901);
        QCOMPARE(s.MaxYear, 2100);
        WindowSettings w = store.ReadWindow();
        QCOMPARE(w.WindowState, 0);
        QCOMPARE(w.Width, 9600);
        QCOMPARE(w.Height, 6850);
        QVERIFY(!w.Left && !w.Top);
    }

    void storedValuesAreConvertedAndBadOnesFallBack_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected");
        QTest::newRow("reckoning kept") << "Calendar"
                                        << "1" << 1;
        QTest::newRow("reckoning out of domain") << "Calendar"
                                                 << "7" << 2;
        QTest::newRow("reckoning not a number") << "Calendar"
                                                << "abc" << 2;
        QTest::newRow("Monday first") << "FirstWeekday"
                                      << "1" << 1;
        QTest::newRow("weekday out of domain") << "FirstWeekday"
                                               << "0" << 7;
        QTest::newRow("size halves to even, down") << "FontSize"
                                                   << "12.5" << 12;
        QTest::newRow("size halves to even, up") << "FontSize"
                                                 << "13.5" << 14;
        QTest::newRow("size not a number") << "FontSize"
                                           << "big" << 10;
        QTest::newRow("size beyond 16 bits") << "FontSize"
                                             << "70000" << 10;
        QTest::newRow("first year kept below this year") << "MinYear"
                                                         << "2023" << 2023;
        QTest::newRow("first year truncated") << "MinYear"
                                              << "1950.9" << 1950;
        QTest::newRow("first year equal to this year") << "MinYear"
                                                       << "2024" << 1901;
        QTest::newRow("first year after this year") << "MinYear"
                                                    << "2500" << 1901;
        QTest::newRow("first year before year 1") << "MinYear"
                                                  << "-5" << 1901;
        QTest::newRow("last year equal to this year") << "MaxYear"
                                                      << "2024" << 2100;
        QTest::newRow("last year kept after this year") << "MaxYear"
                                                        << "2025" << 2025;
        QTest::newRow("last year beyond 3000") << "MaxYear"
                                               << "4000" << 2100;
        QTest::newRow("last year not a number") << "MaxYear"
                                                << "soon" << 2100;
    }
    void storedValuesAreConvertedAndBadOnesFallBack() {
        QFETCH(QString, key);
        QFETCH(QString, text);
        QFETCH(int, expected);
        auto qs = Store(QStringLiteral("%1.ini").arg(QTest::currentDataTag()));
        qs->setValue(QStringLiteral("Settings/") + key, text);
        SettingsStore store(*qs);
        StartupSettings s = store.ReadStartup(2024);
        int got = key == "Calendar"       ? s.Calendar
                  : key == "FirstWeekday" ? s.FirstWeekday
                  : key == "FontSize"     ? s.FontSize
                  : key == "MinYear"      ? s.MinYear
                                          : s.MaxYear;
        QCOMPARE(got, expected);
    }

    void booleansAndWindowKeys() {
        auto qs = Store("window.ini");
        qs->setValue("Settings/ShowIndiction", "true");
        qs->setValue("Settings/ShowAllStyles", "maybe");
        qs->setValue("Settings/ShowFasting", "False");
        qs->setValue("Settings/WindowState", "1");
        qs->setValue("Settings/Width", "12000");
        qs->setValue("Settings/Height", "-3");
        qs->setValue("Settings/Left", "1500");
        SettingsStore store(*qs);
        StartupSettings s = store.ReadStartup(2024);
        QVERIFY(s.ShowIndiction);
        QVERIFY(!s.ShowAllStyles);
        QVERIFY(!s.ShowFasting);
        qs->setValue("Settings/ShowFasting", "maybe");
        QVERIFY(store.ReadStartup(2024).ShowFasting);  // an unreadable value keeps the default
        QVERIFY(s.ShowReadings);
        qs->setValue("Settings/ShowReadings", "maybe");
        QVERIFY(store.ReadStartup(2024).ShowReadings);  // unreadable: the default
        qs->setValue("Settings/ShowReadings", "false");
        QVERIFY(!store.ReadStartup(2024).ShowReadings);
        WindowSettings w = store.ReadWindow();
        QCOMPARE(w.WindowState, 0);  // never starts minimised
        QCOMPARE(w.Width, 12000);
        QCOMPARE(w.Height, 6850);
        QCOMPARE(w.Left.value_or(-1), 1500);
        QVERIFY(!w.Top);
        qs->setValue("Settings/WindowState", "2");
        QCOMPARE(store.ReadWindow().WindowState, 2);
    }

    void writtenValuesReadBack() {
        auto qs = Store("written.ini");
        SettingsStore store(*qs);
        ExitSettings v;
        v.Calendar = 1;
        v.FirstWeekday = 1;
        v.WindowState = 0;
        v.Left = 1500;
        v.Top = 750;
        v.Width = 12000;
        v.Height = 9000;
        v.FontName = QStringLiteral("Liberation Serif");
        v.FontSize = 12;
        v.FontBold = true;
        v.ShowAllStyles = true;
        v.ShowFasting = false;
        v.ShowReadings = false;
        v.SystemColours = true;
        v.LastDir = QStringLiteral("/home/user/Документы/");
        v.MinYear = 1;
        v.MaxYear = 3000;
        QVERIFY(store.Write(v));
        QCOMPARE(qs->value("Settings/FontBold").toString(), QStringLiteral("True"));
        QCOMPARE(qs->value("Settings/FontItalic").toString(), QStringLiteral("False"));
        QCOMPARE(qs->value("Settings/MinYear").toString(), QStringLiteral("1"));
        QCOMPARE(qs->value("Settings/MaxYear").toString(), QStringLiteral("3000"));

        QSettings again(dir_.filePath("written.ini"), QSettings::IniFormat);
        SettingsStore reread(again);
        StartupSettings s = reread.ReadStartup(2024);
        QCOMPARE(s.Calendar, 1);
        QCOMPARE(s.FirstWeekday, 1);
        QCOMPARE(s.FontName, v.FontName);
        QCOMPARE(s.FontSize, 12);
        QVERIFY(s.ShowAllStyles && !s.ShowIndiction && !s.ShowFasting);
        QVERIFY(s.ShowAllStyles && !s.ShowIndiction);
        QVERIFY(!s.ShowReadings);
        QCOMPARE(qs->value("Settings/ShowReadings").toString(), QStringLiteral("False"));
        QVERIFY(s.SystemColours);
        QCOMPARE(qs->value("Settings/SystemColours").toString(), QStringLiteral("True"));
        QCOMPARE(s.LastDir, v.LastDir);
        QCOMPARE(s.MinYear, 1);
        QCOMPARE(s.MaxYear, 3000);
        WindowSettings w = reread.ReadWindow();
        QCOMPARE(w.Left.value_or(0), 1500);
        QCOMPARE(w.Top.value_or(0), 750);
        QCOMPARE(w.Width, 12000);
        QCOMPARE(w.Height, 9000);

        // A maximised window leaves the normal placement as it was stored.
        v.WindowState = 2;
        v.Left = 0;
        v.Width = 99999;
        QVERIFY(store.Write(v));
        QCOMPARE(qs->value("Settings/WindowState").toString(), QStringLiteral("2"));
        QCOMPARE(qs->value("Settings/Left").toString(), QStringLiteral("1500"));
        QCOMPARE(qs->value("Settings/Width").toString(), QStringLiteral("12000"));
    }

    void anUnwritableStoreIsReportedNotFatal() {
        // A folder where the file should be: nothing can be written there, not even by root.
        QVERIFY(QDir(dir_.path()).mkpath("blocked.ini"));
        QSettings qs(dir_.filePath("blocked.ini"), QSettings::IniFormat);
        SettingsStore store(qs);
        QVERIFY(!store.Write(ExitSettings{}));
    }

    void aSettingsFileThatIsNoRegularFileLeavesTheDefaults() {
        QTemporaryDir home;
        const QByteArray before = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
        // The store checks the very file QSettings would read.
        const QString own =
            QSettings(QSettings::NativeFormat, QSettings::UserScope,
                      QStringLiteral("Velorith Calendar"), QStringLiteral("Velorith Calendar"))
                .fileName();
        QVERIFY2(SettingsStore::OwnFiles().contains(own), qPrintable(own));
        QVERIFY(QDir().mkpath(QFileInfo(own).path()));
        QCOMPARE(::mkfifo(QFile::encodeName(own).constData(), 0600), 0);
        {
            SettingsStore store;  // reading the FIFO would wait for a writer for ever
            QCOMPARE(store.ReadStartup(2024).Calendar, 2);
            QCOMPARE(store.ReadWindow().Width, kDefaultWidthTwips);
            QVERIFY(!store.Write(ExitSettings{}));
        }
        const QFileInfo after(own);
        QVERIFY(after.exists() && !after.isFile());  // still the FIFO: nothing replaced it
        QCOMPARE(SettingsStore::IrregularFile({home.filePath("none"), own}), own);
        QVERIFY(SettingsStore::IrregularFile({home.filePath("none")}).isEmpty());
        if (before.isNull()) {
            qunsetenv("XDG_CONFIG_HOME");
        } else {
            qputenv("XDG_CONFIG_HOME", before);
        }
    }

    void temporaryFilesAreNewPrivateAndRemoved() {
        QTemporaryDir folder;
        TempFiles temps(folder.path());
        QStringList names;
        for (int i = 0; i < kTempFileCount; ++i) {
            QFileInfo info(temps.Name(i));
            QVERIFY(info.exists());
            QVERIFY(info.fileName().startsWith(QStringLiteral("~DA")));
            QCOMPARE(info.size(), 0);
            QCOMPARE(QFile::permissions(temps.Name(i)) & (QFile::ReadGroup | QFile::ReadOther |
                                                          QFile::WriteGroup | QFile::WriteOther),
                     QFile::Permissions());
            names << temps.Name(i);
        }
        names.removeDuplicates();
        QCOMPARE(names.size(), kTempFileCount);
        // In a folder of their own that no one else may enter.
        QVERIFY(temps.Folder().startsWith(folder.path() + QStringLiteral("/velorith-")));
        struct stat st {};
        QCOMPARE(::stat(QFile::encodeName(temps.Folder()).constData(), &st), 0);
        QCOMPARE(st.st_mode & 0777, 0700u);
        QVERIFY(temps.Write(0, "{\\rtf1 a}"));
        QCOMPARE(ReadAll(names[0]), QByteArray("{\\rtf1 a}"));
        QVERIFY(temps.Write(0, "b"));  // shorter: nothing of the old is left
        QCOMPARE(ReadAll(names[0]), QByteArray("b"));
        // A file removed behind the program's back is made anew, private again.
        QFile::remove(names[1]);
        QVERIFY(temps.Write(1, "again"));
        QCOMPARE(ReadAll(names[1]), QByteArray("again"));
        QCOMPARE(QFile::permissions(names[1]) & (QFile::ReadOther | QFile::WriteOther),
                 QFile::Permissions());
        QFile::remove(names[2]);  // gone already: the others still go
        temps.RemoveAll();
        for (const QString& name : names)
            QVERIFY(!QFileInfo::exists(name));
        QVERIFY(QDir(folder.path()).isEmpty());
    }

    void theFilesOfEndedRunsAreRemovedAtTheNextStart() {
        QTemporaryDir base;
        // A run that has ended: a child process, waited for.
        const pid_t child = ::fork();
        if (child == 0) ::_exit(0);
        ::waitpid(child, nullptr, 0);
        const QString ended = base.filePath(QStringLiteral("velorith-%1-abc123").arg(child));
        const QString running =
            base.filePath(QStringLiteral("velorith-%1-abc123").arg(::getppid()));
        const QString other = base.filePath(QStringLiteral("velorith-notes"));
        for (const QString& dir : {ended, running, other}) {
            QVERIFY(QDir().mkpath(dir));
            QFile file(dir + QStringLiteral("/~DA1a2b3c.TMP"));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("{\\rtf1 report}");
        }
        // A link to a file elsewhere goes as a link; the file it names stays.
        QFile outside(base.filePath(QStringLiteral("outside.txt")));
        QVERIFY(outside.open(QIODevice::WriteOnly));
        outside.close();
        QVERIFY(QFile::link(outside.fileName(), ended + QStringLiteral("/~DAlink00.TMP")));
        {
            TempFiles temps(base.path());
            QVERIFY(!QFileInfo::exists(ended));
            QVERIFY(QFileInfo::exists(running));
            QVERIFY(QFileInfo::exists(other));
            QVERIFY(outside.exists());
            QCOMPARE(TempFiles::RemoveLeftovers(base.path()), 0);  // its own folder stays
            QVERIFY(QFileInfo::exists(temps.Name(0)));
        }
    }
};

}  // namespace

std::unique_ptr<QObject> MakeSettingsStoreTest() {
    return std::make_unique<SettingsStoreTest>();
}

}  // namespace velorith::tests

#include "settings_store_test.moc"
