#include "shell/documents/pane_print.h"

#include <QAbstractPrintDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextEdit>

namespace velorith {

void PrintPane(const QTextEdit& pane, QPrinter& printer, bool selectionOnly) {
    const QTextCursor cursor = pane.textCursor();
    if (!selectionOnly || !cursor.hasSelection()) {
        pane.document()->print(&printer);
        return;
    }
    QTextDocument selection;
    selection.setDefaultFont(pane.document()->defaultFont());
    QTextCursor(&selection).insertFragment(cursor.selection());
    selection.print(&printer);
}

void ConfigurePrintDialog(QPrintDialog& dialog, bool hasSelection) {
    dialog.setOption(QAbstractPrintDialog::PrintSelection, hasSelection);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, !hasSelection);
    dialog.setPrintRange(hasSelection ? QAbstractPrintDialog::Selection
                                      : QAbstractPrintDialog::AllPages);
}

PrintDialog DesktopPrintDialog(QWidget* parent) {
    return [parent](QPrinter& printer, bool hasSelection) {
        QPrintDialog dialog(&printer, parent);
        ConfigurePrintDialog(dialog, hasSelection);
        return dialog.exec() == QDialog::Accepted;
    };
}

bool PrintPaneCommand(const QTextEdit& pane, const PrintDialog& dialog) {
    const bool hasSelection = pane.textCursor().hasSelection();
    QPrinter printer(QPrinter::HighResolution);
    if (!dialog(printer, hasSelection)) return false;
    PrintPane(pane, printer, hasSelection);
    return true;
}

}  // namespace velorith
