#include "sessionview/SessionGraphFrame.h"

#include "charts/ChartFrame.h"
#include "core/StoredActivity.h"
#include "core/modHelpersDates.h"
#include "core/modLocalisation.h"
#include "platform/BusyCursor.h"
#include "platform/FailureCauses.h"
#include "platform/ReportedFailures.h"
#include "sessionview/SessionGraphChart.h"
#include "sessionview/SessionGraphChoice.h"
#include "sessionview/SessionGraphTitles.h"
#include "sessionview/SessionRowDerivation.h"
#include "sessionview/SessionSamples.h"

#include <QChartView>
#include <QComboBox>
#include <QLabel>

#include <initializer_list>
#include <stdexcept>

namespace sessionview {
namespace {

using Quantity = SessionGraphQuantity;

constexpr int kDrawingFailed = 1500;
constexpr int kNoRecordedData = 1342;

void setVisible(std::initializer_list<QWidget *> controls, bool visible) {
    for (QWidget *control : controls)
        control->setVisible(visible);
}

void focusActivityList(const SessionPane &pane) {
    if (pane.ListView1->isVisible() && pane.ListView1->isEnabled())
        pane.ListView1->setFocus();
}

void caption(const SessionPane &pane, const StoredActivity &activity) {
    pane.GraphLabel->setText(modLocalisation::LoadResString(1714) + ' ' + GeneralDateText(activity.start));
    pane.GraphLabel->show();
}

void writeTable(const QString &headings, const QStringList &lines) {
    gGraphTable = QStringList{headings} + lines;
}

GraphPreferences preferences() {
    return {gPrimaryUnit, gUseSmoothing, modHelpers::GetTimeSeparator()};
}

ChartSide side(const GraphSeries &series, const AxisScale &scale) {
    return {series, AxisTitle(series.quantity, gPrimaryUnit), scale};
}

TimeSpan spanOf(const std::vector<SessionSample> &samples) {
    if (samples.empty())
        return {};
    return {Elapsed(samples.front().seconds).secondsOfDay, Elapsed(samples.back().seconds).secondsOfDay};
}

// The chart in the note's place, under the activity's caption.
void showDrawnChart(const SessionPane &pane, const StoredActivity &activity) {
    setVisible({pane.resImage5, pane.resSummary, pane.TChart3}, true);
    setVisible({pane.lblNote, pane.lblSelectGraph, pane.Combo1, pane.Combo2, pane.Combo3, pane.Label1},
               false);
    caption(pane, activity);
}

void heartRateGraph(const SessionPane &pane, const StoredActivity &activity) {
    gShownSessionKey = activity.key;
    pane.TChart3->show();
    setVisible({pane.cmbGraph1, pane.cmbGraph2, pane.lblGraphLeft1, pane.lblGraphLeft2, pane.lblGraphRight1,
                pane.lblGraphRight2, pane.resImagePlot, pane.lblNote, pane.Combo3},
               false);
    setVisible({pane.resImage5, pane.resSummary}, true);

    const std::vector<SessionSample> samples = ReadSessionSamples(activity.key);
    const SessionGraphData data = DeriveHeartRateGraph(samples);
    const QString separator = modHelpers::GetTimeSeparator();
    DrawSessionChart(*pane.TChart3->chart(), side(data.left, HeartRateOnlyScale(data.left.points)),
                     std::nullopt, {TimeAxisTitles(separator), separator, QString()}, spanOf(samples));
    caption(pane, activity);
    writeTable(TableHeadings(kHeartRateSession, false, gPrimaryUnit), data.lines);
}

void twoQuantityGraph(const SessionPane &pane, const StoredActivity &activity) {
    const Quantity left = ChosenQuantity(*pane.cmbGraph1);
    const Quantity right = ChosenQuantity(*pane.cmbGraph2);
    QChart &chart = *pane.TChart3->chart();
    const std::vector<SessionSample> samples = ReadSessionSamples(activity.key);
    const GraphPreferences chosen = preferences();
    const ChartTexts texts{TimeAxisTitles(chosen.timeSeparator), chosen.timeSeparator,
                           DistanceAxisTitle(gPrimaryUnit)};
    if (left == Quantity::None && right == Quantity::None) {
        // Nothing chosen: the chart shows its axes alone, the table stays, and the next call
        // draws again.
        DrawSessionChart(chart, side({}, {}), std::nullopt, texts, spanOf(samples));
        showDrawnChart(pane, activity);
        return;
    }
    gShownSessionKey = activity.key;
    const bool joined = activity.type == kJoinedSession;
    const SessionSample *first =
        joined ? FirstSpeedSample(samples) : (samples.empty() ? nullptr : &samples[0]);
    const bool hasGps = first && first->dataType == kGpsSample;
    pane.resImagePlot->setVisible(hasGps && first->hasPosition);

    const SessionGraphData data = joined ? DeriveJoinedGraph(samples, left, right, chosen)
                                         : DeriveSpeedGraph(samples, activity.type, left, right, chosen);
    const PaceRange pace{gPaceMin, gPaceMax};
    DrawSessionChart(chart, side(data.left, ScaleForSide(left, data.left.points, activity.type, pace)),
                     side(data.right, ScaleForSide(right, data.right.points, activity.type, pace)), texts,
                     spanOf(samples));
    showDrawnChart(pane, activity);
    writeTable(TableHeadings(activity.type, hasGps, gPrimaryUnit), data.lines);
}

void note(const SessionPane &pane) {
    setVisible({pane.TChart3, pane.Combo1, pane.Combo2, pane.cmbGraph1, pane.cmbGraph2, pane.lblGraphLeft1,
                pane.lblGraphLeft2, pane.lblGraphRight1, pane.lblGraphRight2, pane.GraphLabel, pane.Label1,
                pane.resImage5, pane.resImage6, pane.resImagePlot, pane.Combo3, pane.lblSelectGraph},
               false);
    setVisible({pane.lblNote, pane.resSummary}, true);
    gGraphTable = QStringList{QString()};
    gCurrentGraph = QStringLiteral("note");
    pane.lblNote->setText(modLocalisation::LoadResString(kNoRecordedData));
}

void draw(const SessionPane &pane, SessionKey key, FocusAfter focus) {
    RunDatabaseUpgrade(key);
    const auto activity = ReadActivity(key);
    if (!activity)
        return;
    if (gCurrentGraph == QLatin1String("session") && key == gShownSessionKey) {
        pane.GraphLabel->show();
        return;
    }
    setVisible({pane.cmbGraph1, pane.cmbGraph2, pane.lblGraphLeft1, pane.lblGraphLeft2, pane.lblGraphRight1,
                pane.lblGraphRight2, pane.GraphLabel},
               true);
    setVisible({pane.Combo1, pane.Combo2, pane.Label1, pane.lblSelectGraph, pane.Label3}, false);
    gCurrentGraph = QStringLiteral("session");
    switch (activity->type) {
    case kHeartRateSession:
        heartRateGraph(pane, *activity);
        break;
    case kSpeedSession:
    case kGpsSession:
    case kJoinedSession:
        twoQuantityGraph(pane, *activity);
        break;
    default:
        note(pane);
        break;
    }
    if (focus == FocusAfter::ActivityList)
        focusActivityList(pane);
}

} // namespace

void showSessionGraph(const SessionPane &pane, SessionKey key, FocusAfter focus) {
    if (key <= 0)
        return;
    const platform::cursor::BusyCursor busy;
    pane.resImage6->hide();
    platform::failures::runReported([&] {
        try {
            draw(pane, key, focus);
        } catch (const std::exception &failure) {
            throw std::runtime_error(
                platform::failures::describe(modLocalisation::LoadResString(kDrawingFailed), failure)
                    .toStdString());
        }
    });
}

} // namespace sessionview
