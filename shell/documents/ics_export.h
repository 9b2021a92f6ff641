// "Экспорт в календарь (ICS)...": the civil years the user picks, as an iCalendar file that
// phone and desktop calendar programs import, saved the way "Сохранить как" saves (a temporary
// file renamed into place, so a failure leaves no half-written file).
#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "shell/documents/save_report.h"

class QWidget;

namespace velorith {

class Calendar;

// What the year dialog offers: a proposed year and the civil years that lie wholly in the
// working range.
struct YearSpanRequest {
    int proposed = 0;
    int min = 0;
    int max = 0;
};
struct YearSpan {
    int first = 0;
    int last = 0;
};

// Ask for the span and for the file; nullopt when cancelled. Tests put their own in place.
using YearSpanDialog = std::function<std::optional<YearSpan>(const YearSpanRequest&)>;
using IcsFileDialog =
    std::function<std::optional<QString>(const QString& folder, const QString& proposedName)>;

// The desktop's dialogs.
YearSpanDialog DesktopYearSpanDialog(QWidget* parent);
IcsFileDialog DesktopIcsFileDialog(QWidget* parent);

// The year request for the calendar: the civil year of the selected day, within the civil
// years that lie wholly in the working range.
YearSpanRequest YearRequestOf(const Calendar& calendar);
// "Календарь 2025.ics", "Календарь 2025-2027.ics".
QString ProposedIcsName(const YearSpan& span);

// Tells the user that `days` days were written to the file at `path`.
using ExportNotice = std::function<void(const QString& path, int days)>;
// The text of that notice: "Записано дней: 730.\nФайл: «…»".
QString ExportDoneText(const QString& path, int days);

// The command: asks for the years and the file, writes it, and sets lastDir to its folder.
// True when a file was written, and then `done` is told how many days went where; a cancel, a
// span outside the working range or longer than a calendar file holds, or a failed write
// changes nothing; a failed write is told through `failed` with the path and the system's
// reason. The selected date stays.
bool ExportCalendar(Calendar& calendar, const YearSpanDialog& askYears,
                    const IcsFileDialog& askFile, QString& lastDir,
                    const SaveFailureNotice& failed = {}, const ExportNotice& done = {});

}  // namespace velorith
