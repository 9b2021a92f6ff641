#include "dialogs/about_dialog.h"

#include <QDesktopServices>
#include <QGridLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>

#include "dialogs/project_links.h"
#include "dialogs/window_placement.h"

namespace velorith {
namespace {

void StyleLink(QLabel* label, bool lit, const LinkColours& colours) {
    QFont font = label->font();
    font.setUnderline(lit);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, lit ? colours.lit : colours.normal);
    label->setPalette(palette);
}

}  // namespace

LinkColours LinkColoursFor(const QPalette& palette) {
    if (palette.color(QPalette::Window).lightness() >= 128) {
        return {QColor(0, 0, 64), QColor(0, 0, 255)};
    }
    return {QColor(150, 170, 255), QColor(205, 215, 255)};
}

LinkLabel::LinkLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setFocusPolicy(Qt::StrongFocus);
}

void LinkLabel::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space) {
        emit clicked();
        event->accept();
        return;
    }
    QLabel::keyPressEvent(event);
}

void LinkLabel::focusInEvent(QFocusEvent* event) {
    emit entered();
    QLabel::focusInEvent(event);
}

void LinkLabel::enterEvent(QEnterEvent* event) {
    emit entered();
    QLabel::enterEvent(event);
}

void LinkLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QLabel::mouseReleaseEvent(event);
}

QString VersionCaption() {
    return QString::fromUtf8("Версия ") + QStringLiteral(VELORITH_VERSION);
}

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
    setObjectName("frmAbout");
    const QString name = QString::fromUtf8("Велоритский календарь");
    setWindowTitle(name);
    setAttribute(Qt::WA_DeleteOnClose);
    setMouseTracking(true);
    QFont arial(QStringLiteral("Arial"));

    auto* image1 = new QLabel(this);
    image1->setObjectName("Image1");
    image1->setPixmap(QPixmap(QStringLiteral(":/velorith/About.BMP")));
    auto* label1 = new QLabel(name, this);
    label1->setObjectName("Label1");
    QFont title = arial;
    title.setPointSize(14);
    title.setBold(true);
    label1->setFont(title);
    auto* label2 = new QLabel(VersionCaption(), this);
    label2->setObjectName("Label2");
    label2->setFont(arial);
    auto* label3 = new QLabel(
        QString::fromUtf8("Церковный календарь православного года\nв трёх летоисчислениях."), this);
    label3->setObjectName("Label3");
    label3->setFont(arial);
    Label4 = new LinkLabel(QString::fromUtf8("E-mail: ") + AuthorEmail(), this);
    Label4->setObjectName("Label4");
    Label5 = new LinkLabel(QStringLiteral("WWW: ") + HomePage(), this);
    Label5->setObjectName("Label5");
    for (LinkLabel* link : {Label4, Label5}) {
        link->setFont(arial);
        link->setCursor(Qt::PointingHandCursor);
    }
    Label4->setAccessibleName(QString::fromUtf8("Написать автору: ") + AuthorEmail());
    Label5->setAccessibleName(QString::fromUtf8("Открыть домашнюю страницу: ") + HomePage());
    auto* cmdOK = new QPushButton(QString::fromUtf8("Да"), this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);

    auto* layout = new QGridLayout(this);
    layout->addWidget(image1, 0, 0, 6, 1, Qt::AlignTop);
    layout->addWidget(label1, 0, 1);
    layout->addWidget(label2, 1, 1);
    layout->addWidget(label3, 2, 1);
    layout->addWidget(Label4, 3, 1);
    layout->addWidget(Label5, 4, 1);
    layout->addWidget(cmdOK, 5, 1, Qt::AlignRight);
    layout->setHorizontalSpacing(16);

    connect(Label4, &LinkLabel::entered, this, [this] { HighlightLink(4); });
    connect(Label5, &LinkLabel::entered, this, [this] { HighlightLink(5); });
    connect(Label4, &LinkLabel::clicked, this, [] { QDesktopServices::openUrl(MailToUrl()); });
    connect(Label5, &LinkLabel::clicked, this, [] { QDesktopServices::openUrl(HomePageUrl()); });
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    HighlightLink(0);
    adjustSize();
    PlaceAtUpperThird(this);
}

void AboutDialog::HighlightLink(int which) {
    lit_ = which;
    const LinkColours colours = LinkColoursFor(palette());
    StyleLink(Label4, which == 4, colours);
    StyleLink(Label5, which == 5, colours);
}

void AboutDialog::changeEvent(QEvent* event) {
    QDialog::changeEvent(event);
    // A desktop switched between light and dark while the box is open.
    if (event->type() == QEvent::PaletteChange) HighlightLink(lit_);
}

void AboutDialog::mouseMoveEvent(QMouseEvent* event) {
    // The mouse is over the form itself, outside both links.
    HighlightLink(0);
    QDialog::mouseMoveEvent(event);
}

}  // namespace velorith
