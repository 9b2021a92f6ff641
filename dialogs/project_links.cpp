#include "dialogs/project_links.h"

namespace velorith {

QString AuthorEmail() {
    return QStringLiteral("calendar@velorith.org");
}

QString HomePage() {
    return QStringLiteral("https://velorith.org/");
}

QUrl MailToUrl() {
    QUrl url;
    url.setScheme(QStringLiteral("mailto"));
    url.setPath(AuthorEmail());
    // The body stays present and empty; the space of the subject is percent-encoded.
    url.setQuery(QStringLiteral("subject=Velorith%20Calendar&body="), QUrl::StrictMode);
    return url;
}

QUrl HomePageUrl() {
    return QUrl(HomePage());
}

}  // namespace velorith
