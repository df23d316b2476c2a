#pragma once

#include <QObject>

namespace logger {

// Tells when the machine is about to suspend, as the desktop's login manager (logind, on the
// system D-Bus) announces it. Without D-Bus support, or without a system bus, it stays silent.
class SleepWatcher : public QObject {
    Q_OBJECT
public:
    explicit SleepWatcher(QObject *parent = nullptr);

signals:
    void suspending();

private slots:
    void prepareForSleep(bool starting);
};

} // namespace logger
