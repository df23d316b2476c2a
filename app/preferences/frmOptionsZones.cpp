#include "preferences/frmOptions.h"

#include "core/Numbers.h"
#include "core/NumericBox.h"
#include "core/modHelpersValidation.h"
#include "preferences/BoxChecks.h"
#include "preferences/Messages.h"
#include "preferences/OptionControls.h"
#include "preferences/PreferenceStore.h"
#include "preferences/frmRecomputeTimeInZones.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <optional>

namespace {

using platform::dialogs::Icon;
using preferences::ZoneMode;

// A box's number as the whole number that is stored, when it holds one that fits.
std::optional<int> wholeNumberIn(const QLineEdit &box) {
    const auto number = modHelpers::ReadNumericText(box.text());
    if (!number)
        return std::nullopt;
    const auto whole = Numbers::toInt16(*number);
    return whole ? std::optional<int>(*whole) : std::nullopt;
}

void say(const preferences::BoxRefusal &refusal, QWidget *parent) {
    preferences::Say(refusal.messageId, refusal.icon, parent);
}

} // namespace

QWidget *frmOptions::buildZonesTab() {
    auto *page = new QWidget;

    auto *modeFrame = named(new QGroupBox(page), "Frame1", 1823);
    const int modeCaptions[] = {1456, 1457, 1563};
    for (int index = 0; index < int(OptionComputeZones.size()); ++index)
        OptionComputeZones[index] =
            preferences::OptionElement(modeFrame, "OptionComputeZones", index, modeCaptions[index]);
    txtAge = preferences::NumberBox(modeFrame, "txtAge");
    txtMaxHR = preferences::NumberBox(modeFrame, "txtMaxHR");
    // Each box is named after the choice that it belongs to.
    txtAge->setAccessibleName(preferences::Text(modeCaptions[0]).remove('&'));
    txtMaxHR->setAccessibleName(preferences::Text(modeCaptions[1]).remove('&'));
    auto *modeLayout = new QGridLayout(modeFrame);
    auto *zonesUsing = named(new QLabel(modeFrame), "lblZonesUsing", 1824);
    zonesUsing->setBuddy(OptionComputeZones[0]);
    modeLayout->addWidget(zonesUsing, 0, 0, 1, 2);
    modeLayout->addWidget(OptionComputeZones[0], 1, 0);
    modeLayout->addWidget(txtAge, 1, 1);
    modeLayout->addWidget(OptionComputeZones[1], 2, 0);
    modeLayout->addWidget(txtMaxHR, 2, 1);
    modeLayout->addWidget(OptionComputeZones[2], 3, 0, 1, 2);
    modeLayout->setRowStretch(4, 1);

    auto *zoneFrame = named(new QGroupBox(page), "Frame5", 1825);
    auto *zoneLayout = new QGridLayout(zoneFrame);
    std::array<std::array<QLineEdit *, 2> *, 4> arrays{&hrzone1, &hrzone2, &hrzone3, &hrzone4};
    const char *names[] = {"hrzone1", "hrzone2", "hrzone3", "hrzone4"};
    const QString bounds[] = {preferences::Text(1846), preferences::Text(1847)};
    for (int zone = 0; zone < 4; ++zone) {
        auto *caption = new QLabel(preferences::Text(1826).arg(zone + 1), zoneFrame);
        zoneLayout->addWidget(caption, zone, 0);
        for (int index = 0; index < 2; ++index) {
            (*arrays[zone])[index] = preferences::NumberBox(zoneFrame, names[zone], index);
            (*arrays[zone])[index]->setAccessibleName(caption->text() + ' ' + bounds[index]);
            zoneLayout->addWidget((*arrays[zone])[index], zone, 1 + 2 * index);
        }
        zoneLayout->addWidget(new QLabel("-", zoneFrame), zone, 2);
    }
    hrzone5 = preferences::NumberBox(zoneFrame, "hrzone5");
    lblHrZone5 = named(new QLabel(zoneFrame), "lblHrZone5");
    auto *zone5 = new QLabel(preferences::Text(1826).arg(5), zoneFrame);
    zone5->setBuddy(hrzone5);
    zoneLayout->addWidget(zone5, 4, 0);
    zoneLayout->addWidget(hrzone5, 4, 1);
    zoneLayout->addWidget(new QLabel("-", zoneFrame), 4, 2);
    zoneLayout->addWidget(lblHrZone5, 4, 3);
    Command2 = named(new QPushButton(zoneFrame), "Command2", 1827);
    Command7 = named(new QPushButton(zoneFrame), "Command7", 1718);
    zoneLayout->addWidget(Command2, 5, 0, 1, 4);
    zoneLayout->addWidget(Command7, 6, 0, 1, 4);

    Label5 = named(new QLabel(page), "Label5", 1828);
    Label5->setWordWrap(true);

    auto *layout = new QGridLayout(page);
    layout->addWidget(modeFrame, 0, 0);
    layout->addWidget(zoneFrame, 0, 1);
    layout->addWidget(Label5, 1, 0, 1, 2);
    layout->setRowStretch(2, 1);
    return page;
}

// Without a zones row the boxes show the zones in force then, so that OK can save them.
void frmOptions::LoadZones() {
    const HeartRateZones zones = LoadHeartRateZones(gConn);
    showZones(zones);

    const ZoneMode mode = preferences::ZoneModeOf(gComputeZonesUsing);
    OptionComputeZones[static_cast<int>(mode)]->setChecked(true);
    enableZoneBoxes(mode);
    const preferences::Person person = preferences::ReadPerson(gConn);
    txtAge->setText(QString::number(person.age));
    txtMaxHR->setText(QString::number(person.maximum));
}

