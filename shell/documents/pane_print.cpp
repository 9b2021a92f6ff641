#include "shell/documents/pane_print.h"

#include <QAbstractPrintDialog>
#include <QEvent>
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

namespace {

// Qt's own dialog on Linux leaves its page-range controls ("Pages from … to", "Pages") open to
// input even without the PrintPageRange option, and opens them again whenever it updates itself
// (on showing, on a change of printer); the selection is printed whole, so each control is
// closed again as soon as anything opens it.
class PageRangeLock : public QObject {
  public:
    static constexpr char kName[] = "velorithPageRangeLock";

    explicit PageRangeLock(QPrintDialog& dialog) : QObject(&dialog), dialog_(dialog) {
        setObjectName(QLatin1String(kName));
        dialog.installEventFilter(this);
        Watch();
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // The dialog builds some of its parts only when it is first shown.
        if (watched == &dialog_ && event->type() == QEvent::Show) Watch();
        if (watched != &dialog_ && event->type() == QEvent::EnabledChange) {
            auto* control = static_cast<QWidget*>(watched);
            // Not from inside the change that is under way: once it is done.
            if (control->isEnabled()) {
                QMetaObject::invokeMethod(
                    control, [control] { control->setEnabled(false); }, Qt::QueuedConnection);
            }
        }
        return false;
    }

  private:
    void Watch() {
        static const char* const kRangeControls[] = {"printRange", "from", "to", "pagesRadioButton",
                                                     "pagesLineEdit"};
        for (const char* name : kRangeControls) {
            for (QWidget* control : dialog_.findChildren<QWidget*>(QLatin1String(name))) {
                control->removeEventFilter(this);  // once each
                control->installEventFilter(this);
                control->setEnabled(false);
            }
        }
    }

    QPrintDialog& dialog_;
};

}  // namespace

void ConfigurePrintDialog(QPrintDialog& dialog, bool hasSelection) {
    dialog.setOption(QAbstractPrintDialog::PrintSelection, hasSelection);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, !hasSelection);
    dialog.setPrintRange(hasSelection ? QAbstractPrintDialog::Selection
                                      : QAbstractPrintDialog::AllPages);
    // One lock per dialog (a class without Q_OBJECT is found by its name, not its type).
    if (hasSelection && dialog.findChild<QObject*>(QLatin1String(PageRangeLock::kName),
                                                   Qt::FindDirectChildrenOnly) == nullptr) {
        new PageRangeLock(dialog);
    }
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
