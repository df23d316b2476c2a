#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <ctime>

namespace testing {

// Makes a time zone the system's for as long as it lives.
class TimeZoneScope {
public:
    explicit TimeZoneScope(const char *zone)
        : previous_(qgetenv("TZ")), hadZone_(qEnvironmentVariableIsSet("TZ")) {
        qputenv("TZ", zone);
        tzset();
    }
    ~TimeZoneScope() {
        if (hadZone_)
            qputenv("TZ", previous_);
        else
            qunsetenv("TZ");
        tzset();
    }

private:
    QByteArray previous_;
    bool hadZone_;
};

} // namespace testing
