#pragma once

#include "core/StoredActivity.h"

#include <QDateTime>
#include <QString>

class QComboBox;

// The two series choice lists of one activity's graph: which series an activity offers and
// which it shows. Entries carry their series code as item data: 0 none, 1 speed, 2 pace,
// 3 altitude, 4 elevation, 5 heart rate. The activity keeps the chosen positions (not codes)
// in sessions.Graph1 (left axis) and Graph2 (right axis).
namespace ActivityGraphChoice {

// True for the types whose graph offers series lists: speed (1), GPS (5) and both with heart
// rate (20).
bool OffersSeries(int sessionType);

// Refills both lists with the series that the activity's type and altitude offer; empties them
// for any other type.
void FillSeriesLists(QComboBox &left, QComboBox &right, int sessionType, bool hasAltitude);

// Whether an activity whose type offers series has an altitude in its first speed or GPS sample.
bool HasAltitude(const StoredActivity &activity);

// Selects the stored positions, or the defaults of the type when none is stored or a stored
// one lies past the end of its list.
void ChooseSeries(QComboBox &left, QComboBox &right, const StoredActivity &activity, bool hasAltitude);

// The start as the desktop writes a general date: the short date, then the time unless it is
// midnight.
QString GeneralDateText(const QDateTime &start);

} // namespace ActivityGraphChoice
