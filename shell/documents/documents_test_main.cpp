#include <QApplication>
#include <QTest>

#include "shell/documents/documents_tests.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    using namespace velorith::tests;
    int failures = 0;
    for (const auto& make : {MakeRtfExportTest, MakeClipboardExportTest, MakeSaveReportTest,
                             MakePanePrintTest, MakeHelpLinksTest, MakeIcsExportTest}) {
        const std::unique_ptr<QObject> test = make();
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}
