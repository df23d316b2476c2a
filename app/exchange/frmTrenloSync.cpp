#include "exchange/frmTrenloSync.h"

#include "core/ActivityIcons.h"
#include "core/ActivityListText.h"
#include "core/FormControls.h"
#include "core/LocalizeForm.h"
#include "core/modLocalisation.h"
#include "exchange/DataFileExport.h"
#include "exchange/PartnerUpload.h"
#include "exchange/TrenloTransfer.h"
#include "exchange/UploadActivities.h"
#include "exchange/modCredentials.h"
#include "platform/BusyCursor.h"
#include "platform/Dialogs.h"
#include "platform/FailureCauses.h"
#include "platform/ReportedFailures.h"

#include <QDateEdit>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <stdexcept>
#include <vector>

namespace {

constexpr int kNoActivities = 1317;
constexpr int kKeyRole = Qt::UserRole;

QString text(int id) {
    return modLocalisation::LoadResString(id);
}

void tell(QWidget *parent, const QString &message,
          platform::dialogs::Icon icon = platform::dialogs::Icon::None) {
    platform::dialogs::message(message, "Runvella", icon, platform::dialogs::Buttons::Ok, parent);
}

QDateEdit *datePicker(QWidget *parent, const char *name) {
    auto *picker = named(new QDateEdit(parent), name);
    picker->setCalendarPopup(true);
    picker->setDateRange(QDate(1753, 1, 1), QDate(9998, 12, 31));
    return picker;
}

void addColumn(QTreeWidget &list, int stringId, int widthTwips) {
    const int column = list.columnCount();
    list.setColumnCount(column + 1);
    list.headerItem()->setText(column, text(stringId));
    list.setColumnWidth(column, pixelsFromTwips(widthTwips));
}

} // namespace

frmTrenloSync::frmTrenloSync(QWidget *parent) : QDialog(parent) {
    setObjectName("frmTrenloSync");
    setProperty("tag", 1413);
    setModal(true);
    buildControls();
    connectHandlers();
    Form_Load();
}

void frmTrenloSync::buildControls() {
    Frame1 = named(new QGroupBox("Trenlo login", this), "Frame1", 1414);
    Label1 = named(new QLabel("Username", Frame1), "Label1", 1423);
    txtUsername = named(new QLineEdit(Frame1), "txtUsername");
    Label2 = named(new QLabel("Password", Frame1), "Label2", 1424);
    txtPassword = named(new QLineEdit(Frame1), "txtPassword");
    txtPassword->setEchoMode(QLineEdit::Password);
    Label1->setBuddy(txtUsername);
    Label2->setBuddy(txtPassword);
    Label3 = named(new QLabel(Frame1), "Label3", 1415);
    Label3->setWordWrap(true);
    auto *login = new QGridLayout(Frame1);
    login->addWidget(Label1, 0, 0);
    login->addWidget(txtUsername, 0, 1);
    login->addWidget(Label2, 1, 0);
    login->addWidget(txtPassword, 1, 1);
    login->addWidget(Label3, 2, 0, 1, 2);

    Frame2 = named(new QGroupBox("Select activities to transfer", this), "Frame2", 1416);
    Label4 = named(new QLabel("From", Frame2), "Label4", 1417);
    DTPicker1 = datePicker(Frame2, "DTPicker1");
    Label5 = named(new QLabel("To", Frame2), "Label5", 1418);
    DTPicker2 = datePicker(Frame2, "DTPicker2");
    Label4->setBuddy(DTPicker1);
    Label5->setBuddy(DTPicker2);
    ListView1 = named(new QTreeWidget(Frame2), "ListView1");
    ListView1->setRootIsDecorated(false);
    ListView1->setMinimumSize(pixelsFromTwips(7500), pixelsFromTwips(2800));
    auto *range = new QHBoxLayout;
    for (QWidget *widget : {static_cast<QWidget *>(Label4), static_cast<QWidget *>(DTPicker1),
                            static_cast<QWidget *>(Label5), static_cast<QWidget *>(DTPicker2)})
        range->addWidget(widget);
    range->addStretch();
    auto *activities = new QVBoxLayout(Frame2);
    activities->addLayout(range);
    activities->addWidget(ListView1);

    Label6 = named(new QLabel("Upload Progress", this), "Label6", 1419);
    ProgressBar1 = named(new QProgressBar(this), "ProgressBar1");
    ProgressBar1->setTextVisible(false);
    lblStatus = named(new QLabel(this), "lblStatus");
    cmdOK = named(new QPushButton("Send", this), "cmdOK", 1557);
    cmdCancel = named(new QPushButton("Cancel", this), "cmdCancel", 1422);
    Command3 = named(new QPushButton("Close", this), "Command3", 1420);
    // Enter in a box does not send: the athlete sends with the button itself.
    for (QPushButton *button : {cmdOK, cmdCancel, Command3})
        button->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    buttons->addWidget(Command3);

    Inet1 = new TrenloTransfer(this);
    Inet1->setObjectName("Inet1");

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addWidget(Frame2);
    layout->addWidget(Label6);
    layout->addWidget(ProgressBar1);
    layout->addWidget(lblStatus);
    layout->addLayout(buttons);
}

