#include "transfer/frmNoUniqueData.h"

#include "core/FormControls.h"
#include "core/modHelpersCursor.h"
#include "core/modLocalisation.h"
#include "transfer/NoticeWidgets.h"
#include "transfer/RecorderMemory.h"

#include <QCheckBox>
#include <QPushButton>
#include <QVBoxLayout>

frmNoUniqueData::frmNoUniqueData(QWidget *parent)
    : QDialog(parent), Label1(NoticeWidgets::paragraph(this, "Label1", 1579)),
      chkClearMemory(named(new QCheckBox(this), "chkClearMemory", 1540)),
      cmdOK(named(new QPushButton(this), "cmdOK", 1452)) {
    setObjectName("frmNoUniqueData");
    setWindowTitle(NoticeWidgets::kNoticeTitle);
    setModal(true);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(chkClearMemory);
    layout->addWidget(cmdOK, 0, Qt::AlignHCenter);

    connect(cmdOK, &QPushButton::clicked, this, &frmNoUniqueData::cmdOK_Click);
    Form_Load();
}

void frmNoUniqueData::Form_Load() {
    modHelpers::SetBusyCursor(0);
    Label1->setText(modLocalisation::LoadResString(1579));
    cmdOK->setText(modLocalisation::LoadResString(1452));
    chkClearMemory->setText(modLocalisation::LoadResString(1540));
    chkClearMemory->setChecked(false);
}

void frmNoUniqueData::cmdOK_Click() {
    if (chkClearMemory->isChecked())
        modTransfer::ClearRecorderMemory();
    accept();
}
