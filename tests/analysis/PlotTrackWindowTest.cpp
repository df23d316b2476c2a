#include "AnalysisFixture.h"

#include "analysis/frmPlotTrack.h"
#include "analysis/frmTabularData2.h"
#include "charts/ChartFrame.h"
#include "charts/ChartTools.h"
#include "charts/ChartView.h"
#include "charts/ShownTexts.h"
#include "common/ScriptedDialogs.h"
#include "core/ImageControls.h"
#include "core/LocaleScope.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAction>
#include <QChart>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGraphicsSimpleTextItem>
#include <QImageReader>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPainter>
#include <QPrinter>
#include <QScatterSeries>
#include <QStyleOptionGraphicsItem>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <QValueAxis>

namespace {

class PlotTrackWindowTest : public AnalysisFixture {
protected:
    static QChart &chart(frmPlotTrack &window) { return *window.TChart1->chart(); }

    static std::vector<QAbstractSeries *> seriesNamed(frmPlotTrack &window, const QString &name) {
        std::vector<QAbstractSeries *> found;
        for (QAbstractSeries *series : chart(window).series()) {
            if (series->name() == name)
                found.push_back(series);
        }
        return found;
    }

    // The numbers beside the marker crosses, in drawing order, those that give way to others
    // included.
    static std::vector<QGraphicsSimpleTextItem *> markerNumbers(frmPlotTrack &window) {
        std::vector<QGraphicsSimpleTextItem *> numbers;
        for (QGraphicsItem *item : chart(window).childItems()) {
            auto *group = dynamic_cast<QGraphicsObject *>(item);
            if (!group || group->objectName() != "markerNumbers")
                continue;
            for (QGraphicsItem *label : group->childItems())
                numbers.push_back(static_cast<QGraphicsSimpleTextItem *>(label));
        }
        return numbers;
    }
    static QStringList markerLabels(frmPlotTrack &window) {
        QStringList labels;
        for (const QGraphicsSimpleTextItem *number : markerNumbers(window))
            labels << number->text();
        return labels;
    }

    static void runTool(frmPlotTrack &window, const char *key) {
        QAction *button = window.Toolbar2->findChild<QAction *>(key);
        ASSERT_NE(button, nullptr) << key;
        button->trigger();
    }

