#include "entry/AddWorkout.h"

#include "analysis/AnalysisWindows.h"
#include "core/FormControls.h"
#include "core/Globals.h"
#include "core/HeartRateZones.h"
#include "core/LocalizeForm.h"
#include "core/Numbers.h"
#include "core/StoredSamples.h"
#include "core/modHelpersDates.h"
#include "core/modHelpersLists.h"
#include "core/modHelpersValidation.h"
#include "core/modLocalisation.h"
#include "entry/AscentDescent.h"
#include "entry/EntryBox.h"
#include "entry/UnsavedChanges.h"
#include "entry/frmDailyData.h"
#include "mainwindow/MainWindowServices.h"
#include "platform/BusyCursor.h"
#include "platform/ReportedFailures.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimeEdit>
#include <QVBoxLayout>

#include <memory>
#include <vector>

namespace {

constexpr int kHeartRateOnly = 0;
constexpr int kCombined = 20;

QString text(int id) {
    return modLocalisation::LoadResString(id);
}

EntryBox *box(QWidget *parent, const char *name, EntryBox::Keys keys, int length, int index = -1) {
    auto *created = named(new EntryBox(keys, length, parent), name);
    if (index >= 0)
        created->setProperty("Index", index);
    created->setMaximumWidth(length <= 3 ? 40 : 70);
    return created;
}

QLabel *label(QWidget *parent, const char *name, const QString &caption, int index = -1) {
    auto *created = named(new QLabel(caption, parent), name);
    if (index >= 0)
        created->setProperty("Index", index);
    return created;
}

// The caption of a line of boxes; a screen reader names the line's first box after it.
QLabel *caption(QWidget *parent, const char *name, int stringId, QWidget *firstBox) {
    auto *created = named(new QLabel(parent), name, stringId);
    created->setBuddy(firstBox);
    return created;
}

// The other boxes of a line are named after the line's caption and the part they hold.
void nameAfter(QWidget *box, const QLabel *line, const QString &part = QString()) {
    box->setAccessibleName(part.isEmpty() ? line->text() : line->text() + ' ' + part);
}

// Qt names a drop-down list on Linux by its current entry and leaves its name to the labels that
// point at it, so a list that shares its line's label with a box gets an unseen label of its own.
void nameListAfter(QComboBox *list, const QLabel *line, const QString &part) {
    nameAfter(list, line, part);
    auto *label = new QLabel(list->accessibleName(), list->parentWidget());
    label->setBuddy(list);
    label->hide();
}

QHBoxLayout *row(std::initializer_list<QWidget *> widgets) {
    auto *line = new QHBoxLayout;
    for (QWidget *widget : widgets)
        line->addWidget(widget);
    line->addStretch();
    return line;
}

} // namespace

AddWorkout::AddWorkout(QWidget *parent) : QDialog(parent) {
    setObjectName("AddWorkout");
    setModal(true);
    setProperty("tag", 1382);
    setWindowTitle("Activity");
    buildControls();
    connectHandlers();
    Form_Load();
}

void AddWorkout::buildControls() {
    auto *frames = new QHBoxLayout;
    auto *left = new QVBoxLayout;
    left->addWidget(buildRecordFrame());
    left->addWidget(buildSummaryFrame());
    frames->addLayout(left);
    frames->addWidget(buildZonesFrame());

    cmdDailyData = named(new QPushButton("Daily Data", this), "cmdDailyData", 1398);
    cmdStats = named(new QPushButton("Course Statistics", this), "cmdStats", 1647);
    Command4 = named(new QPushButton("OK", this), "Command4", 1421);
    Command5 = named(new QPushButton("Cancel", this), "Command5", 1422);
    // Enter anywhere saves; no other button takes it over.
    for (QPushButton *button : {Command4, Command5, btnComputeZone, cmdDailyData, cmdStats})
        button->setAutoDefault(false);
    Command4->setDefault(true);
    // Cancel takes no focus, so that a box refusing its text never keeps the athlete from leaving.
    Command5->setFocusPolicy(Qt::NoFocus);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdDailyData);
    buttons->addWidget(cmdStats);
    buttons->addStretch();
    buttons->addWidget(Command4);
    buttons->addWidget(Command5);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(frames);
    layout->addLayout(buttons);
    orderTabs();
}

