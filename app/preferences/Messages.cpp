#include "preferences/Messages.h"

#include "core/modLocalisation.h"
#include "platform/FailureCauses.h"

#include <QLocale>
#include <QStringList>

#include <map>

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

QString ChoicesWaitText(const std::exception &failure) {
    using platform::failures::Cause;
    // What to mend before pressing OK, for the causes the athlete can mend.
    static const std::map<Cause, int> mends{
        {Cause::InUse, 1869}, {Cause::DiskFull, 1870}, {Cause::ReadOnly, 1871}};
    const auto cause = platform::failures::causeOf(failure);
    const auto mend = cause ? mends.find(*cause) : mends.end();
    if (mend == mends.end())
        return platform::failures::describe(Text(1490) + '\n' + Text(1872), failure);
    return Text(1490) + '\n' + Text(mend->second) + "\n\n" + QString::fromUtf8(failure.what());
}

void SayChoicesWait(const std::exception &failure, QWidget *parent) {
    platform::dialogs::message(ChoicesWaitText(failure), "Runvella", platform::dialogs::Icon::None,
                               platform::dialogs::Buttons::Ok, parent);
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
