#pragma once

#include "core/NumericBox.h"
#include "preferences/PendingChoices.h"
#include "preferences/WeeklyGoals.h"
#include "preferences/ZoneRule.h"

#include <QDialog>

#include <array>
#include <functional>
#include <map>
#include <utility>
#include <vector>

class QCheckBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

// The preferences window: General, Heart Rate Zones, Goals and Data Transfer tabs. Every change
// on a tab is stored as it is made; one that the database refuses waits and is stored with the
// next change or with OK. OK checks again every box changed since it was filled or left, runs
// the zone rule, reloads the preferences and redraws the main window, and is the way out (no
// close box, no Escape) as long as every save succeeds; when the window leaves, the zones, age,
// maximum heart rate and smoothing are saved. After a save the database refused, Escape or
// closing the window offers to leave without saving.
class frmOptions : public QDialog {
    Q_OBJECT

public:
    explicit frmOptions(QWidget *parent = nullptr);

    enum Tab { GeneralTab, ZonesTab, GoalsTab, TransferTab };

    // Leaves only the Goals tab visible, for the goals command.
    void ShowGoalsOnly();

    // Runs the zone rule of the chosen mode on the age and maximum boxes and writes the zones
    // into the zone boxes; stores nothing.
    void saveAllZonestoDB();
    // True when no zone box is blank; otherwise says so and puts the focus on the first one.
    bool CheckHRZonesforBlanks();

    QTabWidget *SSTab2;
    QPushButton *cmdOK;

    // General
    std::array<QRadioButton *, 3> Units;
    std::array<QRadioButton *, 2> WeekStarts;
    QLabel *Label12;
    QPushButton *Command1;
    std::array<QLineEdit *, 2> Text1;
    std::array<QLabel *, 2> lblPace;

    // Heart Rate Zones. Each zone box array holds the low bound at index 0, the high at 1.
    std::array<QRadioButton *, 3> OptionComputeZones;
    QLineEdit *txtAge;
    QLineEdit *txtMaxHR;
    std::array<QLineEdit *, 2> hrzone1;
    std::array<QLineEdit *, 2> hrzone2;
    std::array<QLineEdit *, 2> hrzone3;
    std::array<QLineEdit *, 2> hrzone4;
    QLineEdit *hrzone5;
    QLabel *lblHrZone5;
    QPushButton *Command2;
    QPushButton *Command7;
    QLabel *Label5;

    // Goals. Each time box array holds the hours at index 0, the minutes at 1.
    QGroupBox *Frame4;
    QDateEdit *DTPicker1;
    std::array<QLineEdit *, 2> Text4;
    QLineEdit *txtTotalDistance;
    QLabel *lblUnits;
    QLabel *Label7;
    QLineEdit *txtTotalAltitude;
    QLabel *lblUnits2;
    QLabel *Label3;
    QLabel *Label19;
    std::array<QLineEdit *, 2> txtZone1;
    std::array<QLineEdit *, 2> txtZone2;
    std::array<QLineEdit *, 2> txtZone3;
    std::array<QLineEdit *, 2> txtZone4;
    std::array<QLineEdit *, 2> txtZone5;
    QPushButton *Command6;

    // Data Transfer
    QCheckBox *chkAlwaysClear;
    QCheckBox *chkClipBeginning;
    QCheckBox *chkClipEnd;
    QCheckBox *chkSpeed;
    QCheckBox *chkUseCompressedMode;
    QCheckBox *chkUseSmoothing;
    QCheckBox *chkAskSplice;
    QCheckBox *chkLowBattDetect;
    // The recorder's maintenance, shown after a right-button release over Label7.
    QGroupBox *fraRecorder;
    QPushButton *Command3;
    QPushButton *Command4;
    QPushButton *Command5;

protected:
    void reject() override;
    void closeEvent(QCloseEvent *event) override;
    void done(int result) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildGeneralTab();
    QWidget *buildZonesTab();
    QWidget *buildGoalsTab();
    QWidget *buildTransferTab();
    void connectHandlers();

    // The frame
    void Form_Load();
    // False when the waiting choices or the zones could not be saved: the window then stays open.
    bool Form_Unload();
    void cmdOK_Click();
    void leaveWithoutSaving();
    bool holdsUnsavedChanges() const;
    int tabOf(const QWidget &control) const;
    void SSTab2_Click(int index);
    void cmdOK_LostFocus();
    void focusFirstControlOf(int tab);

    // Storing choices and leaving boxes
    void choose(const std::function<void(preferences::PendingChoices &)> &change);
    bool storeChoices();
    void onLeaving(QLineEdit &box, NumericBox::Keys keys, std::function<bool()> leave);
    void rememberTexts(const QWidget &within);
    bool leaveChangedBoxes(const QWidget &within);

    // Heart Rate Zones
    void LoadZones();
    bool SaveZones();
    void showZones(const HeartRateZones &zones);
    preferences::ZoneMode zoneMode() const;
    void enableZoneBoxes(preferences::ZoneMode mode);
    void OptionComputeZones_Click(int index);
    void Command2_Click();
    void Command7_Click();
    // The boxes' checks on leaving: false when the text is refused.
    bool hrzone_LostFocus(QLineEdit &box);
    bool txtAge_LostFocus();
    bool txtMaxHR_LostFocus();

    // General and Data Transfer
    void loadGeneralTab();
    void loadTransferTab();
    void Units_Click(int index);
    void WeekStarts_Click(int index);
    bool Text1_LostFocus(int index);
    void Command1_Click();
    void showPaceUnit(const QString &unit);
    void chkUseCompressedMode_Click();
    void chkUseSmoothing_Click();

    // Goals
    void connectGoalHandlers();
    void loadGoalsTab();
    std::array<std::array<QLineEdit *, 2> *, 5> zoneTimeBoxes();
    QDate goalWeek() const;
    void showGoalUnits(const QString &unit);
    void LoadGoals();
    void DTPicker1_Change();
    bool txtZone_LostFocus(int zone, int index);
    bool Text4_LostFocus(int index);
    bool goalNumber_LostFocus(QLineEdit &box, preferences::Goal goal);
    void storeGoal(preferences::Goal goal, double value);
    void Command6_Click();

    // The recorder's maintenance
    QGroupBox *buildRecorderFrame(QWidget *page);
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();

    bool leaving_ = false;
    // Choices the database refused, shown and not yet stored.
    preferences::PendingChoices pending_;
    // True while the zones on show could not be saved.
    bool zonesRefused_ = false;
    // While a button checks the boxes again, what they store waits for the button's own save.
    bool storesDeferred_ = false;
    // Each number box with its check, in the order of the tabs, and the text it was filled with
    // or last left with.
    std::vector<std::pair<QLineEdit *, std::function<bool()>>> boxLeaves_;
    std::map<const QLineEdit *, QString> leftTexts_;
};
