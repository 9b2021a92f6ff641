// The year range dialog: the working range of Julian years that bounds every step of
// navigation and every list of the selector bar.
#pragma once

#include <QDialog>
#include <QString>

class QLineEdit;

namespace velorith {

// What the two boxes of the dialog amount to.
struct RangeEntry {
    enum Verdict { kUnchanged, kInvalid, kValid };
    Verdict verdict = kInvalid;
    int first = 0;
    int last = 0;
};

// Checks the two texts against the current range and today's year. A year counts by its whole
// part; a text that is not a number is invalid; a valid range holds today strictly inside and
// lies within years 1..3000.
RangeEntry CheckRangeEntry(const QString& firstText, const QString& lastText, int currentFirst,
                           int currentLast, int todayYear);

class RangeDialog : public QDialog {
    Q_OBJECT
  public:
    RangeDialog(int currentFirst, int currentLast, int todayYear, QWidget* parent = nullptr);

    QLineEdit* firstBox() const { return Text1; }
    QLineEdit* lastBox() const { return Text2; }

  signals:
    // A valid new range was entered; the dialog closes after this.
    void rangeChanged(int first, int last);

  public slots:
    void NewRange();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QLineEdit* Text1;
    QLineEdit* Text2;
    int currentFirst_;
    int currentLast_;
    int todayYear_;
};

}  // namespace velorith
