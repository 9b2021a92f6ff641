#include "shell/documents/clipboard_export.h"

#include <QClipboard>
#include <QMimeData>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>

#include "dialogs/pane_hyphens.h"
#include "shell/documents/rtf_export.h"

namespace velorith {
namespace {

void Put(QClipboard& clipboard, const QByteArray& rtf, const QString& plainText,
         const QString& html) {
    clipboard.clear();
    // The clipboard owns the content from here on.
    clipboard.setMimeData(MakeClipboardContent(rtf, plainText, html).release());
}

}  // namespace

std::unique_ptr<QMimeData> MakeClipboardContent(const QByteArray& rtf, const QString& plainText,
                                                const QString& html) {
    auto content = std::make_unique<QMimeData>();
    content->setData(QStringLiteral("text/rtf"), rtf);
    content->setData(QStringLiteral("application/rtf"), rtf);
    if (!html.isEmpty()) content->setHtml(html);
    content->setText(plainText);
    return content;
}

void CopySelection(const QTextEdit& pane, QClipboard& clipboard) {
    const QTextCursor cursor = pane.textCursor();
    const QTextDocumentFragment selection = cursor.selection();
    Put(clipboard, SelectionToRtf(cursor), WithReportHyphens(selection.toPlainText()),
        selection.isEmpty() ? QString() : selection.toHtml());
}

void CopyAll(const QTextEdit& pane, QClipboard& clipboard) {
    Put(clipboard, DocumentToRtf(*pane.document()),
        WithReportHyphens(pane.document()->toPlainText()), pane.document()->toHtml());
}

}  // namespace velorith
