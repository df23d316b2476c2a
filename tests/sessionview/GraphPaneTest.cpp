#include "SessionViewFixture.h"

#include "charts/ChartFrame.h"
#include "charts/ChartTools.h"
#include "charts/ChartView.h"
#include "charts/ShownTexts.h"
#include "core/LocaleScope.h"

#include <QApplication>
#include <QCategoryAxis>
#include <QChart>
#include <QElapsedTimer>
#include <QGraphicsObject>
#include <QLineSeries>
#include <QSignalBlocker>
#include <QTextDocumentFragment>

#include <cmath>
#include <functional>
#include <vector>

namespace {

// The main window's graph pane at the window's default size, as the athlete sees it, with a
// month of activities: every summary graph and the graph of one activity of each kind.
class GraphPaneTest : public SessionViewFixture {
protected:
    void SetUp() override {
        SessionViewFixture::SetUp();
        gPaceMin = 5;
        gPaceMax = 12;
        window.today = [] { return QDate(2026, 3, 11); };
        storeMonth();
        window.Form_Load();
        window.show();
    }
    void TearDown() override {
        gStartOfWeek.clear();
        gLanguageOffset = 0;
        SessionViewFixture::TearDown();
    }

    QChart &chart() { return *window.TChart3->chart(); }

    void storeMonth() {
        for (int day = 2; day <= 10; day += 2)
            addActivity(99, 1800.0 + 300 * day, 1.3 * day, "mi",
                        qPrintable(QString("2026-03-%1 07:00:00").arg(day, 2, 10, QChar('0'))));
        gConn.executeScript("insert into dailydata (theday, weight, restingpulse) values "
                            "('2026-03-02', 72.5, 48), ('2026-03-05', 73.1, 52)");
        sessions = {activity(0), activity(1, 2, 1), activity(5, 3, 4), activity(20, 1, 5)};
    }

    // An activity of 75 minutes whose figures rise and fall.
    SessionKey activity(int type, std::optional<int> left = {}, std::optional<int> right = {}) {
        const SessionKey key = addStored(type, left, right);
        for (int i = 0; i <= 75 * 60; i += 30) {
            const double wave = std::sin(i / 600.0);
            if (type == 0 || type == 20)
                addSample(key, i, 0, std::nullopt, 130 + 20 * wave);
            if (type != 0)
                addSample(key, i + 1, type == 1 ? 1 : 2, 300 + 80 * wave, 0, 7 + 2 * wave, i / 500.0);
        }
        return key;
    }

    // What the event loop does after a drawing: the old axes' items go, the chart is laid out
    // until its axes have settled on their ticks.
    static void settle() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        for (int pass = 0; pass < 3; ++pass)
            QApplication::processEvents();
    }

    // Draws every graph of the pane in turn, lays it out and hands it to the check.
    void forEachGraph(const std::function<void(const std::string &graph)> &check) {
        for (int graph = 0; graph < window.Combo1->count(); ++graph) {
            gCurrentGraph = "summary";
            {
                const QSignalBlocker quiet(window.Combo1);
                window.Combo1->setCurrentIndex(graph);
            }
            window.showMainGraph();
            settle();
            check(window.Combo1->currentText().toStdString());
        }
        for (const SessionKey key : sessions) {
            showActivity(key);
            check("activity " + std::to_string(key));
        }
    }

    // Shows the activity's graph as a click on its line does.
    void showActivity(SessionKey key) {
        gCurrentGraph.clear();
        gCurrentSessionKey = key;
        gGraphSelectLive = false;
        window.ReloadGraphSelection(key);
        settle();
    }

    // The labels shown along the axis that say something: blanks that only make room are left out.
    std::vector<shown::Text> sayingLabels(const QAbstractAxis &axis) {
        std::vector<shown::Text> labels = shown::labels(chart(), axis);
        std::erase_if(labels, [](const shown::Text &label) { return label.text.trimmed().isEmpty(); });
        return labels;
    }

    // Every label of the axes that write their own (days, weeks, times) is whole and clear of the
    // next one.
    void expectWholeLabelsApart(const std::string &graph) {
        for (QAbstractAxis *axis : chart().axes()) {
            if (axis->type() != QAbstractAxis::AxisTypeCategory || !axis->isVisible())
                continue;
            const QStringList written = static_cast<QCategoryAxis *>(axis)->categoriesLabels();
            const std::vector<shown::Text> labels = sayingLabels(*axis);
            for (std::size_t i = 0; i < labels.size(); ++i) {
                EXPECT_TRUE(written.contains(labels[i].text))
                    << graph << ": " << labels[i].text.toStdString();
                EXPECT_TRUE(QRectF(QPointF(), chart().size()).contains(labels[i].place))
                    << graph << ": " << labels[i].text.toStdString() << " leaves the chart";
                if (i > 0) {
                    EXPECT_FALSE(labels[i].place.intersects(labels[i - 1].place))
                        << graph << ": " << labels[i - 1].text.toStdString() << " and "
                        << labels[i].text.toStdString();
                }
            }
        }
    }

