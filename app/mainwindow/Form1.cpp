#include "mainwindow/Form1.h"

#include "core/FormControls.h"
#include "core/LocalizeForm.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QDateEdit *datePicker(QWidget *parent, const char *name) {
    auto *picker = named(new QDateEdit(parent), name);
    picker->setCalendarPopup(true);
    return picker;
}

} // namespace

Form1::Form1(QWidget *owner, const QDate &today)
    : QDialog(owner), Frame1(named(new QGroupBox("Select", this), "Frame1", 1340)),
      Label1(named(new QLabel("From", Frame1), "Label1", 1365)), DTPicker1(datePicker(Frame1, "DTPicker1")),
      Label2(named(new QLabel("To", Frame1), "Label2", 1366)), DTPicker2(datePicker(Frame1, "DTPicker2")),
      Command1(named(new QPushButton("OK", this), "Command1", 1421)) {
    setObjectName("Form1");
    setProperty("tag", 1338);
    setWindowTitle("Custom Dates");
    setModal(true);

    auto *days = new QGridLayout(Frame1);
    days->addWidget(Label1, 0, 0);
    days->addWidget(DTPicker1, 0, 1);
    days->addWidget(Label2, 1, 0);
    days->addWidget(DTPicker2, 1, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addWidget(Command1, 0, Qt::AlignRight);
    Label1->setBuddy(DTPicker1);
    Label2->setBuddy(DTPicker2);
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &QDialog::accept);

    Form_Load(today);
}

void Form1::Form_Load(const QDate &today) {
    modLocalisation::LocalizeForm(this);
    DTPicker1->setDate(QDate(today.year(), today.month(), 1));
    DTPicker2->setDate(today);
}

TimePeriods::DateRange Form1::range() const {
    return TimePeriods::Ordered(DTPicker1->date(), DTPicker2->date());
}
