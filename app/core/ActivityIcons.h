#pragma once

#include <QIcon>
#include <Qt>

// The icons of activities in the program's activity lists, by index: 1 an activity entered by
// hand or of another type, 2 speed or GPS, 3 heart rate only, 4 heart rate with speed and GPS.
// Lists keep an item's icon index in kActivityIconRole.
inline constexpr int kActivityIconRole = Qt::UserRole + 2;
int ActivityIconIndex(int sessionType);
QIcon ActivityIcon(int index);
