#pragma once

#include <QDate>
#include <QDialog>

class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTreeWidget;
class TrenloTransfer;

// Sends the ticked activities of a range of days to the partner service in one request. The user
// name and password are stored scrambled as soon as their box is left and come back next time.
class frmTrenloSync : public QDialog {
    Q_OBJECT

public:
    // Throws platform::db::DbError when the activities cannot be read.
    explicit frmTrenloSync(QWidget *parent = nullptr);

    // True when the user name or the password is blank; otherwise the list is enabled.
    bool isDisabled();
    // Lists the activities of the days; row (from 1) is selected afterwards, 0 selects none.
    void FillActivityList(const QDate &firstDay, const QDate &lastDay, int row);
    void SetTrenloSyncStatus(const QString &text);

    void cmdOK_Click();
    void cmdCancel_Click();
    void Command3_Click();

    QGroupBox *Frame1;
    QLabel *Label1;
    QLineEdit *txtUsername;
    QLabel *Label2;
    QLineEdit *txtPassword;
    QLabel *Label3;
    QGroupBox *Frame2;
    QLabel *Label4;
    QDateEdit *DTPicker1;
    QLabel *Label5;
    QDateEdit *DTPicker2;
    QTreeWidget *ListView1;
    QLabel *Label6;
    QProgressBar *ProgressBar1;
    QLabel *lblStatus;
    QPushButton *cmdOK;
    QPushButton *cmdCancel;
    QPushButton *Command3;
    TrenloTransfer *Inet1;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void connectHandlers();
    void Form_Load();
    void EnableUpload();
    void refuseBlanks(QLineEdit *box);
    // False when the box could not be stored; the athlete has been told why.
    bool storeCredential(QLineEdit *box);
    void Inet1_StateChanged(int state);
    void uploadFailed(const QString &reason);
};
