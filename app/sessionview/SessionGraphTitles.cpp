#include "sessionview/SessionGraphTitles.h"

#include "core/modLocalisation.h"
#include "sessionview/SessionRowDerivation.h"

#include <QStringList>

namespace sessionview {
namespace {

QString text(int id) {
    return modLocalisation::LoadResString(id);
}

} // namespace

QString AxisTitle(SessionGraphQuantity quantity, const QString &unit) {
    const bool km = unit == QLatin1String("km");
    switch (quantity) {
    case SessionGraphQuantity::Speed:
        return text(km ? 1571 : unit == QLatin1String("nm") ? 1572 : 1348);
    case SessionGraphQuantity::Pace:
        return text(1570) + unit + ')';
    case SessionGraphQuantity::Altitude:
        return ListsAltitude(unit) ? text(km ? 1646 : 1645) : QString();
    case SessionGraphQuantity::Elevation:
        return ListsAltitude(unit) ? text(km ? 1687 : 1686) : QString();
    case SessionGraphQuantity::HeartRate:
        return text(1347);
    case SessionGraphQuantity::None:
        break;
    }
    return {};
}

TimeTitles TimeAxisTitles(const QString &timeSeparator) {
    const QString clock = text(1587) + timeSeparator + text(1588);
    const QString withSeconds = clock + timeSeparator + text(1880);
    return {text(1388) + " (" + clock + ')', text(1388) + " (" + withSeconds + ')'};
}

QString DistanceAxisTitle(const QString &unit) {
    return text(1363) + " (" + unit + ')';
}

QString TableHeadings(int sessionType, bool hasGps, const QString &unit) {
    using Quantity = SessionGraphQuantity;
    if (sessionType == kHeartRateSession)
        return text(1600) + '\t' + text(1347);
    QStringList headings{text(1385), text(1387) + " (" + unit + ')', AxisTitle(Quantity::Speed, unit),
                         AxisTitle(Quantity::Pace, unit)};
    const bool withGps = sessionType == kJoinedSession ? hasGps : sessionType == kGpsSession;
    if (withGps && ListsAltitude(unit))
        headings << AxisTitle(Quantity::Altitude, unit) << AxisTitle(Quantity::Elevation, unit);
    if (sessionType == kJoinedSession)
        headings << text(1574);
    return headings.join('\t');
}

} // namespace sessionview
