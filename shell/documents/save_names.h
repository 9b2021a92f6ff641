// The file name the save dialog proposes, made from the texts the window shows for the selected
// date, and the folder the next save dialog opens in.
#pragma once

#include <QString>

namespace velorith {

// The texts as the window shows them at the moment of saving.
struct SaveNameTexts {
    QString reckoning;   // reckoning selector, e.g. "от Р.Х. (старый стиль)"
    QString year;        // year selector, e.g. "2000"
    QString monthItem;   // month selector item, e.g. "(1) Январь"
    QString week;        // week selector, e.g. "2-я по Пасхе"
    QString day;         // the month grid's current cell, e.g. "7"
    QString tabCaption;  // caption of the shown tab, e.g. "Основные"
};

// A month selector item without its "(N) " prefix and trailing blanks: "(1) Январь" -> "Январь".
QString MonthName(const QString& monthItem);

// The proposed name for the report of tab 0..6:
//   0 day:   month, " ", day, ", ", year, " ", reckoning
//   1 week:  week, ", ", year, " ", reckoning
//   2 month: month, " ", year, " ", reckoning
//   3 year:  year, " ", reckoning
//   4..6:    the tab's caption
QString ProposedSaveName(int tab, const SaveNameTexts& texts);

// The folder part of a chosen path, ending with "/"; empty when the path has no "/".
QString FolderOfPath(const QString& path);

}  // namespace velorith
