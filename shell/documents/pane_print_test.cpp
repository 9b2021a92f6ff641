#include <QAbstractButton>
#include <QFile>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextEdit>

#include "shell/documents/documents_tests.h"
#include "shell/documents/pane_print.h"

namespace velorith::tests {
namespace {

// What a PDF file written by Qt shows: its page count and the characters its fonts map to
// (the ToUnicode tables of the embedded font subsets, which hold exactly the glyphs used).
struct PdfSummary {
    int pages = 0;
    QSet<char32_t> characters;
};

QByteArray Inflate(const QByteArray& deflated) {
    // qUncompress wants the expected size in front; it grows the buffer when that is too small.
    QByteArray framed(4, '\0');
    framed[1] = 1;  // 64 KiB
    return qUncompress(framed + deflated);
}

void AddToUnicodeMap(const QByteArray& map, QSet<char32_t>& characters) {
    const auto hex = [](const QString& text) { return text.toUInt(nullptr, 16); };
    static const QRegularExpression chars(QStringLiteral("<([0-9A-Fa-f]+)>\\s*<([0-9A-Fa-f]+)>"));
    static const QRegularExpression ranges(QStringLiteral(
        "<([0-9A-Fa-f]+)>\\s*<([0-9A-Fa-f]+)>\\s*(?:<([0-9A-Fa-f]+)>|\\[([^\\]]*)\\])"));
    static const QRegularExpression item(QStringLiteral("<([0-9A-Fa-f]+)>"));
    const QString text = QString::fromLatin1(map);
    for (const QString& section : text.split(QStringLiteral("beginbf")).mid(1)) {
        const QString body = section.section(QStringLiteral("endbf"), 0, 0);
        if (section.startsWith(QStringLiteral("char"))) {
            for (const auto& m : chars.globalMatch(body))
                characters.insert(hex(m.captured(2)));
            continue;
        }
        for (const auto& m : ranges.globalMatch(body)) {
            if (!m.captured(3).isEmpty()) {
                const uint count = hex(m.captured(2)) - hex(m.captured(1));
                for (uint i = 0; i <= count; ++i)
                    characters.insert(hex(m.captured(3)) + i);
            } else {
                for (const auto& each : item.globalMatch(m.captured(4)))
                    characters.insert(hex(each.captured(1)));
            }
        }
    }
}

PdfSummary ReadPdf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray pdf = file.readAll();
    PdfSummary summary;
    if (!pdf.startsWith("%PDF-")) return summary;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![A-Za-z])"));
    summary.pages = static_cast<int>(QString::fromLatin1(pdf).count(page));
    static const QRegularExpression stream(
        QStringLiteral("<<((?:(?!>>\\s*stream).)*)>>\\s*stream\\r?\\n"),
        QRegularExpression::DotMatchesEverythingOption);
    const QString latin = QString::fromLatin1(pdf);
    for (const auto& m : stream.globalMatch(latin)) {
        const qsizetype start = m.capturedEnd();
        QByteArray body = pdf.mid(start, pdf.indexOf("endstream", start) - start);
        if (m.captured(1).contains(QStringLiteral("FlateDecode"))) body = Inflate(body);
        if (body.contains("begincmap")) AddToUnicodeMap(body, summary.characters);
    }
    return summary;
}

// A pane whose first line, "Ббб", is the only place of the letter Б, followed by enough lines
// of Ж to fill several pages.
void FillPane(QTextEdit& pane) {
    QString text = QStringLiteral("Ббб");
    for (int i = 0; i < 150; ++i)
        text += QStringLiteral("\nЖжж %1").arg(i);
    pane.setPlainText(text);
}

void SelectFirstLine(QTextEdit& pane) {
    QTextCursor cursor(pane.document());
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    pane.setTextCursor(cursor);
}

// The dialog stand-in: prints to a PDF file and remembers what it was told.
class PdfDialog {
  public:
    explicit PdfDialog(QString path, bool accept = true) : path(std::move(path)), accept_(accept) {}

    const QString path;
    std::optional<bool> toldSelection;

    PrintDialog Function() {
        return [this](QPrinter& printer, bool hasSelection) {
            toldSelection = hasSelection;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            return accept_;
        };
    }

  private:
    bool accept_;
};

class PanePrintTest : public QObject {
    Q_OBJECT

  private slots:
    void selectionIsPrintedAloneWhateverTheDialogSays() {
        QTemporaryDir dir;
        QTextEdit pane;
        FillPane(pane);
        SelectFirstLine(pane);
        PdfDialog dialog(dir.filePath(QStringLiteral("selection.pdf")));
        QVERIFY(PrintPaneCommand(pane, dialog.Function()));
        QCOMPARE(dialog.toldSelection, std::optional<bool>(true));

        const PdfSummary pdf = ReadPdf(dialog.path);
        QCOMPARE(pdf.pages, 1);
        QVERIFY(pdf.characters.contains(U'Б'));
        QVERIFY(!pdf.characters.contains(U'Ж'));
        QVERIFY(!pdf.characters.contains(U'ж'));
    }

    void withoutSelectionTheWholePaneIsPrinted() {
        QTemporaryDir dir;
        QTextEdit pane;
        FillPane(pane);
        PdfDialog dialog(dir.filePath(QStringLiteral("all.pdf")));
        QVERIFY(PrintPaneCommand(pane, dialog.Function()));
        QCOMPARE(dialog.toldSelection, std::optional<bool>(false));
        const PdfSummary pdf = ReadPdf(dialog.path);
        QVERIFY(pdf.pages > 1);
        QVERIFY(pdf.characters.contains(U'Б'));
        QVERIFY(pdf.characters.contains(U'Ж'));
    }

    void cancelPrintsNothing() {
        QTemporaryDir dir;
        QTextEdit pane;
        FillPane(pane);
        PdfDialog dialog(dir.filePath(QStringLiteral("none.pdf")), false);
        QVERIFY(!PrintPaneCommand(pane, dialog.Function()));
        QVERIFY(!QFile::exists(dialog.path));
    }

    void dialogOffersTheSelectionOnlyWhenThereIsOne() {
        QPrinter printer;
        QPrintDialog dialog(&printer);
        ConfigurePrintDialog(dialog, true);
        QVERIFY(dialog.testOption(QAbstractPrintDialog::PrintSelection));
        QVERIFY(!dialog.testOption(QAbstractPrintDialog::PrintPageRange));
        QCOMPARE(dialog.printRange(), QAbstractPrintDialog::Selection);

        ConfigurePrintDialog(dialog, false);
        QVERIFY(!dialog.testOption(QAbstractPrintDialog::PrintSelection));
        QCOMPARE(dialog.printRange(), QAbstractPrintDialog::AllPages);
    }

    void aSelectionLeavesNoPageRangeToChoose() {
        QPrinter printer;
        QPrintDialog dialog(&printer);
        ConfigurePrintDialog(dialog, true);
        dialog.open();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        for (const char* name : {"printRange", "from", "to", "pagesRadioButton", "pagesLineEdit"}) {
            if (auto* control = dialog.findChild<QWidget*>(QLatin1String(name)))
                QVERIFY2(!control->isEnabled(), name);
        }
        auto* selection = dialog.findChild<QAbstractButton*>(QStringLiteral("printSelection"));
        QVERIFY(selection && selection->isEnabled() && selection->isChecked());
        dialog.reject();
    }
};

}  // namespace

std::unique_ptr<QObject> MakePanePrintTest() {
    return std::make_unique<PanePrintTest>();
}

}  // namespace velorith::tests

#include "pane_print_test.moc"