    static QStringList legendNames(frmPlotTrack &window) {
        QApplication::processEvents(); // the legend lays out its entries
        QStringList names;
        if (!chart(window).legend()->isVisible())
            return names;
        for (QLegendMarker *marker : chart(window).legend()->markers()) {
            if (marker->isVisible())
                names << marker->label();
        }
        return names;
    }
};

TEST_F(PlotTrackWindowTest, MarkersFollowTheChosenInterval) {
    gCurrentSessionKey = addGpsActivity(5, 25); // 2.5 miles
    frmPlotTrack window;
    const struct {
        int listIndex;
        int markers;
    } cases[] = {{0, 2}, {1, 4}, {2, 9}};
    for (const auto &c : cases) {
        window.cmbUnits->setCurrentIndex(c.listIndex);
        emit window.cmbUnits->activated(c.listIndex);
        EXPECT_EQ(markerLabels(window).size(), c.markers) << c.listIndex;
        EXPECT_EQ(markerLabels(window).value(0), "1");
        EXPECT_EQ(window.lstStats->rowCount(), c.markers + 2) << c.listIndex;
    }
}

TEST_F(PlotTrackWindowTest, TheTrackStartEndAndLegend) {
    const SessionKey key = addGpsActivity(20, 20); // the last sample on marker 2
    gCurrentSessionKey = key;
    frmPlotTrack window;
    window.show();
    EXPECT_TRUE(chart(window).title().startsWith("Activity on "));
    auto *track = static_cast<QLineSeries *>(chart(window).series().at(0));
    EXPECT_EQ(track->count(), 20);
    EXPECT_EQ(seriesNamed(window, "Start").size(), 1u);
    EXPECT_EQ(markerLabels(window), QStringList({"1"})); // marker 2 is the end
    EXPECT_EQ(legendNames(window), QStringList({"Start", "End", "Marker (mile)"}));
    EXPECT_EQ(window.lstStats->columnCount(), 13);

    window.chkDisableMarkers->click();
    EXPECT_TRUE(markerLabels(window).isEmpty());
    EXPECT_EQ(legendNames(window), QStringList({"Start", "End"}));
    EXPECT_EQ(window.lstStats->rowCount(), 3);

    window.chkLegend->click();
    EXPECT_TRUE(legendNames(window).isEmpty());
}

TEST_F(PlotTrackWindowTest, TheBoxesActOnTheirStateWhenAScreenReaderTogglesThem) {
    gCurrentSessionKey = addGpsActivity(20, 25);
    frmPlotTrack window;
    window.show();
    const auto toggle = [](QWidget *box) {
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(box);
        ASSERT_NE(accessible, nullptr);
        ASSERT_NE(accessible->actionInterface(), nullptr);
        accessible->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
    };

    toggle(window.chkLegend);
    EXPECT_TRUE(window.chkLegend->isChecked());
    EXPECT_TRUE(legendNames(window).isEmpty());
    toggle(window.chkDisableMarkers);
    EXPECT_TRUE(markerLabels(window).isEmpty());
    toggle(window.chkLegend);
    EXPECT_EQ(legendNames(window), QStringList({"Start", "End"}));
}

TEST_F(PlotTrackWindowTest, PositionsWithoutAFixAreNotDrawn) {
    const SessionKey key = addActivity(5, 300, 0.5);
    testing::storeSamples(gConn, key,
                          {gpsRow(0, 0.1, 100, 45, -73), gpsRow(60, 0.2, 100, 0, 0, 0),
                           gpsRow(120, 0.3, 100, 45.001, -73.001)});
    gCurrentSessionKey = key;
    frmPlotTrack window;
    auto *track = static_cast<QLineSeries *>(chart(window).series().at(0));
    ASSERT_EQ(track->count(), 2);
    EXPECT_GT(track->at(1).y(), 0.78);
}

TEST_F(PlotTrackWindowTest, WithoutAnActivityOrPositionsItSaysSoAndShowsNothing) {
    const SessionKey speedOnly = addSpeedActivity(1);
    const struct {
        SessionKey key;
        const char *message;
    } cases[] = {{0, "Please select an activity."},
                 {speedOnly, "There are no workouts with positional data for the selected date."}};
    for (const auto &c : cases) {
        gCurrentSessionKey = c.key;
        testing::ScriptedDialogs dialogs;
        frmPlotTrack window;
        ASSERT_EQ(dialogs.shown().size(), 1u);
        EXPECT_EQ(dialogs.shown()[0].text, c.message);
        EXPECT_EQ(window.lstStats->rowCount(), 0);
        EXPECT_EQ(static_cast<QLineSeries *>(chart(window).series().at(0))->count(), 0);
        EXPECT_EQ(gPlotSessionKey, c.key);
    }
}

TEST_F(PlotTrackWindowTest, TheSampleTableBorrowsTheGraphTableAndGivesItBack) {
    gCurrentSessionKey = addGpsActivity(5, 10);
    gGraphTable = {"Day\tDistance", "1\t2.5", "2\t3"};
    const QStringList before = gGraphTable;
    frmPlotTrack window;

    QStringList shown;
    int rows = -1;
    QTimer::singleShot(0, [&] {
        auto *viewer = qobject_cast<frmTabularData2 *>(QApplication::activeModalWidget());
        ASSERT_NE(viewer, nullptr);
        shown = gGraphTable;
        rows = viewer->lstTabData->rowCount();
        viewer->accept();
    });
    emit window.resImage[0]->clicked();

    EXPECT_EQ(rows, 10);
    EXPECT_EQ(shown.value(0), "Time\tLatitude\tLongitude\tAltitude (feet)");
    EXPECT_EQ(gGraphTable, before);
}

TEST_F(PlotTrackWindowTest, CopyStatisticsGivesTheHeadingsAndSelectedRows) {
    const LocaleScope english(QLocale(QLocale::English, QLocale::UnitedStates));
    gCurrentSessionKey = addGpsActivity(5, 25);
    frmPlotTrack window;
    window.lstStats->selectRow(2);
    emit window.resImage[2]->clicked();

    EXPECT_TRUE(clipboardText().startsWith("Marker\tSplit (hh:mm:ss)\t"));
    EXPECT_TRUE(clipboardText().endsWith("\r\n2\t00:19:00\t00:10:00\t2\t6\t10:00\t+ 50\t45\t0\t188\tN 45"
                                         "\u00b0 1' 2.5\"\tW 72\u00b0 58' 36.6\"\r\n"));
}

TEST_F(PlotTrackWindowTest, TheSavedPictureIs640By480UnderTheWindowsName) {
    gCurrentSessionKey = addGpsActivity(5, 25);
    frmPlotTrack window;
    window.show();
    const QTemporaryDir folder;
    const QString path = folder.filePath("track.jpg");
    QString offered;
    const auto previous =
        platform::dialogs::setFileHandler([&](const platform::dialogs::FileRequest &request) {
            offered = request.directory;
            return path;
        });
    testing::ScriptedDialogs dialogs;

    runTool(window, "save");
    platform::dialogs::setFileHandler(previous);

    EXPECT_EQ(offered, "Course Statistics.jpg");
    const QImageReader picture(path);
    EXPECT_EQ(picture.format(), "jpeg");
    EXPECT_EQ(picture.size(), QSize(640, 480));
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_TRUE(chart(window).title().startsWith("Activity on "));
}

TEST_F(PlotTrackWindowTest, TheTrackIsPrintedAndCopiedAsAPicture) {
    gCurrentSessionKey = addGpsActivity(5, 25);
    frmPlotTrack window;
    window.show();
    const QTemporaryDir folder;
    const QString pdf = folder.filePath("track.pdf");
    const auto previous = charts::setPrinterChooser([&](QPrinter &printer, QWidget *) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    });

