#pragma once

#include <QObject>
#include <QRadioButton>

#include <iterator>

// Calls chosen(index) when the option button at that index of the array is switched on, as the
// click handler of an array of option buttons receives it.
template <typename Buttons, typename Handler>
void onOptionChosen(const Buttons &buttons, const QObject *context, Handler chosen) {
    for (int index = 0; index < int(std::size(buttons)); ++index)
        QObject::connect(buttons[index], &QRadioButton::toggled, context, [chosen, index](bool on) {
            if (on)
                chosen(index);
        });
}
