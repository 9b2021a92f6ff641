// Finding the next occurrence of a text in a report pane, forward from the end of the pane's
// selection, ignoring letter case.
#pragma once

#include <QString>

class QTextEdit;

namespace velorith {

// Selects the next occurrence of text after the pane's selection (or caret) and scrolls it into
// view; false, with the selection left as it was, when there is none up to the end.
bool FindNextInPane(QTextEdit* pane, const QString& text, bool wholeWord);

// The message shown when a find reaches the end of the text.
QString EndOfTextMessage();

}  // namespace velorith
