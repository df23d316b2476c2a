#include "analysis/CourseStatistics.h"

#include "analysis/CourseText.h"
#include "core/Globals.h"
#include "core/Numbers.h"
#include "core/Units.h"
#include "core/modHelpersDates.h"
#include "core/modHelpersFormatting.h"
#include "core/modLocalisation.h"

#include <algorithm>
#include <cmath>

namespace analysis {
namespace {

using modLocalisation::LoadResString;

// The dead band of ascent and descent: smaller wobbles of the altitude are not climbing.
constexpr double kElevationBand = 15;
// The slowest pace shown; a stop reads 99:59.
constexpr double kSlowestPace = 99.98;

bool isMetric(const CourseSettings &settings) {
    return settings.unit == QLatin1String("km");
}

// The unit the rows count distance in: any code but "km" and "nm" counts miles.
QString distanceUnit(const QString &unit) {
    return unit == QLatin1String("km") || unit == QLatin1String("nm") ? unit : QStringLiteral("mi");
}

int speedLabelId(const QString &unit) {
    if (unit == QLatin1String("km"))
        return 1694;
    if (unit == QLatin1String("nm"))
        return 1695;
    return 1693;
}

QString paceHeading(const QString &unit) {
    // The German text already reads "... in min/" and takes no closing parenthesis.
    return LoadResString(1712) + unit + (gLanguageOffset == 3000 ? QString() : QStringLiteral(")"));
}

// Feet as the rows show them: metres to one decimal for the metric unit, otherwise whole feet
// (truncated).
QString heightText(double feet, bool metric) {
    if (metric)
        return NumberText(Numbers::roundHalfEven(feet * Units::kMetresPerFoot, 1));
    return NumberText(std::trunc(feet));
}

QString elevationChangeText(double change, bool metric) {
    if (change == 0)
        return QStringLiteral("0");
    const double shown = Numbers::roundHalfEven(std::abs(change) * (metric ? Units::kMetresPerFoot : 1.0), 1);
    return (change < 0 ? QStringLiteral("- ") : QStringLiteral("+ ")) + NumberText(shown);
}

QString positionText(const std::optional<double> &value, bool isLongitude) {
    return value ? FormatCoordinates(*value, isLongitude) : QString();
}

QString durationText(double seconds) {
    double minutes = seconds / 60;
    return modHelpers::FormatDuration(minutes, modHelpers::kDurationWithSeconds);
}

// Distance per hour of a segment; a segment without elapsed time, or going backwards, is a stop.
double segmentSpeed(float distance, float previousDistance, double time, float previousTime) {
    const double hours = (time - previousTime) / 3600;
    if (hours <= 0)
        return 0;
    const double speed = (static_cast<double>(distance) - previousDistance) / hours;
    return speed > 0 ? speed : 0;
}

double paceOf(double speed) {
    if (speed == 0)
        return kSlowestPace;
    return std::min(Numbers::roundHalfEven(60 / speed, 2), kSlowestPace);
}

// One run over the samples; every figure starts afresh with each run.
class CourseWalk {
public:
    CourseWalk(const std::vector<CourseSample> &samples, const CourseSettings &settings)
        : samples_(samples), settings_(settings), metric_(isMetric(settings)),
          factor_(metric_                                ? Units::kKilometresPerMile
                  : settings.unit == QLatin1String("nm") ? Units::kNauticalMilesPerMile
                                                         : 1.0),
          smoothing_(settings.heavySmoothing ? 0.8 : 0.6), timeSeparator_(modHelpers::GetTimeSeparator()) {}

    std::vector<CourseRow> run() {
        const CourseSample &first = samples_.front();
        addStartRow(first);

        for (std::size_t index = 0; index < samples_.size(); ++index) {
            const CourseSample &sample = samples_[index];
            const float distance = distanceInUnit(sample.distance);
            ++sinceMarker_;
            if (settings_.withPositions)
                trackAltitude(sample);
            const float threshold = lastThreshold_ + settings_.interval;
            if (threshold > distance)
                continue;
            // One row per sample: a jump over two thresholds gives the second at a later sample.
            lastThreshold_ = threshold;
            addSegmentRow(CourseRow::Kind::Marker, index, distance);
        }
        addEndRow();
        return std::move(rows_);
    }

