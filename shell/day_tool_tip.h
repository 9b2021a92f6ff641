// The tooltip of a day in the month grid: the day's date in the two reckonings the grid does
// not show, its principal commemoration, and its fast when the day has one.
#pragma once

#include <QString>

#include "calendar/day_info.h"

namespace velorith {

// Lines of plain text, e.g. for 7 January 2000 shown in the new style:
//   25 декабря 7508 г. от Сотворения Мира
//   25 декабря 1999 г. по старому стилю
//   РОЖДЕСТВО ГОСПОДА БОГА И СПАСА НАШЕГО ИИСУСА ХРИСТА.
QString DayToolTip(const DayInfo& day);

// What a screen reader says of a day's cell: its date in the reckoning shown and its weekday,
// e.g. "7 января 2000 г., пятница", then "праздничный день" for a red day.
QString DayAccessibleName(const DayInfo& day);
// The content of the day for a screen reader: the tooltip's lines as sentences.
QString DayAccessibleDescription(const DayInfo& day);

}  // namespace velorith
