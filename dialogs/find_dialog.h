// The find dialog: finds the next occurrence of a text in the report pane that is shown. It is
// made once, then only hidden and shown again, keeping its text, option and position.
#pragma once

#include <QDialog>
#include <functional>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QTextEdit;

namespace velorith {

class FindDialog : public QDialog {
    Q_OBJECT
  public:
    // currentPane gives the pane of the current tab each time a find runs.
    FindDialog(std::function<QTextEdit*()> currentPane, QWidget* parent);

    // Shows the dialog, first putting the pane's selected text into the box when there is one.
    void ShowFor(const QString& selectedText);

    QLineEdit* textBox() const { return strFind; }
    QPushButton* findButton() const { return cbFind; }
    QCheckBox* wholeWordBox() const { return WholeWord; }

  public slots:
    void FindDat(const QString& text);

  private slots:
    void strFind_Change();
    void strFind_Enter();

  private:
    std::function<QTextEdit*()> currentPane_;
    QLineEdit* strFind;
    QPushButton* cbFind;
    QCheckBox* WholeWord;
    bool placed_ = false;
};

}  // namespace velorith
