#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// Shows which versions are installed: the program, the device library and, when a recorder
// answers, its two processors with the count of storage-error reports seen from it.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(QWidget *parent = nullptr);

    QLabel *Image1;
    QLabel *Label2; // program version
    QLabel *Label3; // device library version
    QLabel *Label4; // first processor
    QLabel *Label5; // second processor and storage-error count
    QLabel *Label6;
    QLabel *Label7;
    QLabel *Label1; // opens the credits
    QPushButton *cmdOK;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load();
    void cmdOK_Click();
    void Label1_Click();
};
