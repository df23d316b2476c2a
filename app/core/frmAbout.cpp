#include "core/frmAbout.h"

#include "core/DeviceLibrary.h"
#include "core/Globals.h"
#include "core/LocalizeForm.h"
#include "core/modLocalisation.h"
#include "core/modRegistry.h"
#include "platform/Dialogs.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel *addLabel(QWidget *parent, QVBoxLayout *layout, const char *name, const QString &caption,
                 const char *tag = nullptr) {
    auto *label = new QLabel(caption, parent);
    label->setObjectName(name);
    if (tag)
        label->setProperty("tag", tag);
    layout->addWidget(label);
    return label;
}

} // namespace

frmAbout::frmAbout(QWidget *parent) : QDialog(parent) {
    setObjectName("frmAbout");
    setProperty("tag", 1800);
    setWindowTitle("About Runvella");
    auto *layout = new QVBoxLayout(this);

    Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    layout->addWidget(Image1, 0, Qt::AlignHCenter);
    Label2 = addLabel(this, layout, "Label2", "Application Version", "1476");
    Label3 = addLabel(this, layout, "Label3", "Device Library Version", "1477");
    Label4 = addLabel(this, layout, "Label4", QString());
    Label5 = addLabel(this, layout, "Label5", QString());
    Label6 = addLabel(this, layout, "Label6", "Runvella");
    Label7 = addLabel(this, layout, "Label7", "All rights reserved", "1479");
    Label1 = addLabel(this, layout, "Label1", "Credits", "1801");
    Label1->setCursor(Qt::PointingHandCursor);
    Label1->installEventFilter(this);

    cmdOK = new QPushButton("OK", this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setProperty("tag", 1421);
    cmdOK->setDefault(true);
    layout->addWidget(cmdOK, 0, Qt::AlignRight);
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);

    Form_Load();
}

void frmAbout::Form_Load() {
    Image1->setPixmap(QPixmap(":/icons/1700.png"));
    modLocalisation::LocalizeForm(this);

    QVariant storageErrors;
    modRegistry::ReadRegistryValue("HKLM", modRegistry::kProgramKey, "RGCount", "D", 0, storageErrors);

    Label2->setText(Label2->text() + ' ' + QStringLiteral(RUNVELLA_VERSION));
    Label3->setText(Label3->text() + ' ' + DeviceLibrary::fileVersion());

    const DeviceLibrary::Exports *device = DeviceLibrary::exports();
    if (device)
        device->SuppressInternalBoxes();
    if (device && device->GetDeviceVersion(1) > 0) {
        Label4->setText("USB Micro: " + QString::number(device->GetDeviceVersion(1)));
        Label5->setText("Main Micro: " + QString::number(device->GetDeviceVersion(2)) + " - " +
                        QString::number(storageErrors.toInt()));
    } else {
        Label4->hide();
        Label5->hide();
    }
}

void frmAbout::cmdOK_Click() {
    accept();
}

void frmAbout::Label1_Click() {
    platform::dialogs::message("Developed by: The Runvella developers\n"
                               "Special Thanks to:\n"
                               "Everyone who tested the Data Recorder\n"
                               "Everyone who translated Runvella",
                               "Runvella", platform::dialogs::Icon::Information,
                               platform::dialogs::Buttons::Ok, this);
}

bool frmAbout::eventFilter(QObject *watched, QEvent *event) {
    if (watched == Label1 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        Label1_Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
