// Test helper: closes the next message box that the code under test opens, and keeps its text
// and title.
#pragma once

#include <QApplication>
#include <QMessageBox>
#include <QString>
#include <QTimer>

namespace velorith::testing {

class MessageCatcher {
  public:
    MessageCatcher() {
        QTimer::singleShot(0, [this] { Poll(); });
    }
    QString text;
    QString title;

  private:
    void Poll() {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            text = box->text();
            title = box->windowTitle();
            box->accept();
            return;
        }
        if (++tries_ < 200) QTimer::singleShot(10, [this] { Poll(); });
    }
    int tries_ = 0;
};

}  // namespace velorith::testing
