#include "transfer/NoticeWidgets.h"

#include <QStyle>
#include <QWidget>

namespace NoticeWidgets {

QLabel *warningImage(QWidget *parent) {
    auto *image = named(new QLabel(parent), "Image1");
    image->setPixmap(parent->style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(32, 32));
    image->setAlignment(Qt::AlignTop);
    return image;
}

QLabel *paragraph(QWidget *parent, const char *name, int stringId) {
    auto *label = named(new QLabel(parent), name, stringId);
    label->setWordWrap(true);
    label->setMinimumWidth(360);
    return label;
}

} // namespace NoticeWidgets
