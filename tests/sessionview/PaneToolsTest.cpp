#include "SessionViewFixture.h"

#include "charts/ChartView.h"
#include "common/ScriptedDialogs.h"
#include "core/ImageControls.h"
#include "sessionview/PaneChartTools.h"

#include <QAction>
#include <QApplication>
#include <QChart>
#include <QComboBox>
#include <QImageReader>
#include <QKeyEvent>
#include <QLabel>
#include <QTemporaryDir>
#include <QToolBar>
#include <QValueAxis>

namespace {

class PaneToolsTest : public SessionViewFixture {
protected:
    void SetUp() override {
        SessionViewFixture::SetUp();
        key = addStored(5, 1, 3);
        for (int i = 0; i < 4; ++i)
            addSample(key, 3.57 * i, 2, 100.0 + 10 * i, 0, 6, 0.01 * (i + 1));
        gCurrentSessionKey = key;
        window.ReloadGraphSelection(key);
        window.show();
        QApplication::processEvents(); // the chart is laid out
    }

    charts::ChartView &view() { return *qobject_cast<charts::ChartView *>(window.TChart3); }
    bool linkShown() { return window.resImage[6]->isVisibleTo(&window); }

    SessionKey key = 0;
};

TEST_F(PaneToolsTest, TheFullViewLinkIsThereWhileTheViewDiffersFromTheDrawnOne) {
    EXPECT_FALSE(linkShown());
    view().zoomTo(QRect(100, 40, 80, 60));
    EXPECT_TRUE(linkShown());
    view().undoZoom();
    EXPECT_FALSE(linkShown());

    const auto *time = qobject_cast<QValueAxis *>(window.TChart3->chart()->axes(Qt::Horizontal).value(0));
    ASSERT_NE(time, nullptr);
    const double last = time->max();
    view().panBy(40); // the whole activity is in view: nowhere to move
    EXPECT_FALSE(linkShown());
    view().zoomTo(QRect(100, 40, 80, 60));
    view().panBy(40);
    EXPECT_TRUE(linkShown());
    // No further than the activity reaches, either way.
    view().panBy(100000);
    EXPECT_NEAR(time->min(), 0, 1e-9);
    view().panBy(-100000);
    EXPECT_NEAR(time->max(), last, 1e-9);
    gCurrentGraph.clear();
    window.showSessionGraph(key); // drawn afresh
    EXPECT_FALSE(linkShown());
}

TEST_F(PaneToolsTest, SavingTheActivitysGraphTitlesItWithItsCaptionForTheTimeOfTheSave) {
    QTemporaryDir folder;
    const QString path = folder.filePath("Activity.jpg");
    QString titleWhileOpen;
    const auto previous = platform::dialogs::setFileHandler([&](const platform::dialogs::FileRequest &) {
        titleWhileOpen = window.TChart3->chart()->title();
        return path;
    });
    testing::ScriptedDialogs dialogs;

    window.Toolbar2->findChild<QAction *>("save")->trigger();

    platform::dialogs::setFileHandler(previous);
    EXPECT_TRUE(titleWhileOpen.startsWith("Activity on ")) << titleWhileOpen.toStdString();
    EXPECT_EQ(window.TChart3->chart()->title(), "");
    EXPECT_EQ(QImageReader(path).size(), QSize(640, 480));
}

// An activity entered by hand has nothing to draw: the graph before it is no longer on show.
TEST_F(PaneToolsTest, TheToolsAreOfferedWhileAGraphIsOnShow) {
    const auto offered = [this] {
        const QList<QAction *> tools = window.Toolbar2->actions();
        return std::count_if(tools.begin(), tools.end(),
                             [](const QAction *tool) { return tool->isEnabled(); });
    };
    EXPECT_EQ(offered(), 3);
    window.ReloadGraphSelection(addStored(99));
    ASSERT_TRUE(window.lblNote->isVisible());
    EXPECT_EQ(offered(), 0);
    window.resSummary_Click();
    EXPECT_EQ(offered(), 3);
}

// The arrow keys choose in a series list and the graph follows, the focus staying on the list.
TEST_F(PaneToolsTest, AChoiceMadeWithTheKeyboardLeavesTheFocusWhereItWas) {
    window.cmbGraph2->setFocus();
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(window.cmbGraph2, &down);
    EXPECT_EQ(gCurrentGraph, "session"); // drawn again, with the new choice
    EXPECT_EQ(column(key, "Graph2"), 4);
    EXPECT_EQ(window.focusWidget(), window.cmbGraph2);
}

TEST_F(PaneToolsTest, TheDescriptionIsTheSummaryGraphAndPeriodOrTheCaptionUpToThreeBlanks) {
    window.GraphLabel->setText("Activity on 3/9/26   more");
    EXPECT_EQ(sessionview::GraphDescription(pane()), QStringList{"Activity on 3/9/26 "});

    window.Combo1->addItem("Goals: weekly activity time");
    window.Combo2->addItem("This month");
    window.Combo1->show();
    window.Combo2->show();
    EXPECT_EQ(sessionview::GraphDescription(pane()),
              (QStringList{"Goals: weekly activity time", "This month"}));
    window.Combo2->hide();
    EXPECT_EQ(sessionview::GraphDescription(pane()), QStringList{"Goals: weekly activity time"});
}

} // namespace
