#pragma once

#include <QDialog>
#include <QString>

#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The first page of the first-run wizard: age, preferred sport, distance unit and first day of
// the week, each stored the moment it is given. Next (accepted) goes on to the last page,
// Close (rejected) ends the wizard.
class frmWizard1 : public QDialog {
    Q_OBJECT

public:
    explicit frmWizard1(QWidget *parent = nullptr);

    void reject() override;

    QLineEdit *txtAge;
    QComboBox *Combo1;
    std::array<QRadioButton *, 3> Units;
    std::array<QRadioButton *, 2> WeekStarts;
    QPushButton *Command1;
    QPushButton *Command2;
    QLabel *Image1;

private:
    void Form_Load();
    void connectHandlers();
    void Combo1_Click();
    void Units_Click(int index);
    void WeekStarts_Click(int index);
    void txtAge_LostFocus();
    void leaveAgeBox();
    void Command2_Click();

    bool ageRefused_ = false;
    QString leftAge_; // what the age box was filled with or last left with
};
