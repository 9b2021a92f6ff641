#include "shell/documents/save_report.h"

#include <QFileDialog>
#include <QSaveFile>
#include <QTextDocument>
#include <QTextEdit>

#include "dialogs/pane_hyphens.h"
#include "shell/documents/save_names.h"

namespace velorith {

QStringList SaveFilters() {
    const QStringList parts = QString::fromLatin1(kSaveFilterList).split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        filters.append(parts[i]);
    return filters;
}

void ConfigureSaveDialog(QFileDialog& dialog, const SaveDialogRequest& request) {
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog.setNameFilters(SaveFilters());
    dialog.selectNameFilter(SaveFilters().constFirst());
    dialog.setDefaultSuffix(QString());  // the name is taken as typed
    if (!request.folder.isEmpty()) dialog.setDirectory(request.folder);
    dialog.selectFile(request.proposedName);
}

std::optional<SaveChoice> SaveDialogResult(const QFileDialog& dialog) {
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty() || files.constFirst().isEmpty()) return std::nullopt;
    const qsizetype filter = dialog.nameFilters().indexOf(dialog.selectedNameFilter());
    return SaveChoice{files.constFirst(), filter == 1 ? SaveFormat::PlainText : SaveFormat::Rtf};
}

SaveDialog FileSaveDialog(QWidget* parent, bool useNative) {
    return [parent, useNative](const SaveDialogRequest& request) -> std::optional<SaveChoice> {
        QFileDialog dialog(parent);
        dialog.setOption(QFileDialog::DontUseNativeDialog, !useNative);
        ConfigureSaveDialog(dialog, request);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return SaveDialogResult(dialog);
    };
}

ReportContent PaneContent(const QTextEdit& pane, const QByteArray& reportRtf) {
    return ReportContent{reportRtf, WithReportHyphens(pane.document()->toPlainText())};
}

QByteArray PlainTextBytes(const QString& text) {
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(u'\r', u'\n');
    lines.replace(QChar::ParagraphSeparator, u'\n');
    lines.replace(QChar::LineSeparator, u'\n');
    if (!lines.isEmpty() && !lines.endsWith(u'\n')) lines += u'\n';
    return lines.toUtf8();
}

bool WriteFileAtomically(const QString& path, const QByteArray& bytes) {
    QSaveFile file(path);
    // Writing in place would leave a half-written file behind a failure.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly)) return false;
    // Without a commit the temporary file is removed and the target stays as it was.
    if (file.write(bytes) != bytes.size()) return false;
    return file.commit();
}

bool SaveReport(const ReportContent& content, const QString& proposedName, QString& lastDir,
                const SaveDialog& dialog) {
    const std::optional<SaveChoice> choice = dialog(SaveDialogRequest{lastDir, proposedName});
    if (!choice || choice->path.isEmpty()) return false;
    const QByteArray bytes =
        choice->format == SaveFormat::Rtf ? content.rtf : PlainTextBytes(content.plainText);
    if (!WriteFileAtomically(choice->path, bytes)) return false;
    lastDir = FolderOfPath(choice->path);
    return true;
}

}  // namespace velorith
