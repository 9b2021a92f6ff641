// Help, e-mail and home page: each opens with the handler the desktop associates with it.
#pragma once

#include <QString>
#include <QUrl>

namespace velorith {

// The help index for a program in programDir: "Help/Index.html" beside it, or, when that does
// not exist, "../share/velorith/Help/Index.html" relative to it (the installed layout). When
// neither exists, the first, so that the opener reports the place where help belongs.
QString HelpIndexPath(const QString& programDir);

// Opening; the opener's result is not needed by the menu commands.
bool OpenHelp(const QString& programDir);  // normally QCoreApplication::applicationDirPath()
bool OpenMailToAuthor();
bool OpenHomePage();

}  // namespace velorith
