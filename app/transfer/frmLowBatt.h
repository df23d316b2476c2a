#pragma once

#include <QDate>
#include <QDialog>
#include <QString>

class QCheckBox;
class QLabel;
class QPushButton;

// Tells the athlete that the recorder's battery is very low. OK stores in "LowBatWarnDate" the
// day on which the athlete asked to be reminded in a month, or the empty text to be told at
// every transfer; the close box stores nothing.
class frmLowBatt : public QDialog {
    Q_OBJECT

public:
    explicit frmLowBatt(QWidget *parent = nullptr);

    // Whether a transfer shows the notice, given the stored "LowBatWarnDate": a day that is not
    // a date counts as no reminder; a reminder holds the notice back for 30 days.
    static bool NoticeDue(const QString &storedDate, const QDate &today);

    QLabel *Image1;
    QLabel *lblLowBatt;
    QCheckBox *chkRemind;
    QPushButton *cmdOK;

private:
    void Form_Load();
    void cmdOK_Click();
};
