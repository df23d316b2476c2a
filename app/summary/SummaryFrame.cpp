#include "summary/SummaryFrame.h"

#include "charts/BucketAxis.h"
#include "charts/ChartFrame.h"
#include "charts/DurationAxis.h"
#include "core/modHelpersDates.h"
#include "core/modLocalisation.h"
#include "platform/BusyCursor.h"
#include "platform/Dialogs.h"
#include "platform/FailureCauses.h"

#include <QChart>
#include <QValueAxis>

#include <optional>
#include <stdexcept>

namespace summary {
namespace {

const QColor kBarColour = charts::colourFromValue(5414482);
const QColor kGoalColour = charts::colourFromValue(6488064);
const QColor kBucketAxisColour = charts::colourFromValue(5553837);
const QColor kValueAxisColour = charts::colourFromValue(5553833);
// Black, then green, magenta, dark blue and red from zone 1 up.
constexpr std::array<int, kZones> kZoneColours{0, 5414482, 16711935, 6488064, 255};

// The number of a failure that is not the database's: 5 for a call with an impossible argument.
int errorNumber(const std::exception &error) {
    return dynamic_cast<const std::invalid_argument *>(&error) ? 5 : 0;
}

} // namespace

SummaryChart::SummaryChart(QChart *chart, const BucketRange &buckets, ValueKind kind,
                           const QString &valueTitle, const QString &bucketTitle)
    : chart_(chart) {
    if (!chart_)
        return;
    charts::reset(*chart_);
    buckets_ = charts::addBucketAxis(*chart_, AxisLabels(buckets, DateLabels()));
    buckets_->setTitleText(bucketTitle);
    if (kind == ValueKind::Duration)
        values_ = charts::addDurationAxis(*chart_, Qt::AlignLeft, modHelpers::GetTimeSeparator());
    else
        values_ = charts::addValueAxis(*chart_, Qt::AlignLeft);
    values_->setTitleText(valueTitle);
    charts::colourAxis(*buckets_, kBucketAxisColour, kBucketAxisColour);
    charts::colourAxis(*values_, kValueAxisColour, kValueAxisColour.lighter(140));
}

void SummaryChart::addBars(const QList<qreal> &values) {
    smallest_ = std::min(smallest_, charts::smallestOf(values));
    largest_ = std::max(largest_, charts::largestOf(values));
    if (chart_)
        charts::addBars(*chart_, *buckets_, *values_, {QString(), kBarColour, values});
}

void SummaryChart::addGoals(const QList<qreal> &goals) {
    smallest_ = std::min(smallest_, charts::smallestOf(goals));
    largest_ = std::max(largest_, charts::largestOf(goals));
    if (chart_)
        charts::addBucketLine(*chart_, *buckets_, *values_, goals, kGoalColour);
}

void SummaryChart::addZones(const std::array<QList<qreal>, kZones> &zones, const QStringList &titles) {
    std::vector<charts::BarLayer> layers;
    QList<qreal> stacked(zones[0].size(), 0.0);
    for (int zone = 0; zone < kZones; ++zone) {
        layers.push_back({titles.value(zone), charts::colourFromValue(kZoneColours[zone]), zones[zone]});
        for (qsizetype i = 0; i < stacked.size() && i < zones[zone].size(); ++i)
            stacked[i] += zones[zone][i];
    }
    largest_ = std::max(largest_, charts::largestOf(stacked));
    if (!chart_)
        return;
    charts::addStackedBars(*chart_, *buckets_, *values_, layers);
    charts::showLegend(*chart_);
}

void SummaryChart::finish(double headroom) {
    if (values_)
        charts::scaleFromZero(*values_, smallest_, largest_, headroom);
}

void RunGraph(int errorStringId, const std::function<void()> &work) {
    std::optional<QString> failure;
    {
        const platform::cursor::BusyCursor busy;
        try {
            work();
        } catch (const std::exception &error) {
            failure = platform::failures::describe(modLocalisation::LoadResString(errorStringId), error,
                                                   errorNumber(error));
        }
    }
    if (failure)
        platform::dialogs::message(*failure, QStringLiteral("Runvella"), platform::dialogs::Icon::None);
}

QString WithUnit(int stringId, const QString &unit) {
    return modLocalisation::LoadResString(stringId) + QStringLiteral(" (") + unit + QLatin1Char(')');
}

} // namespace summary
