// Print: the pane's selection, or the whole pane when nothing is selected, goes to the printer
// the print dialog returns (a PDF file works the same way).
#pragma once

#include <functional>

class QPrintDialog;
class QPrinter;
class QTextEdit;
class QWidget;

namespace velorith {

// Prints the selection when selectionOnly is set and the pane has one, else the whole document.
void PrintPane(const QTextEdit& pane, QPrinter& printer, bool selectionOnly);

// With a selection the dialog offers printing it, chosen already, and no page range.
void ConfigurePrintDialog(QPrintDialog& dialog, bool hasSelection);

// Lets the user set up the printer; false when cancelled. Tests put their own function here.
using PrintDialog = std::function<bool(QPrinter& printer, bool hasSelection)>;
PrintDialog DesktopPrintDialog(QWidget* parent);

// The print command: dialog, then the selection if the pane has one, else the whole pane,
// whatever range was chosen in the dialog. Returns false when cancelled.
bool PrintPaneCommand(const QTextEdit& pane, const PrintDialog& dialog);

}  // namespace velorith
