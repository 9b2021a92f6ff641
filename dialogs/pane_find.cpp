#include "dialogs/pane_find.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace velorith {

bool FindNextInPane(QTextEdit* pane, const QString& text, bool wholeWord) {
    if (!pane || text.isEmpty()) return false;
    const QTextCursor current = pane->textCursor();
    QTextDocument::FindFlags flags;
    if (wholeWord) flags |= QTextDocument::FindWholeWords;
    const QTextCursor found = pane->document()->find(text, current.selectionEnd(), flags);
    if (found.isNull()) return false;
    pane->setTextCursor(found);
    pane->ensureCursorVisible();
    return true;
}

QString EndOfTextMessage() {
    return QString::fromUtf8("Поиск достиг конца текста.");
}

}  // namespace velorith