// Tab goes down each frame as the controls are shown, the zones from zone 5 to zone 1.
void AddWorkout::orderTabs() {
    std::vector<QWidget *> order{DTPicker1,     DTPicker2,     Combo2,        Text2,          Combo5,
                                 Text4,         Text5,         Text7,         Text3,          txtAvgHR,
                                 txtMaxHR,      txtAvgSpeed,   AvgSpeedUnits, txtMaxSpeed,    MaxSpeedUnits,
                                 txtAvgPace[0], txtAvgPace[1], AvgPaceUnits,  txtBestPace[0], txtBestPace[1],
                                 BestPaceUnits};
    for (int index = 4; index >= 0; --index) {
        order.push_back(Text1[index]);
        order.push_back(Text6[index]);
    }
    order.insert(order.end(), {btnComputeZone, cmdDailyData, cmdStats, Command4});
    for (std::size_t next = 1; next < order.size(); ++next)
        setTabOrder(order[next - 1], order[next]);
}

QWidget *AddWorkout::buildRecordFrame() {
    Frame1 = named(new QGroupBox(this), "Frame1", 1804);
    DTPicker1 = named(new QDateEdit(Frame1), "DTPicker1");
    DTPicker1->setCalendarPopup(true);
    DTPicker2 = named(new QTimeEdit(Frame1), "DTPicker2");
    DTPicker2->setDisplayFormat("HH:mm:ss");
    Combo2 = named(new QComboBox(Frame1), "Combo2");
    Text2 = box(Frame1, "Text2", EntryBox::Keys::Decimal, 5);
    Text2->setText("0");
    Combo5 = named(new QComboBox(Frame1), "Combo5");
    Text3 = named(new QLineEdit(Frame1), "Text3");
    Text4 = box(Frame1, "Text4", EntryBox::Keys::Digits, 2);
    Text5 = box(Frame1, "Text5", EntryBox::Keys::Digits, 2);
    Text7 = box(Frame1, "Text7", EntryBox::Keys::Digits, 2);
    Label5 = label(Frame1, "Label5", ":");
    Label8 = label(Frame1, "Label8", ":");
    Label2 = label(Frame1, "Label2", "(hh:mm:ss)");

    auto *grid = new QGridLayout(Frame1);
    lblDistance = caption(Frame1, "lblDistance", 1807, Text2);
    lblDuration = caption(Frame1, "lblDuration", 1808, Text4);
    grid->addWidget(caption(Frame1, "lblDate", 1805, DTPicker1), 0, 0);
    grid->addLayout(row({DTPicker1}), 0, 1);
    grid->addWidget(caption(Frame1, "lblStartTime", 1806, DTPicker2), 1, 0);
    grid->addLayout(row({DTPicker2}), 1, 1);
    grid->addWidget(caption(Frame1, "lblSport", 1803, Combo2), 2, 0);
    grid->addLayout(row({Combo2}), 2, 1);
    grid->addWidget(lblDistance, 3, 0);
    grid->addLayout(row({Text2, Combo5}), 3, 1);
    grid->addWidget(lblDuration, 4, 0);
    grid->addLayout(row({Text4, Label5, Text5, Label8, Text7, Label2}), 4, 1);
    grid->addWidget(caption(Frame1, "lblDescription", 1809, Text3), 5, 0);
    grid->addWidget(Text3, 5, 1);
    return Frame1;
}

