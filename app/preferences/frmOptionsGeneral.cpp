#include "preferences/frmOptions.h"

#include "core/NumericBox.h"
#include "core/Units.h"
#include "core/modHelpersDates.h"
#include "core/modHelpersLists.h"
#include "core/modPreferences.h"
#include "preferences/BoxChecks.h"
#include "preferences/Messages.h"
#include "preferences/OptionControls.h"
#include "preferences/PreferenceStore.h"
#include "preferences/frmActivityList.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

using platform::dialogs::Icon;
using preferences::Say;
using preferences::Text;

constexpr const char *kUnitCodes[] = {"mi", "km", "nm"};
constexpr const char *kWeekStarts[] = {"Monday", "Sunday"};

QString paceText(float pace) {
    return QLocale().toString(static_cast<double>(pace), 'g', 7);
}

} // namespace

QWidget *frmOptions::buildGeneralTab() {
    auto *page = new QWidget;

    auto *unitFrame = named(new QGroupBox("Preferred unit", page), "fraUnits", 1428);
    auto *unitLayout = new QVBoxLayout(unitFrame);
    const int unitCaptions[] = {1429, 1430, 1431};
    for (int index = 0; index < int(Units.size()); ++index) {
        Units[index] = preferences::OptionElement(unitFrame, "Units", index, unitCaptions[index]);
        unitLayout->addWidget(Units[index]);
    }

    auto *weekFrame = named(new QGroupBox("Starting day of week", page), "fraWeekStarts", 1434);
    auto *weekLayout = new QVBoxLayout(weekFrame);
    const int weekCaptions[] = {1436, 1435};
    for (int index = 0; index < int(WeekStarts.size()); ++index) {
        WeekStarts[index] = preferences::OptionElement(weekFrame, "WeekStarts", index, weekCaptions[index]);
        weekLayout->addWidget(WeekStarts[index]);
    }

    auto *sportFrame = named(new QGroupBox("Preferred activity type", page), "fraSport", 1432);
    Label12 = named(new QLabel(sportFrame), "Label12");
    Command1 = named(new QPushButton(sportFrame), "Command1", 1820);
    auto *sportLayout = new QHBoxLayout(sportFrame);
    sportLayout->addWidget(Label12, 1);
    sportLayout->addWidget(Command1);

    auto *paceFrame = named(new QGroupBox(page), "fraPace", 1821);
    auto *paceLayout = new QHBoxLayout(paceFrame);
    for (int index = 0; index < int(Text1.size()); ++index) {
        Text1[index] = preferences::NumberBox(paceFrame, "Text1", index);
        lblPace[index] = named(new QLabel(paceFrame), "lblPace");
        lblPace[index]->setProperty("Index", index);
        QLabel *caption = index == 0 ? named(new QLabel(paceFrame), "lblPaceFrom", 1822)
                                     : named(new QLabel("to", paceFrame), "lblPaceTo", 1442);
        caption->setBuddy(Text1[index]);
        paceLayout->addWidget(caption);
        paceLayout->addWidget(Text1[index]);
        paceLayout->addWidget(lblPace[index]);
    }
    paceLayout->addStretch();

    auto *layout = new QGridLayout(page);
    layout->addWidget(unitFrame, 0, 0);
    layout->addWidget(weekFrame, 0, 1);
    layout->addWidget(sportFrame, 1, 0, 1, 2);
    layout->addWidget(paceFrame, 2, 0, 1, 2);
    layout->setRowStretch(3, 1);
    return page;
}

void frmOptions::loadGeneralTab() {
    if (const auto sport = preferences::SportDescription(gConn, gPrimarySport))
        Label12->setText(modHelpers::TranslateSportName(*sport));
    for (int index = 0; index < int(Units.size()); ++index) {
        if (gPrimaryUnit == QLatin1String(kUnitCodes[index])) {
            Units[index]->setChecked(true);
            gUnitLabel = Text(Units::LabelId(gPrimaryUnit));
        }
    }
    for (int index = 0; index < int(WeekStarts.size()); ++index)
        WeekStarts[index]->setChecked(gStartOfWeek == QLatin1String(kWeekStarts[index]));
    DTPicker1->setDate(modHelpers::GetWeekStart(QDate::currentDate()));
    Text1[0]->setText(paceText(gPaceMin));
    Text1[1]->setText(paceText(gPaceMax));
    showPaceUnit(gUnitLabel);
}

void frmOptions::loadTransferTab() {
    chkClipBeginning->setChecked(gClipBeginning != 0);
    chkAlwaysClear->setChecked(gAlwaysClearDR != 0);
    chkClipEnd->setChecked(gClipEnd != 0);
    chkSpeed->setChecked(gFilterSpikes != 0);
    chkUseCompressedMode->setChecked(gUseCompression);
    chkLowBattDetect->setChecked(false);
}

void frmOptions::showPaceUnit(const QString &unit) {
    for (QLabel *label : lblPace)
        label->setText(Text(1601) + unit);
}

void frmOptions::Units_Click(int index) {
    const QString unit = QString::fromLatin1(kUnitCodes[index]);
    choose([&unit](preferences::PendingChoices &choices) { choices.unit = unit; });
    showPaceUnit(unit);
    showGoalUnits(unit);
}

// The stored goals move with the first day of the week once it is stored.
void frmOptions::WeekStarts_Click(int index) {
    const QString firstDay = QString::fromLatin1(kWeekStarts[index]);
    choose([&firstDay](preferences::PendingChoices &choices) { choices.firstDayOfWeek = firstDay; });
}

// A range that is not from fastest to slowest is refused as OK's check, though leaving the box
// keeps the focus where the athlete moved it.
bool frmOptions::Text1_LostFocus(int index) {
    QLineEdit &box = *Text1[index];
    box.setText(box.text().trimmed());
    if (box.text().isEmpty())
        return true;
    if (const auto refusal = preferences::CheckPace(box.text())) {
        Say(refusal->messageId, refusal->icon, this);
        NumericBox::ReturnFocus(box);
        return false;
    }
    const preferences::PaceRange range = preferences::CheckPaceRange(Text1[0]->text(), Text1[1]->text());
    if (range.verdict == preferences::PaceRange::NotFastestToSlowest) {
        Say(1507, Icon::None, this);
        return false;
    }
    if (range.verdict == preferences::PaceRange::Valid)
        choose([&range](preferences::PendingChoices &choices) {
            choices.paceRange = std::pair(range.fastest, range.slowest);
        });
    return true;
}

void frmOptions::Command1_Click() {
    frmActivityList sports(this);
    connect(&sports, &frmActivityList::preferredSportChanged, Label12, &QLabel::setText);
    sports.exec();
}

void frmOptions::chkUseCompressedMode_Click() {
    if (const long code = preferences::StoreCompression(chkUseCompressedMode->isChecked()); code != 0)
        preferences::SayNotSaved(code, this);
}

void frmOptions::chkUseSmoothing_Click() {
    try {
        modPreferences::LoadPreferences();
    } catch (const platform::db::DbError &failure) {
        preferences::SayNotSaved(failure, this);
    }
    gGraphSelectLive = true;
}
