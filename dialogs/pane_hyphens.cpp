#include "dialogs/pane_hyphens.h"

#include <QStringList>

namespace velorith {

QString WithReportHyphens(QString text) {
    text.replace(QChar(kPaneHyphen), QLatin1Char('-'));
    return text;
}

QRegularExpression PaneSearchPattern(const QString& text) {
    QStringList pieces = text.split(QLatin1Char('-'));
    for (QString& piece : pieces)
        piece = QRegularExpression::escape(piece);
    const QString hyphen = QStringLiteral("[-") + QChar(kPaneHyphen) + QLatin1Char(']');
    return QRegularExpression(
        pieces.join(hyphen),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
}

}  // namespace velorith
