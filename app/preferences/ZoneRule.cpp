#include "preferences/ZoneRule.h"

#include "core/Numbers.h"
#include "core/modHelpersValidation.h"

#include <QLocale>

namespace preferences {
namespace {

constexpr int kAgeLimit = 110;
constexpr int kMaximumLimit = 220;

// The maximum box shows 220 - age as the interface shows a single-precision number.
QString maximumTextFor(double age) {
    return QLocale().toString(static_cast<double>(Numbers::toSingle(kMaximumLimit - age)), 'g', 7);
}

} // namespace

QString ZoneModeCode(ZoneMode mode) {
    switch (mode) {
    case ZoneMode::FromAge:
        return QStringLiteral("Age");
    case ZoneMode::FromMaximum:
        return QStringLiteral("MaxHR");
    case ZoneMode::ByHand:
        break;
    }
    return QStringLiteral("man");
}

ZoneMode ZoneModeOf(const QString &code) {
    if (code == QLatin1String("Age"))
        return ZoneMode::FromAge;
    if (code == QLatin1String("MaxHR"))
        return ZoneMode::FromMaximum;
    return ZoneMode::ByHand;
}

HeartRateZones ZonesFromMaximum(int maximum) {
    HeartRateZones zones;
    for (int zone = 0; zone < 5; ++zone)
        zones.low[zone] = maximum * (zone + 5) / 10;
    for (int zone = 0; zone < 4; ++zone)
        zones.high[zone] = zones.low[zone + 1] - 1;
    zones.high[4] = maximum;
    return zones;
}

std::optional<ZoneRuleResult> RunZoneRule(ZoneMode mode, const QString &ageText, const QString &maximumText) {
    ZoneRuleResult result;
    if (const auto age = modHelpers::ReadNumericText(ageText); age && mode == ZoneMode::FromAge) {
        // Only pasted text holds a negative age; it would give a maximum beyond every zone box.
        if (*age > kAgeLimit || *age < 0)
            return std::nullopt;
        result.maximumText = maximumTextFor(*age);
        result.maximum = static_cast<int>(Numbers::roundHalfEven(kMaximumLimit - *age));
    } else if (const auto maximum = modHelpers::ReadNumericText(maximumText);
               maximum && mode == ZoneMode::FromMaximum) {
        if (!(*maximum > 0 && *maximum <= kMaximumLimit))
            return std::nullopt;
        result.maximum = static_cast<int>(Numbers::roundHalfEven(*maximum));
    } else {
        return std::nullopt;
    }
    result.zones = ZonesFromMaximum(result.maximum);
    return result;
}

} // namespace preferences
