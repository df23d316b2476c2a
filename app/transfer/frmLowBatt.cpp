#include "transfer/frmLowBatt.h"

#include "core/FormControls.h"
#include "core/modLocalisation.h"
#include "core/modRegistry.h"
#include "platform/Database.h"
#include "transfer/NoticeWidgets.h"

#include <QCheckBox>
#include <QPushButton>

namespace {

constexpr int kReminderDays = 30;

} // namespace

frmLowBatt::frmLowBatt(QWidget *parent)
    : QDialog(parent), Image1(NoticeWidgets::warningImage(this)),
      lblLowBatt(NoticeWidgets::paragraph(this, "lblLowBatt", 1637)),
      chkRemind(named(new QCheckBox(this), "chkRemind", 1638)),
      cmdOK(named(new QPushButton("OK", this), "cmdOK")) {
    setObjectName("frmLowBatt");
    setWindowTitle(NoticeWidgets::kNoticeTitle);
    setModal(true);

    NoticeWidgets::layOut(this, Image1, {lblLowBatt, chkRemind}, cmdOK);

    connect(cmdOK, &QPushButton::clicked, this, &frmLowBatt::cmdOK_Click);
    Form_Load();
}

bool frmLowBatt::NoticeDue(const QString &storedDate, const QDate &today) {
    const QDate remindedOn = platform::db::parseIsoDate(storedDate);
    return !remindedOn.isValid() || today > remindedOn.addDays(kReminderDays);
}

void frmLowBatt::Form_Load() {
    lblLowBatt->setText(modLocalisation::LoadResString(1637));
    chkRemind->setText(modLocalisation::LoadResString(1638));
    chkRemind->setChecked(false);
}

void frmLowBatt::cmdOK_Click() {
    // The day is stored as an ISO date, so it reads back the same under any desktop locale.
    const QString remindedOn =
        chkRemind->isChecked() ? platform::db::isoDate(QDate::currentDate()) : QString();
    modRegistry::WriteRegistryValue("HKLM", modRegistry::kProgramKey, "LowBatWarnDate", "S", remindedOn);
    accept();
}
