#pragma once

#include "core/HeartRateZones.h"

#include <QString>

#include <optional>

namespace preferences {

// How the five heart-rate zones are obtained; stored in preferences.computeZonesUsing as
// "Age", "MaxHR" or "man".
enum class ZoneMode { FromAge, FromMaximum, ByHand };

QString ZoneModeCode(ZoneMode mode);
// Any code but "Age" and "MaxHR" means zones entered by hand.
ZoneMode ZoneModeOf(const QString &code);

// The zones that a maximum heart rate M gives: zone n (1 to 5) starts at M x (n + 4) / 10
// rounded down, ends one beat below the next zone's start, and zone 5 ends at M. Whole-number
// arithmetic keeps 70 % of 170 at 119, where a binary product would fall just below it.
HeartRateZones ZonesFromMaximum(int maximum);

// What the rule makes of the age and maximum boxes.
struct ZoneRuleResult {
    std::optional<QString> maximumText; // the maximum box's new text, when it follows the age
    int maximum = 0;
    HeartRateZones zones;
};

// The rule run on the boxes' texts: from the age, M = 220 - age (an age above 110 gives
// nothing); from the maximum, M = the maximum (one not above 0 or above 220 gives nothing).
// Nothing also when the mode is by hand or its box holds no number: the boxes stay as they are.
std::optional<ZoneRuleResult> RunZoneRule(ZoneMode mode, const QString &ageText, const QString &maximumText);

} // namespace preferences
