#pragma once

#include <QString>

class QComboBox;
class QListWidget;

// The sport and distance-unit lists that several windows offer.
namespace modHelpers {

// The distance unit codes in the order the unit lists show them.
inline constexpr const char *kDistanceUnitCodes[] = {"mi", "km", "m", "yd", "nm"};

// Adds one item per sport in key order: its name in the chosen language, its key as item data.
// The list is not emptied first. With selectPrimary the item of gPrimarySport is selected;
// otherwise the selection stays as it was.
void FillSportsList(QComboBox &list, bool selectPrimary = true);
void FillSportsList(QListWidget &list, bool selectPrimary = true);

// A built-in sport's name (compared without regard to case) in the chosen language; any other
// name unchanged.
QString TranslateSportName(const QString &description);

// Adds the five units, each shown in the chosen language with its code as item data, and
// selects the one whose code equals unitCode; any other code leaves the selection as it was.
void FillDistanceUnitList(QComboBox &list, const QString &unitCode);
void FillDistanceUnitList(QListWidget &list, const QString &unitCode);

} // namespace modHelpers
