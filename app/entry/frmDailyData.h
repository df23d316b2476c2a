#pragma once

#include "entry/DailyData.h"

#include <QDate>
#include <QDialog>

class EntryBox;
class QGroupBox;
class QLabel;
class QPushButton;

// The body weight and resting heart rate of one day. OK stores what the two boxes hold in the
// day's row; an empty box, and a box still showing the stored value, keeps the stored value.
class frmDailyData : public QDialog {
    Q_OBJECT

public:
    // Shows the day's stored values. Throws platform::db::DbError when they cannot be read.
    explicit frmDailyData(const QDate &day, QWidget *parent = nullptr);

    void Command1_Click();
    void Command2_Click();

    // Closing the window (Escape, the window's close button) after a refused save asks first
    // whether to leave without saving; Cancel leaves at once.
    void reject() override;

    QGroupBox *Frame1;
    QLabel *Label1;
    EntryBox *txtWeight;
    QLabel *Label2;
    EntryBox *txtRestingHR;
    QPushButton *Command1;
    QPushButton *Command2;

private:
    void Form_Load();
    std::optional<DailyData::Measures> ValidateDailyData();
    QString changedText(const EntryBox *box) const;

    QDate day_;
    QString shownWeight_;
    QString shownRestingPulse_;
    bool saveRefused_ = false;
};
