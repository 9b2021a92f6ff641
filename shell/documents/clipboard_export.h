// Copy and copy all: a pane's text goes to the clipboard as RTF and as plain text in one content,
// so a word processor pastes it with its look and a plain editor gets the letters.
#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

class QClipboard;
class QMimeData;
class QTextEdit;

namespace velorith {

// The clipboard content: the RTF under "text/rtf" and "application/rtf" (offered first, so it
// wins where both are understood), then the plain text.
std::unique_ptr<QMimeData> MakeClipboardContent(const QByteArray& rtf, const QString& plainText);

// The pane's selection, as RTF and plain text. With no selection the RTF holds no text and the
// plain text is empty.
void CopySelection(const QTextEdit& pane, QClipboard& clipboard);

// The whole pane, as RTF and plain text.
void CopyAll(const QTextEdit& pane, QClipboard& clipboard);

}  // namespace velorith