QWidget *AddWorkout::buildSummaryFrame() {
    Frame2 = named(new QGroupBox(this), "Frame2", 1538);
    txtAvgHR = box(Frame2, "txtAvgHR", EntryBox::Keys::Digits, 3);
    txtMaxHR = box(Frame2, "txtMaxHR", EntryBox::Keys::Digits, 3);
    txtAvgSpeed = box(Frame2, "txtAvgSpeed", EntryBox::Keys::Decimal, 5);
    txtMaxSpeed = box(Frame2, "txtMaxSpeed", EntryBox::Keys::Decimal, 5);
    AvgSpeedUnits = named(new QComboBox(Frame2), "AvgSpeedUnits");
    MaxSpeedUnits = named(new QComboBox(Frame2), "MaxSpeedUnits");
    for (int index = 0; index < 2; ++index) {
        const int length = index == 0 ? 3 : 2;
        txtAvgPace[index] = box(Frame2, "txtAvgPace", EntryBox::Keys::Digits, length, index);
        txtBestPace[index] = box(Frame2, "txtBestPace", EntryBox::Keys::Digits, length, index);
    }
    lblavgpace = label(Frame2, "lblavgpace", QString());
    lblbestpace = label(Frame2, "lblbestpace", QString());
    AvgPaceUnits = named(new QComboBox(Frame2), "AvgPaceUnits");
    BestPaceUnits = named(new QComboBox(Frame2), "BestPaceUnits");
    lblTotalAscent = named(new QLabel(Frame2), "lblTotalAscent", 1817);
    lblAscentData = label(Frame2, "lblAscentData", QString());
    lblTotalDescent = named(new QLabel(Frame2), "lblTotalDescent", 1818);
    lblDescentData = label(Frame2, "lblDescentData", QString());

    auto *grid = new QGridLayout(Frame2);
    lblAvgSpeed = caption(Frame2, "lblAvgSpeed", 1812, txtAvgSpeed);
    lblMaxSpeed = caption(Frame2, "lblMaxSpeed", 1813, txtMaxSpeed);
    lblAvgPace = caption(Frame2, "lblAvgPace", 1814, txtAvgPace[0]);
    lblBestPace = caption(Frame2, "lblBestPace", 1815, txtBestPace[0]);
    grid->addWidget(caption(Frame2, "lblAvgHR", 1810, txtAvgHR), 0, 0);
    grid->addLayout(row({txtAvgHR}), 0, 1);
    grid->addWidget(caption(Frame2, "lblPeakHR", 1811, txtMaxHR), 1, 0);
    grid->addLayout(row({txtMaxHR}), 1, 1);
    grid->addWidget(lblAvgSpeed, 2, 0);
    grid->addLayout(row({txtAvgSpeed, AvgSpeedUnits}), 2, 1);
    grid->addWidget(lblMaxSpeed, 3, 0);
    grid->addLayout(row({txtMaxSpeed, MaxSpeedUnits}), 3, 1);
    grid->addWidget(lblAvgPace, 4, 0);
    grid->addLayout(row({txtAvgPace[0], new QLabel(":", Frame2), txtAvgPace[1], lblavgpace, AvgPaceUnits}), 4,
                    1);
    grid->addWidget(lblBestPace, 5, 0);
    grid->addLayout(
        row({txtBestPace[0], new QLabel(":", Frame2), txtBestPace[1], lblbestpace, BestPaceUnits}), 5, 1);
    grid->addWidget(lblTotalAscent, 6, 0);
    grid->addWidget(lblAscentData, 6, 1);
    grid->addWidget(lblTotalDescent, 7, 0);
    grid->addWidget(lblDescentData, 7, 1);
    return Frame2;
}

// Zone 5 at the top, zone 1 at the bottom: hours, the separator, minutes.
QWidget *AddWorkout::buildZonesFrame() {
    auto *frame = new QWidget(this);
    Label12 = named(new QLabel(frame), "Label12", 1816);
    time_in_zones_hhmm = label(frame, "time_in_zones_hhmm", "hh:mm");
    Label16 = label(frame, "Label16", QString());
    btnComputeZone = named(new QPushButton("Recompute Time in Zones", frame), "btnComputeZone", 1396);
    auto *grid = new QGridLayout;
    for (int index = 0; index < 5; ++index) {
        lblZones[index] = label(frame, "lblZones", QString::number(index + 1), index);
        Text1[index] = box(frame, "Text1", EntryBox::Keys::Digits, 2, index);
        Label21[index] = label(frame, "Label21", ":", index);
        Text6[index] = box(frame, "Text6", EntryBox::Keys::Digits, 2, index);
        lblZones[index]->setBuddy(Text1[index]);
        const int line = 4 - index;
        grid->addWidget(lblZones[index], line, 0);
        grid->addWidget(Text1[index], line, 1);
        grid->addWidget(Label21[index], line, 2);
        grid->addWidget(Text6[index], line, 3);
    }
    auto *layout = new QVBoxLayout(frame);
    layout->addWidget(Label12);
    layout->addWidget(time_in_zones_hhmm);
    layout->addLayout(grid);
    layout->addWidget(Label16);
    layout->addWidget(btnComputeZone);
    layout->addStretch();
    return frame;
}