    runTool(window, "print");
    charts::setPrinterChooser(previous);
    QApplication::clipboard()->clear();
    runTool(window, "clipboard");

    EXPECT_GT(QFile(pdf).size(), 1000);
    EXPECT_FALSE(QApplication::clipboard()->image().isNull());
}

TEST_F(PlotTrackWindowTest, AZoomOffersTheOriginalViewThatDrawsThePlotAgain) {
    gCurrentSessionKey = addGpsActivity(5, 25);
    frmPlotTrack window;
    window.show();
    QApplication::processEvents();
    EXPECT_FALSE(window.resImage[1]->isVisible());
    const auto *across = qobject_cast<QValueAxis *>(chart(window).axes(Qt::Horizontal).value(0));
    ASSERT_NE(across, nullptr);
    const double drawnWidth = across->max() - across->min();

    const QRectF plot = chart(window).plotArea();
    window.TChart1->zoomTo(
        QRect(window.TChart1->mapFromScene(plot.topLeft()), window.TChart1->mapFromScene(plot.center())));
    EXPECT_TRUE(window.resImage[1]->isVisible());
    QApplication::processEvents();
    for (QAction *tool : window.Toolbar2->actions())
        EXPECT_TRUE(window.Toolbar2->widgetForAction(tool)->isVisible()) << tool->objectName().toStdString();

    emit window.resImage[1]->clicked();
    const auto *redrawn = qobject_cast<QValueAxis *>(chart(window).axes(Qt::Horizontal).value(0));
    ASSERT_NE(redrawn, nullptr);
    EXPECT_NEAR(redrawn->max() - redrawn->min(), drawnWidth, drawnWidth * 1e-6);
    EXPECT_FALSE(window.TChart1->isZoomed());
    EXPECT_TRUE(window.resImage[1]->isVisible()); // offered until the window closes
}

TEST_F(PlotTrackWindowTest, AxesShowTheirNumbersAndMarkerNumbersNeitherCrowdNorLeaveThePlot) {
    gCurrentSessionKey = addGpsActivity(5, 1190); // 119 miles: a marker every mile
    frmPlotTrack window;
    window.show();
    QApplication::processEvents();
    shown::expectNumbersAtEveryTick(chart(window), "track");

    const auto expectApartInsideThePlot = [&](const char *view) {
        std::vector<QRectF> shownNumbers;
        for (const QGraphicsSimpleTextItem *number : markerNumbers(window)) {
            if (!number->isVisible())
                continue;
            const QRectF place = number->mapRectToParent(number->boundingRect());
            EXPECT_TRUE(chart(window).plotArea().contains(place))
                << view << ": " << number->text().toStdString();
            for (const QRectF &other : shownNumbers)
                EXPECT_FALSE(other.intersects(place)) << view << ": " << number->text().toStdString();
            shownNumbers.push_back(place);
        }
        EXPECT_GE(shownNumbers.size(), 3u) << view;
        EXPECT_LT(shownNumbers.size(), 119u) << view;
    };
    expectApartInsideThePlot("drawn");
    const QRect plot = window.TChart1->mapFromScene(chart(window).plotArea()).boundingRect();
    window.TChart1->zoomTo(plot.adjusted(0, 0, -plot.width() / 3, 0));
    while (window.TChart1->isAnimating())
        QApplication::processEvents();
    window.TChart1->panBy(plot.width() / 3);
    expectApartInsideThePlot("zoomed and panned");
    EXPECT_EQ(markerNumbers(window).size(), 118u) << "every cross but the end keeps its number, shown or not";
}

