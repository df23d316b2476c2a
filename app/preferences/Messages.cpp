#include "preferences/Messages.h"

#include "core/modLocalisation.h"

namespace preferences {

QString Text(int id) {
    return modLocalisation::LoadResString(id);
}

platform::dialogs::Answer Say(int id, platform::dialogs::Icon icon, QWidget *parent,
                              platform::dialogs::Buttons buttons) {
    return platform::dialogs::message(Text(id), "Runvella", icon, buttons, parent);
}

void SayNotSaved(long number, QWidget *parent) {
    platform::dialogs::message(Text(1490) + ' ' + QString::number(number), "Runvella",
                               platform::dialogs::Icon::None, platform::dialogs::Buttons::Ok, parent);
}

} // namespace preferences
