// The author's address and the home page, shared by the About box and the Help menu.
#pragma once

#include <QString>
#include <QUrl>

namespace velorith {

QString AuthorEmail();
QString HomePage();
// "mailto:" link to the author with the subject "Velorith Calendar" and an empty body, encoded
// so that the space in the subject survives.
QUrl MailToUrl();
QUrl HomePageUrl();

}  // namespace velorith
