// The About box: the program's name and version, and two links that light up under the mouse.
#pragma once

#include <QDialog>
#include <QLabel>

namespace velorith {

// A label that tells when the mouse enters it and when it is clicked; reached with Tab, it
// lights up with the focus and Enter or Space clicks it.
class LinkLabel : public QLabel {
    Q_OBJECT
  public:
    LinkLabel(const QString& text, QWidget* parent);
  signals:
    void entered();
    void clicked();

  protected:
    void enterEvent(QEnterEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
};

// The links' colours on a dialog of this palette: dark blue and blue on a light ground, as
// they always were; on a dark ground light blues that stay as readable.
struct LinkColours {
    QColor normal;
    QColor lit;
};
LinkColours LinkColoursFor(const QPalette& palette);

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
    void changeEvent(QEvent* event) override;

  private:
    LinkLabel* Label4;
    LinkLabel* Label5;
    int lit_ = 0;
};

// "Версия 1.0.10" for this build.
QString VersionCaption();

}  // namespace velorith
