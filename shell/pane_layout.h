// How a report pane lays out a report, beyond what the report itself says: a numbered word
// ("Глас 2-й", "28-ой") never breaks at its hyphen, a wrapped entry line continues under its
// text rather than under the sign column, and on a wide pane the text keeps a readable line
// length in a centred column. None of this reaches the report's bytes or the copied text.
#pragma once

#include <QObject>

class QTextDocument;
class QTextEdit;

namespace velorith {

// Turns each hyphen between a digit and a letter into the pane's non-breaking hyphen, and
// gives each line that opens with the three-letter sign column a hanging indent as wide as
// that column and the blank after it.
void LayOutReportPane(QTextDocument& doc);

// Keeps a pane's text in a column at most about 36 line heights of its body font wide, centred
// when the pane is wider; narrower panes are left as they are. Owned by the pane.
class ReadableColumn : public QObject {
    Q_OBJECT
  public:
    explicit ReadableColumn(QTextEdit* pane);
    // Fits the column to the pane's document and width; run after the document changed.
    void Apply();
    // The widest the text may run, in pixels, for the current document.
    int MaxTextWidth() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QTextEdit* pane_;
};

}  // namespace velorith
