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

// Check boxes wrap their captions to this width, so that the window stays narrow in every
// language.
inline constexpr int kCheckBoxWidth = 560;

// A check box with the caption of its string id.
inline QCheckBox *CheckBox(QWidget *parent, const char *name, int stringId) {
    auto *box = named(new QCheckBox(parent), name, stringId);
    box->setMaximumWidth(kCheckBoxWidth);
    return box;
}

} // namespace preferences
