#include "analysis/TrackPlot.h"

#include "analysis/CourseText.h"
#include "core/Numbers.h"
#include "core/Units.h"
#include "core/modHelpersFormatting.h"
#include "core/modLocalisation.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace analysis {
namespace {

constexpr double kRadiansPerDegree = std::numbers::pi / 180;

TrackBox boxOf(const std::vector<CourseSample> &samples) {
    const auto firstFix =
        std::find_if(samples.begin(), samples.end(), [](const auto &s) { return s.hasFix(); });
    if (firstFix == samples.end()) {
        const CourseSample &first = samples.front();
        const double latitude = first.latitude.value_or(0);
        const double longitude = first.longitude.value_or(0);
        return {latitude, latitude, longitude, longitude};
    }
    TrackBox box{*firstFix->latitude, *firstFix->latitude, *firstFix->longitude, *firstFix->longitude};
    for (auto sample = firstFix; sample != samples.end(); ++sample) {
        if (!sample->hasFix())
            continue;
        box.minLatitude = std::min(box.minLatitude, *sample->latitude);
        box.maxLatitude = std::max(box.maxLatitude, *sample->latitude);
        box.minLongitude = std::min(box.minLongitude, *sample->longitude);
        box.maxLongitude = std::max(box.maxLongitude, *sample->longitude);
    }
    return box;
}

} // namespace

TrackPlot PlotTrack(const std::vector<CourseSample> &samples, const std::vector<CourseRow> &rows) {
    TrackPlot plot;
    if (samples.empty())
        return plot;
    plot.box = boxOf(samples);
    const TrackBox &box = plot.box;
    const double middleLatitude = (box.minLatitude + box.maxLatitude) / 2 * kRadiansPerDegree;
    const double middleLongitude = (box.minLongitude + box.maxLongitude) / 2 * kRadiansPerDegree;
    const double squeeze = std::cos(middleLatitude);
    const auto project = [&](const CourseSample &sample) {
        return QPointF(squeeze * (*sample.longitude * kRadiansPerDegree - middleLongitude) + middleLongitude,
                       *sample.latitude * kRadiansPerDegree);
    };

    for (const CourseSample &sample : samples) {
        if (sample.hasFix())
            plot.track.push_back(project(sample));
    }
    if (!plot.track.empty()) {
        plot.start = plot.track.front();
        plot.end = plot.track.back();
    }
    for (const CourseRow &row : rows) {
        if (row.kind == CourseRow::Kind::Marker && samples[row.sample].hasFix())
            plot.markers.push_back({project(samples[row.sample]), row.marker});
    }

    plot.width = squeeze * (box.maxLongitude - box.minLongitude) * kRadiansPerDegree;
    plot.height = (box.maxLatitude - box.minLatitude) * kRadiansPerDegree;
    plot.horizontal = {middleLongitude - plot.width / 2, middleLongitude + plot.width / 2};
    plot.vertical = {box.minLatitude * kRadiansPerDegree, box.maxLatitude * kRadiansPerDegree};
    // The shorter side gets room on both ends, so the plot is not stretched along it.
    if (plot.width < plot.height) {
        const double d = (plot.height - plot.width) / 2;
        plot.horizontal = {plot.horizontal.min - d, plot.horizontal.max + d};
    } else {
        const double d = (plot.width - plot.height) / 2;
        plot.vertical = {plot.vertical.min - d, plot.vertical.max + d};
    }
    return plot;
}

QStringList TrackTableLines(const std::vector<CourseSample> &samples, const QString &unit,
                            bool heavySmoothing) {
    using modLocalisation::LoadResString;
    const bool metric = unit == QLatin1String("km");
    const double a = heavySmoothing ? 0.8 : 0.6;
    QStringList lines{LoadResString(1600) + '\t' + LoadResString(1672) + '\t' + LoadResString(1673) + '\t' +
                      LoadResString(metric ? 1646 : 1645)};
    lines.reserve(static_cast<qsizetype>(samples.size()) + 1);
    // A sample without an altitude is no reading: the smoothed altitude stays as it was.
    std::optional<double> smoothed;
    for (const CourseSample &sample : samples) {
        if (sample.altitude) {
            const double reading = metric ? *sample.altitude * Units::kMetresPerFoot : *sample.altitude;
            if (!smoothed)
                smoothed = metric ? Numbers::roundHalfEven(reading, 1) : reading;
            else
                smoothed = Numbers::roundHalfEven(a * *smoothed + (1 - a) * reading, metric ? 1 : 0);
        }
        double minutes = sample.time / 60;
        lines << modHelpers::FormatDuration(minutes, modHelpers::kDurationWithSeconds) + '\t' +
                     (sample.latitude ? FormatCoordinates(*sample.latitude, false) : QString()) + '\t' +
                     (sample.longitude ? FormatCoordinates(*sample.longitude, true) : QString()) + '\t' +
                     (smoothed ? NumberText(Numbers::roundHalfEven(*smoothed, 1)) : QString());
    }
    return lines;
}

} // namespace analysis
