#include "core/DatabaseFixture.h"
#include "core/modDatabase.h"

#include <QFile>

using modDatabase::UpgradeDatabaseSchema;

namespace {

class UpgradeTest : public DatabaseFixture {
protected:
    // A new installation's file, brought up to date.
    void SetUp() override {
        DatabaseFixture::SetUp();
        UpgradeDatabaseSchema();
    }

    QString schema() {
        auto query = gConn.prepare("select group_concat(sql, ';') from sqlite_master");
        query.step();
        return query.columnText(0);
    }

    void dropColumn(const char *table, const char *column) {
        gConn.executeScript(QString("alter table %1 drop column %2").arg(table, column).toStdString());
    }
};

TEST_F(UpgradeTest, RunningOnACurrentFileChangesNothing) {
    gConn.executeScript("update preferences set UseSmoothing = 1");
    const QString before = schema();
    UpgradeDatabaseSchema();
    UpgradeDatabaseSchema();
    EXPECT_EQ(schema(), before);
    EXPECT_EQ(scalar("select UseSmoothing from preferences"), 1);
}

TEST_F(UpgradeTest, AddsExactlyTheMissingColumn) {
    dropColumn("sessiondata", "TrueHeading");
    const QStringList before = gConn.tableColumns("sessiondata");
    UpgradeDatabaseSchema();
    const QStringList after = gConn.tableColumns("sessiondata");
    EXPECT_EQ(after, before + QStringList{"TrueHeading"});
    EXPECT_EQ(gConn.tableColumns("sessions").filter("Graph").size(), 2);
}

TEST_F(UpgradeTest, OlderFileGetsEveryColumnAndSmoothingStartsOff) {
    for (const char *column : {"ACQStatus", "TrueHeading", "MagHeading"})
        dropColumn("sessiondata", column);
    dropColumn("sessions", "Graph1");
    dropColumn("sessions", "Graph2");
    dropColumn("preferences", "UseSmoothing");
    UpgradeDatabaseSchema();
    EXPECT_TRUE(gConn.tableColumns("sessiondata").endsWith("MagHeading"));
    EXPECT_EQ(gConn.tableColumns("sessiondata").filter("Heading").size(), 2);
    EXPECT_TRUE(gConn.tableColumns("sessions").contains("Graph2"));
    EXPECT_EQ(scalar("select count(*) from preferences where UseSmoothing = 0"), 1);
}

TEST_F(UpgradeTest, WeeklyAltitudeColumnIsAddedOnce) {
    dropColumn("weeklyData", "totalAltitude");
    UpgradeDatabaseSchema();
    EXPECT_TRUE(gConn.tableColumns("weeklyData").contains("totalAltitude"));
    UpgradeDatabaseSchema();
    EXPECT_EQ(gConn.tableColumns("weeklyData").count("totalAltitude"), 1);
}

TEST_F(UpgradeTest, OlderFileGetsTheIndexesThatTheQueriesReadThrough) {
    const QString before = schema();
    gConn.executeScript(
        "drop index sessions_by_date; drop index sessions_by_start; drop index sessiondata_by_session; "
        "drop index gps_altitudes_by_session");
    UpgradeDatabaseSchema();
    EXPECT_EQ(schema(), before);
    auto plan =
        gConn.prepare("explain query plan select sum(Duration) from sessions where session_date >= ?");
    ASSERT_TRUE(plan.step());
    EXPECT_TRUE(plan.columnText(3).contains("sessions_by_date")) << plan.columnText(3).toStdString();
}

TEST_F(UpgradeTest, OlderFileGetsTheTableOfStoredClaims) {
    gConn.executeScript("drop table storedClaims");
    UpgradeDatabaseSchema();
    EXPECT_EQ(gConn.tableColumns("storedClaims"), QStringList{"claim"});
}

TEST_F(UpgradeTest, DeletesALeftOverBackupAndIgnoresAMissingOne) {
    QFile backup(platform::paths::backupDatabasePath());
    ASSERT_TRUE(backup.open(QIODevice::WriteOnly));
    backup.close();
    modDatabase::DeleteBackupDatabase();
    EXPECT_FALSE(backup.exists());
    EXPECT_NO_THROW(modDatabase::DeleteBackupDatabase());
}

} // namespace
