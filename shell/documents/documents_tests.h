// The test classes of the document commands, run one after another by one program.
#pragma once

#include <QObject>
#include <memory>

namespace velorith::tests {

std::unique_ptr<QObject> MakeRtfExportTest();
std::unique_ptr<QObject> MakeClipboardExportTest();
std::unique_ptr<QObject> MakeSaveReportTest();
std::unique_ptr<QObject> MakePanePrintTest();
std::unique_ptr<QObject> MakeHelpLinksTest();
std::unique_ptr<QObject> MakeIcsExportTest();

}  // namespace velorith::tests
