#include "shell/pane_layout.h"

#include <QEvent>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextFrame>
#include <algorithm>
#include <cmath>

#include "dialogs/pane_hyphens.h"

namespace velorith {

namespace {

constexpr int kSignColumn = 3;           // the sign's letters in the monospaced font
constexpr double kReadableLines = 36.0;  // the column's width in line heights of the body text
constexpr int kBlocksToSample = 24;      // enough of a report to meet its body text

bool IsNumberedHyphen(const QString& text, qsizetype i) {
    return text[i] == QLatin1Char('-') && i > 0 && i + 1 < text.size() && text[i - 1].isDigit() &&
           text[i + 1].isLetter();
}

void KeepNumberedWordsWhole(QTextDocument& doc, QTextCursor& cursor) {
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (!IsNumberedHyphen(text, i)) continue;
            const int at = block.position() + static_cast<int>(i);
            cursor.setPosition(at);
            cursor.setPosition(at + 1, QTextCursor::KeepAnchor);
            // The format of the selected hyphen itself; one letter for one keeps every position.
            cursor.insertText(QString(QChar(kPaneHyphen)), cursor.charFormat());
        }
    }
}

bool IsMonospaced(const QTextCharFormat& format) {
    const QStringList families = format.fontFamilies().toStringList();
    return !families.isEmpty() && QFontDatabase::isFixedPitch(families.first());
}

void HangEntryLines(QTextDocument& doc, QTextCursor& cursor) {
    for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
        QTextBlock::iterator it = block.begin();
        if (it.atEnd()) continue;
        const QTextFragment sign = it.fragment();
        if (sign.length() != kSignColumn || !IsMonospaced(sign.charFormat())) continue;
        ++it;
        if (it.atEnd() || !it.fragment().text().startsWith(QLatin1Char(' '))) continue;
        const qreal indent =
            QFontMetricsF(sign.charFormat().font()).horizontalAdvance(sign.text()) +
            QFontMetricsF(it.fragment().charFormat().font()).horizontalAdvance(QLatin1Char(' '));
        QTextBlockFormat format = block.blockFormat();
        format.setLeftMargin(indent);
        format.setTextIndent(-indent);
        cursor.setPosition(block.position());
        cursor.setBlockFormat(format);
    }
}

}  // namespace

void LayOutReportPane(QTextDocument& doc) {
    QTextCursor cursor(&doc);
    cursor.beginEditBlock();  // one layout pass for all the changes
    KeepNumberedWordsWhole(doc, cursor);
    HangEntryLines(doc, cursor);
    cursor.endEditBlock();
}

ReadableColumn::ReadableColumn(QTextEdit* pane) : QObject(pane), pane_(pane) {
    pane->viewport()->installEventFilter(this);
}

int ReadableColumn::MaxTextWidth() const {
    // The body text is the smallest text of the report's first paragraphs: headings are larger.
    qreal line = 0;
    int seen = 0;
    const QTextDocument* doc = pane_->document();
    for (QTextBlock b = doc->begin(); b.isValid() && seen < kBlocksToSample; b = b.next(), ++seen) {
        for (QTextBlock::iterator it = b.begin(); !it.atEnd(); ++it) {
            const qreal height = QFontMetricsF(it.fragment().charFormat().font()).lineSpacing();
            if (height > 0 && (line == 0 || height < line)) line = height;
        }
    }
    if (line == 0) line = QFontMetricsF(doc->defaultFont()).lineSpacing();
    return static_cast<int>(std::lround(line * kReadableLines));
}

void ReadableColumn::Apply() {
    QTextDocument* doc = pane_->document();
    QTextFrame* root = doc->rootFrame();
    QTextFrameFormat format = root->frameFormat();
    const qreal margin = doc->documentMargin();
    const qreal room = pane_->viewport()->width() - 2 * margin;
    const qreal side = std::max<qreal>(0, std::floor((room - MaxTextWidth()) / 2));
    if (format.leftMargin() == margin + side && format.rightMargin() == margin + side) return;
    format.setLeftMargin(margin + side);
    format.setRightMargin(margin + side);
    root->setFrameFormat(format);
}

bool ReadableColumn::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Resize) Apply();
    return QObject::eventFilter(watched, event);
}

}  // namespace velorith