void frmTrenloSync::connectHandlers() {
    for (QDateEdit *picker : {DTPicker1, DTPicker2})
        connect(picker, &QDateEdit::dateChanged, this, [this] {
            platform::failures::runReported(
                [this] { FillActivityList(DTPicker1->date(), DTPicker2->date(), 0); });
        });
    connect(ListView1, &QTreeWidget::itemChanged, this, [this] { EnableUpload(); });
    for (QLineEdit *box : {txtUsername, txtPassword}) {
        connect(box, &QLineEdit::textEdited, this, [this, box] {
            refuseBlanks(box);
            EnableUpload();
        });
        box->installEventFilter(this);
    }
    connect(cmdOK, &QPushButton::clicked, this, &frmTrenloSync::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmTrenloSync::cmdCancel_Click);
    connect(Command3, &QPushButton::clicked, this, &frmTrenloSync::Command3_Click);
    connect(Inet1, &TrenloTransfer::stateChanged, this, &frmTrenloSync::Inet1_StateChanged);
    connect(Inet1, &TrenloTransfer::failed, this, &frmTrenloSync::uploadFailed);
}

void frmTrenloSync::Form_Load() {
    modLocalisation::LocalizeForm(this);
    ListView1->setAccessibleName(text(1857));
    ProgressBar1->setAccessibleName(text(1419));
    txtUsername->setText(modCredentials::ShownCredential(gPartnerUser));
    txtPassword->setText(modCredentials::ShownCredential(gPartnerPassword));
    const QSignalBlocker quiet1(DTPicker1);
    const QSignalBlocker quiet2(DTPicker2);
    const QDate today = QDate::currentDate();
    DTPicker1->setDate(today.addDays(-7));
    DTPicker2->setDate(today);
    FillActivityList(DTPicker1->date(), DTPicker2->date(), 0);
    cmdOK->setEnabled(false);
}

bool frmTrenloSync::isDisabled() {
    if (txtUsername->text().trimmed().isEmpty() || txtPassword->text().trimmed().isEmpty())
        return true;
    ListView1->setEnabled(true);
    return false;
}

// A refill takes the ticks away but leaves the send button as it was.
void frmTrenloSync::FillActivityList(const QDate &firstDay, const QDate &lastDay, int row) {
    const QSignalBlocker quiet(ListView1);
    ListView1->clear();
    ListView1->setColumnCount(0);
    ListView1->setHeaderHidden(false);
    const auto activities = UploadActivities::Between(firstDay, lastDay);
    if (activities.empty()) {
        addColumn(*ListView1, 1444, 2500);
        auto *none = new QTreeWidgetItem(ListView1, {text(kNoActivities)});
        none->setCheckState(0, Qt::Unchecked);
        return;
    }
    addColumn(*ListView1, 1409, 2500);
    addColumn(*ListView1, 1410, 1000);
    const int listWidth = std::max(ListView1->width(), ListView1->minimumWidth());
    addColumn(*ListView1, 1411, std::max(0, listWidth * kTwipsPerPixel - 3600));
    for (const auto &activity : activities) {
        const int icon = ActivityIconIndex(activity.type.value_or(-1));
        auto *item =
            new QTreeWidgetItem(ListView1, {ActivityListText::startText(activity.start),
                                            ActivityListText::durationText(activity.duration),
                                            ActivityListText::descriptionText(activity.description)});
        item->setData(0, kKeyRole, "_" + QString::number(activity.key));
        item->setData(0, kActivityIconRole, icon);
        item->setIcon(0, ActivityIcon(icon));
        item->setCheckState(0, Qt::Unchecked);
    }
    ActivityListText::FitColumns(*ListView1);
    if (row > 0 && row <= ListView1->topLevelItemCount())
        ListView1->setCurrentItem(ListView1->topLevelItem(row - 1));
}

