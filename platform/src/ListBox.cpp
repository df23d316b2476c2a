#include "ListBox.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QStringList>

namespace platform::dialogs {

ListBox::ListBox(const QString &text, const QStringList &items, const QString &title, const QPixmap &icon,
                 QWidget *parent)
    : QDialog(parent), list_(new QListWidget(this)),
      buttons_(new QDialogButtonBox(QDialogButtonBox::Ok, this)) {
    setWindowTitle(title);
    auto *iconLabel = new QLabel(this);
    iconLabel->setPixmap(icon);
    auto *textLabel = new QLabel(text, this);
    textLabel->setWordWrap(true);
    list_->setAccessibleName(text); // a screen reader names the list by what the box says of it
    list_->addItems(items);
    list_->setCurrentRow(0);
    list_->setAlternatingRowColors(true); // an entry of two lines stands apart from the next
    // As tall as its entries, up to a bound of the toolkit's; beyond that it scrolls.
    list_->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *layout = new QGridLayout(this);
    layout->addWidget(iconLabel, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(textLabel, 0, 1);
    layout->addWidget(list_, 1, 1);
    layout->addWidget(buttons_, 2, 0, 1, 2);
    // The list gives up height before the box grows beyond the screen.
    setMaximumSize((parent ? parent->screen() : screen())->availableSize());
    list_->setFocus();
}

void ListBox::setOkCaption(const QString &caption) {
    buttons_->button(QDialogButtonBox::Ok)->setText(caption);
}

} // namespace platform::dialogs
