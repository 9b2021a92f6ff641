#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTest>

#include "shell/documents/documents_tests.h"
#include "shell/documents/help_links.h"

namespace velorith::tests {
namespace {

void Touch(const QString& path) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

class HelpLinksTest : public QObject {
    Q_OBJECT

  private slots:
    void helpBesideTheProgramComesFirst() {
        QTemporaryDir root;
        const QString bin = root.filePath(QStringLiteral("bin"));
        const QString beside = bin + QStringLiteral("/Help/Index.html");
        const QString installed = root.filePath(QStringLiteral("share/velorith/Help/Index.html"));
        QDir().mkpath(bin);

        QCOMPARE(HelpIndexPath(bin), beside);  // neither: where help belongs
        Touch(installed);
        QCOMPARE(HelpIndexPath(bin), installed);
        Touch(beside);
        QCOMPARE(HelpIndexPath(bin), beside);
    }

    void aLinkWithoutHandlerIsShownToTheUser() {
        QWidget window;
        QList<QUrl> asked;
        const UrlOpener none = [&](const QUrl& url) {
            asked << url;
            return false;
        };
        const auto told = [&window]() {
            auto* box = window.findChild<QMessageBox*>(QStringLiteral("linkNotOpened"));
            const QString text = box ? box->text() : QString();
            delete box;
            return text;
        };
        QTemporaryDir root;
        QVERIFY(!OpenHelp(root.path(), &window, none));
        QCOMPARE(asked.value(0), QUrl::fromLocalFile(HelpIndexPath(root.path())));
        QVERIFY(told().contains(HelpIndexPath(root.path())));
        QVERIFY(!OpenMailToAuthor(&window, none));
        QCOMPARE(asked.value(1).scheme(), QStringLiteral("mailto"));
        QVERIFY(told().contains(QStringLiteral("calendar@velorith.org")));
        QVERIFY(!OpenHomePage(&window, none));
        QVERIFY(told().contains(QStringLiteral("https://velorith.org/")));
        // An opened link says nothing.
        QVERIFY(OpenHomePage(&window, [](const QUrl&) { return true; }));
        QVERIFY(told().isEmpty());
    }
};

}  // namespace

std::unique_ptr<QObject> MakeHelpLinksTest() {
    return std::make_unique<HelpLinksTest>();
}

}  // namespace velorith::tests

#include "help_links_test.moc"
