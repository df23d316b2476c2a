#include "entry/frmDailyData.h"

#include "core/FormControls.h"
#include "core/LocalizeForm.h"
#include "core/modHelpersValidation.h"
#include "core/modLocalisation.h"
#include "entry/DailyData.h"
#include "entry/EntryBox.h"
#include "entry/EntryFields.h"
#include "entry/UnsavedChanges.h"
#include "platform/Dialogs.h"
#include "platform/ReportedFailures.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace {

QString text(int id) {
    return modLocalisation::LoadResString(id);
}

QString measureText(const std::optional<double> &value) {
    return value ? EntryFields::NumberText(*value) : QString();
}

void inform(QWidget *window, int messageId) {
    platform::dialogs::message(modHelpers::ValidationMessage(messageId), "Runvella",
                               platform::dialogs::Icon::Information, platform::dialogs::Buttons::Ok, window);
}

} // namespace

frmDailyData::frmDailyData(const QDate &day, QWidget *parent)
    : QDialog(parent), Frame1(named(new QGroupBox(this), "Frame1", 1400)),
      Label1(named(new QLabel("Body weight", Frame1), "Label1", 1401)),
      txtWeight(named(new EntryBox(EntryBox::Keys::Any, 5, Frame1), "txtWeight")),
      Label2(named(new QLabel("Resting heart rate", Frame1), "Label2", 1402)),
      txtRestingHR(named(new EntryBox(EntryBox::Keys::Any, 3, Frame1), "txtRestingHR")),
      Command1(named(new QPushButton("OK", this), "Command1", 1421)),
      Command2(named(new QPushButton("Cancel", this), "Command2", 1422)), day_(day) {
    setObjectName("frmDailyData");
    setProperty("tag", 1399);
    setModal(true);
    Command1->setDefault(true);
    Command2->setAutoDefault(false);
    Label1->setBuddy(txtWeight);
    Label2->setBuddy(txtRestingHR);

    auto *grid = new QGridLayout(Frame1);
    grid->addWidget(Label1, 0, 0);
    grid->addWidget(txtWeight, 0, 1);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(txtRestingHR, 1, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command1);
    buttons->addWidget(Command2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addLayout(buttons);

    connect(Command1, &QPushButton::clicked, this, &frmDailyData::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmDailyData::Command2_Click);
    for (const auto &[box, kind] : {std::pair{txtWeight, DailyData::Box::Weight},
                                    std::pair{txtRestingHR, DailyData::Box::RestingPulse}})
        connect(box, &EntryBox::pasteRefused, this, [this, box, kind] {
            inform(this, DailyData::Message(kind));
            box->setFocus(Qt::OtherFocusReason);
        });
    Form_Load();
}

void frmDailyData::Form_Load() {
    modLocalisation::LocalizeForm(this);
    Frame1->setTitle(text(1400) + ' ' + QLocale().toString(day_, QLocale::ShortFormat));
    if (const auto stored = DailyData::Read(day_)) {
        txtRestingHR->setText(measureText(stored->restingPulse));
        txtWeight->setText(measureText(stored->weight));
    }
    shownWeight_ = txtWeight->text();
    shownRestingPulse_ = txtRestingHR->text();
}

// What the box holds when the athlete changed it; the empty text, which keeps the stored value,
// when it still shows the stored value.
QString frmDailyData::changedText(const EntryBox *box) const {
    const QString &shown = box == txtWeight ? shownWeight_ : shownRestingPulse_;
    return box->text() == shown ? QString() : box->text();
}

// Both boxes are checked, so both messages show when both are wrong, the weight's first.
std::optional<DailyData::Measures> frmDailyData::ValidateDailyData() {
    txtWeight->setText(txtWeight->text().trimmed());
    txtRestingHR->setText(txtRestingHR->text().trimmed());
    const DailyData::Validation validation =
        DailyData::Validate(changedText(txtWeight), changedText(txtRestingHR));
    for (const int message : validation.messages)
        inform(this, message);
    if (validation.focus == DailyData::Box::Weight)
        txtWeight->setFocus(Qt::OtherFocusReason);
    else if (validation.focus == DailyData::Box::RestingPulse)
        txtRestingHR->setFocus(Qt::OtherFocusReason);
    if (!validation.accepted())
        return std::nullopt;
    return validation.measures;
}

void frmDailyData::Command1_Click() {
    const auto measures = ValidateDailyData();
    if (!measures)
        return;
    if (platform::failures::runReported([&] { DailyData::Store(day_, *measures); }))
        accept();
    else
        saveRefused_ = true;
}

void frmDailyData::Command2_Click() {
    QDialog::reject();
}

void frmDailyData::reject() {
    if (saveRefused_ && !entry::LeaveUnsaved(this))
        return;
    QDialog::reject();
}
