#pragma once

#include "core/FormControls.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

// Controls of the preferences window. An element of a control array carries its number in the
// property "Index".
namespace preferences {

inline QRadioButton *OptionElement(QWidget *parent, const char *name, int index, int stringId) {
    auto *button = named(new QRadioButton(parent), name, stringId);
    button->setProperty("Index", index);
    return button;
}

inline QLineEdit *NumberBox(QWidget *parent, const char *name, int index = -1) {
    auto *box = named(new QLineEdit(parent), name);
    if (index >= 0)
        box->setProperty("Index", index);
    box->setMaximumWidth(60);
    return box;
}

// A check box with its design caption, which its string id (when it has one) replaces.
inline QCheckBox *CheckBox(QWidget *parent, const char *name, int stringId, const char *caption) {
    return named(new QCheckBox(QString::fromUtf8(caption), parent), name, stringId);
}

} // namespace preferences