void frmOptions::showZones(const HeartRateZones &zones) {
    const std::array<std::array<QLineEdit *, 2> *, 4> arrays{&hrzone1, &hrzone2, &hrzone3, &hrzone4};
    for (int zone = 0; zone < 4; ++zone) {
        (*arrays[zone])[0]->setText(QString::number(zones.low[zone]));
        (*arrays[zone])[1]->setText(QString::number(zones.high[zone]));
    }
    hrzone5->setText(QString::number(zones.low[4]));
    lblHrZone5->setText(QString::number(zones.high[4]));
}

// Zones are stored only when every bound is a number: a blank box never becomes a bound of 0.
bool frmOptions::SaveZones() {
    preferences::ZoneSettings settings;
    const std::array<QLineEdit *, 10> bounds{hrzone1[0], hrzone1[1], hrzone2[0], hrzone2[1], hrzone3[0],
                                             hrzone3[1], hrzone4[0], hrzone4[1], hrzone5,    txtMaxHR};
    HeartRateZones zones;
    bool complete = true;
    for (int bound = 0; bound < int(bounds.size()); ++bound) {
        const auto value = wholeNumberIn(*bounds[bound]);
        complete = complete && value;
        (bound % 2 == 0 ? zones.low : zones.high)[bound / 2] = value.value_or(0);
    }
    if (complete)
        settings.zones = zones;
    settings.age = wholeNumberIn(*txtAge);
    settings.maximum = wholeNumberIn(*txtMaxHR);
    settings.smoothing = chkUseSmoothing->isChecked();
    try {
        preferences::StoreZoneSettings(gConn, settings);
        zonesRefused_ = false;
        return true;
    } catch (const platform::db::DbError &failure) {
        zonesRefused_ = true;
        preferences::SayNotSaved(failure, this);
        return false;
    }
}

ZoneMode frmOptions::zoneMode() const {
    for (int index = 0; index < int(OptionComputeZones.size()); ++index)
        if (OptionComputeZones[index]->isChecked())
            return static_cast<ZoneMode>(index);
    return ZoneMode::ByHand;
}

void frmOptions::enableZoneBoxes(ZoneMode mode) {
    txtAge->setEnabled(mode == ZoneMode::FromAge);
    txtMaxHR->setEnabled(mode == ZoneMode::FromMaximum);
}

void frmOptions::saveAllZonestoDB() {
    const auto result = preferences::RunZoneRule(zoneMode(), txtAge->text(), txtMaxHR->text());
    if (!result)
        return;
    if (result->maximumText)
        txtMaxHR->setText(*result->maximumText);
    showZones(result->zones);
}

bool frmOptions::CheckHRZonesforBlanks() {
    for (QLineEdit *box : {hrzone5, hrzone4[0], hrzone4[1], hrzone3[0], hrzone3[1], hrzone2[0], hrzone2[1],
                           hrzone1[0], hrzone1[1]}) {
        box->setText(box->text().trimmed());
        if (box->text().isEmpty()) {
            preferences::Say(1505, Icon::Information, this);
            box->setFocus();
            return false;
        }
    }
    return true;
}

void frmOptions::OptionComputeZones_Click(int index) {
    const auto mode = static_cast<ZoneMode>(index);
    enableZoneBoxes(mode);
    const std::optional<int> age = mode == ZoneMode::FromAge ? wholeNumberIn(*txtAge) : std::nullopt;
    const std::optional<int> maximum =
        mode == ZoneMode::FromMaximum ? wholeNumberIn(*txtMaxHR) : std::nullopt;
    choose([mode, age, maximum](preferences::PendingChoices &choices) {
        if (age)
            choices.age = age;
        if (maximum)
            choices.maximum = maximum;
        choices.zoneMode = mode;
    });
}

// The zones are saved only with every box of the tab passing the check of leaving it.
void frmOptions::Command2_Click() {
    saveAllZonestoDB();
    if (CheckHRZonesforBlanks() && leaveChangedBoxes(*SSTab2->widget(ZonesTab)))
        SaveZones();
}

void frmOptions::Command7_Click() {
    if (!CheckHRZonesforBlanks())
        return;
    saveAllZonestoDB();
    if (!leaveChangedBoxes(*SSTab2->widget(ZonesTab)) || !SaveZones())
        return;
    if (preferences::Say(1723, Icon::Question, this, platform::dialogs::Buttons::YesNo) ==
        platform::dialogs::Answer::Yes) {
        frmRecomputeTimeInZones recompute(this);
        recompute.exec();
    }
}

bool frmOptions::hrzone_LostFocus(QLineEdit &box) {
    box.setText(box.text().trimmed());
    const auto refusal = preferences::CheckZoneBound(box.text());
    if (refusal) {
        say(*refusal, this);
        NumericBox::ReturnFocus(box);
    }
    return !refusal;
}

bool frmOptions::txtAge_LostFocus() {
    txtAge->setText(txtAge->text().trimmed());
    const auto refusal = preferences::CheckAge(txtAge->text());
    if (refusal) {
        say(*refusal, this);
        if (refusal->replacement)
            txtAge->setText(*refusal->replacement);
        NumericBox::ReturnFocus(*txtAge);
    }
    return !refusal;
}

bool frmOptions::txtMaxHR_LostFocus() {
    txtMaxHR->setText(txtMaxHR->text().trimmed());
    const auto refusal = preferences::CheckMaximumHeartRate(txtMaxHR->text());
    if (refusal) {
        say(*refusal, this);
        NumericBox::ReturnFocus(*txtMaxHR);
    }
    return !refusal;
}