    // Every axis shown has its whole title on the chart, on one line or two, and no text of the
    // chart is cut short.
    void expectWholeTitles(const std::string &graph) {
        QStringList titles;
        for (const shown::Text &title : shown::titles(chart())) {
            EXPECT_FALSE(title.text.endsWith("...")) << graph << ": " << title.text.toStdString();
            titles << title.text.simplified();
        }
        for (QAbstractAxis *axis : chart().axes()) {
            const QString title =
                QTextDocumentFragment::fromHtml(axis->titleText()).toPlainText().simplified();
            if (axis->isVisible() && !title.isEmpty()) {
                EXPECT_TRUE(titles.contains(title)) << graph << ": " << title.toStdString() << " shows as "
                                                    << titles.join(" | ").toStdString();
            }
        }
    }

    // The titles above, beside and below the plot stand clear of one another.
    void expectTitlesApart(const std::string &graph) {
        const std::vector<shown::Text> titles = shown::titles(chart());
        for (std::size_t i = 0; i < titles.size(); ++i)
            for (std::size_t j = 0; j < i; ++j)
                EXPECT_FALSE(titles[i].place.intersects(titles[j].place))
                    << graph << ": " << titles[j].text.toStdString() << " and "
                    << titles[i].text.toStdString();
    }

    std::vector<SessionKey> sessions;
};

TEST_F(GraphPaneTest, EveryValueAxisShowsItsTicksInTheUsersLocaleOnScreenAndInItsPictures) {
    for (const QLocale &locale :
         {QLocale(QLocale::English, QLocale::UnitedStates), QLocale(QLocale::German, QLocale::Germany)}) {
        const LocaleScope scope(locale);
        charts::setUpChart(chart());
        forEachGraph([&](const std::string &graph) {
            const std::string name = locale.name().toStdString() + ", " + graph;
            shown::expectNumbersAtEveryTick(chart(), name);
            // Save, print and copy draw the chart laid out at the picture's size, under title
            // lines that say what it shows.
            const QSizeF onScreen = chart().size();
            {
                const charts::DescribedTitle described(chart(), {QString::fromStdString(graph)});
                charts::layOut(chart(), charts::kPictureSize);
                shown::expectNumbersAtEveryTick(chart(), name + ", picture");
                expectTitlesApart(name + ", picture");
            }
            charts::layOut(chart(), onScreen);
        });
    }
}

TEST_F(GraphPaneTest, EveryTitleAndLabelIsWholeFromTheSmallestToTheDefaultSizeInEveryLanguage) {
    charts::setUpChart(chart());
    // A period without data gives axes of one-digit numbers, which leave their titles the least room.
    const struct {
        const char *size;
        bool smallest;
        int period;
    } cases[] = {{"default size, this month", false, 0},
                 {"default size, last month", false, 1},
                 {"smallest size, last month", true, 1}};
    for (const auto &c : cases) {
        if (c.smallest)
            window.resize(1, 1);
        window.Combo2->setCurrentIndex(c.period);
        for (const char *unit : {"mi", "km"}) {
            gConn.prepare("update preferences set Primary_Unit = ?").bindAll(QString(unit)).execute();
            gPrimaryUnit = unit;
            for (const int language : {0, 1000, 2000, 3000, 4000}) {
                gLanguageOffset = language;
                forEachGraph([&](const std::string &graph) {
                    const std::string name =
                        std::string(c.size) + ", " + unit + ", " + std::to_string(language) + ", " + graph;
                    expectWholeTitles(name);
                    expectWholeLabelsApart(name);
                });
            }
        }
    }
}