    const std::vector<double> &rowTimes() const { return rowTimes_; }

private:
    float distanceInUnit(double miles) const {
        const float converted = static_cast<float>(miles * factor_);
        return static_cast<float>(Numbers::roundHalfEven(converted, 3));
    }

    // The figures start at the first sample with an altitude; a sample without one is no reading
    // (not a fall to 0 feet) and leaves them as they are.
    void trackAltitude(const CourseSample &sample) {
        if (!sample.altitude)
            return;
        if (!altitudeKnown_) {
            altitudeKnown_ = true;
            smoothed_ = *sample.altitude;
            anchor_ = Numbers::roundHalfEven(*sample.altitude);
            previousSmoothed_ = static_cast<float>(*sample.altitude);
        } else {
            smoothed_ = Numbers::roundHalfEven(smoothing_ * smoothed_ + (1 - smoothing_) * *sample.altitude);
        }
        if (smoothed_ <= anchor_ - kElevationBand) {
            descent_ += anchor_ - smoothed_;
            anchor_ = smoothed_;
        } else if (smoothed_ >= anchor_ + kElevationBand) {
            ascent_ += smoothed_ - anchor_;
            anchor_ = smoothed_;
        }
    }

    void addStartRow(const CourseSample &first) {
        CourseRow row{CourseRow::Kind::Start, 0, 0, {}};
        row.fields << LoadResString(1667) << QStringLiteral("00:00:00") << QStringLiteral("00:00:00")
                   << QStringLiteral("0") << QStringLiteral("0") << PaceText(kSlowestPace, timeSeparator_);
        if (settings_.withPositions) {
            row.fields << QStringLiteral("0");
            addHeartRateField(row);
            QString altitude;
            if (first.altitude)
                altitude =
                    metric_ ? NumberText(Numbers::roundHalfEven(*first.altitude * Units::kMetresPerFoot, 1))
                            : NumberText(*first.altitude);
            row.fields << QStringLiteral("0") << QStringLiteral("0") << altitude
                       << positionText(first.latitude, false) << positionText(first.longitude, true);
        } else {
            addHeartRateField(row);
        }
        rowTimes_.push_back(first.time);
        rows_.push_back(std::move(row));
    }

    void addHeartRateField(CourseRow &row) const {
        if (settings_.withHeartRate)
            row.fields << QStringLiteral("0");
    }

    void addSegmentRow(CourseRow::Kind kind, std::size_t index, float distance) {
        const CourseSample &sample = samples_[index];
        const double speed = segmentSpeed(distance, previousDistance_, sample.time, previousTime_);
        CourseRow row{kind, kind == CourseRow::Kind::Marker ? marker_ : 0, index, {}};
        row.fields << (kind == CourseRow::Kind::Marker ? QString::number(marker_) : LoadResString(1668))
                   << durationText(sample.time)
                   << durationText(Numbers::roundHalfEven(sample.time - previousTime_))
                   << NumberText(Numbers::roundHalfEven(distance, 3))
                   << NumberText(Numbers::roundHalfEven(speed, 1)) << PaceText(paceOf(speed), timeSeparator_);
        if (settings_.withPositions) {
            const double change = smoothed_ - previousSmoothed_;
            previousSmoothed_ = static_cast<float>(smoothed_);
            row.fields << elevationChangeText(change, metric_);
            addHeartRateField(row);
            row.fields << heightText(ascent_, metric_) << heightText(descent_, metric_)
                       << (altitudeKnown_ ? heightText(smoothed_, metric_) : QString())
                       << positionText(sample.latitude, false) << positionText(sample.longitude, true);
        } else {
            addHeartRateField(row);
        }
        rowTimes_.push_back(sample.time);
        rows_.push_back(std::move(row));

        previousDistance_ = distance;
        previousTime_ = static_cast<float>(sample.time);
        sinceMarker_ = 0;
        ascent_ = 0;
        descent_ = 0;
        ++marker_;
    }

