#pragma once

#include "core/Globals.h"
#include "entry/ActivityEntryStore.h"
#include "entry/EntryFields.h"

#include <QDate>
#include <QDialog>

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <vector>

class EntryBox;
class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimeEdit;

// Records an activity by hand, or shows and edits a stored one (gEditExisting, the activity
// being gCurrentSessionKey): date and start, sport, distance, duration, description, heart rate,
// speed and pace, time in each heart-rate zone, and for a recorded GPS activity its ascent and
// descent. OK stores it and shows the main window's day again.
class AddWorkout : public QDialog {
    Q_OBJECT

public:
    // Builds and fills the window. Throws platform::db::DbError when the database cannot be read.
    explicit AddWorkout(QWidget *parent = nullptr);

    // Fills the boxes from the stored activity; boxes keep their contents when it is gone.
    void LoadActivity(SessionKey key);
    void LoadTimeInZones(SessionKey key);
    void fillZoneinfo();

    // The OK command: stores the activity, marks its day, lists the calendar's day again and
    // closes the window. A failure is reported and the window stays open with what was typed.
    // Of an edited activity only what the athlete changed is written.
    void Command4_Click();
    void Command5_Click();
    void btnComputeZone_Click();
    void cmdDailyData_Click();
    void cmdStats_Click();

    // The leave checks of the boxes, as the focus leaving each box runs them. Each returns
    // whether the box was accepted; a refused box shows its message and gets the focus back.
    bool Text2_LostFocus();
    bool Text4_LostFocus();
    bool Text5_LostFocus();
    bool Text7_LostFocus();
    bool txtAvgHR_LostFocus();
    bool txtMaxHR_LostFocus();
    bool txtAvgSpeed_LostFocus();
    bool txtMaxSpeed_LostFocus();
    bool txtAvgPace_LostFocus(int index);
    bool txtBestPace_LostFocus(int index);
    bool Text1_LostFocus(int index);
    bool Text6_LostFocus(int index);
    // Every change of a zone's minutes: checked, and whole hours carried into the zone's hours.
    void Text6_Change(int index);
    void AvgSpeedUnits_Click();
    void MaxSpeedUnits_Click();

    QGroupBox *Frame1;
    QGroupBox *Frame2;
    QLabel *Label12;
    QDateEdit *DTPicker1;
    QTimeEdit *DTPicker2;
    QComboBox *Combo2;
    EntryBox *Text2;
    QComboBox *Combo5;
    QLineEdit *Text3;
    EntryBox *Text4;
    EntryBox *Text5;
    EntryBox *Text7;
    QLabel *lblDistance;
    QLabel *lblDuration;
    QLabel *lblAvgSpeed;
    QLabel *lblMaxSpeed;
    QLabel *lblAvgPace;
    QLabel *lblBestPace;
    QLabel *Label5;
    QLabel *Label8;
    QLabel *Label2;
    EntryBox *txtAvgHR;
    EntryBox *txtMaxHR;
    EntryBox *txtAvgSpeed;
    EntryBox *txtMaxSpeed;
    QComboBox *AvgSpeedUnits;
    QComboBox *MaxSpeedUnits;
    std::array<EntryBox *, 2> txtAvgPace;
    std::array<EntryBox *, 2> txtBestPace;
    QLabel *lblavgpace;
    QLabel *lblbestpace;
    QComboBox *AvgPaceUnits;
    QComboBox *BestPaceUnits;
    std::array<EntryBox *, 5> Text1; // hours in zone index + 1
    std::array<EntryBox *, 5> Text6; // minutes in zone index + 1
    std::array<QLabel *, 5> Label21;
    std::array<QLabel *, 5> lblZones;
    QLabel *time_in_zones_hhmm;
    QLabel *Label16;
    QLabel *lblTotalAscent;
    QLabel *lblAscentData;
    QLabel *lblTotalDescent;
    QLabel *lblDescentData;
    QPushButton *Command4;
    QPushButton *Command5;
    QPushButton *btnComputeZone;
    QPushButton *cmdDailyData;
    QPushButton *cmdStats;

    // Closing the window (Escape, the window's close button) after a refused save asks first
    // whether to leave without saving; Cancel leaves at once.
    void reject() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void orderTabs();
    QWidget *buildRecordFrame();
    QWidget *buildSummaryFrame();
    QWidget *buildZonesFrame();
    void connectHandlers();
    void checkWhenLeft(EntryBox *box, EntryFields::Box rule, std::function<bool()> leave);
    void Form_Load();
    void nameBoxes();
    void fillUnitLists();
    void selectUnitLists(int position);
    void showZones(const std::array<std::optional<double>, 5> &seconds);
    void showPace(std::array<EntryBox *, 2> &boxes, const QString &speedText);
    void showAscentDescent(SessionKey key);
    bool leaveWith(EntryBox *box, EntryFields::Box rule);
    bool leaveSpeed(EntryBox *speed, std::array<EntryBox *, 2> &pace);
    bool leavePace(std::array<EntryBox *, 2> &pace, int index, EntryBox *speed, EntryFields::Box rule);
    void settle(const std::array<EntryBox *, 2> &pace);
    bool leaveChangedPaces();
    QString trimmedText(EntryBox *box);
    void refuse(QWidget *control, int messageId);
    bool acceptsEveryBox();
    void rememberShown();
    void rememberShownZones();
    bool showsStored(const EntryBox *box) const;
    ActivityEntryStore::Form form() const;
    void saved(const ActivityEntryStore::Row &row, const std::optional<QDate> &previousDay);
    SessionKey editedKey() const;

    QDate calendarDate;
    // A box, the rule that accepts its text, and what leaving it does (the rule, then what it
    // fills in other boxes).
    struct BoxCheck {
        EntryBox *box;
        EntryFields::Box rule;
        std::function<bool()> leave;
    };
    std::vector<BoxCheck> boxChecks_; // in tab order
    bool refusing_ = false;           // a refused box is getting the focus back
    bool saveRefused_ = false;        // the last OK could not store what the window holds
    // What each pace box held when the window last filled it from its speed or the athlete left
    // it. A pace changed since gives its speed at OK, as leaving its box would have.
    std::map<const EntryBox *, QString> settledPaces_;
    // What the window showed of the edited activity, the whole form and each box's text. A box
    // still showing its stored text is not checked, recomputes nothing, and keeps the stored
    // value exactly.
    std::optional<ActivityEntryStore::Form> shown_;
    std::map<const EntryBox *, QString> shownTexts_;
};