void frmTrenloSync::SetTrenloSyncStatus(const QString &status) {
    lblStatus->setText(status);
    lblStatus->repaint();
    repaint();
}

void frmTrenloSync::EnableUpload() {
    cmdOK->setEnabled(false);
    if (txtUsername->text().trimmed().isEmpty() || txtPassword->text().trimmed().isEmpty())
        return;
    for (int i = 0; i < ListView1->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = ListView1->topLevelItem(i);
        if (item->checkState(0) == Qt::Checked && item->text(0) != text(kNoActivities)) {
            cmdOK->setEnabled(true);
            return;
        }
    }
}

void frmTrenloSync::refuseBlanks(QLineEdit *box) {
    if (!box->text().contains(' '))
        return;
    tell(this, box == txtUsername ? "You may not use spaces in your username"
                                  : "You may not use spaces in your password");
    box->setText(QString(box->text()).remove(' '));
    box->setFocus(Qt::OtherFocusReason);
}

// Entering a box selects its text; leaving it stores the box at once. A message box or a popup
// taking the focus for a moment is no leaving.
bool frmTrenloSync::eventFilter(QObject *watched, QEvent *event) {
    auto *box = qobject_cast<QLineEdit *>(watched);
    if (box && event->type() == QEvent::FocusIn)
        QTimer::singleShot(0, box, &QLineEdit::selectAll);
    if (box && event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            storeCredential(box);
    }
    return QDialog::eventFilter(watched, event);
}

bool frmTrenloSync::storeCredential(QLineEdit *box) {
    isDisabled();
    const bool userName = box == txtUsername;
    try {
        modCredentials::StoreCredential(userName ? modCredentials::Credential::UserName
                                                 : modCredentials::Credential::Password,
                                        box->text());
        return true;
    } catch (const std::exception &error) {
        tell(this,
             QString(userName ? "There was a problem saving your Username: "
                              : "There was a problem saving your Password: ") +
                 error.what(),
             platform::dialogs::Icon::Warning);
        return false;
    }
}

void frmTrenloSync::cmdOK_Click() {
    // The box being typed in has not been left yet: store what it holds, so that it is sent.
    if (txtUsername->hasFocus() || txtPassword->hasFocus())
        if (!storeCredential(txtUsername->hasFocus() ? txtUsername : txtPassword))
            return;
    cmdOK->setEnabled(false);
    ProgressBar1->setRange(0, TrenloTransfer::ResponseCompleted);

    std::vector<std::pair<SessionKey, QString>> ticked;
    for (int i = 0; i < ListView1->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = ListView1->topLevelItem(i);
        const QString key = item->data(0, kKeyRole).toString();
        if (item->checkState(0) == Qt::Checked && !key.isEmpty())
            ticked.emplace_back(key.mid(1).toLongLong(), item->text(0));
    }
    if (ticked.empty()) {
        tell(this, "No Activities Selected");
        return;
    }
    const auto address = PartnerUpload::ConfiguredAddress();
    if (!address.problem.isEmpty()) {
        tell(this, address.problem, platform::dialogs::Icon::Warning);
        EnableUpload();
        return;
    }
    try {
        const platform::cursor::BusyCursor busy;
        std::vector<QByteArray> files;
        for (const auto &[key, rowText] : ticked) {
            SetTrenloSyncStatus(rowText);
            files.push_back(exchange::DataFileText(key));
        }
        Inet1->start(address.url, PartnerUpload::RequestBody(modCredentials::CredentialsLine(), files));
    } catch (const std::exception &error) {
        uploadFailed(platform::failures::describe(error));
    }
}

void frmTrenloSync::Inet1_StateChanged(int state) {
    SetTrenloSyncStatus(TrenloTransfer::StatusText(state));
    ProgressBar1->setValue(state);
    if (state != TrenloTransfer::ResponseCompleted)
        return;
    cmdOK->setEnabled(true);
    tell(this, text(1535), platform::dialogs::Icon::Information);
    ProgressBar1->setValue(0);
    accept();
}

// The window stays open, so that the athlete can send again.
void frmTrenloSync::uploadFailed(const QString &reason) {
    tell(this, PartnerUpload::kProblemUploading + reason, platform::dialogs::Icon::Warning);
    EnableUpload();
}

void frmTrenloSync::cmdCancel_Click() {
    Inet1->cancel();
    ProgressBar1->setValue(0);
    isDisabled();
}

void frmTrenloSync::Command3_Click() {
    Inet1->cancel();
    reject();
}
