#include "shell/documents/save_names.h"

namespace velorith {

QString MonthName(const QString& monthItem) {
    QString name = monthItem;
    const qsizetype prefixEnd = name.indexOf(QStringLiteral(") "));
    if (prefixEnd >= 0) name.remove(0, prefixEnd + 2);
    while (name.endsWith(u' '))
        name.chop(1);
    return name;
}

QString ProposedSaveName(int tab, const SaveNameTexts& texts) {
    const QString yearAndReckoning = texts.year + u' ' + texts.reckoning;
    switch (tab) {
        case 0:
            return MonthName(texts.monthItem) + u' ' + texts.day + QStringLiteral(", ") +
                   yearAndReckoning;
        case 1:
            return texts.week + QStringLiteral(", ") + yearAndReckoning;
        case 2:
            return MonthName(texts.monthItem) + u' ' + yearAndReckoning;
        case 3:
            return yearAndReckoning;
        default:
            return texts.tabCaption;
    }
}

QString FolderOfPath(const QString& path) {
    const qsizetype slash = path.lastIndexOf(u'/');
    return slash < 0 ? QString() : path.left(slash + 1);
}

}  // namespace velorith
