// Save as: the report of the shown pane goes to a file the user names, either as the RTF
// document the report writer made or as plain text. The file is replaced in one step, so a
// failed save leaves no half-written file and never damages the one it would replace.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QFileDialog;
class QTextEdit;
class QWidget;

namespace velorith {

// The dialog's types are the formats the registry offers for saving (exports::SaveFormats):
// "Rich Text Format (*.RTF)", "Text Document (*.TXT)", "HTML Document (*.HTML)", in this order.
enum class SaveFormat { Rtf, PlainText, Html };  // the first, second and third filter

struct SaveDialogRequest {
    QString folder;        // LastDir; empty leaves the dialog's own choice
    QString proposedName;  // see ProposedSaveName
};

struct SaveChoice {
    QString path;  // as chosen, with the format's extension when the name had neither
    SaveFormat format = SaveFormat::Rtf;
};

// The path with the format's extension (".rtf", ".txt", ".html"), as desktop save dialogs add
// it, unless the name already ends in one of those or ".htm" (in any case). A name such as "Январь
// 2000 от Р.Х. (старый стиль)" has a dot in it, so Qt's default suffix would not be added there.
QString WithFilterExtension(const QString& path, SaveFormat format);

// The format a file name's own extension asks for (".rtf", ".txt", ".html" or ".htm", in any
// case); none for another or no extension.
std::optional<SaveFormat> FormatOfName(const QString& path);

// Asks for the target; nullopt when cancelled. Tests put their own function in its place.
using SaveDialog = std::function<std::optional<SaveChoice>(const SaveDialogRequest&)>;

// The dialog's filters, as QFileDialog takes them, from the format registry.
QStringList SaveFilters();

// Prepares a save dialog: filters, folder, proposed name, overwrite confirmation.
void ConfigureSaveDialog(QFileDialog& dialog, const SaveDialogRequest& request);
// What an accepted dialog chose: the format of the typed extension, else of the filter, and
// the path with the extension added when it had neither.
std::optional<SaveChoice> SaveDialogResult(const QFileDialog& dialog);
// The save dialog of the desktop; useNative = false keeps Qt's own dialog. When the added
// extension names a file that exists, the user is asked before it is replaced (the dialog only
// asked about the name as typed).
SaveDialog FileSaveDialog(QWidget* parent, bool useNative = true);

// What can be saved of a report.
struct ReportContent {
    QByteArray rtf;     // the report document as the report writer made it (Windows-1251)
    QString plainText;  // the text the pane shows
    QByteArray html = {};  // the report as a web page (UTF-8), rendered from the day model
};

// The pane's text with the report writer's document.
ReportContent PaneContent(const QTextEdit& pane, const QByteArray& reportRtf);

// Plain text as it is saved: UTF-8, LF line ends, a line end after the last line.
QByteArray PlainTextBytes(const QString& text);

// Writes the file through a temporary file in the same folder and renames it into place. On
// failure `reason` (when given) gets the system's reason.
bool WriteFileAtomically(const QString& path, const QByteArray& bytes, QString* reason = nullptr);

// Tells the user that the file at `path` could not be written, and why.
using SaveFailureNotice = std::function<void(const QString& path, const QString& reason)>;

// The text of that message.
QString SaveFailureText(const QString& path, const QString& reason);

// The save command. Shows the dialog, writes the chosen form and, only when the file is
// written, sets lastDir to the folder of the chosen path. Returns true when a file was written;
// a cancel or a failure changes nothing, and a failure is told through `failed`.
bool SaveReport(const ReportContent& content, const QString& proposedName, QString& lastDir,
                const SaveDialog& dialog, const SaveFailureNotice& failed = {});

}  // namespace velorith
