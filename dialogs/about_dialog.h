// The About box: the program's name and version, and two links that light up under the mouse.
#pragma once

#include <QDialog>
#include <QLabel>

namespace velorith {

// A label that tells when the mouse enters it and when it is clicked.
class LinkLabel : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;
  signals:
    void entered();
    void clicked();

  protected:
    void enterEvent(QEnterEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

class AboutDialog : public QDialog {
    Q_OBJECT
  public:
    explicit AboutDialog(QWidget* parent = nullptr);

    // Which link is lit: 4 the e-mail, 5 the home page, 0 none.
    void HighlightLink(int which);
    LinkLabel* mailLabel() const { return Label4; }
    LinkLabel* webLabel() const { return Label5; }

  protected:
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    LinkLabel* Label4;
    LinkLabel* Label5;
};

// "Версия 1.0.10" for this build.
QString VersionCaption();

}  // namespace velorith
