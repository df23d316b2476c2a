#pragma once

#include "platform/BusyCursor.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;
class QTreeWidget;

// Asks whether two sessions that lie close together are one workout split in two
// (gSpliceKey1 and gSpliceKey2). The answer goes to the settings store as "Splice", and
// "AlwaysAskSplice" remembers whether to ask again; closing the window answers No.
class frmAskSplice : public QDialog {
    Q_OBJECT

public:
    explicit frmAskSplice(QWidget *parent = nullptr);

    QLabel *Label1;
    QTreeWidget *ListView1;
    QPushButton *cmdYes;
    QPushButton *cmdNo;
    QCheckBox *chkAlwaysDoAction;

private:
    void Form_Load();
    void addActivityLines();
    void cmdYes_Click();
    void cmdNo_Click();
    void storeAnswer(const QString &splice);

    // The transfer goes on after the question, under its busy pointer again.
    platform::cursor::NormalCursor normalPointer_;
};
