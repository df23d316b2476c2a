#pragma once

#include "core/Globals.h"

#include <QDialog>

class QCheckBox;
class QGroupBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// Ends a transfer that stored something new: lists the activities just stored (each line's
// data is the activity's key), offers to clear the recorder's memory, and makes a clicked
// activity the main window's current one. Closing it refreshes the main window's list and
// summary graph.
class frmActivitySummary : public QDialog {
    Q_OBJECT

public:
    explicit frmActivitySummary(QWidget *parent = nullptr);

    // Adds one line for an activity stored by the transfer.
    void addActivity(const QString &line, SessionKey key);

    // Some of the recorder's data could not be stored or read: the window does not offer to
    // clear the recorder's memory.
    void withholdClearing();

    // Closes the window, shown or not, refreshing the main window once.
    void unload();
    void done(int result) override;

    QGroupBox *Frame1;
    QLabel *Label1;
    QListWidget *List1;
    QLabel *lblCompressed;
    QLabel *Label2;
    QCheckBox *chkClearDevice;
    QPushButton *Command1;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void Form_Load();
    void Form_Unload();
    void List1_Click(QListWidgetItem *item);
    void Command1_Click();

    bool unloaded_ = false;
    bool clearingOffered_ = true;
};
