#include "entry/AscentDescent.h"

#include "core/Numbers.h"
#include "core/StoredSamples.h"
#include "core/Units.h"
#include "core/modLocalisation.h"
#include "entry/EntryFields.h"

#include <algorithm>
#include <iterator>

namespace AscentDescent {
namespace {

constexpr double kDeadBand = 15; // feet

} // namespace

Totals Compute(const std::vector<std::optional<double>> &altitudes, bool strongSmoothing) {
    Totals totals;
    // The figures start at the first row with an altitude; a row without one is no reading.
    const auto first =
        std::find_if(altitudes.begin(), altitudes.end(),
                     [](const std::optional<double> &altitude) { return altitude.has_value(); });
    if (first == altitudes.end())
        return totals;
    const double weight = strongSmoothing ? 0.8 : 0.6;
    double anchor = Numbers::roundHalfEven(**first);
    double smoothed = **first;
    for (auto row = std::next(first); row != altitudes.end(); ++row) {
        if (!*row)
            continue;
        smoothed = Numbers::roundHalfEven(weight * smoothed + (1 - weight) * **row);
        if (smoothed <= anchor - kDeadBand) {
            totals.descent += anchor - smoothed;
            anchor = smoothed;
        } else if (smoothed >= anchor + kDeadBand) {
            totals.ascent += smoothed - anchor;
            anchor = smoothed;
        }
    }
    if (smoothed > anchor)
        totals.ascent += smoothed - anchor;
    else
        totals.descent += anchor - smoothed;
    return totals;
}

std::optional<std::vector<std::optional<double>>> ReadAltitudes(SessionKey key) {
    std::vector<std::optional<double>> altitudes;
    bool anyAltitude = false;
    ReadSamples(gConn, key, SampleKind::Gps, {.altitude = true}, [&](const StoredSample &sample) {
        altitudes.push_back(sample.altitude);
        anyAltitude = anyAltitude || sample.altitude.has_value();
    });
    if (!anyAltitude)
        return std::nullopt;
    return altitudes;
}

QString TotalText(double feet, const QString &preferredUnit) {
    if (preferredUnit == "km")
        return EntryFields::NumberText(Numbers::roundHalfEven(feet * Units::kMetresPerFoot, 1)) + ' ' +
               modLocalisation::LoadResString(1707);
    return EntryFields::NumberText(Numbers::roundHalfEven(feet)) + ' ' + modLocalisation::LoadResString(1706);
}

} // namespace AscentDescent