TEST_F(GraphPaneTest, TheTimeAxisShowsAtLeastThreeLabelsAtAnyZoom) {
    charts::setUpChart(chart());
    const SessionKey recorder = addStored(1, 1, 0);
    for (int second = 0; second <= 6 * 60; second += 4)
        addSample(recorder, second, 1, std::nullopt, 0, 6, second / 600.0);
    showActivity(recorder);
    auto &view = static_cast<charts::ChartView &>(*window.TChart3);
    auto &time = static_cast<QCategoryAxis &>(*chart().axes(Qt::Horizontal).front());

    // The six minutes, then zooms each into a fifth of the plot's width: down to seconds.
    for (int zoom = 0; zoom < 6; ++zoom) {
        const std::string name = std::to_string(time.max() - time.min()) + " minutes shown";
        const std::vector<shown::Text> labels = sayingLabels(time);
        EXPECT_GE(labels.size(), 3u) << name;
        expectWholeLabelsApart(name);
        // The title names the form of the labels.
        const bool seconds = labels.front().text.count(':') == 2;
        EXPECT_EQ(time.titleText(), seconds ? "Duration (hh:mm:ss)" : "Duration (hh:mm)") << name;

        const QRectF plot = chart().plotArea();
        view.zoomTo(
            view.mapFromScene(chart().mapToScene(QRectF(plot.left() + plot.width() * 0.4, plot.top() + 1,
                                                        plot.width() / 5, plot.height() - 2)))
                .boundingRect());
        QElapsedTimer clock;
        clock.start();
        while (view.isAnimating() && clock.elapsed() < 5000)
            QApplication::processEvents(QEventLoop::AllEvents, 10);
        settle();
    }
    EXPECT_LT(time.max() - time.min(), 0.1);
}

TEST_F(GraphPaneTest, TheTimeAxisLabelsItsOriginWhateverTheLeftSideShows) {
    charts::setUpChart(chart());
    for (const int left : {0, 1, 2}) { // nothing, speed, pace
        const SessionKey recorder = addStored(1, left, left == 0 ? 1 : 0);
        for (int second = 0; second <= 75 * 60; second += 4)
            addSample(recorder, second, 1, std::nullopt, 0, 6, second / 600.0);
        showActivity(recorder);
        const std::vector<shown::Text> labels = sayingLabels(*chart().axes(Qt::Horizontal).front());
        ASSERT_FALSE(labels.empty()) << left;
        EXPECT_EQ(labels.front().text, "00:00") << left;
        expectWholeLabelsApart("left side " + std::to_string(left));
    }
}

TEST_F(GraphPaneTest, ASingleReadingOrALevelSeriesStandsInsideThePlotAndAReadingAsAWholeDot) {
    charts::setUpChart(chart());
    const SessionKey heartRate = addStored(0);
    addSample(heartRate, 0, 0, std::nullopt, 140);
    const SessionKey gps = addStored(5, 1, 3); // speed on the left, altitude on the right
    addSample(gps, 0, 2, 300, 0, 6, 0.01);
    const SessionKey level = addStored(5, 1, 3);
    for (const double time : {0, 30, 60})
        addSample(level, time, 2, 300, 0, 6, 0.01 + time / 1000);
    const struct {
        const char *name;
        SessionKey key;
        std::size_t dots;
    } cases[] = {{"a heart rate", heartRate, 1}, {"a GPS sample", gps, 2}, {"a level track", level, 0}};

    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        showActivity(c.key);
        const QRectF plot = chart().plotArea();
        std::vector<QLineSeries *> lonePoints;
        for (QAbstractSeries *series : chart().series()) {
            auto *line = qobject_cast<QLineSeries *>(series);
            ASSERT_NE(line, nullptr);
            // Clear of the plot's top and bottom by the line's width: not on the frame.
            const double width = line->pen().widthF();
            for (const QPointF &point : line->points()) {
                const QPointF at = chart().mapToPosition(point, line);
                EXPECT_TRUE(plot.adjusted(0, width, 0, -width).contains(at)) << line->name().toStdString();
            }
            if (line->count() == 1)
                lonePoints.push_back(line);
        }
        std::vector<const QGraphicsObject *> dots;
        for (QGraphicsItem *item : chart().childItems())
            if (auto *object = dynamic_cast<QGraphicsObject *>(item);
                object && object->objectName() == "lonePoint")
                dots.push_back(object);
        ASSERT_EQ(dots.size(), c.dots);
        ASSERT_EQ(lonePoints.size(), c.dots);
        for (std::size_t i = 0; i < dots.size(); ++i) {
            EXPECT_TRUE(dots[i]->isVisible());
            EXPECT_EQ(dots[i]->pos(), chart().mapToPosition(lonePoints[i]->at(0), lonePoints[i]));
            EXPECT_TRUE(QRectF(QPointF(), chart().size())
                            .contains(dots[i]->mapRectToParent(dots[i]->boundingRect())));
            EXPECT_GT(dots[i]->boundingRect().width(), lonePoints[i]->pen().widthF());
        }
    }
}

} // namespace
