#pragma once

#include "mainwindow/TimePeriods.h"

#include <QDate>
#include <QDialog>

class QDateEdit;
class QGroupBox;
class QLabel;
class QPushButton;

// The custom period dialog: a first and a last day. Only OK applies them; the window's close
// box applies nothing.
class Form1 : public QDialog {
    Q_OBJECT

public:
    Form1(QWidget *owner, const QDate &today);

    // The chosen days, the earlier one first whichever picker holds it.
    TimePeriods::DateRange range() const;

    QGroupBox *Frame1;
    QLabel *Label1;
    QDateEdit *DTPicker1;
    QLabel *Label2;
    QDateEdit *DTPicker2;
    QPushButton *Command1;

private:
    void Form_Load(const QDate &today);
};
