#include "shell/documents/ics_export.h"

#include <QDir>

#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QSpinBox>
#include <algorithm>
#include <ctime>

#include "exports/civil_years.h"
#include "exports/report_ics.h"
#include "shell/documents/save_names.h"
#include "shell/documents/save_report.h"

namespace velorith {
namespace {

constexpr char kCalendarName[] = "Православный церковный календарь";

}  // namespace

YearSpanDialog DesktopYearSpanDialog(QWidget* parent) {
    return [parent](const YearSpanRequest& request) -> std::optional<YearSpan> {
        QDialog dialog(parent);
        dialog.setWindowTitle(QStringLiteral("Экспорт в календарь (ICS)"));
        auto* form = new QFormLayout(&dialog);
        auto* first = new QSpinBox(&dialog);
        auto* last = new QSpinBox(&dialog);
        first->setAccessibleName(QStringLiteral("Первый год экспорта"));
        last->setAccessibleName(QStringLiteral("Последний год экспорта"));
        for (QSpinBox* box : {first, last}) {
            box->setRange(request.min, request.max);
            box->setValue(request.proposed);
        }
        // The span never runs backwards and never holds more years than a file takes.
        QObject::connect(first, &QSpinBox::valueChanged, last, [=](int year) {
            last->setRange(year, std::min(request.max, year + exports::kMaxCalendarYears - 1));
        });
        last->setRange(request.proposed,
                       std::min(request.max, request.proposed + exports::kMaxCalendarYears - 1));
        form->addRow(QStringLiteral("С года:"), first);
        form->addRow(QStringLiteral("По год:"), last);
        auto* buttons =
            new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
        QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
        QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
        form->addRow(buttons);
        if (dialog.exec() != QDialog::Accepted) return std::nullopt;
        return YearSpan{first->value(), last->value()};
    };
}

IcsFileDialog DesktopIcsFileDialog(QWidget* parent) {
    return [parent](const QString& folder, const QString& name) -> std::optional<QString> {
        QFileDialog dialog(parent);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setNameFilter(QStringLiteral("iCalendar (*.ics)"));
        dialog.setDefaultSuffix(QStringLiteral("ics"));
        if (!folder.isEmpty()) dialog.setDirectory(folder);
        dialog.selectFile(name);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return dialog.selectedFiles().constFirst();
    };
}

YearSpanRequest YearRequestOf(const Calendar& calendar) {
    const DateState& state = calendar.State();
    YearSpanRequest request;
    request.min = state.MinYears[kGregorian];
    request.max = state.MaxYears[kGregorian];
    // The civil years at the ends may begin before or end after the working range.
    if (!exports::CivilYearsInRange(state, request.min, request.min)) ++request.min;
    if (!exports::CivilYearsInRange(state, request.max, request.max)) --request.max;
    request.proposed =
        std::clamp(DateOfDay(kGregorian, state.CurDay).Year, request.min, request.max);
    return request;
}

QString ProposedIcsName(const YearSpan& span) {
    QString name = QStringLiteral("Календарь %1").arg(span.first);
    if (span.last != span.first) name += QStringLiteral("-%1").arg(span.last);
    return name + QStringLiteral(".ics");
}

QString ExportDoneText(const QString& path, int days) {
    return QStringLiteral("Записано дней: %1.\nФайл: «%2»")
        .arg(days)
        .arg(QDir::toNativeSeparators(path));
}

bool ExportCalendar(Calendar& calendar, const YearSpanDialog& askYears,
                    const IcsFileDialog& askFile, QString& lastDir, const SaveFailureNotice& failed,
                    const ExportNotice& done) {
    const YearSpanRequest request = YearRequestOf(calendar);
    if (request.min > request.max) return false;
    const std::optional<YearSpan> span = askYears(request);
    if (!span || span->last - span->first >= exports::kMaxCalendarYears ||
        !exports::CivilYearsInRange(calendar.State(), span->first, span->last))
        return false;
    const std::optional<QString> path = askFile(lastDir, ProposedIcsName(*span));
    if (!path || path->isEmpty()) return false;
    const std::string ics = exports::CivilYearsIcs(calendar, span->first, span->last,
                                                   {kCalendarName, std::time(nullptr)});
    QString reason;
    if (!WriteFileAtomically(*path, QByteArray(ics.data(), static_cast<qsizetype>(ics.size())),
                             &reason)) {
        if (failed) failed(*path, reason);
        return false;
    }
    lastDir = FolderOfPath(*path);
    if (done) {
        // One event a day of the civil years.
        const DayNum days = DayNumber(kGregorian, 31, 12, span->last) -
                            DayNumber(kGregorian, 1, 1, span->first) + 1;
        done(*path, static_cast<int>(days));
    }
    return true;
}

}  // namespace velorith
