#pragma once

#include "platform/Paths.h"

#include <QDateTime>
#include <QDir>
#include <QFile>

namespace startuptest {

// Leaves one activity's data file in the automatic import folder, as a recorder's tool would a
// while ago: the import leaves a file changed in the last two seconds for a later start.
inline bool putWaitingDataFile() {
    const QDir waiting(platform::paths::autoImportDir());
    QFile file(waiting.filePath("run.csv"));
    return QDir().mkpath(waiting.path()) && file.open(QIODevice::WriteOnly) &&
           file.write("[Runvella Data File]\r\n[session data]\r\nversion=1.2_mm/dd/yyyy\r\n"
                      "Sessiondate=3/10/2026 07:03:09\r\nsportName=General\r\nsportID=1\r\n"
                      "distanceunit=mi\r\navgspeedunit=0\r\nmaxspeedunit=0\r\navgpaceunits=0\r\n"
                      "maxpaceunits=0\r\ndistance=3.25\r\nduration=1800\r\ndescription=Tempo\r\n"
                      "sessionType=20\r\nmaxHR=171\r\nmaxSpeed=9.5\r\navgHR=150\r\navgSpeed=7.25\r\n"
                      "fromDataRecorder=False\r\nTimeZone1=0\r\nTimeZone2=0\r\nTimeZone3=0\r\n"
                      "TimeZone4=0\r\nTimeZone5=0\r\n") > 0 &&
           file.flush() &&
           file.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime);
}

} // namespace startuptest
