// Copy and copy all: a pane's text goes to the clipboard as RTF, HTML and plain text in one
// content, so a word processor pastes it with its look and a plain editor gets the letters.
#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

class QClipboard;
class QMimeData;
class QTextEdit;

namespace velorith {

// The clipboard content: the RTF under "text/rtf" and "application/rtf" (offered first, so it
// wins where both are understood), the HTML under "text/html" when there is any (web mail and
// online editors paste it), then the plain text.
std::unique_ptr<QMimeData> MakeClipboardContent(const QByteArray& rtf, const QString& plainText,
                                                const QString& html = {});

// The pane's selection, as RTF, HTML and plain text. With no selection the RTF holds no text
// and the HTML and plain text are empty.
void CopySelection(const QTextEdit& pane, QClipboard& clipboard);

// The whole pane, as RTF, HTML and plain text.
void CopyAll(const QTextEdit& pane, QClipboard& clipboard);

}  // namespace velorith
