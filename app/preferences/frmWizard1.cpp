#include "preferences/frmWizard1.h"

#include "core/FormControls.h"
#include "core/LocalizeForm.h"
#include "core/NumericBox.h"
#include "core/OptionButtons.h"
#include "core/modHelpersLists.h"
#include "core/modPreferences.h"
#include "platform/ReportedFailures.h"
#include "preferences/MainCalendar.h"
#include "preferences/Messages.h"
#include "preferences/OptionControls.h"
#include "preferences/PreferenceStore.h"
#include "preferences/SportsStore.h"
#include "preferences/WeekStart.h"
#include "preferences/WizardAge.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

constexpr const char *kUnitCodes[] = {"mi", "km", "nm"};
constexpr const char *kWeekStarts[] = {"Monday", "Sunday"};

} // namespace

frmWizard1::frmWizard1(QWidget *parent)
    : QDialog(parent), txtAge(preferences::NumberBox(this, "txtAge")),
      Combo1(named(new QComboBox(this), "Combo1")),
      Command1(named(new QPushButton("Close", this), "Command1", 1420)),
      Command2(named(new QPushButton("Next", this), "Command2", 1545)),
      Image1(named(new QLabel(this), "Image1")) {
    setObjectName("frmWizard1");
    setProperty("tag", 1541);
    setModal(true);
    Image1->setPixmap(QPixmap(":/icons/1700.png"));

    auto *unitFrame = named(new QGroupBox("Preferred unit", this), "fraUnits", 1428);
    auto *unitLayout = new QVBoxLayout(unitFrame);
    const int unitCaptions[] = {1429, 1430, 1431};
    for (int index = 0; index < int(Units.size()); ++index) {
        Units[index] = preferences::OptionElement(unitFrame, "Units", index, unitCaptions[index]);
        unitLayout->addWidget(Units[index]);
    }
    auto *weekFrame = named(new QGroupBox("Starting day of week", this), "fraWeekStarts", 1434);
    auto *weekLayout = new QVBoxLayout(weekFrame);
    const int weekCaptions[] = {1436, 1435};
    for (int index = 0; index < int(WeekStarts.size()); ++index) {
        WeekStarts[index] = preferences::OptionElement(weekFrame, "WeekStarts", index, weekCaptions[index]);
        weekLayout->addWidget(WeekStarts[index]);
    }

    auto *answers = new QGridLayout;
    auto *age = named(new QLabel("Age in years", this), "lblAge", 1456);
    age->setBuddy(txtAge);
    answers->addWidget(age, 0, 0);
    answers->addWidget(txtAge, 0, 1, Qt::AlignLeft);
    auto *sport = named(new QLabel("Preferred activity type", this), "lblSport", 1432);
    sport->setBuddy(Combo1);
    answers->addWidget(sport, 1, 0);
    answers->addWidget(Combo1, 1, 1);
    answers->addWidget(unitFrame, 2, 0);
    answers->addWidget(weekFrame, 2, 1);

    // Enter is no Next: the age is checked only when its box is left.
    for (QPushButton *button : {Command1, Command2})
        button->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Image1, 0, Qt::AlignHCenter);
    layout->addLayout(answers);
    layout->addLayout(buttons);
    // Tab goes through the answers in the order they are shown, then to the buttons.
    QWidget *order[] = {txtAge,        Combo1,        Units[0], Units[1], Units[2],
                        WeekStarts[0], WeekStarts[1], Command1, Command2};
    for (std::size_t next = 1; next < std::size(order); ++next)
        setTabOrder(order[next - 1], order[next]);

    platform::failures::runReported([this] { Form_Load(); });
    connectHandlers();
}

// The stored answers are shown without their handlers storing them again.
void frmWizard1::Form_Load() {
    modLocalisation::LocalizeForm(this);
    ageRefused_ = false;
    Combo1->clear();
    modHelpers::FillSportsList(*Combo1);
    if (Combo1->currentIndex() < 0 && Combo1->count() > 0)
        Combo1->setCurrentIndex(0);
    txtAge->setText(QString::number(preferences::kWizardDefaultAge));
    leftAge_ = txtAge->text();
    for (int index = 0; index < int(Units.size()); ++index)
        Units[index]->setChecked(gPrimaryUnit == QLatin1String(kUnitCodes[index]));
    for (int index = 0; index < int(WeekStarts.size()); ++index)
        WeekStarts[index]->setChecked(gStartOfWeek == QLatin1String(kWeekStarts[index]));
}

void frmWizard1::connectHandlers() {
    connect(Combo1, &QComboBox::activated, this, [this] { Combo1_Click(); });
    onOptionChosen(Units, this, [this](int index) { Units_Click(index); });
    onOptionChosen(WeekStarts, this, [this](int index) { WeekStarts_Click(index); });
    NumericBox::Make(*txtAge, NumericBox::Keys::Digits, [this] { txtAge_LostFocus(); });
    connect(Command1, &QPushButton::clicked, this, &QDialog::reject);
    connect(Command2, &QPushButton::clicked, this, &frmWizard1::Command2_Click);
}

void frmWizard1::Combo1_Click() {
    const std::int64_t key = Combo1->currentData().toLongLong();
    platform::failures::runReported([key] {
        preferences::StorePrimarySport(gConn, key);
        gPrimarySport = static_cast<int>(key);
    });
}

void frmWizard1::Units_Click(int index) {
    platform::failures::runReported([index] {
        preferences::StorePrimaryUnit(gConn, QString::fromLatin1(kUnitCodes[index]));
        modPreferences::LoadPreferences();
    });
}

// The stored goals move with the first day of the week, so that each stays with its own days.
void frmWizard1::WeekStarts_Click(int index) {
    const QString firstDay = QString::fromLatin1(kWeekStarts[index]);
    platform::failures::runReported([this, &firstDay] {
        const std::vector<QDate> notMoved = preferences::ChangeStartOfWeek(gConn, firstDay);
        gStartOfWeek = firstDay;
        preferences::ShowWeekStartInMainCalendar();
        preferences::SayGoalsNotMoved(notMoved, this);
    });
}

void frmWizard1::txtAge_LostFocus() {
    const preferences::WizardAge age = preferences::CheckWizardAge(txtAge->text());
    ageRefused_ = age.refused;
    if (age.refused) {
        preferences::Say(1618, platform::dialogs::Icon::Information, this);
        txtAge->setText(QString::number(preferences::kWizardDefaultAge));
        NumericBox::ReturnFocus(*txtAge);
    }
    leftAge_ = txtAge->text();
    platform::failures::runReported([&age] { preferences::StoreAgeAndZones(gConn, age.age, age.maximum); });
}

// A screen reader presses a button without moving the focus: an age typed and not yet left is
// checked and stored as leaving its box would have done, before the wizard goes on or ends.
void frmWizard1::leaveAgeBox() {
    if (txtAge->text() != leftAge_)
        txtAge_LostFocus();
}

void frmWizard1::reject() {
    leaveAgeBox();
    QDialog::reject();
}

// A refused age holds the wizard for this press; the box then holds an age that was stored.
void frmWizard1::Command2_Click() {
    leaveAgeBox();
    if (ageRefused_) {
        txtAge->setFocus(Qt::OtherFocusReason);
        return;
    }
    accept();
}
