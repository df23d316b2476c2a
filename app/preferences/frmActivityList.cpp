#include "preferences/frmActivityList.h"

#include "core/FormControls.h"
#include "core/Globals.h"
#include "core/LocalizeForm.h"
#include "core/modHelpersLists.h"
#include "core/modPreferences.h"
#include "platform/Dialogs.h"
#include "platform/ReportedFailures.h"
#include "preferences/Messages.h"
#include "preferences/PreferenceStore.h"
#include "preferences/SportsStore.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <optional>

namespace {

using platform::dialogs::Answer;
using platform::dialogs::Buttons;
using platform::dialogs::Icon;
using preferences::Text;

// The built-in sports take the first places of the list, which is ordered by key; the athlete
// may not delete them.
constexpr int kBuiltInSports = 11;

Answer say(const QString &message, Icon icon, Buttons buttons, QWidget *parent) {
    return platform::dialogs::message(message, "Runvella", icon, buttons, parent);
}

QString generalName() {
    return modHelpers::TranslateSportName("General");
}

std::optional<QString> sportName(std::int64_t key) {
    const auto description = preferences::SportDescription(gConn, key);
    return description ? std::optional(modHelpers::TranslateSportName(*description)) : std::nullopt;
}

} // namespace

frmActivityList::frmActivityList(QWidget *parent)
    : QDialog(parent), Combo1(named(new QComboBox(this), "Combo1")),
      Text1(named(new QLineEdit(this), "Text1")), Label4(named(new QLabel(this), "Label4")),
      Command1(named(new QPushButton("Add", this), "Command1", 1450)),
      Command2(named(new QPushButton("Delete", this), "Command2", 1448)),
      Command3(named(new QPushButton("Set as preferred", this), "Command3", 1447)),
      Command4(named(new QPushButton("OK", this), "Command4", 1421)) {
    setObjectName("frmActivityList");
    setProperty("tag", 1443);
    setModal(true);

    auto *frame = named(new QGroupBox("Activities", this), "Frame1", 1444);
    auto *grid = new QGridLayout(frame);
    auto *newSport = named(new QLabel("Enter a new activity", frame), "Label1", 1449);
    newSport->setBuddy(Text1);
    grid->addWidget(newSport, 0, 0);
    grid->addWidget(Text1, 0, 1);
    grid->addWidget(Command1, 0, 2);
    auto *sports = named(new QLabel("Current activities", frame), "Label2", 1446);
    sports->setBuddy(Combo1);
    grid->addWidget(sports, 1, 0);
    grid->addWidget(Combo1, 1, 1);
    auto *listButtons = new QHBoxLayout;
    listButtons->addWidget(Command2);
    listButtons->addWidget(Command3);
    grid->addLayout(listButtons, 1, 2);
    grid->addWidget(named(new QLabel("Preferred activity", frame), "Label3", 1445), 2, 0);
    grid->addWidget(Label4, 2, 1, 1, 2);

    // Enter in the name box adds the sport; OK only by its own press.
    for (QPushButton *button : {Command1, Command2, Command3, Command4})
        button->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command4);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addLayout(buttons);
    // Tab follows the rows: the new name and its Add, the list and its buttons, then OK.
    QWidget *order[] = {Text1, Command1, Combo1, Command2, Command3, Command4};
    for (std::size_t next = 1; next < std::size(order); ++next)
        setTabOrder(order[next - 1], order[next]);

    connect(Command1, &QPushButton::clicked, this,
            [this] { platform::failures::runReported([this] { AddSport(); }); });
    connect(Text1, &QLineEdit::returnPressed, Command1, &QPushButton::click);
    connect(Command2, &QPushButton::clicked, this,
            [this] { platform::failures::runReported([this] { DeleteSport(); }); });
    connect(Command3, &QPushButton::clicked, this,
            [this] { platform::failures::runReported([this] { SetPrimarySport(); }); });
    connect(Command4, &QPushButton::clicked, this, &QDialog::accept);

    platform::failures::runReported([this] { Form_Load(); });
}

void frmActivityList::Form_Load() {
    modLocalisation::LocalizeForm(this);
    if (const auto name = sportName(gPrimarySport))
        Label4->setText(*name);
    modHelpers::FillSportsList(*Combo1);
}

void frmActivityList::refillList() {
    Combo1->clear();
    modHelpers::FillSportsList(*Combo1);
}

void frmActivityList::showPreferredSport(const QString &name) {
    Label4->setText(name);
    emit preferredSportChanged(name);
}

void frmActivityList::AddSport() {
    if (Text1->text().trimmed().isEmpty()) {
        say(Text(1596), Icon::Information, Buttons::Ok, this);
        return;
    }
    preferences::AddSport(gConn, Text1->text());
    Text1->clear();
    refillList();
}

void frmActivityList::DeleteSport() {
    const int position = Combo1->currentIndex();
    if (position < kBuiltInSports) {
        say(Text(1598), Icon::Information, Buttons::Ok, this);
        return;
    }
    const QString entry = Combo1->currentText();
    if (say('(' + entry + ") - " + Text(1595), Icon::Question, Buttons::YesNo, this) != Answer::Yes)
        return;

    const std::int64_t key = Combo1->currentData().toLongLong();
    if (preferences::CountActivitiesOfSport(gConn, key) > 0) {
        const QString moved = Text(1593) + ' ' + entry + ' ' + Text(1594) + ' ' + generalName();
        if (say(moved, Icon::Question, Buttons::OkCancel, this) != Answer::Ok) {
            say(Text(1597), Icon::None, Buttons::Ok, this);
            return;
        }
    }
    const bool wasPreferred = gPrimarySport == key;
    preferences::DeleteSport(gConn, key, wasPreferred);
    if (wasPreferred) {
        gPrimarySport = static_cast<int>(preferences::kGeneralSport);
        showPreferredSport(generalName());
        say(Text(1592) + ' ' + generalName(), Icon::Information, Buttons::Ok, this);
    }
    refillList();
    modPreferences::LoadPreferences();
}

void frmActivityList::SetPrimarySport() {
    // The list opens with the preferred sport chosen; with none chosen there is nothing to set.
    if (Combo1->currentIndex() < 0)
        return;
    const std::int64_t key = Combo1->currentData().toLongLong();
    preferences::StorePrimarySport(gConn, key);
    gPrimarySport = static_cast<int>(key);
    if (const auto name = sportName(key))
        showPreferredSport(*name);
    refillList();
}
