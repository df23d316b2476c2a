#include "platform/FirstStart.h"
#include "common/TestHome.h"
#include "platform/Database.h"
#include "platform/Paths.h"
#include "platform/SettingsStore.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

using namespace platform;

std::optional<QVariant> programSetting(const char *name) {
    return settings::readEntry(settings::rootFile(settings::kProgramRoot), settings::kProgramKey, name);
}

std::int64_t count(db::Connection &connection, const char *sql) {
    auto query = connection.prepare(sql);
    query.step();
    return query.columnInt64(0);
}

TEST(FirstStart, CreatesTheDataFolderWithEveryTableAndItsFirstRows) {
    testing::TestHome home;
    ASSERT_TRUE(install::ensureDataFolder());
    EXPECT_TRUE(QFileInfo(paths::autoImportDir()).isDir());

    db::Connection connection;
    connection.open(paths::databasePath());
    for (const char *table :
         {"sessions", "sessiondata", "preferences", "person", "zones", "sports", "weeklyData", "dailydata"})
        EXPECT_FALSE(connection.tableColumns(table).isEmpty()) << table;
    EXPECT_EQ(count(connection, "select count(*) from preferences"), 1);
    EXPECT_EQ(count(connection, "select count(*) from person"), 1);
    EXPECT_EQ(count(connection, "select count(*) from zones"), 1);
    EXPECT_EQ(count(connection, "select count(*) from sports where prkey = 1 and Description = 'General'"),
              1);
    // The weekly altitude goal arrives through the main window's upgrade, never the initial file.
    EXPECT_FALSE(connection.tableColumns("weeklyData").contains("totalAltitude"));

    EXPECT_EQ(programSetting("ShowPrefs")->toString(), "Yes");
    EXPECT_EQ(programSetting("language")->toInt(), install::languageOffsetFromLocale());
    EXPECT_FALSE(programSetting("IsUnitedStates"));
}

TEST(FirstStart, LeavesAnExistingDataFolderAndItsSettingsAlone) {
    testing::TestHome home;
    ASSERT_TRUE(settings::writeEntry(settings::rootFile("HKLM"), settings::kProgramKey, "language", 3000));
    ASSERT_TRUE(install::ensureDataFolder());
    EXPECT_EQ(programSetting("language")->toInt(), 3000);

    QFile::remove(paths::databasePath());
    EXPECT_FALSE(install::ensureDataFolder());
    // A lost database is a failure of start-up, not a reason to make a new one.
    EXPECT_FALSE(QFileInfo::exists(paths::databasePath()));
}

TEST(FirstStart, RunvellaHomeHoldsDataAndSettings) {
    testing::TestHome home;
    EXPECT_EQ(paths::databasePath(), home.path() + "/data/database/Runvella.db");
    EXPECT_EQ(settings::rootFile("hklm"), home.path() + "/registry/HKLM.ini");
}

} // namespace
