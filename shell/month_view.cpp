#include "shell/month_view.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QStyledItemDelegate>
#include <QTextLayout>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>
#include <vector>

#include "calendar/phrases.h"
#include "reckoning/date_state.h"
#include "reckoning/name_tables.h"
#include "reports/day_phrases.h"
#include "shell/day_tool_tip.h"
#include "shell/paper_palette.h"

namespace velorith {

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The day in the style the month does not show: the old style beside the new and the World
// reckoning, the new beside the old.
QString OtherDate(const DayInfo& day) {
    const Reckoning other = day.Reckoning == kJulian ? kGregorian : kJulian;
    const CalendarDate& d = day.Dates.In(other);
    return QStringLiteral("%1 %2 %3")
        .arg(d.Day)
        .arg(FromUtf8(MonthNames(CalendarMonth(other, d.Month), kGenitive)))
        .arg(other == kJulian ? QStringLiteral("ст. ст.") : QStringLiteral("н. ст."));
}

QString MonthTitle(const DayInfo& day) {
    static constexpr const char* kStyles[] = {"", "от Сотворения Мира", "по старому стилю",
                                              "по новому стилю"};
    const CalendarDate& d = day.Dates.In(day.Reckoning);
    return QStringLiteral("%1 %2 г. %3")
        .arg(FromUtf8(MonthNames(CalendarMonth(day.Reckoning, d.Month), kNominative)))
        .arg(d.Year)
        .arg(QString::fromUtf8(kStyles[day.Reckoning]));
}

// Draws text wrapped at word boundaries (inside a word only when one word is wider than the
// box) in as many whole lines as fit, the last one elided when text remains; returns the height
// used.
int DrawWrapped(QPainter* painter, const QRect& box, const QString& text, const QFont& font,
                int maxLines = 1000) {
    if (box.height() <= 0 || box.width() <= 0 || text.isEmpty()) return 0;
    const QFontMetrics metrics(font);
    QTextLayout layout(text, font);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    const int fit = std::min(maxLines, box.height() / metrics.lineSpacing());
    if (fit <= 0) return 0;
    layout.beginLayout();
    std::vector<std::pair<int, int>> lines;  // start, length
    for (;;) {
        QTextLine line = layout.createLine();
        if (!line.isValid()) break;
        line.setLineWidth(box.width());
        lines.emplace_back(line.textStart(), line.textLength());
    }
    layout.endLayout();
    painter->setFont(font);
    int y = box.top();
    const int shown = std::min(fit, static_cast<int>(lines.size()));
    for (int i = 0; i < shown; ++i) {
        QString piece = text.mid(lines[static_cast<std::size_t>(i)].first,
                                 lines[static_cast<std::size_t>(i)].second);
        if (i == shown - 1 && shown < static_cast<int>(lines.size())) {
            piece = metrics.elidedText(text.mid(lines[static_cast<std::size_t>(i)].first),
                                       Qt::ElideRight, box.width());
        }
        painter->drawText(QRect(box.left(), y, box.width(), metrics.lineSpacing()),
                          Qt::AlignLeft | Qt::AlignVCenter, piece.trimmed());
        y += metrics.lineSpacing();
    }
    return y - box.top();
}

const QColor kRedInk(200, 0, 0);
const QColor kFastInk(70, 70, 150);

// Draws each day: its number (red on a red day) and the other style's date on the first line,
// the principal commemoration below, wrapped, and the fast at the foot with a dot.
class DayDelegate : public QStyledItemDelegate {
  public:
    explicit DayDelegate(MonthTable* table) : QStyledItemDelegate(table), table_(table) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const QPalette& pal = table_->palette();
        const MonthViewDay* day = table_->DayAt(index.row(), index.column());
        const QRect cell = option.rect;
        painter->save();
        if (day == nullptr) {
            painter->fillRect(cell, pal.color(QPalette::Window));
            painter->restore();
            return;
        }
        const bool selected = day->day == table_->Selected();
        QColor ground = pal.color(QPalette::Base);
        if (day->red && !selected) {
            // A red day's faint tint, on light and dark grounds alike.
            const float a = IsDarkPalette(pal) ? 0.22F : 0.08F;
            const auto mix = [a](float g, float t) { return g * (1 - a) + t * a; };
            ground = QColor::fromRgbF(mix(ground.redF(), kRedInk.redF()),
                                      mix(ground.greenF(), kRedInk.greenF()),
                                      mix(ground.blueF(), kRedInk.blueF()));
        }
        if (selected) ground = pal.color(QPalette::Highlight);
        painter->fillRect(cell, ground);
        const QColor text =
            selected ? pal.color(QPalette::HighlightedText) : pal.color(QPalette::Text);
        const QColor red = selected ? text : InkOn(kRedInk, ground);
        const QColor faint = selected ? text : InkOn(pal.color(QPalette::PlaceholderText), ground);

        if (day->red) painter->fillRect(QRect(cell.left(), cell.top(), cell.width(), 3), red);
        if (day->day == table_->Today() && !selected) {
            painter->setPen(QPen(pal.color(QPalette::Highlight), 2));
            painter->drawRect(QRectF(cell).adjusted(1, 1, -1, -1));
        }

