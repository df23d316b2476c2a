#pragma once

#include <QCalendarWidget>
#include <QDate>

class QTableView;

// The main window's month calendar. A day is chosen by a click or the keyboard; dragging the
// mouse over several days selects them all (SelStart to SelEnd). Days can be marked bold.
class MonthView : public QCalendarWidget {
    Q_OBJECT

public:
    explicit MonthView(QWidget *parent = nullptr);

    // The first and last day of the selection; both the chosen day when one day is selected.
    QDate SelStart() const { return selStart_; }
    QDate SelEnd() const { return selEnd_; }
    // The calendar's current day.
    QDate Value() const { return selectedDate(); }

    void setDayBold(const QDate &day, bool bold);
    bool dayBold(const QDate &day) const;
    // Asks for the bold marks of the days on show again (GetDayBold).
    void refreshDayBold();

    // Where a day of the shown page stands, in the calendar's coordinates; empty when it is not
    // shown. The area that takes the mouse over the days is daysArea().
    QRect dayRect(const QDate &day) const;
    QWidget *daysArea() const;

signals:
    // A day was clicked or reached with the keyboard.
    void DateClick(QDate day);
    // The count days from startDay are about to be shown and need their bold marks.
    void GetDayBold(QDate startDay, int count);
    // The mouse button was released over the days, at the end of a click or of a drag.
    void MouseUp();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void paintCell(QPainter *painter, const QRect &rect, QDate date) const override;

private:
    QDate dayAt(const QPoint &inDaysArea) const;
    int headerRows() const;
    int headerColumns() const;
    void selectOneDay(const QDate &day);
    void selectionMoved();
    bool mouseEvent(QObject *watched, QEvent *event);
    void fitDayNames();

    QTableView *days_ = nullptr;
    QDate anchor_;
    QDate selStart_;
    QDate selEnd_;
    bool dragging_ = false;
    bool forwarding_ = false;
};
