#include <QDir>
#include <QFile>
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
};

}  // namespace

std::unique_ptr<QObject> MakeHelpLinksTest() {
    return std::make_unique<HelpLinksTest>();
}

}  // namespace velorith::tests

#include "help_links_test.moc"
