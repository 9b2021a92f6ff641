#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTest>

#include <sys/resource.h>

#include <csignal>

#include "shell/documents/documents_tests.h"
#include "shell/documents/save_names.h"
#include "shell/documents/save_report.h"

namespace velorith::tests {
namespace {

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A report as the writer makes it: Windows-1251 bytes ("Январь" is E0..., here its first
// letters) with CR LF between pieces.
const QByteArray kReportRtf = QByteArray("{\\rtf1\\ansi\\ansicpg1251 \\'df\\'ed\\par\r\n}");
const QString kPaneText = QStringLiteral("Январь 7\nРождество Христово");

class SaveReportTest : public QObject {
    Q_OBJECT

  private slots:
    void proposedNamesFollowTheTab() {
        const SaveNameTexts texts{QStringLiteral("от Р.Х. (старый стиль)"),
                                  QStringLiteral("2000"),
                                  QStringLiteral("(1) Январь  "),
                                  QStringLiteral("2-я по Рождестве"),
                                  QStringLiteral("7"),
                                  QStringLiteral("Основные")};
        QCOMPARE(ProposedSaveName(0, texts),
                 QStringLiteral("Январь 7, 2000 от Р.Х. (старый стиль)"));
        QCOMPARE(ProposedSaveName(1, texts),
                 QStringLiteral("2-я по Рождестве, 2000 от Р.Х. (старый стиль)"));
        QCOMPARE(ProposedSaveName(2, texts), QStringLiteral("Январь 2000 от Р.Х. (старый стиль)"));
        QCOMPARE(ProposedSaveName(3, texts), QStringLiteral("2000 от Р.Х. (старый стиль)"));
        for (int tab : {4, 5, 6})
            QCOMPARE(ProposedSaveName(tab, texts), texts.tabCaption);

        QCOMPARE(MonthName(QStringLiteral("(12) Декабрь")), QStringLiteral("Декабрь"));
        QCOMPARE(MonthName(QStringLiteral("Сентябрь ")), QStringLiteral("Сентябрь"));
    }

    void folderOfPathKeepsItsLastSlash() {
        QCOMPARE(FolderOfPath(QStringLiteral("/home/u/Отчеты/день.rtf")),
                 QStringLiteral("/home/u/Отчеты/"));
        QCOMPARE(FolderOfPath(QStringLiteral("/день.rtf")), QStringLiteral("/"));
        QCOMPARE(FolderOfPath(QStringLiteral("день.rtf")), QString());
    }

    void dialogIsSetUpWithFiltersFolderAndName() {
        QTemporaryDir dir;
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        const QString week = QStringLiteral("28-я по Пятидесятнице, 2026 от Р.Х. (новый стиль)");
        ConfigureSaveDialog(dialog, {dir.path() + u'/', week});
        QCOMPARE(dialog.nameFilters(), (QStringList{QStringLiteral("Rich Text Format (*.RTF)"),
                                                    QStringLiteral("Text Document (*.TXT)"),
                                                    QStringLiteral("HTML Document (*.HTML)")}));
        QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptSave);
        QVERIFY(!dialog.testOption(QFileDialog::DontConfirmOverwrite));
        QVERIFY(dialog.defaultSuffix().isEmpty());
        QCOMPARE(QDir(dialog.directory()).canonicalPath(), QDir(dir.path()).canonicalPath());
        // The proposed name carries the first filter's extension.
        QCOMPARE(QFileInfo(dialog.selectedFiles().value(0)).fileName(), week + ".rtf");
        QCOMPARE(SaveDialogResult(dialog)->format, SaveFormat::Rtf);
        QCOMPARE(QFileInfo(SaveDialogResult(dialog)->path).fileName(), week + ".rtf");

        // The user picks the text filter: only the extension changes, the name's words stay.
        auto* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        QVERIFY(types != nullptr);
        types->setCurrentIndex(1);
        emit types->activated(1);
        QCOMPARE(SaveDialogResult(dialog)->format, SaveFormat::PlainText);
        QCOMPARE(QFileInfo(SaveDialogResult(dialog)->path).fileName(), week + ".TXT");
        types->setCurrentIndex(2);
        emit types->activated(2);
        QCOMPARE(SaveDialogResult(dialog)->format, SaveFormat::Html);
        QCOMPARE(QFileInfo(SaveDialogResult(dialog)->path).fileName(), week + ".HTML");
    }

    void theTypedExtensionDecidesTheFormat() {
        QTemporaryDir dir;
        QFileDialog dialog;
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        ConfigureSaveDialog(dialog, {dir.path() + u'/', QStringLiteral("Январь 2000")});
        struct Case {
            const char* typed;
            int filter;
            SaveFormat format;
            const char* saved;
        };
        const Case cases[] = {
            {"test_week.txt", 0, SaveFormat::PlainText, "test_week.txt"},  // never RTF in a .txt
            {"test_week.TXT", 0, SaveFormat::PlainText, "test_week.TXT"},
            {"test_week.rtf", 1, SaveFormat::Rtf, "test_week.rtf"},
            {"test_week", 1, SaveFormat::PlainText, "test_week.txt"},  // no extension: the filter
            {"test_week", 0, SaveFormat::Rtf, "test_week.rtf"},
            {"a.doc", 1, SaveFormat::PlainText, "a.doc.txt"},
            {"test_week.htm", 0, SaveFormat::Html, "test_week.htm"},
            {"test_week.HTML", 1, SaveFormat::Html, "test_week.HTML"},
            {"test_week", 2, SaveFormat::Html, "test_week.html"},
            {"test_week.txt", 2, SaveFormat::PlainText, "test_week.txt"},
        };
        for (const Case& c : cases) {
            dialog.selectNameFilter(dialog.nameFilters().at(c.filter));
            dialog.selectFile(QString::fromUtf8(c.typed));
            const std::optional<SaveChoice> choice = SaveDialogResult(dialog);
            QVERIFY2(choice && choice->format == c.format, c.typed);
            QCOMPARE(QFileInfo(choice->path).fileName(), QString::fromUtf8(c.saved));
        }
        QCOMPARE(FormatOfName(QStringLiteral("/d/x.Rtf")), std::optional(SaveFormat::Rtf));
        QCOMPARE(FormatOfName(QStringLiteral("/d/x.rtf.bak")), std::nullopt);
    }

    void theFiltersExtensionIsAddedWhenTheNameHasNeither() {
        const QString stem = QStringLiteral("/d/Январь 7, 2000 от Р.Х. (старый стиль)");
        QCOMPARE(WithFilterExtension(stem, SaveFormat::Rtf), stem + QStringLiteral(".rtf"));
        QCOMPARE(WithFilterExtension(stem, SaveFormat::PlainText), stem + QStringLiteral(".txt"));
        QCOMPARE(WithFilterExtension(QStringLiteral("/d/a.RTF"), SaveFormat::Rtf),
                 QStringLiteral("/d/a.RTF"));
        QCOMPARE(WithFilterExtension(QStringLiteral("/d/a.Txt"), SaveFormat::Rtf),
                 QStringLiteral("/d/a.Txt"));
        QCOMPARE(WithFilterExtension(QStringLiteral("/d/a.doc"), SaveFormat::PlainText),
                 QStringLiteral("/d/a.doc.txt"));
    }

    void rtfFilterWritesTheReportBytes() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Январь 7, 2000"));
        QString lastDir = QStringLiteral("/previous/");
        SaveDialogRequest asked;
        const bool saved = SaveReport({kReportRtf, kPaneText}, QStringLiteral("Январь 7, 2000"),
                                      lastDir, [&](const SaveDialogRequest& request) {
                                          asked = request;
                                          return std::optional<SaveChoice>({path, SaveFormat::Rtf});
                                      });
        QVERIFY(saved);
        QCOMPARE(asked.folder, QStringLiteral("/previous/"));
        QCOMPARE(asked.proposedName, QStringLiteral("Январь 7, 2000"));
        QCOMPARE(ReadAll(path), kReportRtf);  // the path as the dialog gave it, bytes unchanged
        QCOMPARE(lastDir, dir.path() + u'/');
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);