void AddWorkout::connectHandlers() {
    using EntryFields::Box;
    connect(Command4, &QPushButton::clicked, this, &AddWorkout::Command4_Click);
    connect(Command5, &QPushButton::clicked, this, &AddWorkout::Command5_Click);
    connect(btnComputeZone, &QPushButton::clicked, this, &AddWorkout::btnComputeZone_Click);
    connect(cmdDailyData, &QPushButton::clicked, this, &AddWorkout::cmdDailyData_Click);
    connect(cmdStats, &QPushButton::clicked, this, &AddWorkout::cmdStats_Click);
    connect(AvgSpeedUnits, &QComboBox::currentIndexChanged, this, &AddWorkout::AvgSpeedUnits_Click);
    connect(MaxSpeedUnits, &QComboBox::currentIndexChanged, this, &AddWorkout::MaxSpeedUnits_Click);
    DTPicker1->installEventFilter(this);
    DTPicker2->installEventFilter(this);

    checkWhenLeft(Text2, Box::Distance, [this] { return Text2_LostFocus(); });
    checkWhenLeft(Text4, Box::Hours, [this] { return Text4_LostFocus(); });
    checkWhenLeft(Text5, Box::Minutes, [this] { return Text5_LostFocus(); });
    checkWhenLeft(Text7, Box::Seconds, [this] { return Text7_LostFocus(); });
    checkWhenLeft(txtAvgHR, Box::AverageHeartRate, [this] { return txtAvgHR_LostFocus(); });
    checkWhenLeft(txtMaxHR, Box::PeakHeartRate, [this] { return txtMaxHR_LostFocus(); });
    checkWhenLeft(txtAvgSpeed, Box::Speed, [this] { return txtAvgSpeed_LostFocus(); });
    checkWhenLeft(txtMaxSpeed, Box::Speed, [this] { return txtMaxSpeed_LostFocus(); });
    for (int index = 0; index < 2; ++index)
        checkWhenLeft(txtAvgPace[index], EntryFields::kAveragePace[index],
                      [this, index] { return txtAvgPace_LostFocus(index); });
    for (int index = 0; index < 2; ++index)
        checkWhenLeft(txtBestPace[index], EntryFields::kBestPace[index],
                      [this, index] { return txtBestPace_LostFocus(index); });
    for (int index = 4; index >= 0; --index) {
        checkWhenLeft(Text1[index], Box::ZoneTime, [this, index] { return Text1_LostFocus(index); });
        checkWhenLeft(Text6[index], Box::ZoneTime, [this, index] { return Text6_LostFocus(index); });
        connect(Text6[index], &QLineEdit::textChanged, this, [this, index] { Text6_Change(index); });
    }
}

// A box is checked when the athlete leaves it for another control, not while a refused box
// gets the focus back nor while the window closes. A paste that does not fit is refused with
// the box's message.
void AddWorkout::checkWhenLeft(EntryBox *box, EntryFields::Box rule, std::function<bool()> leave) {
    boxChecks_.push_back({box, rule, leave});
    connect(box, &EntryBox::left, this, [this, box, leave] {
        if (isVisible() && !refusing_ && !showsStored(box))
            leave();
    });
    connect(box, &EntryBox::pasteRefused, this, [this, box, rule](const QString &pasted) {
        refuse(box, EntryFields::PasteMessage(rule, pasted));
    });
}

void AddWorkout::Form_Load() {
    for (QDateTimeEdit *picker : std::initializer_list<QDateTimeEdit *>{DTPicker1, DTPicker2})
        picker->setDateRange(QDate(1753, 1, 1), QDate(9998, 12, 31));
    calendarDate = mainwindow::CalendarDay();
    if (!calendarDate.isValid())
        calendarDate = QDate::currentDate();
    modLocalisation::LocalizeForm(this);
    const QString separator = modHelpers::GetTimeSeparator();
    time_in_zones_hhmm->setText(text(1590) + separator + text(1591));
    fillUnitLists();
    btnComputeZone->setEnabled(false);
    for (QLabel *zoneSeparator : Label21)
        zoneSeparator->setText(separator);
    Label2->setText("(" + text(1590) + separator + text(1591) + separator + text(1589) + ")");
    Label5->setText(separator);
    Label8->setText(separator);
    for (QLabel *ascent : {lblAscentData, lblDescentData, lblTotalAscent, lblTotalDescent})
        ascent->hide();
    fillZoneinfo();
    nameBoxes();
    if (gEditExisting) {
        setWindowTitle(text(1602));
        LoadActivity(editedKey());
        return;
    }
    cmdStats->hide();
    modHelpers::FillDistanceUnitList(*Combo5, gPrimaryUnit);
    modHelpers::FillSportsList(*Combo2, true);
    selectUnitLists(gPrimaryUnit == "km" ? 1 : gPrimaryUnit == "nm" ? 2 : 0);
    DTPicker1->setDate(calendarDate);
    DTPicker2->setTime(QTime::currentTime());
}

