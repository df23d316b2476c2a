#include "preferences/frmWizard3.h"

#include "core/FormControls.h"
#include "core/LocalizeForm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

frmWizard3::frmWizard3(QWidget *parent)
    : QDialog(parent), Command2(named(new QPushButton("OK", this), "Command2", 1421)) {
    setObjectName("frmWizard3");
    setProperty("tag", 1541);
    setModal(true);

    auto *image = named(new QLabel(this), "Image1");
    image->setPixmap(QPixmap(":/icons/1700.png"));
    auto *thanks = named(new QLabel("Thank you!", this), "Label1", 1558);
    QFont larger = thanks->font();
    larger.setBold(true);
    thanks->setFont(larger);
    auto *ready = named(new QLabel("You are now ready to begin using Runvella.", this), "Label2", 1559);

    Command2->setDefault(true);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Command2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(image, 0, Qt::AlignHCenter);
    layout->addWidget(thanks);
    layout->addWidget(ready);
    layout->addLayout(buttons);

    connect(Command2, &QPushButton::clicked, this, &QDialog::accept);
    modLocalisation::LocalizeForm(this);
}
