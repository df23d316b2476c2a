// Makes a data folder that holds the ten-year log (TenYearLog.h), for starting Runvella with it:
//   ten_year_home <folder>
// Run Runvella with RUNVELLA_HOME=<folder>. The first start's wizard counts as done.
#include "TenYearLog.h"

#include "core/modRegistry.h"
#include "platform/Database.h"
#include "platform/FirstStart.h"
#include "platform/Paths.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char **argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: ten_year_home <folder>\n");
        return 2;
    }
    QCoreApplication app(argc, argv);
    qputenv("RUNVELLA_HOME", argv[1]);
    platform::install::ensureDataFolder();
    modRegistry::WriteRegistryValue(platform::settings::kProgramRoot, modRegistry::kProgramKey, "ShowPrefs",
                                    "S", "No");
    platform::db::Connection connection;
    connection.open(platform::paths::databasePath());
    const bench::TenYearLog log = bench::WriteTenYearLog(connection, QDate::currentDate());
    std::printf("%d activities, %lld samples\n", log.activities,
                static_cast<long long>(log.heartRateSamples + log.gpsSamples));
    return 0;
}
