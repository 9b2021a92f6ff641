#include "shell/day_tool_tip.h"

#include <QStringList>

#include "calendar/phrases.h"
#include "reckoning/name_tables.h"
#include "reports/day_phrases.h"

namespace velorith {

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString DateLine(int k, const CalendarDate& date) {
    static constexpr const char* kReckonings[] = {"", "от Сотворения Мира", "по старому стилю",
                                                  "по новому стилю"};
    return QStringLiteral("%1 %2 %3 г. %4")
        .arg(date.Day)
        .arg(FromUtf8(MonthNames(CalendarMonth(k, date.Month), kGenitive)))
        .arg(date.Year)
        .arg(QString::fromUtf8(kReckonings[k]));
}

}  // namespace

QString DayToolTip(const DayInfo& day) {
    QStringList lines;
    for (const Reckoning k : kReckonings)
        if (k != day.Reckoning) lines << DateLine(k, day.Dates.In(k));
    if (const std::string principal = PrincipalOf(day); !principal.empty())
        lines << QString::fromStdString(principal);
    if (day.Fast && day.Fast->Level != FastLevel::None)
        lines << QString::fromStdString(FastLineText(*day.Fast));
    return lines.join(QLatin1Char('\n'));
}

QString DayAccessibleName(const DayInfo& day) {
    const CalendarDate& date = day.Dates.In(day.Reckoning);
    QString name =
        QStringLiteral("%1 %2 %3 г., %4")
            .arg(date.Day)
            .arg(FromUtf8(MonthNames(CalendarMonth(day.Reckoning, date.Month), kGenitive)))
            .arg(date.Year)
            .arg(FromUtf8(DayNames(day.WeekDay, kCivilDay)).toLower());
    if (day.Red()) name += QStringLiteral(", праздничный день");
    return name;
}

QString DayAccessibleDescription(const DayInfo& day) {
    QStringList sentences;
    for (QString line : DayToolTip(day).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        line = line.trimmed();
        if (!line.endsWith(QLatin1Char('.'))) line += QLatin1Char('.');
        sentences << line;
    }
    return sentences.join(QLatin1Char(' '));
}

}  // namespace velorith
