#include "dialogs/find_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTextEdit>

#include "dialogs/pane_find.h"

namespace velorith {

FindDialog::FindDialog(std::function<QTextEdit*()> currentPane, QWidget* parent)
    : QDialog(parent), currentPane_(std::move(currentPane)) {
    setObjectName("frmFind");
    setWindowTitle(QString::fromUtf8("Поиск"));
    setModal(false);

    strFind = new QLineEdit(this);
    strFind->setObjectName("strFind");
    strFind->setAccessibleName(QString::fromUtf8("Искомый текст"));
    strFind->setAccessibleDescription(
        QString::fromUtf8("Текст, который ищется в показанном отчёте; Enter ищет дальше"));
    strFind->setMinimumWidth(220);
    cbFind = new QPushButton(QString::fromUtf8("Искать"), this);
    cbFind->setObjectName("cbFind");
    cbFind->setEnabled(false);
    cbFind->setAutoDefault(false);
    WholeWord = new QCheckBox(QString::fromUtf8("Целое слово"), this);
    WholeWord->setObjectName("WholeWord");
    auto* cbExit = new QPushButton(QString::fromUtf8("Закрыть"), this);
    cbExit->setObjectName("cbExit");
    cbExit->setAutoDefault(false);

    auto* layout = new QGridLayout(this);
    layout->addWidget(strFind, 0, 0);
    layout->addWidget(cbFind, 0, 1);
    layout->addWidget(WholeWord, 1, 0);
    layout->addWidget(cbExit, 1, 1);

    connect(strFind, &QLineEdit::textChanged, this, &FindDialog::strFind_Change);
    connect(strFind, &QLineEdit::returnPressed, this, &FindDialog::strFind_Enter);
    connect(cbFind, &QPushButton::clicked, this, [this] { FindDat(strFind->text()); });
    connect(cbExit, &QPushButton::clicked, this, &QDialog::hide);
    adjustSize();
}

void FindDialog::ShowFor(const QString& selectedText) {
    if (!selectedText.isEmpty()) strFind->setText(selectedText);
    if (!placed_) {
        // At the main window's top right corner, the first time only; later showings keep
        // wherever the user moved it.
        if (QWidget* owner = parentWidget()) {
            const QRect frame = owner->frameGeometry();
            move(frame.left() + frame.width() - frameGeometry().width(), frame.top());
        }
        placed_ = true;
    }
    show();
    raise();
    activateWindow();
}

void FindDialog::FindDat(const QString& text) {
    if (text.trimmed().isEmpty()) return;
    QTextEdit* pane = currentPane_ ? currentPane_() : nullptr;
    if (!pane) return;
    pane->setFocus();
    if (!FindNextInPane(pane, text, WholeWord->isChecked())) {
        QMessageBox::information(this, windowTitle(), EndOfTextMessage());
    }
}

void FindDialog::strFind_Change() {
    cbFind->setEnabled(!strFind->text().trimmed().isEmpty());
}

void FindDialog::strFind_Enter() {
    if (!strFind->text().isEmpty()) FindDat(strFind->text());
}

}  // namespace velorith
