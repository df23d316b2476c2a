#include "charts/ChartTools.h"
#include "charts/ChartFrame.h"
#include "charts/ChartView.h"

#include "common/ScriptedDialogs.h"
#include "common/TestHome.h"
#include "core/Globals.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QMouseEvent>
#include <QPrinter>
#include <QScopedValueRollback>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <QValueAxis>
#include <gtest/gtest.h>

namespace {

using platform::dialogs::Answer;

class ChartToolsTest : public ::testing::Test {
protected:
    void SetUp() override {
        QChart &shown = *view.chart();
        time = charts::addValueAxis(shown, Qt::AlignBottom);
        values = charts::addValueAxis(shown, Qt::AlignLeft);
        charts::addLine(shown, *time, *values, {{0, 0}, {50, 40}, {100, 10}}, {Qt::blue});
        time->setRange(0, 100);
        values->setRange(0, 50);
        view.resize(600, 400);
        view.show();
        QApplication::processEvents();
    }
    void TearDown() override { platform::dialogs::setFileHandler(previous); }

    // The save dialog answers with this path and notes the title the chart had while it was open.
    void chooseFile(const QString &path) {
        previous =
            platform::dialogs::setFileHandler([this, path](const platform::dialogs::FileRequest &request) {
                EXPECT_EQ(request.kind, platform::dialogs::FileDialogKind::Save);
                EXPECT_EQ(request.caption, "Save");
                EXPECT_EQ(request.directory, "Activity.jpg");
                titleWhileOpen = view.chart()->title();
                return path;
            });
    }

    void waitForZoom() {
        while (view.isAnimating()) {
            QEventLoop loop;
            QTimer::singleShot(5, &loop, &QEventLoop::quit);
            loop.exec();
        }
    }

