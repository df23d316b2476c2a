#include "SessionViewFixture.h"
#include "core/LocaleScope.h"

#include "common/DatabaseFaults.h"
#include "common/ScriptedDialogs.h"
#include "core/ImageControls.h"
#include "platform/BusyCursor.h"

#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QGraphicsTextItem>
#include <QLabel>
#include <QLineSeries>
#include <QValueAxis>

namespace {

class SessionGraphFrameTest : public SessionViewFixture {
protected:
    void SetUp() override {
        SessionViewFixture::SetUp();
        gPaceMin = 5;
        gPaceMax = 12;
    }

    QChart &chart() { return *window.TChart3->chart(); }

    QValueAxis *axisAt(Qt::Alignment side) {
        for (QAbstractAxis *axis : chart().axes())
            if (axis->alignment() == side)
                return qobject_cast<QValueAxis *>(axis);
        return nullptr;
    }

    // The title above the plot.
    QString distanceTitle() {
        for (QGraphicsItem *item : chart().childItems())
            if (auto *text = dynamic_cast<QGraphicsTextItem *>(item);
                text && text->objectName() == "topTitle")
                return text->toPlainText();
        return {};
    }

    // The line drawn against the axis at the side.
    QLineSeries *lineAt(Qt::Alignment side) {
        for (QLineSeries *line : drawnLines())
            for (QAbstractAxis *axis : line->attachedAxes())
                if (axis->alignment() == side)
                    return line;
        return nullptr;
    }
    std::vector<QLineSeries *> drawnLines() {
        std::vector<QLineSeries *> lines;
        for (QAbstractSeries *series : chart().series())
            if (auto *line = qobject_cast<QLineSeries *>(series); line && line->count() > 0)
                lines.push_back(line);
        return lines;
    }
    bool bothSidesDrawn() { return lineAt(Qt::AlignLeft) && lineAt(Qt::AlignRight); }

    // Shows the activity as a click on its line does.
    void show(SessionKey key) {
        gCurrentSessionKey = key;
        gGraphSelectLive = false;
        window.ReloadGraphSelection(key);
    }