    void addEndRow() {
        if (sinceMarker_ == 0) {
            // The last sample passed a marker: that row is where the course ends.
            rows_.back().kind = CourseRow::Kind::End;
            rows_.back().fields[0] = LoadResString(1668);
            return;
        }
        if (settings_.withPositions) {
            // What is left inside the dead band still counts at the end.
            if (smoothed_ > anchor_)
                ascent_ += smoothed_ - anchor_;
            else if (smoothed_ < anchor_)
                descent_ += anchor_ - smoothed_;
        }
        const std::size_t last = samples_.size() - 1;
        addSegmentRow(CourseRow::Kind::End, last, distanceInUnit(samples_[last].distance));
    }

    const std::vector<CourseSample> &samples_;
    const CourseSettings &settings_;
    const bool metric_;
    const double factor_;
    const double smoothing_;
    const QString timeSeparator_;

    float lastThreshold_ = 0;
    float previousDistance_ = 0;
    float previousTime_ = 0;
    bool altitudeKnown_ = false;
    double smoothed_ = 0;        // feet; whole after the first sample
    double anchor_ = 0;          // whole feet; wide enough for any reading, even a bad fix
    float previousSmoothed_ = 0; // at the previous row
    double ascent_ = 0;
    double descent_ = 0;
    int marker_ = 1;
    long sinceMarker_ = 0;
    std::vector<CourseRow> rows_;
    std::vector<double> rowTimes_;
};

// Each row gets the average heart rate of the samples up to its time since the previous row.
void addHeartRates(std::vector<CourseRow> &rows, const std::vector<double> &rowTimes,
                   const std::vector<HeartRateSample> &heartRates, int column) {
    std::size_t row = 0;
    double sum = 0;
    int count = 0;
    for (const HeartRateSample &sample : heartRates) {
        if (row >= rowTimes.size())
            break;
        sum += sample.hr;
        ++count;
        if (sample.time >= rowTimes[row]) {
            rows[row].fields[column] = NumberText(Numbers::roundHalfEven(sum / count));
            ++row;
            sum = 0;
            count = 0;
        }
    }
}

} // namespace

float MarkerInterval(int listIndex) {
    switch (listIndex) {
    case 1:
        return 0.5f;
    case 2:
        return 0.25f;
    default:
        return 1.0f;
    }
}

QStringList MarkerIntervalTexts(const QString &unit) {
    const QString label = QLatin1Char(' ') + LoadResString(Units::LabelId(distanceUnit(unit)));
    return {LoadResString(1697) + label, LoadResString(1698) + label, LoadResString(1699) + label};
}

std::vector<CourseColumn> CourseColumns(const CourseSettings &settings) {
    const bool metric = isMetric(settings);
    std::vector<CourseColumn> columns{
        {LoadResString(1679), 700},
        {LoadResString(1691), 1300},
        {LoadResString(1692), 1300},
        {LoadResString(1387) + " (" + LoadResString(Units::LabelId(distanceUnit(settings.unit))) + ")", 1200},
        {LoadResString(1391) + " (" + LoadResString(speedLabelId(settings.unit)) + ")", 1500},
        {paceHeading(settings.unit), 1700},
    };
    const CourseColumn heartRate{LoadResString(1389), 750};
    if (settings.withPositions) {
        columns.push_back({LoadResString(metric ? 1677 : 1676), 1750});
        if (settings.withHeartRate)
            columns.push_back(heartRate);
        columns.push_back({LoadResString(metric ? 1701 : 1700), 1400});
        columns.push_back({LoadResString(metric ? 1703 : 1702), 1400});
        columns.push_back({LoadResString(metric ? 1646 : 1645), 1350});
        columns.push_back({LoadResString(1672), 1400});
        columns.push_back({LoadResString(1673), 1400});
    } else if (settings.withHeartRate) {
        columns.push_back(heartRate);
    }
    return columns;
}

std::optional<int> HeartRateColumn(const CourseSettings &settings) {
    if (!settings.withHeartRate)
        return std::nullopt;
    return settings.withPositions ? 7 : 6;
}

std::vector<CourseRow> FillData(const std::vector<CourseSample> &samples,
                                const std::vector<HeartRateSample> &heartRates,
                                const CourseSettings &settings) {
    if (samples.empty())
        return {};
    CourseWalk walk(samples, settings);
    std::vector<CourseRow> rows = walk.run();
    if (const auto column = HeartRateColumn(settings))
        addHeartRates(rows, walk.rowTimes(), heartRates, *column);
    return rows;
}

} // namespace analysis
