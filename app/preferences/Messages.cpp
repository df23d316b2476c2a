#include "preferences/Messages.h"

#include "core/modLocalisation.h"
#include "platform/FailureCauses.h"

#include <QLocale>
#include <QStringList>

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

void SayNotSaved(const std::exception &failure, QWidget *parent) {
    platform::dialogs::message(platform::failures::describe(Text(1490), failure), "Runvella",
                               platform::dialogs::Icon::None, platform::dialogs::Buttons::Ok, parent);
}

void SayGoalsNotMoved(const std::vector<QDate> &weeks, QWidget *parent) {
    if (weeks.empty())
        return;
    QStringList shown;
    for (const QDate &week : weeks)
        shown << QLocale().toString(week, QLocale::ShortFormat);
    platform::dialogs::message(Text(1726) + '\n' + shown.join(", "), "Runvella",
                               platform::dialogs::Icon::Information, platform::dialogs::Buttons::Ok, parent);
}

} // namespace preferences
