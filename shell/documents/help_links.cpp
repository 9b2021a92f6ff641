#include "shell/documents/help_links.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

#include "dialogs/project_links.h"

namespace velorith {

QString HelpIndexPath(const QString& programDir) {
    const QDir dir(programDir);
    const QString beside = QDir::cleanPath(dir.filePath(QStringLiteral("Help/Index.html")));
    if (QFileInfo::exists(beside)) return beside;
    const QString installed =
        QDir::cleanPath(dir.filePath(QStringLiteral("../share/velorith/Help/Index.html")));
    return QFileInfo::exists(installed) ? installed : beside;
}

namespace {

// Opens `url`, or says where it leads. The message does not wait for an answer, and its text
// can be selected and copied.
bool OpenOrTell(const QUrl& url, const UrlOpener& open, QWidget* parent, const QString& text) {
    const bool opened = open ? open(url) : QDesktopServices::openUrl(url);
    if (opened) return true;
    auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("Велоритский календарь"),
                                text, QMessageBox::Ok, parent);
    box->setObjectName(QStringLiteral("linkNotOpened"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setTextInteractionFlags(Qt::TextSelectableByMouse);
    box->open();
    return false;
}

}  // namespace

bool OpenHelp(const QString& programDir, QWidget* parent, const UrlOpener& open) {
    const QString path = HelpIndexPath(programDir);
    return OpenOrTell(QUrl::fromLocalFile(path), open, parent,
                      QStringLiteral("Не удалось открыть справку: не найдена программа для "
                                     "просмотра веб-страниц.\n\nСправку можно открыть вручную "
                                     "в любом браузере:\n%1")
                          .arg(QDir::toNativeSeparators(path)));
}

bool OpenMailToAuthor(QWidget* parent, const UrlOpener& open) {
    return OpenOrTell(MailToUrl(), open, parent,
                      QStringLiteral("Не удалось запустить почтовую программу.\n\nНапишите "
                                     "автору по адресу:\n%1")
                          .arg(AuthorEmail()));
}

bool OpenHomePage(QWidget* parent, const UrlOpener& open) {
    return OpenOrTell(HomePageUrl(), open, parent,
                      QStringLiteral("Не удалось открыть браузер.\n\nАдрес домашней страницы:"
                                     "\n%1")
                          .arg(HomePageUrl().toString()));
}

}  // namespace velorith