    void drag(Qt::MouseButton button, QPoint from, QPoint to) {
        QMouseEvent press(QEvent::MouseButtonPress, from, view.viewport()->mapToGlobal(from), button, button,
                          Qt::NoModifier);
        QApplication::sendEvent(view.viewport(), &press);
        QMouseEvent move(QEvent::MouseMove, to, view.viewport()->mapToGlobal(to), Qt::NoButton, button,
                         Qt::NoModifier);
        QApplication::sendEvent(view.viewport(), &move);
        QMouseEvent release(QEvent::MouseButtonRelease, to, view.viewport()->mapToGlobal(to), button,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(view.viewport(), &release);
    }

    testing::TestHome home;
    QTemporaryDir folder;
    charts::ChartView view{new QChart};
    QValueAxis *time = nullptr;
    QValueAxis *values = nullptr;
    QString titleWhileOpen;
    platform::dialogs::FileHandler previous;
};

TEST_F(ChartToolsTest, SavingWritesA640By480JpegUnderTheDescribingTitle) {
    testing::ScriptedDialogs dialogs;
    const QString path = folder.filePath("week.jpg");
    chooseFile(path);

    charts::RunChartTool(*view.chart(), "save", {"Goals: weekly activity time", "This month"}, &view);

    EXPECT_EQ(titleWhileOpen, "Goals: weekly activity time<br>This month");
    EXPECT_EQ(view.chart()->title(), "");
    QImageReader picture(path);
    EXPECT_EQ(picture.format(), "jpeg");
    EXPECT_EQ(picture.size(), QSize(640, 480));
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(ChartToolsTest, CancellingTheSaveWritesNothingAndSaysNothing) {
    testing::ScriptedDialogs dialogs;
    chooseFile(QString());
    view.chart()->setTitle("kept");

    charts::RunChartTool(*view.chart(), "save", {"Activity on 3/9/2026 7:05:09 AM"}, &view);

    EXPECT_EQ(titleWhileOpen, "kept<br>Activity on 3/9/2026 7:05:09 AM");
    EXPECT_EQ(view.chart()->title(), "kept");
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(ChartToolsTest, TheSaveDialogOffersPicturesInTheChosenLanguage) {
    const QScopedValueRollback language(gLanguageOffset, 3000);
    QString filter;
    previous = platform::dialogs::setFileHandler([&filter](const platform::dialogs::FileRequest &request) {
        filter = request.filter;
        return QString();
    });

    charts::RunChartTool(*view.chart(), "save", {}, &view);

    EXPECT_EQ(filter, "JPEG-Bilder (*.jpg);;Alle Dateien (*)");
}

TEST_F(ChartToolsTest, AnExistingFileIsReplacedOnlyWhenTheAthleteSaysSo) {
    const QString path = folder.filePath("old.jpg");
    for (Answer answer : {Answer::No, Answer::Yes}) {
        SCOPED_TRACE(answer == Answer::Yes ? "yes" : "no");
        {
            QFile old(path);
            ASSERT_TRUE(old.open(QIODevice::WriteOnly | QIODevice::Truncate));
            old.write("not a picture");
        }
        testing::ScriptedDialogs dialogs;
        dialogs.answer(answer);
        chooseFile(path);

        charts::SaveChartPicture(*view.chart(), &view);

        ASSERT_EQ(dialogs.shown().size(), 1u);
        EXPECT_EQ(dialogs.shown()[0].text, "old.jpg already exists. Do you want to replace it?");
        EXPECT_EQ(QImageReader(path).canRead(), answer == Answer::Yes);
    }
}

TEST_F(ChartToolsTest, AFailedSaveSaysSoWithItsNumber) {
    testing::ScriptedDialogs dialogs;
    chooseFile(folder.filePath("missing/graph.jpg"));

    charts::SaveChartPicture(*view.chart(), &view);

    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_TRUE(dialogs.shown()[0].text.contains(QRegularExpression("^Error saving graph\\d+$")))
        << dialogs.shown()[0].text.toStdString();
    EXPECT_EQ(dialogs.shown()[0].title, "Runvella");
}

TEST_F(ChartToolsTest, PrintingAndCopyingDrawUnderTheTitleAndRestoreIt) {
    const QString pdf = folder.filePath("printed.pdf");
    const auto previousChooser = charts::setPrinterChooser([&](QPrinter &printer, QWidget *) {
        titleWhileOpen = view.chart()->title();
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    });
    charts::RunChartTool(*view.chart(), "print", {"Daily distance", "Last year"}, &view);
    EXPECT_EQ(titleWhileOpen, "Daily distance<br>Last year");
    EXPECT_EQ(view.chart()->title(), "");
    EXPECT_GT(QFile(pdf).size(), 1000);

    QFile::remove(pdf);
    charts::setPrinterChooser([](QPrinter &, QWidget *) { return false; });
    charts::RunChartTool(*view.chart(), "print", {"Daily distance"}, &view);
    EXPECT_FALSE(QFile::exists(pdf));
    charts::setPrinterChooser(previousChooser);

    QApplication::clipboard()->clear();
    charts::RunChartTool(*view.chart(), "clipboard", {"Daily distance"}, &view);
    EXPECT_FALSE(QApplication::clipboard()->image().isNull());
    EXPECT_EQ(view.chart()->title(), "");
}

TEST_F(ChartToolsTest, ZoomNarrowsEveryAxisInStepsAndUndoingBringsTheDrawnViewBack) {
    int zoomed = 0;
    int undone = 0;
    QObject::connect(&view, &charts::ChartView::zoomed, [&] { ++zoomed; });
    QObject::connect(&view, &charts::ChartView::zoomUndone, [&] { ++undone; });
    const QRectF plot = view.chart()->plotArea();
    const QPoint from = view.mapFromScene(plot.topLeft() + QPointF(plot.width() / 4, plot.height() / 5));
    const QPoint to = view.mapFromScene(plot.topLeft() + QPointF(plot.width() / 2, plot.height() / 2));

    drag(Qt::LeftButton, from, to);
    EXPECT_TRUE(view.isAnimating());
    waitForZoom();

    EXPECT_EQ(zoomed, 1);
    EXPECT_TRUE(view.isZoomed());
    EXPECT_NEAR(time->min(), 25, 1);
    EXPECT_NEAR(time->max(), 50, 1);
    EXPECT_NEAR(values->max(), 40, 1);
    EXPECT_NEAR(values->min(), 25, 1);

    drag(Qt::LeftButton, to, from); // up and to the left
    EXPECT_EQ(undone, 1);
    EXPECT_FALSE(view.isZoomed());
    EXPECT_EQ(time->min(), 0);
    EXPECT_EQ(time->max(), 100);
    EXPECT_EQ(values->max(), 50);
}

TEST(ChartViewPanning, AViewMovesAsFarAsAskedWithinTheDrawnGraphOnly) {
    const struct {
        double low, high, shift;
        double moved;
    } cases[] = {
        {25, 50, 10, 10},    // left, well inside
        {25, 50, 30, 25},    // left, stops at the start
        {25, 50, -80, -50},  // right, stops at the end
        {0, 100, 10, 0},     // the whole graph in view: nowhere to go
        {-10, 90, 5, 0},     // beyond the start already: no further out
        {-10, 90, -15, -10}, // but back in
        {-10, 110, -15, 0},  // wider than the graph: stays
    };
    for (const auto &c : cases)
        EXPECT_DOUBLE_EQ(charts::shiftWithin(c.low, c.high, c.shift, 0, 100), c.moved)
            << c.low << " to " << c.high << " by " << c.shift;
}

TEST_F(ChartToolsTest, PanningMovesOnlyTheTimeAxisAndOnlyOverWhatWasDrawn) {
    int scrolled = 0;
    QObject::connect(&view, &charts::ChartView::scrolled, [&] { ++scrolled; });
    const auto pan = [&](double units) {
        const QPoint from = view.mapFromScene(view.chart()->plotArea().center());
        const double pixelsPerUnit = view.chart()->plotArea().width() / (time->max() - time->min());
        drag(Qt::RightButton, from, from + QPoint(qRound(units * pixelsPerUnit), 30));
    };

    pan(10); // the whole graph is in view
    EXPECT_EQ(scrolled, 0);
    EXPECT_FALSE(view.isZoomed());

    view.zoomTo(view.mapFromScene(view.chart()->plotArea()).boundingRect().adjusted(150, 0, -150, 0));
    waitForZoom();
    const double shown = time->max() - time->min();
    pan(-1000); // towards the end, past it
    EXPECT_GE(scrolled, 1);
    EXPECT_NEAR(time->max(), 100, 1e-9);
    EXPECT_NEAR(time->max() - time->min(), shown, 1e-9);
    pan(1000); // towards the start, past it
    EXPECT_NEAR(time->min(), 0, 1e-9);
    EXPECT_TRUE(view.isZoomed());

    charts::reset(*view.chart()); // a graph drawn afresh
    EXPECT_FALSE(view.isZoomed());
}

} // namespace
