#include "transfer/frmRedGreen.h"

#include "core/FormControls.h"
#include "core/modLocalisation.h"
#include "transfer/NoticeWidgets.h"

#include <QPushButton>

using NoticeWidgets::paragraph;

frmRedGreen::frmRedGreen(QWidget *parent)
    : QDialog(parent), Image1(NoticeWidgets::warningImage(this)), Label1(paragraph(this, "Label1", 1634)),
      Label2(paragraph(this, "Label2", 1635)), Label3(paragraph(this, "Label3", 1636)),
      cmdOK(named(new QPushButton(this), "cmdOK", 1421)) {
    setObjectName("frmRedGreen");
    setWindowTitle(NoticeWidgets::kNoticeTitle);
    setModal(true);

    NoticeWidgets::layOut(this, Image1, {Label1, Label2, Label3}, cmdOK);

    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    Form_Load();
}

void frmRedGreen::Form_Load() {
    Label1->setText(modLocalisation::LoadResString(1634));
    Label2->setText(modLocalisation::LoadResString(1635));
    Label3->setText(modLocalisation::LoadResString(1636));
    cmdOK->setText(modLocalisation::LoadResString(1421));
}
