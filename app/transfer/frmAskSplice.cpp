#include "transfer/frmAskSplice.h"

#include "core/ActivityListText.h"
#include "core/FormControls.h"
#include "core/Globals.h"
#include "core/StoredActivity.h"
#include "core/modLocalisation.h"
#include "core/modRegistry.h"
#include "transfer/TransferState.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

namespace {

void storeValue(const char *name, const char *type, const QVariant &value) {
    modRegistry::WriteRegistryValue("HKLM", modRegistry::kProgramKey, name, type, value);
}

} // namespace

frmAskSplice::frmAskSplice(QWidget *parent)
    : QDialog(parent), Label1(named(new QLabel(this), "Label1", 1651)),
      ListView1(named(new QTreeWidget(this), "ListView1", 0)),
      cmdYes(named(new QPushButton(this), "cmdYes", 1652)),
      cmdNo(named(new QPushButton(this), "cmdNo", 1653)),
      chkAlwaysDoAction(named(new QCheckBox(this), "chkAlwaysDoAction", 1654)) {
    setObjectName("frmAskSplice");
    setProperty("tag", 1688);
    setModal(true);
    Label1->setWordWrap(true);
    ListView1->setRootIsDecorated(false);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdYes);
    buttons->addWidget(cmdNo);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(ListView1);
    layout->addWidget(chkAlwaysDoAction);
    layout->addLayout(buttons);

    connect(cmdYes, &QPushButton::clicked, this, &frmAskSplice::cmdYes_Click);
    connect(cmdNo, &QPushButton::clicked, this, &frmAskSplice::cmdNo_Click);
    Form_Load();
}

void frmAskSplice::Form_Load() {
    // Until a button is pressed the answer is No, also when the window is simply closed.
    storeValue("AlwaysAskSplice", "D", 0);
    storeValue("Splice", "S", "No");

    ListView1->clear();
    ListView1->setColumnCount(2);
    ListView1->setHeaderLabels({modLocalisation::LoadResString(1409), modLocalisation::LoadResString(1410)});
    ListView1->setColumnWidth(0, pixelsFromTwips(3000));
    ListView1->setColumnWidth(1, pixelsFromTwips(1600));
    ListView1->setAccessibleName(modLocalisation::LoadResString(1858));
    addActivityLines();

    setWindowTitle(modLocalisation::LoadResString(1688));
    Label1->setText(modLocalisation::LoadResString(1651));
    cmdYes->setText(modLocalisation::LoadResString(1652));
    cmdNo->setText(modLocalisation::LoadResString(1653));
    chkAlwaysDoAction->setText(modLocalisation::LoadResString(1654));
    chkAlwaysDoAction->setChecked(false);
}

void frmAskSplice::addActivityLines() {
    std::vector<StoredActivity> activities;
    for (const SessionKey key : {gSpliceKey2, gSpliceKey1})
        if (const auto activity = ReadActivity(key))
            activities.push_back(*activity);
    // Earlier start first; on equal starts the activity that joins the other stays first.
    std::stable_sort(activities.begin(), activities.end(),
                     [](const StoredActivity &a, const StoredActivity &b) { return a.start < b.start; });
    for (const StoredActivity &activity : activities)
        new QTreeWidgetItem(ListView1, {ActivityListText::startText(activity.start),
                                        ActivityListText::durationText(activity.duration)});
}

void frmAskSplice::cmdYes_Click() {
    storeAnswer("Yes");
}

void frmAskSplice::cmdNo_Click() {
    storeAnswer("No");
}

void frmAskSplice::storeAnswer(const QString &splice) {
    storeValue("AlwaysAskSplice", "D", chkAlwaysDoAction->isChecked() ? 1 : 0);
    storeValue("Splice", "S", splice);
    accept();
}
