#include "entry/AscentDescent.h"

#include "core/Numbers.h"
#include "core/Units.h"
#include "core/modLocalisation.h"
#include "entry/EntryFields.h"

namespace AscentDescent {
namespace {

constexpr double kDeadBand = 15; // feet

} // namespace

Totals Compute(const std::vector<std::optional<double>> &altitudes, bool strongSmoothing) {
    Totals totals;
    if (altitudes.empty() || !altitudes.front())
        return totals;
    const double weight = strongSmoothing ? 0.8 : 0.6;
    double anchor = Numbers::roundHalfEven(*altitudes.front());
    double smoothed = *altitudes.front();
    for (std::size_t row = 1; row < altitudes.size(); ++row) {
        if (!altitudes[row])
            continue;
        smoothed = Numbers::roundHalfEven(weight * smoothed + (1 - weight) * *altitudes[row]);
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
    auto rows = gConn.prepare("select altitude from sessiondata where session_prkey = ? and data_type = 2 "
                              "order by cum_duration");
    rows.bind(1, key);
    std::vector<std::optional<double>> altitudes;
    while (rows.step())
        altitudes.push_back(rows.isNull(0) ? std::nullopt : std::optional<double>(rows.columnDouble(0)));
    if (altitudes.empty() || !altitudes.front())
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