TEST_F(PlotTrackWindowTest, TheStartAndEndOnTheEdgesOfTheTrackShowWhole) {
    gCurrentSessionKey = addGpsActivity(5, 25); // north-east: start and end at opposite corners
    frmPlotTrack window;
    window.show();
    QApplication::processEvents();
    for (const char *name : {"Start", "End"}) {
        auto *point = static_cast<QScatterSeries *>(seriesNamed(window, name).at(0));
        ASSERT_EQ(point->count(), 1) << name;
        const QPointF at = chart(window).mapToPosition(point->at(0), point);
        const double half = point->markerSize() / 2;
        EXPECT_TRUE(chart(window).plotArea().adjusted(half, half, -half, -half).contains(at)) << name;
    }
}

TEST_F(PlotTrackWindowTest, AOneSampleOrLevelTrackStandsInsideThePlot) {
    const struct {
        const char *name;
        std::vector<testing::SampleRow> samples;
    } cases[] = {
        {"one sample", {gpsRow(0, 0.1, 100, 45, -73)}},
        {"due east", {gpsRow(0, 0.1, 100, 45, -73), gpsRow(60, 0.2, 100, 45, -72.998)}},
        {"due north", {gpsRow(0, 0.1, 100, 45, -73), gpsRow(60, 0.2, 100, 45.002, -73)}},
    };
    for (const auto &c : cases) {
        const SessionKey key = addActivity(5, 60, 0.2);
        testing::storeSamples(gConn, key, c.samples);
        gCurrentSessionKey = key;
        frmPlotTrack window;
        window.show();
        QApplication::processEvents();
        const QRectF plot = chart(window).plotArea();
        for (const char *name : {"Start", "End"}) {
            auto *point = static_cast<QScatterSeries *>(seriesNamed(window, name).at(0));
            ASSERT_EQ(point->count(), 1) << c.name << ": " << name;
            const double half = point->markerSize() / 2;
            EXPECT_TRUE(plot.adjusted(half, half, -half, -half)
                            .contains(chart(window).mapToPosition(point->at(0), point)))
                << c.name << ": " << name;
        }
    }
}

TEST_F(PlotTrackWindowTest, MarkerNumbersLeaveTheStartAndEndMarksInSight) {
    // 2.1 miles: at every interval the last marker's number would fall on the end.
    gCurrentSessionKey = addGpsActivity(5, 21);
    frmPlotTrack window;
    window.show();
    for (const int listIndex : {0, 1, 2}) {
        window.cmbUnits->setCurrentIndex(listIndex);
        emit window.cmbUnits->activated(listIndex);
        QApplication::processEvents();
        for (const char *name : {"Start", "End"}) {
            auto *point = static_cast<QScatterSeries *>(seriesNamed(window, name).at(0));
            const double size = point->markerSize();
            const QPointF at = chart(window).mapToPosition(point->at(0), point);
            const QRectF mark(at - QPointF(size / 2, size / 2), QSizeF(size, size));
            for (QGraphicsSimpleTextItem *number : markerNumbers(window))
                EXPECT_FALSE(number->isVisible() &&
                             number->mapRectToScene(number->boundingRect()).intersects(mark))
                    << name << " under number " << number->text().toStdString() << " at list entry "
                    << listIndex;
        }
    }
}

TEST_F(PlotTrackWindowTest, MarkerNumbersStandOverTheCrossesAndTheTrackAndReadTheSameEverywhere) {
    gCurrentSessionKey = addGpsActivity(5, 1190); // a marker every mile: numbers over other crosses
    frmPlotTrack window;
    window.show();
    QApplication::processEvents();
    const QImage picture = charts::renderImage(chart(window), chart(window).size().toSize());

    int compared = 0;
    for (QGraphicsSimpleTextItem *number : markerNumbers(window)) {
        if (!number->isVisible())
            continue;
        // The number drawn alone on white, and what the chart shows in its place.
        const QRect place = number->mapRectToScene(number->boundingRect()).toAlignedRect();
        QImage alone(place.size(), QImage::Format_ARGB32_Premultiplied);
        alone.fill(Qt::white);
        {
            QPainter painter(&alone);
            painter.translate(number->mapToScene(QPointF()) - place.topLeft());
            QStyleOptionGraphicsItem option;
            number->paint(&painter, &option, nullptr);
        }
        int differing = 0;
        for (int y = 1; y < place.height() - 1; ++y)
            for (int x = 1; x < place.width() - 1; ++x) {
                const QColor shown = picture.pixelColor(place.topLeft() + QPoint(x, y));
                const QColor own = alone.pixelColor(x, y);
                if (std::abs(shown.red() - own.red()) > 48 || std::abs(shown.green() - own.green()) > 48)
                    ++differing;
            }
        EXPECT_LE(differing, place.width() * place.height() / 20) << number->text().toStdString();
        ++compared;
    }
    EXPECT_GE(compared, 3);
}

} // namespace
