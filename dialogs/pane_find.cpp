#include "dialogs/pane_find.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

#include "dialogs/pane_hyphens.h"

namespace velorith {

bool FindNextInPane(QTextEdit* pane, const QString& text, bool wholeWord) {
    if (!pane || text.isEmpty()) return false;
    const QTextCursor current = pane->textCursor();
    QTextDocument::FindFlags flags;
    if (wholeWord) flags |= QTextDocument::FindWholeWords;
    // A hyphen of the text may stand as the pane's non-breaking one in the document.
    const QTextCursor found =
        text.contains(QLatin1Char('-'))
            ? pane->document()->find(PaneSearchPattern(text), current.selectionEnd(), flags)
            : pane->document()->find(text, current.selectionEnd(), flags);
    if (found.isNull()) return false;
    pane->setTextCursor(found);
    pane->ensureCursorVisible();
    return true;
}

QString EndOfTextMessage() {
    return QString::fromUtf8("Поиск достиг конца текста.");
}

}  // namespace velorith
