#pragma once

#include "core/Globals.h"

#include <QDate>
#include <QDialog>

class QCalendarWidget;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// Saves one activity of a chosen day to a file: the program's own data file when gExportMode is
// 1, an NMEA file of its GPS samples when it is 2 (only activities with GPS samples are listed
// then). The window closes after an export or a cancelled save dialog.
class frmExport : public QDialog {
    Q_OBJECT

public:
    explicit frmExport(QWidget *parent = nullptr);

    QGroupBox *Frame1;
    QCalendarWidget *MonthView1;
    QTreeWidget *ListView1;
    QLabel *Label1;
    QCheckBox *chkCompat;
    QPushButton *cmdExport;
    QPushButton *Command5;

    // The name the save dialog offers for the selected row: "Runvella_", its position in the
    // list, "_", the calendar's month-day-year and the extension of the mode.
    QString DefaultFileName() const;

private:
    void Form_Load();
    void FillExportList(const QDate &day);
    void showNoActivities();
    const QTreeWidgetItem *selectedActivity() const;
    void updateExportCommand();
    void MonthView1_DateClick();
    void markShownMonth();
    void cmdExport_Click();
    void exportTo(SessionKey key, const QString &path);
};