        const int pad = std::max(3, cell.height() / 30);
        QRect inner = cell.adjusted(pad + 1, pad + 3, -pad - 1, -pad);
        QFont base = table_->font();
        QFont number = base;
        number.setBold(true);
        number.setPointSizeF(base.pointSizeF() * 1.5);
        painter->setFont(number);
        painter->setPen(day->red ? red : text);
        const QFontMetrics numberMetrics(number);
        painter->drawText(inner, Qt::AlignLeft | Qt::AlignTop, QString::number(day->dayOfMonth));

        QFont small = base;
        small.setPointSizeF(base.pointSizeF() * 0.85);
        const QFontMetrics smallMetrics(small);
        painter->setFont(small);
        painter->setPen(faint);
        const int numberWidth = numberMetrics.horizontalAdvance(QString::number(day->dayOfMonth));
        const QRect otherRect(inner.left() + numberWidth + pad * 2, inner.top(),
                              inner.width() - numberWidth - pad * 2, numberMetrics.height());
        painter->drawText(
            otherRect, Qt::AlignRight | Qt::AlignVCenter,
            smallMetrics.elidedText(day->otherDate, Qt::ElideRight, otherRect.width()));

        int bottom = inner.bottom() + 1;
        const int below = inner.top() + numberMetrics.height() + pad / 2;
        if (!day->fast.isEmpty() && bottom - below >= 2 * smallMetrics.lineSpacing()) {
            // The fast at the foot, on two lines when the cell has room for more than that.
            const QColor ink = selected ? text : InkOn(kFastInk, ground);
            QFont fastFont = small;
            fastFont.setItalic(true);
            const int lines = bottom - below >= 5 * smallMetrics.lineSpacing() ? 2 : 1;
            const QFontMetrics fastMetrics(fastFont);
            const int r = std::max(2, smallMetrics.height() / 6);
            const int wanted =
                fastMetrics.horizontalAdvance(day->fast) > inner.width() - 2 * r - pad ? lines : 1;
            const QRect area(inner.left() + 2 * r + pad,
                             bottom - wanted * fastMetrics.lineSpacing(),
                             inner.width() - 2 * r - pad, wanted * fastMetrics.lineSpacing());
            painter->setRenderHint(QPainter::Antialiasing);
            painter->setPen(Qt::NoPen);
            painter->setBrush(ink);
            painter->drawEllipse(
                QPoint(inner.left() + r, area.top() + fastMetrics.lineSpacing() / 2), r, r);
            painter->setRenderHint(QPainter::Antialiasing, false);
            painter->setPen(ink);
            DrawWrapped(painter, area, day->fast, fastFont, wanted);
            bottom = area.top() - pad / 2;
        } else if (!day->fast.isEmpty()) {
            // No room for its words: the fast's dot beside the number.
            const int r = std::max(2, smallMetrics.height() / 6);
            painter->setRenderHint(QPainter::Antialiasing);
            painter->setPen(Qt::NoPen);
            painter->setBrush(selected ? text : InkOn(kFastInk, ground));
            painter->drawEllipse(QPoint(inner.left() + numberWidth + pad + r,
                                        inner.top() + numberMetrics.ascent() / 2 + 1),
                                 r, r);
            painter->setRenderHint(QPainter::Antialiasing, false);
        }
        painter->setPen(text);
        DrawWrapped(painter, QRect(inner.left(), below, inner.width(), bottom - below),
                    day->principal, base);
        painter->restore();
    }

  private:
    MonthTable* table_;
};

}  // namespace

MonthViewLayout LayOutMonth(const std::vector<DayInfo>& monthDays, int firstWeekday) {
    MonthViewLayout layout;
    for (int i = 0; i < 7; ++i) {
        const int w = (firstWeekday + i - 1) % 7 + 1;
        layout.weekdays.push_back(FromUtf8(DayNames(w, kCivilDay)));
        layout.shortWeekdays.push_back(FromUtf8(DayNames(w, kShortDay)));
    }
    if (monthDays.empty()) return layout;
    layout.title = MonthTitle(monthDays.front());
    const int lead = WeekDayPos(firstWeekday, monthDays.front().WeekDay) - 1;
    const int count = static_cast<int>(monthDays.size());
    layout.rows = (lead + count + 6) / 7;
    layout.cells.assign(static_cast<std::size_t>(layout.rows * 7), -1);
    for (int i = 0; i < count; ++i) {
        const DayInfo& info = monthDays[static_cast<std::size_t>(i)];
        MonthViewDay day;
        day.day = info.Day;
        day.dayOfMonth = info.Dates.In(info.Reckoning).Day;
        day.otherDate = OtherDate(info);
        day.principal = QString::fromStdString(PrincipalOf(info));
        if (info.KeepsFast()) day.fast = QString::fromStdString(FastLineText(*info.Fast));
        day.red = info.Red();
        day.sunday = info.WeekDay == 7;
        day.accessibleName = DayAccessibleName(info);
        day.accessibleDescription = DayAccessibleDescription(info);
        day.toolTip = DayToolTip(info);
        layout.cells[static_cast<std::size_t>(lead + i)] = i;
        layout.days.push_back(std::move(day));
    }
    return layout;
}

