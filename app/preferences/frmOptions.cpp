#include "preferences/frmOptions.h"

#include "core/FormControls.h"
#include "core/LocalizeForm.h"
#include "core/NumericBox.h"
#include "core/OptionButtons.h"
#include "core/modPreferences.h"
#include "platform/ReportedFailures.h"
#include "preferences/MainGraph.h"
#include "preferences/Messages.h"
#include "preferences/OptionControls.h"
#include "preferences/PreferenceStore.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QFocusEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

frmOptions::frmOptions(QWidget *parent)
    : QDialog(parent), SSTab2(named(new QTabWidget(this), "SSTab2")),
      cmdOK(named(new QPushButton("OK", this), "cmdOK", 1421)) {
    setObjectName("frmOptions");
    setModal(true);
    // No close box: OK is the way out.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowTitle(preferences::Text(1310).remove('&'));

    const struct {
        QWidget *page;
        int captionId;
    } tabs[] = {{buildGeneralTab(), 1368},
                {buildZonesTab(), 1454},
                {buildGoalsTab(), 1630},
                {buildTransferTab(), 1468}};
    for (const auto &tab : tabs) {
        const int index = SSTab2->addTab(tab.page, preferences::Text(tab.captionId));
        SSTab2->tabBar()->setTabData(index, QVariantMap{{"tag", tab.captionId}});
    }

    // Enter in a box is no OK: the window is left only by pressing OK itself.
    for (QPushButton *button : findChildren<QPushButton *>())
        button->setAutoDefault(false);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(SSTab2);
    layout->addLayout(buttons);

    platform::failures::runReported([this] { Form_Load(); });
    connectHandlers();
    rememberTexts(*this);
}

QWidget *frmOptions::buildTransferTab() {
    auto *page = new QWidget;
    auto *options = named(new QGroupBox(page), "Frame2", 1829);
    chkAlwaysClear = preferences::CheckBox(options, "chkAlwaysClear", 1470);
    chkClipBeginning = preferences::CheckBox(options, "chkClipBeginning", 1830);
    chkClipEnd = preferences::CheckBox(options, "chkClipEnd", 1831);
    chkSpeed = preferences::CheckBox(options, "chkSpeed", 1471);
    auto *optionsLayout = new QVBoxLayout(options);
    for (QCheckBox *box : {chkAlwaysClear, chkClipBeginning, chkClipEnd, chkSpeed})
        optionsLayout->addWidget(box);

    auto *other = named(new QGroupBox(page), "Frame3", 1832);
    chkUseCompressedMode = preferences::CheckBox(other, "chkUseCompressedMode", 1640);
    chkUseSmoothing = preferences::CheckBox(other, "chkUseSmoothing", 1833);
    chkAskSplice = preferences::CheckBox(other, "chkAskSplice", 1834);
    chkLowBattDetect = preferences::CheckBox(other, "chkLowBattDetect", 1639);
    auto *otherLayout = new QVBoxLayout(other);
    for (QCheckBox *box : {chkUseCompressedMode, chkUseSmoothing, chkAskSplice, chkLowBattDetect})
        otherLayout->addWidget(box);

    auto *layout = new QVBoxLayout(page);
    layout->addWidget(options);
    layout->addWidget(other);
    layout->addWidget(buildRecorderFrame(page));
    layout->addStretch();
    return page;
}

void frmOptions::connectHandlers() {
    onOptionChosen(Units, this, [this](int index) { Units_Click(index); });
    onOptionChosen(WeekStarts, this, [this](int index) { WeekStarts_Click(index); });
    onOptionChosen(OptionComputeZones, this, [this](int index) { OptionComputeZones_Click(index); });
    using NumericBox::Keys;
    for (int index = 0; index < int(Text1.size()); ++index)
        onLeaving(*Text1[index], Keys::Digits, [this, index] { return Text1_LostFocus(index); });
    onLeaving(*txtAge, Keys::Digits, [this] { return txtAge_LostFocus(); });
    onLeaving(*txtMaxHR, Keys::Digits, [this] { return txtMaxHR_LostFocus(); });
    for (QLineEdit *box : {hrzone1[0], hrzone1[1], hrzone2[0], hrzone2[1], hrzone3[0], hrzone3[1], hrzone4[0],
                           hrzone4[1], hrzone5})
        onLeaving(*box, Keys::Digits, [this, box] { return hrzone_LostFocus(*box); });

    const struct {
        QCheckBox *box;
        preferences::TransferOption option;
    } transferOptions[] = {{chkAlwaysClear, preferences::TransferOption::AlwaysClear},
                           {chkClipBeginning, preferences::TransferOption::ClipBeginning},
                           {chkClipEnd, preferences::TransferOption::ClipEnd},
                           {chkSpeed, preferences::TransferOption::SmartSpeed}};
    for (const auto &[box, transferOption] : transferOptions)
        connect(box, &QCheckBox::toggled, this, [this, transferOption](bool on) {
            choose([transferOption, on](preferences::PendingChoices &choices) {
                choices.transferOptions[transferOption] = on ? 1 : 0;
            });
        });
    connect(chkUseCompressedMode, &QCheckBox::toggled, this, &frmOptions::chkUseCompressedMode_Click);
    connect(chkUseSmoothing, &QCheckBox::toggled, this, &frmOptions::chkUseSmoothing_Click);

    connect(Command1, &QPushButton::clicked, this, &frmOptions::Command1_Click);
    connect(Command2, &QPushButton::clicked, this, &frmOptions::Command2_Click);
    connect(Command7, &QPushButton::clicked, this, &frmOptions::Command7_Click);
    connect(cmdOK, &QPushButton::clicked, this, &frmOptions::cmdOK_Click);
    connect(SSTab2, &QTabWidget::currentChanged, this, &frmOptions::SSTab2_Click);
    connectGoalHandlers();
    cmdOK->installEventFilter(this);
}