    // A GPS activity whose speed runs from 3 to 20 mph.
    SessionKey addTrack() {
        const SessionKey key = addStored(5, 1, 3);
        const double speeds[] = {3, 8, 20, 12};
        for (int i = 0; i < 4; ++i)
            addSample(key, 3.57 * i, 2, 100.0 + 10 * i, 0, speeds[i], 0.01 * (i + 1));
        return key;
    }
};

TEST_F(SessionGraphFrameTest, EachSideGetsTheRangeOfItsQuantity) {
    const SessionKey track = addTrack();
    show(track);
    ASSERT_NE(axisAt(Qt::AlignLeft), nullptr);
    EXPECT_EQ(axisAt(Qt::AlignLeft)->min(), 0);
    EXPECT_EQ(axisAt(Qt::AlignLeft)->max(), 25);
    EXPECT_EQ(axisAt(Qt::AlignLeft)->titleText(), "Speed (mph)");
    EXPECT_EQ(distanceTitle(), "Distance (mi)");
    EXPECT_TRUE(bothSidesDrawn());

    window.cmbGraph1->setCurrentIndex(2); // pace, drawn at once
    EXPECT_TRUE(axisAt(Qt::AlignLeft)->isReverse());
    EXPECT_EQ(axisAt(Qt::AlignLeft)->min(), 5);
    EXPECT_EQ(axisAt(Qt::AlignLeft)->max(), 12);
    EXPECT_EQ(stored("Graph1", track), 2);

    const SessionKey heartRate = addStored(0);
    for (double hr : {90, 172, 130})
        addSample(heartRate, hr, 0, std::nullopt, hr);
    show(heartRate);
    EXPECT_EQ(axisAt(Qt::AlignLeft)->max(), 177);
    EXPECT_EQ(axisAt(Qt::AlignRight), nullptr);
    EXPECT_FALSE(window.cmbGraph1->isVisibleTo(&window));
    EXPECT_EQ(gGraphTable,
              (QStringList{"Time\tHeart Rate", "00:01:30\t90", "00:02:10\t130", "00:02:52\t172"}));
}

TEST_F(SessionGraphFrameTest, TheSameActivityIsNotRedrawnUntilARedrawIsAskedFor) {
    const SessionKey track = addTrack();
    show(track);
    EXPECT_EQ(gCurrentGraph, "session");
    EXPECT_EQ(gShownSessionKey, track);
    EXPECT_EQ(gGraphTable.size(), 5);

    chart().removeAllSeries();
    window.showSessionGraph(track);
    EXPECT_TRUE(chart().series().isEmpty());

    gCurrentGraph.clear();
    window.showSessionGraph(track);
    EXPECT_TRUE(bothSidesDrawn());
}

TEST_F(SessionGraphFrameTest, ASideShowingNothingDrawsNothingAndBothLeaveTheAxesAlone) {
    show(addTrack());
    window.cmbGraph1->setCurrentIndex(0); // nothing left, altitude right
    EXPECT_EQ(lineAt(Qt::AlignLeft), nullptr);
    EXPECT_NE(lineAt(Qt::AlignRight), nullptr);
    EXPECT_EQ(drawnLines().size(), 1u);

    // After an activity without recorded data, a recorded one with nothing chosen on either side.
    show(addStored(99));
    const SessionKey nothingChosen = addStored(5, 0, 0);
    for (int i = 0; i < 4; ++i)
        addSample(nothingChosen, 60.0 * i, 2, 100);
    gShownSessionKey = 12345;
    gGraphTable = QStringList{"kept"};
    show(nothingChosen);

    EXPECT_TRUE(window.TChart3->isVisibleTo(&window));
    EXPECT_FALSE(window.lblNote->isVisibleTo(&window));
    EXPECT_TRUE(window.GraphLabel->isVisibleTo(&window));
    ASSERT_NE(axisAt(Qt::AlignBottom), nullptr);
    EXPECT_DOUBLE_EQ(axisAt(Qt::AlignBottom)->max(), 3);
    EXPECT_TRUE(drawnLines().empty());
    EXPECT_EQ(gShownSessionKey, 12345);
    EXPECT_EQ(gGraphTable, QStringList{"kept"});
    EXPECT_TRUE(window.cmbGraph1->isVisibleTo(&window));
    EXPECT_FALSE(platform::cursor::isBusy());
}

TEST_F(SessionGraphFrameTest, AnActivityWithoutRecordedDataShowsTheNote) {
    const SessionKey byHand = addStored(99);
    show(byHand);
    EXPECT_EQ(gCurrentGraph, "note");
    EXPECT_TRUE(window.lblNote->isVisibleTo(&window));
    EXPECT_FALSE(window.TChart3->isVisibleTo(&window));
    EXPECT_TRUE(window.lblNote->text().startsWith("There is no data to graph."));
    EXPECT_EQ(gGraphTable, QStringList{QString()});

    gCurrentGraph = "summary";
    window.showSessionGraph(0);
    EXPECT_EQ(gCurrentGraph, "summary");
}

TEST_F(SessionGraphFrameTest, AJoinedActivityListsBothKindsOfSampleInTimeOrder) {
    const LocaleScope english(QLocale(QLocale::English, QLocale::UnitedStates));
    const SessionKey joined = addStored(20);
    addSample(joined, 0, 0, std::nullopt, 120);
    addSample(joined, 1, 1, std::nullopt, 0, 6, 0.01);
    addSample(joined, 2, 0, std::nullopt, 125);
    show(joined);
    EXPECT_EQ(gGraphTable,
              (QStringList{"Time\tDistance (mi)\tSpeed (mph)\tPace (min/mi)\tHR", "00:00:00\t\t\t\t120",
                           "00:00:01\t0.01\t6\t10:00\t", "00:00:02\t\t\t\t125"}));
    EXPECT_FALSE(window.resImagePlot->isVisibleTo(&window));
    // Speed left, heart rate right: the heart-rate line has no zeros.
    QLineSeries *right = lineAt(Qt::AlignRight);
    ASSERT_NE(right, nullptr);
    EXPECT_EQ(right->points(), (QList<QPointF>{{0, 120}, {2.0 / 60, 125}}));
}

TEST_F(SessionGraphFrameTest, AJoinedActivityWithoutSamplesLeavesNoLinesOfThePreviousGraph) {
    show(addTrack());
    show(addStored(20));
    EXPECT_EQ(gGraphTable, QStringList{"Time\tDistance (mi)\tSpeed (mph)\tPace (min/mi)\tHR"});
}

TEST_F(SessionGraphFrameTest, AFailureWhileDrawingIsReportedAndThePointerComesBack) {
    const SessionKey track = addTrack();
    testing::ScriptedDialogs dialogs;
    gConn.executeScript(testing::kReadsFail.apply);
    gCurrentGraph.clear();

    window.showSessionGraph(track);

    gConn.executeScript(testing::kReadsFail.undo);
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_TRUE(dialogs.shown()[0].text.startsWith("An error occurred preparing the graph\n"));
    EXPECT_TRUE(dialogs.shown()[0].text.contains(testing::kReadsFail.text));
    EXPECT_FALSE(platform::cursor::isBusy());
}

} // namespace