        // The next dialog opens where this one saved.
        SaveReport({kReportRtf, kPaneText}, QString(), lastDir, [&](const SaveDialogRequest& r) {
            asked = r;
            return std::optional<SaveChoice>();
        });
        QCOMPARE(asked.folder, dir.path() + u'/');
    }

    void textFilterWritesUtf8WithLineFeedsWhateverTheName() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("report.RTF"));
        QVERIFY(Write(path, QByteArray(4096, 'x')));  // replaced, not overwritten in place
        QString lastDir;
        QVERIFY(SaveReport({kReportRtf, QStringLiteral("Январь 7\r\nПасха")}, QString(), lastDir,
                           [&](const SaveDialogRequest&) {
                               return std::optional<SaveChoice>({path, SaveFormat::PlainText});
                           }));
        QCOMPARE(ReadAll(path), QStringLiteral("Январь 7\nПасха\n").toUtf8());
        QCOMPARE(lastDir, dir.path() + u'/');
    }

    void htmlFilterWritesTheWebPageOfTheReport() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("day.html"));
        const QByteArray page = QStringLiteral("<!DOCTYPE html>\n<p>Пасха</p>\n").toUtf8();
        QString lastDir;
        QVERIFY(SaveReport({kReportRtf, kPaneText, page}, QString(), lastDir,
                           [&](const SaveDialogRequest&) {
                               return std::optional<SaveChoice>({path, SaveFormat::Html});
                           }));
        QCOMPARE(ReadAll(path), page);
    }

    void cancelChangesNothing() {
        QString lastDir = QStringLiteral("/kept/");
        QVERIFY(!SaveReport({kReportRtf, kPaneText}, QString(), lastDir,
                            [](const SaveDialogRequest&) { return std::optional<SaveChoice>(); }));
        QCOMPARE(lastDir, QStringLiteral("/kept/"));
    }

    void failedSaveLeavesNoFileAndKeepsTheFolder() {
        // A folder that is a regular file cannot hold files, not even for root.
        QTemporaryDir dir;
        const QString notAFolder = dir.filePath(QStringLiteral("plain-file"));
        QVERIFY(Write(notAFolder, "keep"));
        QString lastDir = QStringLiteral("/kept/");
        for (SaveFormat format : {SaveFormat::Rtf, SaveFormat::PlainText, SaveFormat::Html}) {
            QStringList told;
            QVERIFY(!SaveReport(
                {kReportRtf, kPaneText}, QString(), lastDir,
                [&](const SaveDialogRequest&) {
                    return std::optional<SaveChoice>(
                        {notAFolder + QStringLiteral("/report.rtf"), format});
                },
                [&](const QString& path, const QString& reason) { told << path << reason; }));
            // The user is told where and why.
            QCOMPARE(told.size(), 2);
            QCOMPARE(told[0], notAFolder + QStringLiteral("/report.rtf"));
            QVERIFY(!told[1].isEmpty());
        }
        const QString text =
            SaveFailureText(QStringLiteral("/d/x.rtf"), QStringLiteral("Нет места"));
        QVERIFY(text.contains(QStringLiteral("/d/x.rtf")) &&
                text.contains(QStringLiteral("Нет места")));
        QCOMPARE(lastDir, QStringLiteral("/kept/"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("plain-file")});
        QCOMPARE(ReadAll(notAFolder), QByteArray("keep"));
    }

    void failedWriteKeepsTheExistingFile() {
        // A file size limit makes the write itself fail, for root too.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("day.rtf"));
        QVERIFY(Write(path, "old report"));
        rlimit saved{};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &saved) == 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = saved;
        small.rlim_cur = 1024;
        QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
        QString lastDir = QStringLiteral("/kept/");
        QString reason;
        const bool saved1 = SaveReport(
            {QByteArray(64 * 1024, 'r'), kPaneText}, QString(), lastDir,
            [&](const SaveDialogRequest&) {
                return std::optional<SaveChoice>({path, SaveFormat::Rtf});
            },
            [&](const QString&, const QString& why) { reason = why; });
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, oldHandler);

        QVERIFY(!saved1);
        QVERIFY(!reason.isEmpty());
        QCOMPARE(lastDir, QStringLiteral("/kept/"));
        QCOMPARE(ReadAll(path), QByteArray("old report"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{QStringLiteral("day.rtf")});
    }
};

}  // namespace

std::unique_ptr<QObject> MakeSaveReportTest() {
    return std::make_unique<SaveReportTest>();
}

}  // namespace velorith::tests

#include "save_report_test.moc"