// Called once the captions are in the chosen language.
void AddWorkout::nameBoxes() {
    nameAfter(Text5, lblDuration, text(1591));
    nameAfter(Text7, lblDuration, text(1589));
    nameAfter(txtAvgPace[1], lblAvgPace, text(1589));
    nameAfter(txtBestPace[1], lblBestPace, text(1589));
    for (std::size_t zone = 0; zone < Text6.size(); ++zone)
        nameAfter(Text6[zone], lblZones[zone], text(1591));
    const QString unit = text(1845);
    nameListAfter(Combo5, lblDistance, unit);
    nameListAfter(AvgSpeedUnits, lblAvgSpeed, unit);
    nameListAfter(MaxSpeedUnits, lblMaxSpeed, unit);
    nameListAfter(AvgPaceUnits, lblAvgPace, unit);
    nameListAfter(BestPaceUnits, lblBestPace, unit);
}

void AddWorkout::fillUnitLists() {
    for (QComboBox *paceUnits : {BestPaceUnits, AvgPaceUnits})
        paceUnits->addItems({text(1581), text(1582), text(1584)});
    for (QComboBox *speedUnits : {AvgSpeedUnits, MaxSpeedUnits})
        speedUnits->addItems({text(1693), text(1694), text(1585)});
}

void AddWorkout::selectUnitLists(int position) {
    for (QComboBox *units : {AvgSpeedUnits, MaxSpeedUnits, AvgPaceUnits, BestPaceUnits})
        units->setCurrentIndex(position);
}

SessionKey AddWorkout::editedKey() const {
    return gCurrentSessionKey;
}

void AddWorkout::LoadActivity(SessionKey key) {
    using EntryFields::NumberText;
    const auto stored = ActivityEntryStore::ReadStored(key);
    if (stored) {
        cmdStats->setVisible(stored->fromRecorder && stored->type != kHeartRateOnly);
        showZones(stored->zones);
        if (stored->duration) {
            const EntryFields::Clock duration = EntryFields::DurationBoxes(*stored->duration);
            Text4->setText(QString::number(duration.hours));
            Text5->setText(QString::number(duration.minutes));
            Text7->setText(QString::number(duration.seconds));
        }
        txtAvgHR->setText(stored->averageHeartRate ? NumberText(*stored->averageHeartRate) : QString());
        txtMaxHR->setText(stored->peakHeartRate ? NumberText(*stored->peakHeartRate) : QString());
        txtAvgSpeed->setText(stored->averageSpeed ? EntryFields::SingleText(*stored->averageSpeed)
                                                  : QString());
        txtMaxSpeed->setText(stored->maximumSpeed ? EntryFields::SingleText(*stored->maximumSpeed)
                                                  : QString());
        showPace(txtAvgPace, txtAvgSpeed->text());
        showPace(txtBestPace, txtMaxSpeed->text());
        btnComputeZone->setEnabled(stored->fromRecorder &&
                                   (stored->type == kHeartRateOnly || stored->type == kCombined));
        DTPicker1->setDate(stored->day);
        DTPicker2->setTime(stored->start.time());
        Text2->setText(stored->distance
                           ? NumberText(Numbers::roundHalfEven(Numbers::toSingle(*stored->distance), 3))
                           : QString());
        Text3->setText(stored->description);
        modHelpers::FillDistanceUnitList(*Combo5, stored->distanceUnit);
        MaxSpeedUnits->setCurrentIndex(stored->maximumSpeedUnits);
        AvgSpeedUnits->setCurrentIndex(stored->averageSpeedUnits);
        AvgPaceUnits->setCurrentIndex(stored->averagePaceUnits);
        BestPaceUnits->setCurrentIndex(stored->bestPaceUnits);
        if (stored->fromRecorder && stored->type != kHeartRateOnly)
            showAscentDescent(key);
    }
    modHelpers::FillSportsList(*Combo2, false);
    Combo2->setCurrentIndex(stored && stored->sport ? Combo2->findData(QVariant::fromValue(*stored->sport))
                                                    : -1);
    if (stored)
        rememberShown();
}

