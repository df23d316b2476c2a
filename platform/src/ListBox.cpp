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
                 const QString &okCaption, QWidget *parent)
    : QDialog(parent) {
    setWindowTitle(title);
    auto *iconLabel = new QLabel(this);
    iconLabel->setPixmap(icon);
    auto *textLabel = new QLabel(text, this);
    textLabel->setWordWrap(true);
    auto *list = new QListWidget(this);
    list->setAccessibleName(text); // a screen reader names the list by what the box says of it
    list->addItems(items);
    list->setCurrentRow(0);
    list->setAlternatingRowColors(true); // an entry of two lines stands apart from the next
    // As tall as its entries, up to a bound of the toolkit's; beyond that it scrolls.
    list->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    if (!okCaption.isEmpty())
        buttons->button(QDialogButtonBox::Ok)->setText(okCaption);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *layout = new QGridLayout(this);
    layout->addWidget(iconLabel, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(textLabel, 0, 1);
    layout->addWidget(list, 1, 1);
    layout->addWidget(buttons, 2, 0, 1, 2);
    // The list gives up height before the box grows beyond the screen.
    setMaximumSize((parent ? parent->screen() : screen())->availableSize());
    list->setFocus();
}

} // namespace platform::dialogs
