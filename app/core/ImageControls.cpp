#include "core/ImageControls.h"

#include <QMouseEvent>

PictureBox::PictureBox(QWidget *parent) : QLabel(parent) {}

ImageBox::ImageBox(QWidget *parent) : QLabel(parent) {
    setCursor(Qt::PointingHandCursor);
}

void ImageBox::mousePressEvent(QMouseEvent *event) {
    emit mouseDown(event->button());
    event->accept();
}

void ImageBox::mouseReleaseEvent(QMouseEvent *event) {
    emit mouseUp(event->button());
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    event->accept();
}

QPixmap ResourceBitmap(int id) {
    // The format named, Qt reads the picture at once instead of loading every image plug-in to ask.
    return QPixmap(QStringLiteral(":/icons/%1.png").arg(id), "PNG");
}
