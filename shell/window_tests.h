// The test classes of the window's additions, run one after another by one test program.
#pragma once

#include <QObject>
#include <memory>

namespace velorith::tests {

std::unique_ptr<QObject> MakeMonthGridKeysTest();
std::unique_ptr<QObject> MakePaneLayoutTest();
std::unique_ptr<QObject> MakeGoToDateTest();
std::unique_ptr<QObject> MakeWindowAccessTest();
std::unique_ptr<QObject> MakeMonthViewTest();

}  // namespace velorith::tests
