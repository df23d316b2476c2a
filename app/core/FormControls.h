#pragma once

// Small pieces that every window builds its controls with.

// Gives a control its name and, when it has one, the id of its text.
template <typename Widget> Widget *named(Widget *widget, const char *name, int stringId = 0) {
    widget->setObjectName(name);
    if (stringId)
        widget->setProperty("tag", stringId);
    return widget;
}

// Sizes of the designed windows are in twips: 15 of them make a pixel on the usual screen.
inline constexpr int kTwipsPerPixel = 15;

constexpr int pixelsFromTwips(int twips) {
    return twips / kTwipsPerPixel;
}
