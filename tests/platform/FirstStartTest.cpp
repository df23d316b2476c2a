#include "platform/FirstStart.h"
#include "common/TestHome.h"
#include "platform/Database.h"
#include "platform/Paths.h"
#include "platform/SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <gtest/gtest.h>

#include <functional>

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
    QStringList sports;
    for (auto query = connection.prepare("select prkey, Description from sports order by prkey");
         query.step();)
        sports << QString::number(query.columnInt64(0)) + " " + query.columnText(1);
    EXPECT_EQ(sports, (QStringList{"1 General", "2 Bicycling", "3 Running", "4 Jogging", "5 Walking",
                                   "6 Rowing", "7 Kayaking", "8 Skiing - downhill", "9 Skiing - xc",
                                   "10 Rollerblading", "11 Swimming"}));
    // The weekly altitude goal arrives through the schema upgrade, never the initial file.
    EXPECT_FALSE(connection.tableColumns("weeklyData").contains("totalAltitude"));

    EXPECT_EQ(programSetting("ShowPrefs")->toString(), "Yes");
    EXPECT_EQ(programSetting("language")->toInt(), install::languageOffsetFromLocale());
    EXPECT_FALSE(programSetting("IsUnitedStates"));
}

TEST(FirstStart, LeavesAnExistingInstallationAndItsSettingsAlone) {
    testing::TestHome home;
    ASSERT_TRUE(settings::writeEntry(settings::rootFile("HKLM"), settings::kProgramKey, "language", 3000));
    ASSERT_TRUE(install::ensureDataFolder());
    EXPECT_EQ(programSetting("language")->toInt(), 3000);
    {
        db::Connection connection;
        connection.open(paths::databasePath());
        connection.executeScript("insert into sports (Description) values ('Orienteering')");
    }
    ASSERT_TRUE(settings::writeEntry(settings::rootFile("HKLM"), settings::kProgramKey, "ShowPrefs", "No"));

    EXPECT_FALSE(install::ensureDataFolder());
    db::Connection connection;
    connection.open(paths::databasePath());
    EXPECT_EQ(count(connection, "select count(*) from sports where Description = 'Orienteering'"), 1);
    EXPECT_EQ(programSetting("ShowPrefs")->toString(), "No");
}

TEST(FirstStart, AStartStoppedBeforeTheDatabaseExistedIsCompletedByTheNext) {
    // Stopped at each point before the database is in place: the folders made, the settings
    // written, a partial database file left behind.
    const std::function<void()> stoppedAfter[] = {
        [] { QDir().mkpath(paths::dataDir()); },
        [] { QDir().mkpath(paths::databaseDir()); },
        [] {
            QDir().mkpath(paths::databaseDir());
            settings::writeEntry(settings::rootFile("HKLM"), settings::kProgramKey, "ShowPrefs", "Yes");
            QFile partial(paths::databasePath() + ".part");
            ASSERT_TRUE(partial.open(QIODevice::WriteOnly));
            partial.write("SQLite format 3");
        },
        [] { // a copy of the database that was interrupted before its first byte
            QDir().mkpath(paths::databaseDir());
            settings::writeEntry(settings::rootFile("HKLM"), settings::kProgramKey, "ShowPrefs", "Yes");
            QFile empty(paths::databasePath());
            ASSERT_TRUE(empty.open(QIODevice::WriteOnly));
        },
    };
    for (const auto &stop : stoppedAfter) {
        testing::TestHome home;
        stop();

        ASSERT_TRUE(install::ensureDataFolder());
        EXPECT_TRUE(QFileInfo(paths::autoImportDir()).isDir());
        db::Connection connection;
        connection.open(paths::databasePath());
        EXPECT_EQ(count(connection, "select count(*) from preferences"), 1);
        EXPECT_EQ(programSetting("ShowPrefs")->toString(), "Yes");
        EXPECT_FALSE(QFileInfo::exists(paths::databasePath() + ".part"));
    }
}

TEST(FirstStart, ADatabaseThatCannotBeMadeIsAFailure) {
    testing::TestHome home;
    QDir().mkpath(paths::dataDir());
    QFile blocking(paths::databaseDir()); // a file where the database folder belongs
    ASSERT_TRUE(blocking.open(QIODevice::WriteOnly));
    blocking.close();

    EXPECT_THROW(install::ensureDataFolder(), db::DbError);
    EXPECT_FALSE(QFileInfo::exists(paths::databasePath()));
}

TEST(FirstStart, RunvellaHomeHoldsDataAndSettings) {
    testing::TestHome home;
    EXPECT_EQ(paths::databasePath(), home.path() + "/data/database/Runvella.db");
    EXPECT_EQ(settings::rootFile("hklm"), home.path() + "/registry/HKLM.ini");
}

} // namespace
