#include <QApplication>
#include <QTest>

#include "shell/shell_tests.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int failed = 0;
    for (auto&& make :
         {velorith::tests::MakeSettingsStoreTest, velorith::tests::MakeMonthGridTest,
          velorith::tests::MakeRtfDocumentTest, velorith::tests::MakeMainWindowTest}) {
        std::unique_ptr<QObject> test = make();
        failed += QTest::qExec(test.get(), argc, argv);
    }
    return failed == 0 ? 0 : 1;
}
