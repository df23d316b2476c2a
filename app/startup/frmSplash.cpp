#include "startup/frmSplash.h"

#include "core/ImageControls.h"
#include "core/LocalizeForm.h"

#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QVBoxLayout>

frmSplash::frmSplash(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), Image1(new PictureBox(this)),
      Label1(new QLabel(this)), Label2(new QLabel(this)), lblMessage(new QLabel(this)) {
    setObjectName("frmSplash");
    Image1->setObjectName("Image1");
    Image1->setProperty("tag", 1700);
    Image1->setAlignment(Qt::AlignCenter);
    Label1->setObjectName("Label1");
    Label1->setProperty("tag", 1478);
    Label1->setWordWrap(true);
    Label2->setObjectName("Label2");
    Label2->setProperty("tag", 1476);
    Label2->setText("Application Version");
    lblMessage->setObjectName("lblMessage");

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 12);
    layout->addWidget(Image1);
    for (QLabel *label : {Label2, Label1, lblMessage}) {
        label->setContentsMargins(16, 0, 16, 0);
        layout->addWidget(label);
    }
    // Colours and frame are set and painted directly: a style sheet would cost its parsing and
    // the styling of every label before the splash could first be painted.
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
}

void frmSplash::Form_Load() {
    modLocalisation::LocalizeForm(this);
    Label2->setText(Label2->text() + ' ' + QStringLiteral(RUNVELLA_VERSION));
}

void frmSplash::showEvent(QShowEvent *event) {
    QWidget::showEvent(event);
    if (const QScreen *shown = screen())
        move(shown->availableGeometry().center() - rect().center());
}

void frmSplash::paintEvent(QPaintEvent *) {
    QPainter painter(this);
    painter.setPen(QColor(0x4a, 0x6a, 0x8a));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void frmSplash::ShowMessage(const QString &text) {
    lblMessage->setText(text);
    lblMessage->repaint();
}