MonthTable::MonthTable(QWidget* parent) : QTableWidget(0, 7, parent) {
    setObjectName(QStringLiteral("MonthTable"));
    setAccessibleName(QStringLiteral("Месяц крупно"));
    setAccessibleDescription(
        QStringLiteral("Дни месяца по седмицам. Стрелки влево и вправо: день; вверх и вниз: "
                       "седмица; Page Up и Page Down: месяц, с Ctrl год; Home: сегодня"));
    setItemDelegate(new DayDelegate(this));
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    horizontalHeader()->setHighlightSections(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::StrongFocus);
    setWordWrap(true);
}

void MonthTable::Show(const MonthViewLayout& layout, DayNum selected, DayNum today) {
    layout_ = layout;
    selected_ = selected;
    today_ = today;
    setUpdatesEnabled(false);
    setRowCount(layout_.rows);
    FitHeader();
    for (int r = 0; r < layout_.rows; ++r) {
        for (int c = 0; c < 7; ++c) {
            auto* it = item(r, c);
            if (it == nullptr) {
                it = new QTableWidgetItem();
                setItem(r, c, it);  // the table owns its items
            }
            const MonthViewDay* day = DayAt(r, c);
            it->setData(Qt::AccessibleTextRole, day ? day->accessibleName : QString());
            it->setData(Qt::AccessibleDescriptionRole,
                        day ? day->accessibleDescription : QString());
            it->setToolTip(day ? day->toolTip : QString());
        }
    }
    FitRows();
    setUpdatesEnabled(true);
    viewport()->update();
}

QPoint MonthTable::CellOf(DayNum day) const {
    for (std::size_t i = 0; i < layout_.cells.size(); ++i) {
        const int d = layout_.cells[i];
        if (d >= 0 && layout_.days[static_cast<std::size_t>(d)].day == day)
            return {static_cast<int>(i % 7), static_cast<int>(i / 7)};
    }
    return {-1, -1};
}

const MonthViewDay* MonthTable::DayAt(int row, int col) const {
    if (row < 0 || col < 0 || col >= 7 || row >= layout_.rows) return nullptr;
    const int d = layout_.cells.at(static_cast<std::size_t>(row * 7 + col));
    return d < 0 ? nullptr : &layout_.days.at(static_cast<std::size_t>(d));
}

void MonthTable::keyPressEvent(QKeyEvent* event) {
    if (keys_ && keys_(*event)) {
        event->accept();
        return;
    }
    event->ignore();
}

void MonthTable::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    setFocus(Qt::MouseFocusReason);
    const QModelIndex index = indexAt(event->position().toPoint());
    if (const MonthViewDay* day = index.isValid() ? DayAt(index.row(), index.column()) : nullptr)
        emit dayClicked(day->day);
}

void MonthTable::resizeEvent(QResizeEvent* event) {
    QTableWidget::resizeEvent(event);
    FitRows();
    FitHeader();
}

// The weekdays' whole names while a column holds the longest, else "Пн." and so on.
void MonthTable::FitHeader() {
    if (layout_.weekdays.empty()) return;
    const QFontMetrics metrics(horizontalHeader()->font());
    int longest = 0;
    for (const QString& name : layout_.weekdays)
        longest = std::max(longest, metrics.horizontalAdvance(name));
    const bool whole = viewport()->width() / 7 >= longest + 12;
    const std::vector<QString>& names = whole ? layout_.weekdays : layout_.shortWeekdays;
    setHorizontalHeaderLabels(QStringList(names.begin(), names.end()));
    for (int c = 0; c < 7 && c < static_cast<int>(layout_.weekdays.size()); ++c) {
        // A screen reader hears the whole name either way.
        horizontalHeaderItem(c)->setData(Qt::AccessibleTextRole,
                                         layout_.weekdays[static_cast<std::size_t>(c)]);
    }
}

// The weeks share the height, so the month always fills the window.
void MonthTable::FitRows() {
    if (layout_.rows == 0) return;
    const int height = viewport()->height();
    int used = 0;
    for (int r = 0; r < layout_.rows; ++r) {
        const int h = (height - used) / (layout_.rows - r);
        setRowHeight(r, h);
        used += h;
    }
}

MonthView::MonthView(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("frmMonthView"));
    setWindowTitle(QStringLiteral("Месяц крупно"));
    setAccessibleName(QStringLiteral("Месяц крупно"));
    title_ = new QLabel(this);
    title_->setObjectName(QStringLiteral("MonthTitle"));
    QFont big = title_->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    title_->setFont(big);
    table_ = new MonthTable(this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title_);
    layout->addWidget(table_, 1);
    setMinimumSize(480, 360);
    resize(900, 640);
}

void MonthView::Show(const MonthViewLayout& layout, DayNum selected, DayNum today) {
    title_->setText(layout.title);
    table_->Show(layout, selected, today);
}

void MonthView::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    emit closed();
}

void MonthView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace velorith