void AddWorkout::rememberShown() {
    shown_ = form();
    for (const BoxCheck &check : boxChecks_)
        shownTexts_[check.box] = check.box->text();
}

// The zones recomputed and stored anew are what the zone boxes now show of the activity.
void AddWorkout::rememberShownZones() {
    if (!shown_)
        return;
    for (std::size_t zone = 0; zone < Text1.size(); ++zone) {
        shown_->zoneHours[zone] = shownTexts_[Text1[zone]] = Text1[zone]->text();
        shown_->zoneMinutes[zone] = shownTexts_[Text6[zone]] = Text6[zone]->text();
    }
}

bool AddWorkout::showsStored(const EntryBox *box) const {
    const auto shown = shownTexts_.find(box);
    return shown != shownTexts_.end() && shown->second == box->text().trimmed();
}

void AddWorkout::showPace(std::array<EntryBox *, 2> &boxes, const QString &speedText) {
    const double speed = modHelpers::ReadNumericText(speedText).value_or(0);
    const EntryFields::Pace pace = EntryFields::SpeedToPace(Numbers::toSingle(speed));
    boxes[0]->setText(pace.minutes);
    boxes[1]->setText(pace.seconds);
    settle(boxes);
}

void AddWorkout::showAscentDescent(SessionKey key) {
    const auto altitudes = AscentDescent::ReadAltitudes(key);
    if (!altitudes)
        return;
    const AscentDescent::Totals totals = AscentDescent::Compute(*altitudes, gUseSmoothing);
    lblAscentData->setText(AscentDescent::TotalText(totals.ascent, gPrimaryUnit));
    lblDescentData->setText(AscentDescent::TotalText(totals.descent, gPrimaryUnit));
    for (QLabel *ascent : {lblAscentData, lblDescentData, lblTotalAscent, lblTotalDescent})
        ascent->show();
}

void AddWorkout::LoadTimeInZones(SessionKey key) {
    if (const auto stored = ActivityEntryStore::ReadStored(key)) {
        showZones(stored->zones);
        rememberShownZones();
    }
}

// A zone without a stored time keeps what its boxes show.
void AddWorkout::showZones(const std::array<std::optional<double>, 5> &seconds) {
    for (std::size_t zone = 0; zone < seconds.size(); ++zone) {
        if (!seconds[zone])
            continue;
        const EntryFields::Clock time = EntryFields::ZoneBoxes(*seconds[zone]);
        Text1[zone]->setText(QString::number(time.hours));
        Text6[zone]->setText(QString::number(time.minutes));
    }
}

void AddWorkout::fillZoneinfo() {
    const ActivityEntryStore::ZoneCaptions zones = ActivityEntryStore::ReadZoneCaptions();
    Label16->setVisible(zones.notSet);
    if (zones.notSet) {
        Label16->setText(text(1819));
        Label16->setStyleSheet("color: #ff0000");
    }
    for (std::size_t zone = 0; zone < lblZones.size(); ++zone)
        lblZones[zone]->setText(zones.captions[zone]);
}

void AddWorkout::btnComputeZone_Click() {
    const SessionKey key = editedKey();
    const platform::cursor::BusyCursor busy;
    platform::failures::runReported([&] {
        if (!HasSamples(key, SampleKind::HeartRate))
            return;
        ComputeTimeInZones(gConn, key);
        LoadTimeInZones(key);
    });
}

void AddWorkout::cmdDailyData_Click() {
    std::unique_ptr<frmDailyData> daily;
    if (platform::failures::runReported(
            [&] { daily = std::make_unique<frmDailyData>(DTPicker1->date(), this); }))
        daily->exec();
}

void AddWorkout::cmdStats_Click() {
    analysis::showStats(this);
}

void AddWorkout::Command5_Click() {
    QDialog::reject();
}

void AddWorkout::reject() {
    if (saveRefused_ && !entry::LeaveUnsaved(this))
        return;
    QDialog::reject();
}

// Alt+F4 in the date or the time picker closes the window without saving.
bool AddWorkout::eventFilter(QObject *watched, QEvent *event) {
    if ((watched == DTPicker1 || watched == DTPicker2) && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_F4 && (key->modifiers() & Qt::AltModifier)) {
            reject();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}
