// Help, e-mail and home page: each opens with the handler the desktop associates with it.
#pragma once

#include <QString>
#include <QUrl>
#include <functional>

class QWidget;

namespace velorith {

// The help index for a program in programDir: "Help/Index.html" beside it, or, when that does
// not exist, "../share/velorith/Help/Index.html" relative to it (the installed layout). When
// neither exists, the first, so that the opener reports the place where help belongs.
QString HelpIndexPath(const QString& programDir);

// What opens a link: QDesktopServices::openUrl unless a test puts its own in its place.
using UrlOpener = std::function<bool(const QUrl&)>;

// Opening. When the desktop has no handler for the link, a message beside `parent` gives the
// file or address, which the user can copy and open by hand; false then.
bool OpenHelp(const QString& programDir, QWidget* parent,
              const UrlOpener& open = {});  // normally QCoreApplication::applicationDirPath()
bool OpenMailToAuthor(QWidget* parent, const UrlOpener& open = {});
bool OpenHomePage(QWidget* parent, const UrlOpener& open = {});

}  // namespace velorith
