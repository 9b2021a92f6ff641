#include "shell/documents/save_report.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QSaveFile>
#include <QTextDocument>
#include <QTextEdit>

#include "dialogs/pane_hyphens.h"
#include "exports/format_registry.h"
#include "shell/documents/save_names.h"

namespace velorith {

namespace {

// The extension of a saved format, with its dot.
QString DottedExtension(const exports::Format& format) {
    return u'.' + QString::fromLatin1(format.Extension.data(),
                                      static_cast<qsizetype>(format.Extension.size()));
}

const exports::Format& FormatOf(SaveFormat format) {
    return *exports::SaveFormats().at(static_cast<std::size_t>(format));
}

}  // namespace

QStringList SaveFilters() {
    QStringList filters;
    for (const exports::Format* f : exports::SaveFormats()) {
        const QString pattern = u'*' + DottedExtension(*f).toUpper();
        filters.append(QString::fromLatin1(f->SaveDescription.data(),
                                           static_cast<qsizetype>(f->SaveDescription.size())) +
                       QStringLiteral(" (") + pattern + u')');
    }
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
    // With its extension the name has one last dot that is truly its own: a change of filter
    // then changes only the extension, never the words of a name such as "от Р.Х. (...)".
    dialog.selectFile(WithFilterExtension(request.proposedName, SaveFormat::Rtf));
}

QString WithFilterExtension(const QString& path, SaveFormat format) {
    if (FormatOfName(path)) return path;
    return path + DottedExtension(FormatOf(format));
}

std::optional<SaveFormat> FormatOfName(const QString& path) {
    const std::vector<const exports::Format*> formats = exports::SaveFormats();
    for (std::size_t i = 0; i < formats.size(); ++i) {
        if (path.endsWith(DottedExtension(*formats[i]), Qt::CaseInsensitive))
            return static_cast<SaveFormat>(i);
    }
    // The short form of the web page's extension that older systems gave it.
    if (path.endsWith(QLatin1String(".htm"), Qt::CaseInsensitive)) return SaveFormat::Html;
    return std::nullopt;
}

std::optional<SaveChoice> SaveDialogResult(const QFileDialog& dialog) {
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty() || files.constFirst().isEmpty()) return std::nullopt;
    const qsizetype filter = dialog.nameFilters().indexOf(dialog.selectedNameFilter());
    const SaveFormat filtered = filter > 0 && filter < SaveFilters().size()
                                    ? static_cast<SaveFormat>(filter)
                                    : SaveFormat::Rtf;
    // A typed extension says what the file is: a ".txt" never receives RTF markup, whatever
    // filter was left selected; the filter decides only for a name without one.
    const SaveFormat format = FormatOfName(files.constFirst()).value_or(filtered);
    return SaveChoice{WithFilterExtension(files.constFirst(), format), format};
}

SaveDialog FileSaveDialog(QWidget* parent, bool useNative) {
    return [parent, useNative](const SaveDialogRequest& request) -> std::optional<SaveChoice> {
        SaveDialogRequest asked = request;
        for (;;) {
            QFileDialog dialog(parent);
            dialog.setOption(QFileDialog::DontUseNativeDialog, !useNative);
            ConfigureSaveDialog(dialog, asked);
            if (dialog.exec() != QDialog::Accepted) return std::nullopt;
            std::optional<SaveChoice> choice = SaveDialogResult(dialog);
            if (!choice || choice->path == dialog.selectedFiles().value(0) ||
                !QFileInfo::exists(choice->path)) {
                return choice;
            }
            const QString question = QStringLiteral("Файл «%1» уже существует.\nЗаменить его?")
                                         .arg(QDir::toNativeSeparators(choice->path));
            if (QMessageBox::question(parent, dialog.windowTitle(), question) == QMessageBox::Yes) {
                return choice;
            }
            asked = {FolderOfPath(choice->path), QFileInfo(choice->path).fileName()};
        }
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

bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* reason) {
    QSaveFile file(path);
    const auto fail = [&] {
        if (reason != nullptr) *reason = file.errorString();
        return false;
    };
    // Writing in place would leave a half-written file behind a failure.
    file.setDirectWriteFallback(false);
    if (!file.open(QIODevice::WriteOnly)) return fail();
    // Without a commit the temporary file is removed and the target stays as it was.
    if (file.write(bytes) != bytes.size()) return fail();
    return file.commit() || fail();
}

QString SaveFailureText(const QString& path, const QString& reason) {
    return QStringLiteral("Не удалось сохранить отчёт в файл\n«%1».\n\nПричина: %2")
        .arg(QDir::toNativeSeparators(path), reason);
}

bool SaveReport(const ReportContent& content, const QString& proposedName, QString& lastDir,
                const SaveDialog& dialog, const SaveFailureNotice& failed) {
    const std::optional<SaveChoice> choice = dialog(SaveDialogRequest{lastDir, proposedName});
    if (!choice || choice->path.isEmpty()) return false;
    const QByteArray bytes = choice->format == SaveFormat::Rtf ? content.rtf
                             : choice->format == SaveFormat::Html
                                 ? content.html
                                 : PlainTextBytes(content.plainText);
    QString reason;
    if (!WriteFileAtomically(choice->path, bytes, &reason)) {
        if (failed) failed(choice->path, reason);
        return false;
    }
    lastDir = FolderOfPath(choice->path);
    return true;
}

}  // namespace velorith
