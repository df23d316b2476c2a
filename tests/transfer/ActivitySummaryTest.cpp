#include "TransferFixture.h"
#include "common/ActivityBuilder.h"

#include "mainwindow/frmMain.h"
#include "transfer/frmActivitySummary.h"

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>

namespace {

class ActivitySummaryTest : public TransferFixture {
protected:
    void SetUp() override {
        TransferFixture::SetUp();
        gMainForm = &main;
        gCurrentGraph.clear();
        gAlwaysClearDR = 0;
    }
    void TearDown() override {
        gMainForm = nullptr;
        TransferFixture::TearDown();
    }

    SessionKey addActivity(int type, const char *start, std::optional<int> graph1 = {},
                           std::optional<int> graph2 = {}) {
        return testing::ActivityBuilder()
            .start(start)
            .type(type)
            .duration(600)
            .graphs(graph1, graph2)
            .store(gConn);
    }
    void addTrackSample(SessionKey key, std::optional<double> altitude, int dataType = 1) {
        testing::storeSamples(gConn, key, {{.time = 0, .type = dataType, .speed = 6, .altitude = altitude}});
    }

    // Clicks the summary's line of the activity.
    void click(SessionKey key) {
        summary.addActivity("line", key);
        QListWidgetItem *line = summary.List1->item(summary.List1->count() - 1);
        summary.List1->setCurrentItem(line);
        emit summary.List1->itemClicked(line);
    }

    static std::vector<std::pair<std::string, int>> entries(const QComboBox &list) {
        std::vector<std::pair<std::string, int>> all;
        for (int i = 0; i < list.count(); ++i)
            all.emplace_back(list.itemText(i).toStdString(), list.itemData(i).toInt());
        return all;
    }

    std::int64_t stored(const char *column, SessionKey key) {
        return scalar("select " + std::string(column) +
                      " from sessions where prkey = " + std::to_string(key));
    }

    frmMain main;
    frmActivitySummary summary;
};

TEST_F(ActivitySummaryTest, ACombinedActivityWithoutAltitudeOffersHeartRateOnTheRight) {
    const SessionKey key = addActivity(20, "2026-03-09 07:05:09");
    addTrackSample(key, std::nullopt);

    click(key);

    using Entries = std::vector<std::pair<std::string, int>>;
    EXPECT_EQ(entries(*main.cmbGraph1),
              (Entries{{"<None>", 0}, {"Speed", 1}, {"Pace", 2}, {"Heart Rate", 5}}));
    EXPECT_EQ(entries(*main.cmbGraph2), entries(*main.cmbGraph1));
    EXPECT_EQ(main.cmbGraph1->currentIndex(), 1);
    EXPECT_EQ(main.cmbGraph2->currentIndex(), 3);
    // The graph drawn after the click gives the pane its own caption.
    EXPECT_TRUE(main.GraphLabel->text().startsWith("Activity on "));
    EXPECT_EQ(main.MonthView1->selectedDate(), QDate(2026, 3, 9));
    EXPECT_EQ(gCurrentSessionKey, key);
    EXPECT_TRUE(gGraphSelectLive);
    EXPECT_EQ(gCurrentGraph, "session");
}

// The summary offers what the main window offers, so a position it stores names the same
// quantity when the main window reads it: here heart rate, the last of six entries.
TEST_F(ActivitySummaryTest, ACombinedGpsActivityOffersTheMainWindowsEntriesEvenWithoutAltitude) {
    const SessionKey key = addActivity(20, "2026-03-09 07:05:09");
    addTrackSample(key, std::nullopt, 2);

    click(key);

    EXPECT_EQ(main.cmbGraph2->count(), 6);
    EXPECT_EQ(main.cmbGraph2->currentIndex(), 5);
    EXPECT_EQ(main.cmbGraph2->currentData().toInt(), 5); // heart rate
    EXPECT_EQ(stored("Graph2", key), 5);
}

TEST_F(ActivitySummaryTest, StoredChoicesPastTheEndOfTheListFallBackAndAreStoredAgain) {
    const SessionKey key = addActivity(1, "2026-03-09 07:05:09", 4, 3);
    addTrackSample(key, std::nullopt);

    click(key);

    EXPECT_EQ(main.cmbGraph1->count(), 3);
    EXPECT_EQ(main.cmbGraph1->currentIndex(), 1);
    EXPECT_EQ(main.cmbGraph2->currentIndex(), 2);
    EXPECT_EQ(stored("Graph1", key), 1);
    EXPECT_EQ(stored("Graph2", key), 2);
}

TEST_F(ActivitySummaryTest, ASpeedActivityWithAltitudeShowsAltitudeOnTheRightByDefault) {
    const SessionKey key = addActivity(5, "2026-03-09 07:05:09");
    addTrackSample(key, 120.0);

    click(key);

    EXPECT_EQ(main.cmbGraph1->count(), 5);
    EXPECT_EQ(main.cmbGraph2->currentData().toInt(), 3);
}

TEST_F(ActivitySummaryTest, HeartRateOnlyKeepsTheListsAndOtherTypesEmptyThem) {
    main.cmbGraph1->addItem("kept");
    const SessionKey heartRate = addActivity(0, "2026-03-09 07:05:09");
    click(heartRate);
    EXPECT_TRUE(main.GraphLabel->text().startsWith("Activity on "));
    EXPECT_EQ(main.cmbGraph1->count(), 1);

    main.MonthView1->setSelectedDate(QDate(2026, 1, 1));
    const SessionKey byHand = addActivity(99, "2026-03-10 07:00:00");
    click(byHand);
    EXPECT_EQ(main.cmbGraph1->count(), 0);
    EXPECT_EQ(main.MonthView1->selectedDate(), QDate(2026, 1, 1));
    EXPECT_EQ(gCurrentSessionKey, byHand);
}

TEST_F(ActivitySummaryTest, TheClearBoxIsHiddenWhenTheRecorderIsAlwaysClearedAndOnlyOkClears) {
    gAlwaysClearDR = 1;
    frmActivitySummary alwaysCleared;
    EXPECT_FALSE(alwaysCleared.chkClearDevice->isVisibleTo(&alwaysCleared));
    EXPECT_FALSE(alwaysCleared.Label2->isVisibleTo(&alwaysCleared));

    summary.show();
    summary.chkClearDevice->setChecked(true);
    summary.close();
    EXPECT_EQ(device.count("ClearDeviceMemory"), 0);

    frmActivitySummary second;
    second.chkClearDevice->setChecked(true);
    second.Command1->click();
    EXPECT_EQ(device.count("ClearDeviceMemory"), 1);
}

TEST_F(ActivitySummaryTest, ClosingListsTheCalendarsDayInTheMainWindow) {
    addActivity(0, "2026-03-09 07:05:09");
    addActivity(1, "2026-03-09 18:00:00");
    addActivity(0, "2026-03-10 07:05:09");
    main.MonthView1->setSelectedDate(QDate(2026, 3, 9));

    summary.unload();

    ASSERT_EQ(main.ListView1->topLevelItemCount(), 2);
    EXPECT_EQ(main.ListView1->topLevelItem(0)->data(0, Qt::UserRole).toString().left(1), "_");
}

} // namespace
