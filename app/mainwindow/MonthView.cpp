#include "mainwindow/MonthView.h"

#include "mainwindow/MonthViewCells.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QTableView>
#include <QTextCharFormat>

#include <algorithm>

namespace {

constexpr int kDaysPerWeek = 7;
// Day names are never drawn smaller than this, in points, to fit their columns.
constexpr qreal kSmallestDayNames = 6;
constexpr qreal kDayNamesStep = 0.5;

} // namespace

MonthView::MonthView(QWidget *parent) : QCalendarWidget(parent) {
    days_ = findChild<QTableView *>("qt_calendar_calendarview");
    days_->viewport()->installEventFilter(this);
    selectOneDay(selectedDate());
    connect(this, &QCalendarWidget::selectionChanged, this, &MonthView::selectionMoved);
    connect(this, &QCalendarWidget::clicked, this, [this](QDate day) {
        if (!dragging_)
            selectOneDay(day);
        emit DateClick(day);
    });
    connect(this, &QCalendarWidget::currentPageChanged, this, &MonthView::refreshDayBold);
}

void MonthView::setDayBold(const QDate &day, bool bold) {
    QTextCharFormat format = dateTextFormat(day);
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    setDateTextFormat(day, format);
}

bool MonthView::dayBold(const QDate &day) const {
    return dateTextFormat(day).fontWeight() == QFont::Bold;
}

void MonthView::refreshDayBold() {
    emit GetDayBold(MonthViewCells::VisibleDay(*this, 1), MonthViewCells::kVisibleDays);
}

int MonthView::headerRows() const {
    return horizontalHeaderFormat() == QCalendarWidget::NoHorizontalHeader ? 0 : 1;
}

int MonthView::headerColumns() const {
    return verticalHeaderFormat() == QCalendarWidget::NoVerticalHeader ? 0 : 1;
}

QWidget *MonthView::daysArea() const {
    return days_->viewport();
}

QDate MonthView::dayAt(const QPoint &inDaysArea) const {
    const QModelIndex cell = days_->indexAt(inDaysArea);
    const int week = cell.row() - headerRows();
    const int weekday = cell.column() - headerColumns();
    if (!cell.isValid() || week < 0 || weekday < 0)
        return QDate();
    const QDate day = MonthViewCells::VisibleDay(*this, week * kDaysPerWeek + weekday + 1);
    return day >= minimumDate() && day <= maximumDate() ? day : QDate();
}

QRect MonthView::dayRect(const QDate &day) const {
    const qint64 cell = MonthViewCells::VisibleDay(*this, 1).daysTo(day);
    if (cell < 0 || cell >= MonthViewCells::kVisibleDays)
        return QRect();
    const int row = static_cast<int>(cell / kDaysPerWeek) + headerRows();
    const int column = static_cast<int>(cell % kDaysPerWeek) + headerColumns();
    const QRect inArea = days_->visualRect(days_->model()->index(row, column));
    return QRect(days_->viewport()->mapTo(this, inArea.topLeft()), inArea.size());
}

void MonthView::selectOneDay(const QDate &day) {
    selStart_ = selEnd_ = day;
    updateCells();
}

// The keyboard, or the program, chose another day.
void MonthView::selectionMoved() {
    if (dragging_)
        return;
    selectOneDay(selectedDate());
    emit DateClick(selectedDate());
}

bool MonthView::eventFilter(QObject *watched, QEvent *event) {
    if (watched == days_->viewport() && event->type() == QEvent::Resize)
        fitDayNames();
    if (watched == days_->viewport() && !forwarding_ && mouseEvent(watched, event))
        return true;
    return QCalendarWidget::eventFilter(watched, event);
}

void MonthView::changeEvent(QEvent *event) {
    QCalendarWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::LocaleChange)
        fitDayNames();
}

// The day names take the calendar's font, or a smaller one where the columns are too narrow for
// it, as they are at the designed width for names such as the French "sam.".
void MonthView::fitDayNames() {
    const int margins = 2 * (days_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, days_) + 1);
    const int room = days_->viewport()->width() / (kDaysPerWeek + headerColumns()) - margins;
    QFont names = font();
    if (names.pointSizeF() <= 0) // a font set in pixels is left as it is
        return;
    const auto widest = [&] {
        const QFontMetrics metrics(names);
        int width = 0;
        for (int day = Qt::Monday; day <= Qt::Sunday; ++day)
            width = std::max(width, metrics.horizontalAdvance(locale().dayName(day, QLocale::ShortFormat)));
        return width;
    };
    while (widest() > room && names.pointSizeF() - kDayNamesStep >= kSmallestDayNames)
        names.setPointSizeF(names.pointSizeF() - kDayNamesStep);
    QTextCharFormat format = headerTextFormat();
    if (format.fontPointSize() == names.pointSizeF())
        return;
    format.setFontPointSize(names.pointSizeF());
    setHeaderTextFormat(format);
}

bool MonthView::mouseEvent(QObject *watched, QEvent *event) {
    const auto type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
        return false;
    const auto *mouse = static_cast<QMouseEvent *>(event);
    switch (type) {
    case QEvent::MouseButtonPress:
        if (mouse->button() == Qt::LeftButton && (anchor_ = dayAt(mouse->position().toPoint())).isValid()) {
            dragging_ = true;
            selectOneDay(anchor_);
        }
        return false;
    case QEvent::MouseMove:
        if (dragging_) {
            const QDate over = dayAt(mouse->position().toPoint());
            if (over.isValid()) {
                selStart_ = std::min(anchor_, over);
                selEnd_ = std::max(anchor_, over);
                updateCells();
            }
        }
        return false;
    case QEvent::MouseButtonRelease: {
        if (!dragging_ || mouse->button() != Qt::LeftButton)
            return false;
        // The calendar takes the release first, so that its day is chosen when MouseUp is told.
        forwarding_ = true;
        QCoreApplication::sendEvent(watched, event);
        forwarding_ = false;
        dragging_ = false;
        emit MouseUp();
        return true;
    }
    default:
        return false;
    }
}

void MonthView::paintCell(QPainter *painter, const QRect &rect, QDate date) const {
    QCalendarWidget::paintCell(painter, rect, date);
    if (selStart_ == selEnd_ || date < selStart_ || date > selEnd_)
        return;
    QColor range = palette().color(QPalette::Highlight);
    range.setAlpha(90);
    painter->fillRect(rect, range);
}
