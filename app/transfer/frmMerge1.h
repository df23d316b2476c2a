#pragma once

#include "core/Globals.h"

#include <QDate>
#include <QDialog>

class QCalendarWidget;
class QLabel;
class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;

// Lets the athlete join two activities of one day: the day's activities that have samples are
// listed with check boxes, and OK merges the later-listed one into the earlier-listed one.
// After a merge the main window is to show its calendar's selection again and the merged
// activity's graph: it listens to activitiesChanged.
class frmMerge1 : public QDialog {
    Q_OBJECT

public:
    explicit frmMerge1(QWidget *parent = nullptr);

    QLabel *Label1;
    QLabel *lblInstructions;
    QCalendarWidget *MonthView1;
    QTreeWidget *ListView1;
    QPushButton *cmdOK;
    QPushButton *cmdCancel;

signals:
    void activitiesChanged(SessionKey mergedKey);

private:
    void Form_Load();
    void FillMergeList(const QDate &day);
    void showNoActivities();
    void ListView1_ItemCheck(QTreeWidgetItem *item);
    void MonthView1_DateClick();
    void markShownMonth();
    void cmdOK_Click();
    void cmdCancel_Click();
};
