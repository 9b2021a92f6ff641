// The test classes of the desktop program, run one after another by one test program.
#pragma once

#include <QObject>
#include <memory>

namespace velorith::tests {

std::unique_ptr<QObject> MakeSettingsStoreTest();
std::unique_ptr<QObject> MakeMonthGridTest();
std::unique_ptr<QObject> MakeMainWindowTest();
std::unique_ptr<QObject> MakeRtfDocumentTest();

}  // namespace velorith::tests
