#include "transfer/NoticeWidgets.h"

#include "core/FormControls.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>
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

void layOut(QDialog *notice, QLabel *image, std::initializer_list<QWidget *> texts, QPushButton *ok) {
    auto *column = new QVBoxLayout;
    for (QWidget *text : texts)
        column->addWidget(text);
    auto *row = new QHBoxLayout;
    row->addWidget(image);
    row->addLayout(column, 1);
    auto *layout = new QVBoxLayout(notice);
    layout->addLayout(row);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
}

} // namespace NoticeWidgets
