#include <QApplication>
#include <QTest>

#include "shell/window_tests.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int failed = 0;
    for (auto&& make : {velorith::tests::MakeMonthGridKeysTest, velorith::tests::MakePaneLayoutTest,
                        velorith::tests::MakeGoToDateTest, velorith::tests::MakeWindowAccessTest,
                        velorith::tests::MakeMonthViewTest}) {
        std::unique_ptr<QObject> test = make();
        failed += QTest::qExec(test.get(), argc, argv);
    }
    return failed == 0 ? 0 : 1;
}
