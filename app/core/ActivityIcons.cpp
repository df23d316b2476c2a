#include "core/ActivityIcons.h"

#include <QPainter>
#include <QPixmap>

int ActivityIconIndex(int sessionType) {
    switch (sessionType) {
    case 0:
        return 3;
    case 1:
    case 5:
        return 2;
    case 20:
        return 4;
    default:
        return 1;
    }
}

// A coloured disc per kind: grey by hand, blue speed and GPS, red heart rate, both halves for
// heart rate with speed and GPS.
QIcon ActivityIcon(int index) {
    QPixmap disc(16, 16);
    disc.fill(Qt::transparent);
    QPainter painter(&disc);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const QRectF area(1, 1, 14, 14);
    switch (index) {
    case 2:
        painter.setBrush(QColor(40, 110, 200));
        painter.drawEllipse(area);
        break;
    case 3:
        painter.setBrush(QColor(200, 40, 50));
        painter.drawEllipse(area);
        break;
    case 4:
        painter.setBrush(QColor(200, 40, 50));
        painter.drawPie(area, 90 * 16, 180 * 16);
        painter.setBrush(QColor(40, 110, 200));
        painter.drawPie(area, 270 * 16, 180 * 16);
        break;
    default:
        painter.setBrush(QColor(140, 140, 140));
        painter.drawEllipse(area);
        break;
    }
    return QIcon(disc);
}
