#include "sessionview/SessionRowDerivation.h"

#include "core/Numbers.h"
#include "core/Units.h"
#include "core/modHelpersFormatting.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace sessionview {
namespace {

constexpr double kSampleSeconds = 3.57;
constexpr std::size_t kWindowSamples = 6;
constexpr double kWindowCap = 30;

double round(double value, int decimals) {
    return Numbers::roundHalfEven(value, decimals);
}

} // namespace

double DistanceInUnit(double miles, const QString &unit) {
    if (unit == QLatin1String("km"))
        return miles * Units::kKilometresPerMile;
    if (unit == QLatin1String("nm"))
        return miles * Units::kNauticalMilesPerMile;
    return miles;
}

double SpeedInUnit(double milesPerHour, const QString &unit) {
    if (unit == QLatin1String("km"))
        return round(milesPerHour * Units::kKilometresPerMile, 1);
    if (unit == QLatin1String("nm"))
        return round(milesPerHour * Units::kNauticalMilesPerMile, 1);
    return milesPerHour;
}

double HeightInUnit(double feet, const QString &unit) {
    return unit == QLatin1String("km") ? feet * Units::kMetresPerFoot : feet;
}

bool ListsAltitude(const QString &unit) {
    return unit == QLatin1String("mi") || unit == QLatin1String("nm") || unit == QLatin1String("km");
}

double PaceWindow::next(double distance, double speed) {
    const std::size_t i = distances_.size();
    distances_.push_back(distance);
    if (!(speed > 0))
        return kNoPace;
    double pace = kNoPace;
    if (i <= kWindowSamples) {
        const double covered = distance - distances_.front();
        if (distance == 0)
            pace = kNoPace;
        else if (i == 0)
            pace = round(60 / speed, 2);
        else if (covered > 0)
            pace = round(static_cast<double>(i) * kSampleSeconds / (covered * 60), 2);
    } else {
        const double covered = distance - distances_[i - kWindowSamples];
        const bool glitch = capWindowDistance_ && covered >= kWindowCap;
        if (covered > 0 && !glitch)
            pace = round(static_cast<double>(kWindowSamples) * kSampleSeconds / (covered * 60), 2);
    }
    return std::min(pace, kNoPace);
}

QString PaceText(double pace, const QString &timeSeparator) {
    const double minutes = std::floor(pace);
    const double seconds = round((pace - minutes) * 60, 0);
    const QString zero = QStringLiteral("0");
    return modHelpers::PadString(static_cast<long long>(minutes), 2, zero) + timeSeparator +
           modHelpers::PadString(static_cast<long long>(seconds), 2, zero);
}

// The weights are single-precision constants, and so is their complement.
AltitudeSmoother::AltitudeSmoother(bool smoothing)
    : weight_(smoothing ? 0.8F : 0.6F), rest_(1.0F - weight_) {}

double AltitudeSmoother::next(std::optional<double> recorded) {
    if (recorded)
        smoothed_ =
            smoothed_ ? round(double(weight_) * *smoothed_ + double(rest_) * *recorded, 0) : *recorded;
    return smoothed_.value_or(0);
}

ElapsedTime Elapsed(double seconds) {
    double minutes = seconds / 60;
    const QString text = modHelpers::FormatDuration(minutes, modHelpers::kDurationWithSeconds);
    const double secondsOfDay =
        text.mid(0, 2).toInt() * 3600.0 + text.mid(3, 2).toInt() * 60.0 + text.mid(6, 2).toInt();
    return {text, secondsOfDay};
}

QString NumberText(double value) {
    if (value == 0)
        value = 0; // no "-0"
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'g', 7);
}

} // namespace sessionview