// The stored values are shown without their handlers storing them again.
void frmOptions::Form_Load() {
    modLocalisation::LocalizeForm(this);
    chkAskSplice->setChecked(preferences::AskSpliceIsChecked());
    chkUseSmoothing->setChecked(preferences::SmoothingIsOn(gConn));
    modPreferences::LoadPreferences();
    for (int tab = 0; tab < SSTab2->count(); ++tab)
        SSTab2->setTabVisible(tab, true);
    SSTab2->setCurrentIndex(GeneralTab);
    loadGeneralTab();
    LoadZones();
    loadTransferTab();
    loadGoalsTab();
}

void frmOptions::ShowGoalsOnly() {
    SSTab2->setCurrentIndex(GoalsTab);
    for (const int tab : {GeneralTab, ZonesTab, TransferTab})
        SSTab2->setTabVisible(tab, false);
}

void frmOptions::cmdOK_Click() {
    if (const long code = preferences::StoreAskSplice(chkAskSplice->isChecked()); code != 0)
        preferences::SayNotSaved(code, this);
    // Boxes of a hidden tab cannot be filled in, so they cannot hold the window.
    if (SSTab2->isTabVisible(ZonesTab)) {
        for (QLineEdit *box : {hrzone5, hrzone4[1], hrzone4[0], hrzone3[1], hrzone3[0], hrzone2[1],
                               hrzone2[0], hrzone1[1], hrzone1[0]}) {
            if (box->text().trimmed().isEmpty()) {
                preferences::Say(1505, platform::dialogs::Icon::None, this);
                box->setFocus();
                return;
            }
        }
    }
    if (!leaveChangedBoxes(*this))
        return;
    saveAllZonestoDB();
    // The main window is drawn with every choice stored.
    if (!storeChoices())
        return;
    platform::failures::runReported([] {
        modPreferences::LoadPreferences();
        preferences::RedrawMainGraph();
    });
    accept();
}

void frmOptions::SSTab2_Click(int index) {
    focusFirstControlOf(index);
}

void frmOptions::focusFirstControlOf(int tab) {
    QWidget *first = nullptr;
    switch (tab) {
    case GeneralTab:
        for (QRadioButton *unit : Units)
            if (unit->isChecked())
                first = unit;
        break;
    case ZonesTab:
        if (txtAge->isEnabled() && !txtAge->isHidden())
            first = txtAge;
        else if (txtMaxHR->isEnabled() && !txtMaxHR->isHidden())
            first = txtMaxHR;
        break;
    case GoalsTab:
        if (!DTPicker1->isHidden())
            first = DTPicker1;
        break;
    case TransferTab:
        if (!chkAlwaysClear->isHidden())
            first = chkAlwaysClear;
        break;
    default:
        break;
    }
    if (first)
        first->setFocus(Qt::OtherFocusReason);
}

// Tab from OK goes on to the first control of the tab in view; the zones tab keeps the order.
void frmOptions::cmdOK_LostFocus() {
    const int tab = SSTab2->currentIndex();
    if (tab != ZonesTab)
        QTimer::singleShot(0, this, [this, tab] { focusFirstControlOf(tab); });
}

bool frmOptions::eventFilter(QObject *watched, QEvent *event) {
    if ((watched == cmdOK || watched == Command6) && event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) {
            if (watched == cmdOK)
                cmdOK_LostFocus();
            else // the copy button hands on to OK, which hands on to the tab's first control
                QTimer::singleShot(0, cmdOK, [this] { cmdOK->setFocus(Qt::TabFocusReason); });
        }
    }
    if (watched == Label7 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::RightButton)
        fraRecorder->show();
    return QDialog::eventFilter(watched, event);
}
