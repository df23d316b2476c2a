#include "upload/SleepWatcher.h"

#ifdef RUNVELLA_HAVE_QTDBUS
#include <QDBusConnection>
#endif

namespace logger {

SleepWatcher::SleepWatcher(QObject *parent) : QObject(parent) {
#ifdef RUNVELLA_HAVE_QTDBUS
    QDBusConnection::systemBus().connect(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("PrepareForSleep"), this,
        SLOT(prepareForSleep(bool)));
#endif
}

void SleepWatcher::prepareForSleep(bool starting) {
    // The same signal announces the wake-up with false.
    if (starting)
        emit suspending();
}

} // namespace logger
