#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;
class QPushButton;

// Tells the athlete that the recorder held nothing new; OK clears the recorder's memory when
// the box is ticked.
class frmNoUniqueData : public QDialog {
    Q_OBJECT

public:
    explicit frmNoUniqueData(QWidget *parent = nullptr);

    QLabel *Label1;
    QCheckBox *chkClearMemory;
    QPushButton *cmdOK;

private:
    void Form_Load();
    void cmdOK_Click();
};
